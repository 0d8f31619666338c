// The maker's web page and the feedback mail link. Both open in a normal window: a hidden
// one could start a browser or mail program that nobody ever sees.
#include <windows.h>
// windows.h must come before shellapi.h.
#include <shellapi.h>

#include "editor/main/FrmMain.h"

namespace vx::editor {

namespace {

constexpr const char* Homepage = "https://vorlix.org/";
constexpr const char* FeedbackAddress = "feedback@vorlix.org";

}  // namespace

void Tfrmmain::acHomepageExecute() {
  ::ShellExecuteA(nullptr, "open", Homepage, "", "", SW_SHOWNORMAL);
}

void Tfrmmain::mReportClick() {
  const std::string link = std::string("mailto:") + FeedbackAddress + "?Subject=Vorlix%20Feedback";
  ::ShellExecuteA(Handle(), "open", link.c_str(), "", "", SW_SHOWNORMAL);
}

}  // namespace vx::editor
