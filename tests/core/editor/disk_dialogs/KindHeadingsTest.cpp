// What the user reads names what the step becomes: the links and radio buttons that choose
// a kind are captioned with its name, and a page, however it was reached, is headed with
// the name (or its family's title) and the description of the kind it stores.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "core/StepKinds.h"
#include "core/editor/dialogs/FileOpDialog.h"
#include "core/editor/dialogs/InternetDialogFields.h"
#include "core/editor/dialogs/SystemDialog.h"
#include "core/editor/dialogs/UserInputDialogFields.h"
#include "core/editor/dialogs/WindowDialogFields.h"

namespace vxtest {
namespace {

using namespace vx::editor;

// A caption as the user reads it: without the blanks a link is indented by, letter case aside.
std::string Read(std::string_view caption) {
  const auto first = caption.find_first_not_of(' ');
  std::string text(first == std::string_view::npos
                       ? ""
                       : caption.substr(first, caption.find_last_not_of(' ') - first + 1));
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

TEST(KindHeadings, LinksAndRadioButtonsAreCaptionedWithTheKindTheyChoose) {
  for (const FileOpLink& link : FileOpLinks)
    EXPECT_EQ(Read(link.caption), Read(vx::StepKindName(link.kind))) << link.name;
  for (const SystemLink& link : SystemLinks)
    if (link.page != SystemPage::Exit) {
      EXPECT_EQ(Read(link.caption), Read(vx::StepKindName(link.kind))) << link.name;
    }
  for (const SystemExitChoice& choice : SystemExitChoices)
    EXPECT_EQ(Read(choice.caption), Read(vx::StepKindName(choice.kind))) << choice.name;
}

// The kind Apply then stores, the title and the description.
struct Heading {
  std::uint8_t kind;
  std::string title;
  std::string description;
  bool operator==(const Heading&) const = default;
};
void PrintTo(const Heading& h, std::ostream* out) {
  *out << "{kind " << int(h.kind) << ", \"" << h.title << "\", \"" << h.description << "\"}";
}
template <typename View>
Heading Of(std::uint8_t kind, const View& view) {
  return {kind, view.title, view.description};
}

// The heading a step of kind shows: its own name and description, or, where a page holds
// several kinds, the page's title and one kind's description.
Heading Expected(std::uint8_t kind) {
  const struct {
    std::uint8_t first, last;
    const char* title;
    std::uint8_t described;
  } shared[] = {
      {vx::ckShutdownWindows, vx::ckLogOFFCurrentUser, "System States", vx::ckLogOFFCurrentUser},
      {vx::ckFtpRenameFile, vx::ckFtpDownloadFile, "FTP Operations", vx::ckFtpDownloadFile},
      {vx::ckCloseAllWindows, vx::ckActivateWindow, "Window States", vx::ckActivateWindow},
      {vx::ckSendKeys, vx::ckSendKeys, "Control Keyboard", vx::ckSendKeys},
      {vx::ckMouseClick, vx::ckMouseMove, "Control Mouse", vx::ckMouseMove}};
  for (const auto& page : shared)
    if (kind >= page.first && kind <= page.last)
      return {kind, page.title, vx::StepKindDescription(page.described)};
  return {kind, vx::StepKindName(kind), vx::StepKindDescription(kind)};
}

// The heading of the page of pageKind while the step stays kind (a link that leaves the
// kind to the page's radio buttons).
Heading On(std::uint8_t pageKind, std::uint8_t kind) {
  Heading heading = Expected(pageKind);
  heading.kind = kind;
  return heading;
}

// The heading that kind's dialog shows for a step of kind; none for the clipboard and record
// kinds, whose dialogs head every step alike.
std::optional<Heading> Shown(std::uint8_t kind) {
  for (const FileOpLink& link : FileOpLinks)
    if (link.kind == kind) return Of(kind, FileOpViewOf(kind));
  if ((kind >= vx::ckWait && kind <= vx::ckLogOFFCurrentUser) || kind == vx::ckSetVariable) {
    const SystemView view = SystemViewOf(kind);
    return Of(view.kind, view);
  }
  if (const auto view = InternetViewOf(kind)) return Of(kind, *view);
  if (const auto view = WindowViewOf(kind)) return Of(kind, *view);
  if (const auto view = UserInputViewOf(kind)) return Of(kind, *view);
  return std::nullopt;
}

// A step of each kind shown, and each link clicked while the dialog shows a step of
// another kind.
TEST(KindHeadings, EveryPageIsHeadedByTheKindItStores) {
  int shown = 0;
  for (const vx::TIDLib& entry : vx::StepKindTable)
    if (const auto heading = Shown(entry.code)) {
      EXPECT_EQ(*heading, Expected(entry.code));
      ++shown;
    }
  EXPECT_EQ(shown, 32);  // all but the three clipboard kinds and Record

  for (const SystemLink& link : SystemLinks) {
    const SystemView view = SystemLinkClick(link, vx::ckRestartWindows);
    EXPECT_EQ(Of(view.kind, view),
              link.kind ? Expected(link.kind) : On(vx::ckLogOFFCurrentUser, vx::ckRestartWindows))
        << link.name;
  }
  std::uint8_t kind = vx::ckFtpDeleteFile;
  const InternetPageView email = FollowInternetLink(InternetPage::Email, kind);
  EXPECT_EQ(Of(kind, email), Expected(vx::ckSendEmail));
  const InternetPageView ftp = FollowInternetLink(InternetPage::Ftp, kind);
  EXPECT_EQ(Of(kind, ftp), On(vx::ckFtpDownloadFile, vx::ckSendEmail));
  kind = vx::ckKillWindow;
  const WindowPageView message = FollowWindowLink(WindowPage::Message, kind);
  EXPECT_EQ(Of(kind, message), Expected(vx::ckShowMessage));
  const WindowPageView window = FollowWindowLink(WindowPage::Window, kind);
  EXPECT_EQ(Of(kind, window), On(vx::ckActivateWindow, vx::ckShowMessage));
  kind = vx::ckMouseClick;
  const UserInputPageView keyboard = FollowUserInputLink(UserInputPage::Keyboard, kind);
  EXPECT_EQ(Of(kind, keyboard), Expected(vx::ckSendKeys));
  const UserInputPageView mouse = FollowUserInputLink(UserInputPage::Mouse, kind);
  EXPECT_EQ(Of(kind, mouse), On(vx::ckMouseMove, vx::ckSendKeys));
}

}  // namespace
}  // namespace vxtest
