// The document commands (New, Open, Save, Save As) over DocumentSession, and the boxes and
// file dialogs it asks through.
#include <windows.h>
// windows.h must come before commdlg.h and dlgs.h.
#include <commdlg.h>
#include <dlgs.h>

#include <algorithm>
#include <vector>

#include "core/FileIO.h"
#include "core/SystemText.h"
#include "core/editor/document/DocumentNames.h"
#include "editor/main/FrmMain.h"
#include "win32/forms/Application.h"
#include "win32/system/AnsiPath.h"
#include "win32/system/SystemText.h"

namespace vx::editor {

namespace {

// Long enough for any path the system can give (paths are kept whole).
constexpr DWORD FileNameCapacity = 32768;

// The wide dialogs: the ANSI ones would hand back a name the code page cannot hold as a
// look-alike of it, another file's name.
constexpr wchar_t OpenFilter[] = L"Vorlix Script (*.vxz)\0*.vxz\0All Files (*.*)\0*.*\0";
constexpr wchar_t SaveFilter[] = L"Vorlix File\0*.vxz\0";

// The folder the dialog shows, with its trailing "\"; empty when it has none.
std::string DialogFolder(HWND dialog) {
  std::wstring text(FileNameCapacity, L'\0');
  const LRESULT length =
      ::SendMessageW(dialog, CDM_GETFOLDERPATH, text.size(), reinterpret_cast<LPARAM>(text.data()));
  std::string folder = length > 0 ? win32::NarrowText(text, CP_ACP) : std::string();
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

// Puts the file Save As would write into the name box and presses OK again, so that the
// dialog's own question before replacing a file is about that file.
void ResubmitAs(HWND dialog, const std::string& target) {
  const bool here = SameTextIgnoringCase(FolderOf(target), DialogFolder(dialog));
  const std::wstring shown = win32::WideText(here ? FileNameOf(target) : target, CP_ACP);
  const int nameBox = ::GetDlgItem(dialog, cmb13) ? cmb13 : edt1;
  ::SendMessageW(dialog, CDM_SETCONTROLTEXT, nameBox, reinterpret_cast<LPARAM>(shown.c_str()));
  ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
}

// The dialog asks before replacing the name it checked, but Save As writes SaveAsPath of that
// name ("report.bak" is written as "report.bak.vxz"). A name that is not yet the file to be
// written is refused and handed back as that file, so the question is asked about it.
// SaveAsPath of a name it gave returns that name or a shorter one, so this ends. A name the
// ANSI code page cannot hold goes through: the dialog's caller refuses it.
UINT_PTR CALLBACK SaveDialogHook(HWND child, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_NOTIFY || reinterpret_cast<const NMHDR*>(lParam)->code != CDN_FILEOK) return 0;
  const HWND dialog = ::GetParent(child);
  bool refuse = true;  // whatever goes wrong, nothing is written unasked
  try {
    // The name as the dialog resolved it (Wine's CDM_GETFILEPATH joins the folder to the
    // name box's text even when that is a full path).
    const OPENFILENAMEW* request = reinterpret_cast<const OFNOTIFYW*>(lParam)->lpOFN;
    const std::wstring chosen = request && request->lpstrFile ? request->lpstrFile : L"";
    const std::optional<std::string> name = win32::ExactNarrowText(chosen, CP_ACP);
    if (!name) {
      refuse = false;
    } else if (!name->empty()) {
      const std::string target = SaveAsPath(*name);
      refuse = target != *name;
      if (refuse) ResubmitAs(dialog, target);
    }
  } catch (...) {
  }
  ::SetWindowLongPtrW(child, DWLP_MSGRESULT, refuse ? 1 : 0);
  return refuse ? 1 : 0;
}

std::optional<std::wstring> RunFileDialog(HWND owner, const wchar_t* filter,
                                          const std::wstring& initialName, bool save) {
  std::vector<wchar_t> name(FileNameCapacity, L'\0');
  initialName.copy(name.data(), std::min<std::size_t>(initialName.size(), name.size() - 1));
  const std::wstring defaultExtension = win32::WideText(kScriptExtension + 1, CP_ACP);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = FileNameCapacity;
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
  if (save) {
    // The system asks before an existing file is replaced; a name typed without an
    // extension is checked as the script file it becomes.
    dialog.Flags |= OFN_OVERWRITEPROMPT | OFN_ENABLEHOOK;
    // Wine captions the question with the dialog's title, and with "Error" when there is none.
    dialog.lpstrTitle = L"Save As";
    dialog.lpfnHook = SaveDialogHook;
    dialog.lpstrDefExt = defaultExtension.c_str();
  }
  const BOOL chosen = save ? ::GetSaveFileNameW(&dialog) : ::GetOpenFileNameW(&dialog);
  if (!chosen) return std::nullopt;
  return std::wstring(name.data());
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
  std::optional<std::wstring> chosen = RunFileDialog(Handle(), OpenFilter, lastOpenName_, false);
  if (!chosen) return std::nullopt;
  lastOpenName_ = *chosen;
  return win32::AnsiPath(*chosen, win32::PathUse::Open);
}

std::optional<std::string> Tfrmmain::ChooseFileToSave(const std::string& proposedName) {
  const std::optional<std::wstring> chosen =
      RunFileDialog(Handle(), SaveFilter, win32::WideText(proposedName, CP_ACP), true);
  if (!chosen) return std::nullopt;
  if (std::optional<std::string> name = win32::ExactNarrowText(*chosen, CP_ACP)) return name;
  // Refused as the file Save As would have written.
  win32::RefusePath(SaveAsPath(win32::NarrowText(*chosen, CP_ACP)), win32::PathUse::Create);
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
