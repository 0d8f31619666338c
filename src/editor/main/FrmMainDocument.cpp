// The document commands (New, Open, Save, Save As) over DocumentSession, and the boxes and
// file dialogs it asks through.
#include <windows.h>
// windows.h must come before commdlg.h.
#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "editor/main/FrmMain.h"
#include "win32/forms/Application.h"

namespace vx::editor {

namespace {

// Long enough for any path the system can give (paths are kept whole).
constexpr DWORD FileNameCapacity = 32768;

constexpr char OpenFilter[] = "Vorlix Script (*.vxz)\0*.vxz\0All Files (*.*)\0*.*\0";
constexpr char SaveFilter[] = "Vorlix File\0*.vxz\0";

std::optional<std::string> RunFileDialog(HWND owner, const char* filter,
                                         const std::string& initialName, bool save) {
  std::vector<char> name(FileNameCapacity, '\0');
  initialName.copy(name.data(), std::min<std::size_t>(initialName.size(), name.size() - 1));
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = FileNameCapacity;
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
  const BOOL chosen = save ? ::GetSaveFileNameA(&dialog) : ::GetOpenFileNameA(&dialog);
  if (!chosen) return std::nullopt;
  return std::string(name.data());
}

}  // namespace

void Tfrmmain::acNewExecute() {
  document_->New();
}

void Tfrmmain::acOpenExecute() {
  document_->Open();
}

void Tfrmmain::acSaveExecute() {
  document_->Save();
}

void Tfrmmain::acSaveAsExecute() {
  document_->SaveAs();
}

Answer Tfrmmain::AskYesNoCancel(const std::string& question) {
  switch (::MessageBoxA(Handle(), question.c_str(), "Confirm", MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
      return Answer::Yes;
    case IDNO:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

std::optional<std::string> Tfrmmain::ChooseFileToOpen() {
  std::optional<std::string> chosen = RunFileDialog(Handle(), OpenFilter, lastOpenName_, false);
  if (chosen) lastOpenName_ = *chosen;
  return chosen;
}

std::optional<std::string> Tfrmmain::ChooseFileToSave(const std::string& proposedName) {
  return RunFileDialog(Handle(), SaveFilter, proposedName, true);
}

void Tfrmmain::StepsReplaced() {
  RebuildList();
  lstmain.SetTopIndex(0);  // another document: shown from its top
}

void Tfrmmain::SetCaption(const std::string& caption) {
  ::SetWindowTextA(Handle(), caption.c_str());
}

void Tfrmmain::SetApplicationTitle(const std::string& title) {
  win32::Application().SetTitle(title);
}

void Tfrmmain::ReportError(const Error& error) {
  ::MessageBoxA(Handle(), error.what(), "Error", MB_OK | MB_ICONERROR);
}

}  // namespace vx::editor
