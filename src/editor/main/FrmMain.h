// Tfrmmain, the editor's main window: the catalogue of step kinds on the left ("Available
// Actions"), the script being composed on the right ("Selected Actions"), toolbar, menus,
// pop-up menu and status bar. The window is split by concern over several files:
// FrmMain.cpp (make-up, commands, start and close), FrmMainLayout.cpp, FrmMainDocument.cpp,
// FrmMainRecent.cpp, FrmMainRun.cpp, FrmMainGeometry.cpp, FrmMainLinks.cpp,
// FrmMainSession.cpp, FrmMainList.cpp, FrmMainTree.cpp and FrmMainEdit.cpp.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/editor/document/DocumentFiles.h"
#include "core/editor/document/DocumentSession.h"
#include "core/editor/document/RecentFiles.h"
#include "core/editor/list/ActionTree.h"
#include "core/editor/list/ListMouse.h"
#include "win32/forms/BevelRect.h"
#include "win32/forms/CommonControls.h"
#include "win32/forms/Form.h"
#include "win32/forms/OwnerDrawList.h"
#include "win32/forms/Splitter.h"
#include "win32/forms/StdControls.h"

namespace vx::editor {

// The command ids of the main window's actions, menu items and recent-file entries.
enum MainCommand : WORD {
  acNew = win32::FirstCommandId,
  acOpen,
  acSave,
  acSaveAs,
  acRun,
  acRunSelected,
  acExit,
  acCutAction,
  acCopyAction,
  acPasteAction,
  acDeleteAction,
  acSelectAll,
  acEnable,
  acMoveUp,
  acMoveDown,
  acComment,
  acAbout,
  acHomepage,
  mPreferences,
  mReport,
  pActionProperties,
  mFile,
  mEdit,
  mRun,
  mHelp,
  mRecent,
  // The recent-file entries: the first entry's command, then one more for each.
  mRecentFirst = win32::FirstCommandId + 0x100,
  mRecentLast = mRecentFirst + 0xFF,
};

// The id of the step clipboard format "VorlixCommand"; 0 until registered (or refused).
extern UINT CommandFormat;

// A text on a panel: a static control, since the form paints its painted labels only on its
// own surface.
class TStaticText : public win32::TWinControl {
 protected:
  const char* ClassName() const override { return "STATIC"; }
  DWORD OwnStyle() const override { return SS_LEFT | SS_NOPREFIX; }
};

class Tfrmmain : public win32::TForm, private DocumentUi, private RecentFilesView {
 public:
  Tfrmmain();
  ~Tfrmmain() override;
  // Creates the window hidden, restores its geometry and starts the empty document.
  void Create();
  // The command line's file (made absolute), opened once the window is first shown.
  void SetStartFile(std::wstring path) { startFile_ = std::move(path); }

  DocumentSession& Document() { return *document_; }
  StepList& Steps() { return document_->List(); }

  win32::TToolBar Tbmain;
  win32::TPanel pnlActions;
  win32::TBevelRect brectactions;
  win32::TTreeView Tvmain;
  win32::TBevelLine bvlsearchtv;
  TStaticText lblsearchtv;
  win32::TEdit txtsearchtv;
  win32::TSplitter spltmain;
  win32::TPanel pnlList;
  win32::TBevelRect brectlist;
  win32::THeader hdmain;
  win32::TOwnerDrawListBox lstmain;
  win32::TStatusBar sbmain;
  win32::TImageList ImgLstmbar;
  win32::TImageList imglst16;
  win32::TImageList imglst24;
  win32::TMenu mpopup;

 protected:
  void FormShow() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool OnCommand(WORD command) override;
  bool CloseQuery() override;
  void FormClose() override;
  void FormResize() override;
  void OnDpiChanged() override;
  // The status bar shows the hint of the command or control under the mouse.
  void OnHint(const std::string& hint) override { sbmain.ShowHint(hint); }

 private:
  // FrmMain.cpp
  void MakeUp();
  void LoadImages();
  void acExitExecute();
  // FrmMainLayout.cpp
  void LayOutPanels();
  void spltmainMoved(int left);
  // FrmMainDocument.cpp
  void acNewExecute();
  void acOpenExecute();
  void acSaveExecute();
  void acSaveAsExecute();
  // DocumentUi
  Answer AskYesNoCancel(const std::string& question) override;
  std::optional<std::string> ChooseFileToOpen() override;
  std::optional<std::string> ChooseFileToSave(const std::string& proposedName) override;
  void StepsReplaced() override;
  void SetCaption(const std::string& caption) override;
  void SetApplicationTitle(const std::string& title) override;
  void ReportError(const Error& error) override;
  // FrmMainRecent.cpp
  void CreateRecentFiles();
  void rfmainClickRecentItem(WORD command);
  // RecentFilesView
  void ShowEntries(std::size_t position, const std::vector<RecentEntry>& entries) override;
  void ShowErrorBox(const std::string& text) override;
  // FrmMainRun.cpp
  void acRunExecute();
  void acRunSelectedExecute();
  void StartPlayer(std::int32_t first, std::int32_t last);
  // FrmMainGeometry.cpp
  void RestoreGeometry();
  void StoreGeometry();
  // FrmMainLinks.cpp
  void acHomepageExecute();
  void mReportClick();
  // FrmMainSession.cpp: the end of the Windows session; false for any other message.
  bool SessionMessage(UINT message, WPARAM wParam, LRESULT& result);
  bool QueryEndSession();
  void EndSession();

  // ==== The step list, the tree and the Edit commands ===================================
  // Declared here, defined in FrmMainList.cpp, FrmMainTree.cpp and FrmMainEdit.cpp.
  // FrmMainList.cpp: drawing a step line, mouse, drag and drop, keys, Properties.
  void SetUpList();
  void lstmainDrawItem(const win32::DrawItemArgs& item);
  void lstmainSelect();
  void lstmainDblClick();
  void lstmainMouseDown(win32::MouseButton button, win32::ShiftState shift, POINT at);
  bool lstmainKeyDown(UINT key);
  bool lstmainStartDrag(POINT at);
  void lstmainDragOver(POINT at, bool inside);
  void lstmainDragDrop(POINT at);
  void lstmainEndDrag();
  // Refills the list box from the model in one pass with redraw off.
  void RebuildList();
  // Brings the list box up to date with what a command changed in the model.
  void ShowListChange(ListChange change);
  // The model's selection and current item onto the list box.
  void ShowModelSelection();
  ListGeometry CurrentListGeometry() const;
  // The step under a point of the list's client area, or NoItem below the last step.
  std::int32_t StepAt(POINT client) const;
  // Asks the family's step dialog (none: nothing) modally and commits the step it gives.
  void OpenStepDialog(StepFamily family);
  // FrmMainTree.cpp: the tree's nodes, its search, custom draw and double click.
  void SetUpTree();
  void FillTree();
  void txtsearchtvChange();
  void TvmainDblClick();
  LRESULT TvmainCustomDrawItem(NMTVCUSTOMDRAW& draw);
  // FrmMainEdit.cpp: the Edit commands and the windows they open.
  void acCutActionExecute();
  void acCopyActionExecute();
  void acPasteActionExecute();
  void acDeleteActionExecute();
  void acSelectAllExecute();
  void acEnableExecute();
  void acMoveUpExecute();
  void acMoveDownExecute();
  void acCommentExecute();
  void acAboutExecute();
  void mPreferencesClick();
  // The text of the action tree's selected node; empty when none is selected.
  std::string SelectedTreeNodeText() const;

  // True: the next step dialog adds a step; false: it edits the list's current step.
  bool adding_ = false;
  InsertionLine insertionLine_;
  std::vector<HTREEITEM> treeItems_;    // in the tree's absolute index order
  win32::UniqueGdiObject commentFont_;  // the step lines' second line, for commentFontDpi_
  UINT commentFontDpi_ = 0;
  // ======================================================================================

  DiskFiles files_;
  std::unique_ptr<ValueStore> recentStore_;
  std::unique_ptr<RecentFiles> rfmain;
  std::unique_ptr<DocumentSession> document_;
  std::optional<std::wstring> startFile_;
  std::wstring lastOpenName_;  // the open dialog keeps the last chosen file name
  std::size_t recentShown_ = 0;
  int actionsWidth_ = 0;  // pnlActions' width, client pixels
  UINT layoutDpi_ = 96;   // the DPI the kept widths are in
};

extern std::unique_ptr<Tfrmmain> frmmain;

}  // namespace vx::editor
