// What the user reads names what the step becomes: the links and radio buttons that choose
// a kind are captioned with its name, and a page, however it was reached, is headed with
// the name (or its family's title) and the description of the kind it stores.
#include <gtest/gtest.h>

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
  const auto last = caption.find_last_not_of(' ');
  std::string text(first == std::string_view::npos ? "" : caption.substr(first, last - first + 1));
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

struct Heading {
  std::uint8_t kind;  // the kind Apply then stores
  std::string title;
  std::string description;
  bool operator==(const Heading&) const = default;
};
void PrintTo(const Heading& h, std::ostream* out) {
  *out << "{kind " << int(h.kind) << ", \"" << h.title << "\", \"" << h.description << "\"}";
}
Heading Of(std::uint8_t kind, const std::string& title, const std::string& description) {
  return {kind, title, description};
}
Heading Named(std::uint8_t kind) {
  return {kind, vx::StepKindName(kind), vx::StepKindDescription(kind)};
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

// A step shown (the heading of its kind's page), and each link clicked while the dialog
// shows a step of another kind.
TEST(KindHeadings, EveryPageIsHeadedByTheKindItStores) {
  const std::string ftp = "FTP Operations", windows = "Window States", exits = "System States";
  for (const FileOpLink& link : FileOpLinks) {
    const FileOpView view = FileOpViewOf(link.kind);
    EXPECT_EQ(Of(view.kind, view.title, view.description), Named(link.kind)) << link.name;
  }
  for (const std::uint8_t kind : {212, 213, 214, 215, 216, 217, 218, 219, 254}) {
    const SystemView view = SystemViewOf(kind);
    const bool exit = kind >= vx::ckShutdownWindows && kind <= vx::ckLogOFFCurrentUser;
    EXPECT_EQ(
        Of(view.kind, view.title, view.description),
        exit ? Of(kind, exits, vx::StepKindDescription(vx::ckLogOFFCurrentUser)) : Named(kind));
  }
  for (const SystemLink& link : SystemLinks) {
    const SystemView view = SystemLinkClick(link, vx::ckRestartWindows);
    const Heading expected =
        link.page == SystemPage::Exit
            ? Of(vx::ckRestartWindows, exits, vx::StepKindDescription(vx::ckLogOFFCurrentUser))
            : Named(link.kind);
    EXPECT_EQ(Of(view.kind, view.title, view.description), expected) << link.name;
  }

  for (std::uint8_t kind = vx::ckSendEmail; kind <= vx::ckFtpDownloadFile; ++kind) {
    const auto view = InternetViewOf(kind);
    ASSERT_TRUE(view) << int(kind);
    EXPECT_EQ(Of(kind, view->title, view->description),
              kind == vx::ckSendEmail
                  ? Named(kind)
                  : Of(kind, ftp, vx::StepKindDescription(vx::ckFtpDownloadFile)));
  }
  std::uint8_t kind = vx::ckFtpDeleteFile;
  InternetPageView internet = FollowInternetLink(InternetPage::Email, kind);
  EXPECT_EQ(Of(kind, internet.title, internet.description), Named(vx::ckSendEmail));
  internet = FollowInternetLink(InternetPage::Ftp, kind);
  EXPECT_EQ(Of(kind, internet.title, internet.description),
            Of(vx::ckSendEmail, ftp, vx::StepKindDescription(vx::ckFtpDownloadFile)));

  for (kind = vx::ckShowMessage; kind <= vx::ckActivateWindow; ++kind) {
    const auto view = WindowViewOf(kind);
    ASSERT_TRUE(view) << int(kind);
    EXPECT_EQ(Of(kind, view->title, view->description),
              kind == vx::ckShowMessage
                  ? Named(kind)
                  : Of(kind, windows, vx::StepKindDescription(vx::ckActivateWindow)));
  }
  kind = vx::ckKillWindow;
  WindowPageView window = FollowWindowLink(WindowPage::Message, kind);
  EXPECT_EQ(Of(kind, window.title, window.description), Named(vx::ckShowMessage));
  window = FollowWindowLink(WindowPage::Window, kind);
  EXPECT_EQ(Of(kind, window.title, window.description),
            Of(vx::ckShowMessage, windows, vx::StepKindDescription(vx::ckActivateWindow)));

  const Heading keyboard{vx::ckSendKeys, "Control Keyboard",
                         vx::StepKindDescription(vx::ckSendKeys)};
  const auto mouse = [](std::uint8_t k) {
    return Of(k, "Control Mouse", vx::StepKindDescription(vx::ckMouseMove));
  };
  for (kind = vx::ckSendKeys; kind <= vx::ckMouseMove; ++kind) {
    const auto view = UserInputViewOf(kind);
    ASSERT_TRUE(view) << int(kind);
    EXPECT_EQ(Of(kind, view->title, view->description),
              kind == vx::ckSendKeys ? keyboard : mouse(kind));
  }
  kind = vx::ckMouseClick;
  UserInputPageView input = FollowUserInputLink(UserInputPage::Keyboard, kind);
  EXPECT_EQ(Of(kind, input.title, input.description), keyboard);
  input = FollowUserInputLink(UserInputPage::Mouse, kind);
  EXPECT_EQ(Of(kind, input.title, input.description), mouse(vx::ckSendKeys));
}

}  // namespace
}  // namespace vxtest
