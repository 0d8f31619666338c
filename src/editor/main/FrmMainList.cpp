// The step list: each line shows its step; mouse, drag and drop, keys and Properties. The
// steps live in the document's StepList; the list box mirrors it and is refilled once per
// command, never item by item.
#include <windows.h>
// windows.h must come before commctrl.h.
#include <commctrl.h>

#include <algorithm>

#include "core/StepKinds.h"
#include "core/editor/list/ListCommands.h"
#include "core/editor/list/StepRequest.h"
#include "editor/dialogs/EditorDialogs.h"
#include "editor/main/FrmMain.h"

namespace vx::editor {

namespace {

constexpr COLORREF CommentColor = RGB(80, 80, 80);
constexpr int StepLineHeight = 40;

void DrawLineText(HDC dc, int x, int y, const std::string& text) {
  ::TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

}  // namespace

void Tfrmmain::SetUpList() {
  lstmain.SetItemHeight(StepLineHeight);
  lstmain.OnDrawItem = [this](const win32::DrawItemArgs& item) { lstmainDrawItem(item); };
  lstmain.OnSelect = [this] { lstmainSelect(); };
  lstmain.OnDoubleClick = [this] { lstmainDblClick(); };
  lstmain.OnMouseDown = [this](win32::MouseButton button, win32::ShiftState shift, POINT at) {
    lstmainMouseDown(button, shift, at);
  };
  lstmain.OnKeyDown = [this](UINT key, win32::ShiftState) { return lstmainKeyDown(key); };
  // Enter opens the current step as a double click does.
  lstmain.OnEnter = [this] { lstmainDblClick(); };
  lstmain.OnStartDrag = [this](POINT at) { return lstmainStartDrag(at); };
  lstmain.OnDragOver = [this](POINT at, bool inside) { lstmainDragOver(at, inside); };
  lstmain.OnDragDrop = [this](POINT at) { lstmainDragDrop(at); };
  lstmain.OnEndDrag = [this] { lstmainEndDrag(); };
  // The step number and "Disabled" stand at section 0's right edge.
  hdmain.OnSectionResize = [this](int, int) { lstmain.Invalidate(); };
}

void Tfrmmain::RebuildList() {
  const StepList& steps = Steps();
  const int top = lstmain.TopIndex();
  lstmain.SetRedraw(false);
  lstmain.Rebuild(static_cast<int>(steps.Count()), [&steps](int index) {
    return StepKindName(steps.Step(static_cast<std::size_t>(index)).kind);
  });
  ShowModelSelection();
  lstmain.SetTopIndex(top);
}

void Tfrmmain::ShowModelSelection() {
  const StepList& steps = Steps();
  const int count = static_cast<int>(steps.Count());
  lstmain.SetRedraw(false);
  if (count > 0) lstmain.SelectRange(0, count - 1, false);
  // One message per run of selected steps.
  for (int first = 0; first < count;) {
    if (!steps.IsSelected(static_cast<std::size_t>(first))) {
      ++first;
      continue;
    }
    int last = first;
    while (last + 1 < count && steps.IsSelected(static_cast<std::size_t>(last + 1))) ++last;
    lstmain.SelectRange(first, last, true);
    first = last + 1;
  }
  if (steps.Current() != NoItem) lstmain.SetItemIndex(steps.Current());
  lstmain.SetRedraw(true);
}

void Tfrmmain::ShowListChange(ListChange change) {
  switch (change) {
    case ListChange::None:
      break;
    case ListChange::Repaint:
      lstmain.Invalidate();
      break;
    case ListChange::Selection:
      ShowModelSelection();
      break;
    case ListChange::Rebuild:
      RebuildList();
      break;
  }
}

ListGeometry Tfrmmain::CurrentListGeometry() const {
  return {static_cast<std::size_t>(std::max(lstmain.TopIndex(), 0)), lstmain.ItemHeight(),
          document_->List().Count()};
}

// Every point asked about lies in the list's client area (a drag reports leaving it apart).
std::int32_t Tfrmmain::StepAt(POINT client) const {
  return ItemAtY(CurrentListGeometry(), client.y);
}

void Tfrmmain::lstmainDrawItem(const win32::DrawItemArgs& item) {
  const HDC dc = item.dc;
  const bool selected = item.selected;
  ::FillRect(dc, &item.rect, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  const StepList& steps = document_->List();
  if (item.index >= 0 && static_cast<std::size_t>(item.index) < steps.Count()) {
    const TCommand& step = steps.Step(static_cast<std::size_t>(item.index));
    if (commentFontDpi_ != Dpi()) {
      commentFont_.Reset(win32::CreateFontFor({.face = "Tahoma", .points = 8}, Def().font, Dpi()));
      commentFontDpi_ = Dpi();
    }
    const int top = item.rect.top;
    const int column = hdmain.SectionWidth(0);
    ::SetBkMode(dc, TRANSPARENT);
    ::ImageList_Draw(imglst24.Handle(), StepKindImageIndex(step.kind), dc, Scale(8),
                     top + Scale(10), ILD_NORMAL);
    // The kind's name in the list's own font (Tahoma 9); the comment, the step's number and
    // "Disabled" smaller and grey.
    ::SetTextColor(dc, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawLineText(dc, Scale(38), top + Scale(8), StepKindName(step.kind));
    const HGDIOBJ old = ::SelectObject(dc, commentFont_.Get());
    ::SetTextColor(dc, selected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : CommentColor);
    DrawLineText(dc, Scale(38), top + Scale(22), step.p4);
    DrawLineText(dc, column, top + Scale(8), "Step " + std::to_string(item.index + 1));
    if (step.enabled == 0) DrawLineText(dc, column, top + Scale(22), "Disabled");
    ::SelectObject(dc, old);
  }
  if (item.focused) ::DrawFocusRect(dc, &item.rect);
}

// The list box selects as the user clicks and types; the model follows it.
void Tfrmmain::lstmainSelect() {
  StepList& steps = Steps();
  steps.SelectAll(false);
  const int count = static_cast<int>(steps.Count());
  for (const int index : lstmain.SelectedIndexes())
    if (index >= 0 && index < count) steps.SetSelected(static_cast<std::size_t>(index), true);
  const int current = lstmain.ItemIndex();
  steps.SetCurrent(current >= 0 && current < count ? current : NoItem);
}

void Tfrmmain::lstmainDblClick() {
  const EditOpening opening = DecideEditOpening(Steps());
  if (opening.clearAdding) adding_ = false;
  OpenStepDialog(opening.dialog);
}

void Tfrmmain::OpenStepDialog(StepFamily family) {
  TStepDialog* form = StepDialogFor(family);
  if (!form) return;
  const std::optional<StepRequest> request =
      MakeStepRequest(adding_, SelectedTreeNodeText(), Steps());
  if (!request) return;  // editing with no current item: there is no step to show
  const std::optional<TCommand> step = form->Edit(*request);
  if (step && CommitStep(*request, *step, Steps()) != CommitOutcome::StepGone)
    ShowListChange(ListChange::Rebuild);
}

void Tfrmmain::lstmainMouseDown(win32::MouseButton button, win32::ShiftState shift, POINT at) {
  // The list box has already handled the press (a left press selected), so the model has
  // the list box's selection and current item.
  lstmainSelect();
  const MouseShift pressed{
      .left = shift.left || button == win32::MouseButton::Left,
      .right = shift.right || button == win32::MouseButton::Right,
      .middle = shift.middle || button == win32::MouseButton::Middle,
      .shift = shift.shift,
      .ctrl = shift.ctrl,
      .alt = shift.alt,
      .doubleClick = shift.doubleClick,
  };
  const PressDecision decision = DecidePress(pressed, Steps().SelectedCount(), StepAt(at));
  ShowListChange(ApplyPress(Steps(), decision));
  if (decision.armDrag) lstmain.BeginDrag(at);
}

bool Tfrmmain::lstmainKeyDown(UINT key) {
  if (key != VK_DELETE || Steps().FirstSelected() == NoItem) return false;
  acDeleteActionExecute();
  return true;
}

bool Tfrmmain::lstmainStartDrag(POINT at) {
  if (StepAt(at) == NoItem) return false;
  insertionLine_.Hide();
  return true;
}

void Tfrmmain::lstmainDragOver(POINT at, bool inside) {
  if (!inside) {
    // Wiped now, not at the next paint: a line drawn before that paint would be wiped
    // with it while the list still took it for drawn.
    insertionLine_.Hide();
    lstmain.Repaint();
    return;
  }
  const ListGeometry geometry = CurrentListGeometry();
  const std::int64_t candidate = InsertionCandidateY(geometry, StepAt(at));
  const std::optional<InsertionLine::Strokes> strokes = insertionLine_.MoveTo(candidate);
  if (!strokes) return;
  // Far outside the list a stroke changes nothing on screen; it is not drawn at all.
  const auto visible = [this](std::int64_t y) {
    return y >= -Scale(4) && y <= lstmain.Height() + Scale(4);
  };
  if (visible(strokes->erase)) lstmain.InvertLine(static_cast<int>(strokes->erase));
  if (visible(strokes->draw)) lstmain.InvertLine(static_cast<int>(strokes->draw));
}

void Tfrmmain::lstmainDragDrop(POINT at) {
  ShowListChange(DropStep(Steps(), StepAt(at)));
}

void Tfrmmain::lstmainEndDrag() {
  insertionLine_.Hide();
  lstmain.Repaint();
}

}  // namespace vx::editor
