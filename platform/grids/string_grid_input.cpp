// Input: the default cursor keys, mouse selection, column and row sizing and
// moving, the wheel, and the scroll bars with their scroll hooks.
#include "platform/grids/string_grid.h"

#include <QApplication>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

namespace {

int ScrollBarExtent() { return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent); }

}  // namespace

// --- keys ---

void TStringGrid::KeyDown(int& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == 0) return;
  const bool rowSelect = options_.Contains(goRowSelect);
  const int pageWidth = std::max(1, VisibleColCount()), pageHeight = std::max(1, VisibleRowCount());
  TGridCoord cur = current_;
  int left = LeftCol(), top = TopRow();
  bool handled = true;
  if (Shift.Contains(ssCtrl)) {
    switch (Key) {
      case VK_UP: --top; break;
      case VK_DOWN: ++top; break;
      case VK_LEFT:
        if (!rowSelect) {
          cur.X -= pageWidth;
          left -= pageWidth;
        }
        break;
      case VK_RIGHT:
        if (!rowSelect) {
          cur.X += pageWidth;
          left += pageWidth;
        }
        break;
      case VK_PRIOR: cur.Y = TopRow(); break;
      case VK_NEXT: cur.Y = vert_.LastFullVisible(ClientHeight()); break;
      case VK_HOME: cur = {FixedCols(), FixedRows()}; break;
      case VK_END: cur = {ColCount() - 1, RowCount() - 1}; break;
      default: handled = false;
    }
  } else {
    switch (Key) {
      case VK_UP: --cur.Y; break;
      case VK_DOWN: ++cur.Y; break;
      case VK_LEFT:
        if (rowSelect) --left;
        else --cur.X;
        break;
      case VK_RIGHT:
        if (rowSelect) ++left;
        else ++cur.X;
        break;
      case VK_NEXT:
        cur.Y += pageHeight;
        top += pageHeight;
        break;
      case VK_PRIOR:
        cur.Y -= pageHeight;
        top -= pageHeight;
        break;
      case VK_HOME:
        if (rowSelect) cur.Y = FixedRows();
        else cur.X = FixedCols();
        break;
      case VK_END:
        if (rowSelect) cur.Y = RowCount() - 1;
        else cur.X = ColCount() - 1;
        break;
      case VK_TAB:
        if (!options_.Contains(goTabs) || Shift.Contains(ssAlt)) {
          handled = false;
          break;
        }
        if (Shift.Contains(ssShift)) {
          if (--cur.X < FixedCols()) {
            cur.X = ColCount() - 1;
            if (--cur.Y < FixedRows()) cur.Y = RowCount() - 1;
          }
          Shift = {};
        } else if (++cur.X >= ColCount()) {
          cur.X = FixedCols();
          if (++cur.Y >= RowCount()) cur.Y = FixedRows();
        }
        break;
      case VK_F2:
        if (options_.Contains(goEditing)) SetEditorMode(true);
        return;
      default: handled = false;
    }
  }
  if (!handled) return;
  const int maxLeft = horz_.MaxFirst(ClientWidth()), maxTop = vert_.MaxFirst(ClientHeight());
  left = std::clamp(left, FixedCols(), std::max(FixedCols(), maxLeft));
  top = std::clamp(top, FixedRows(), std::max(FixedRows(), maxTop));
  if (left != LeftCol() || top != TopRow()) MoveTopLeft(left, top);
  cur.X = std::clamp(cur.X, FixedCols(), ColCount() - 1);
  cur.Y = std::clamp(cur.Y, FixedRows(), RowCount() - 1);
  if (cur.X != Col() || cur.Y != Row()) FocusCell(cur.X, cur.Y, !Shift.Contains(ssShift));
}

void TStringGrid::WMGetDlgCode(TMessage& Message) {
  Message.Result = DLGC_WANTARROWS;
  if (options_.Contains(goTabs)) Message.Result |= DLGC_WANTTAB;
  if (options_.Contains(goEditing)) Message.Result |= DLGC_WANTCHARS;
}

// --- mouse ---

void TStringGrid::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs) {
  State = gsNormal;
  Index = -1;
  const int gw = ClientWidth(), gh = ClientHeight();
  auto borderNear = [](const TGridAxis& axis, int pos, int client, int& index, int& border) {
    auto test = [&](int i) {
      const int start = axis.CellStart(i, client);
      if (start < 0) return false;
      const int b = start + axis.Extent(i);
      if (std::abs(pos - b) > 3) return false;
      index = i;
      border = b;
      return true;
    };
    for (int i = 0; i < axis.FixedCount(); ++i)
      if (test(i)) return true;
    for (int i = axis.First(); i <= axis.LastVisible(client); ++i)
      if (test(i)) return true;
    return false;
  };
  int border = 0;
  if (options_.Contains(goColSizing) && Y < vert_.FixedExtent() && borderNear(horz_, X, gw, Index, border)) {
    State = gsColSizing;
    SizingPos = border;
    SizingOfs = border - X;
    return;
  }
  if (options_.Contains(goRowSizing) && X < horz_.FixedExtent() && borderNear(vert_, Y, gh, Index, border)) {
    State = gsRowSizing;
    SizingPos = border;
    SizingOfs = border - Y;
  }
}

void TStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && !Shift.Contains(ssDouble)) {
    if (CanFocus() && !Focused()) SetFocus();
    clickedCurrent_ = false;
    TGridState state;
    CalcSizingState(X, Y, state, sizingIndex_, sizingPos_, sizingOfs_);
    if (state != gsNormal) {
      gridState_ = state;
    } else {
      const TGridCoord cell = MouseCoord(X, Y);
      if (cell.X >= 0 && cell.Y >= 0) {
        if (options_.Contains(goColMoving) && cell.Y < FixedRows() && cell.X >= FixedCols()) {
          gridState_ = gsColMoving;
          moveFrom_ = moveTo_ = cell.X;
        } else if (options_.Contains(goRowMoving) && cell.X < FixedCols() && cell.Y >= FixedRows()) {
          gridState_ = gsRowMoving;
          moveFrom_ = moveTo_ = cell.Y;
        } else if (cell.X >= FixedCols() && cell.Y >= FixedRows()) {
          clickedCurrent_ = cell == current_;
          if (Shift.Contains(ssShift)) MoveAnchor(cell);
          else FocusCell(cell.X, cell.Y, true);
          gridState_ = gsSelecting;
        }
      }
    }
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TStringGrid::MouseMove(TShiftState Shift, int X, int Y) {
  switch (gridState_) {
    case gsSelecting: {
      TGridCoord cell = MouseCoord(X, Y);
      if (cell.X >= FixedCols() && cell.Y >= FixedRows() && !(cell == anchor_) && !(cell == current_))
        MoveAnchor(cell);
      break;
    }
    case gsColSizing:
    case gsRowSizing: sizingPos_ = (gridState_ == gsColSizing ? X : Y) + sizingOfs_; break;
    case gsColMoving: {
      int c = horz_.CellAt(X, ClientWidth());
      if (c >= FixedCols()) moveTo_ = c;
      break;
    }
    case gsRowMoving: {
      int r = vert_.CellAt(Y, ClientHeight());
      if (r >= FixedRows()) moveTo_ = r;
      break;
    }
    default: break;
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

void TStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TGridState state = gridState_;
  gridState_ = gsNormal;
  switch (state) {
    case gsColSizing: {
      const int start = horz_.CellStart(sizingIndex_, ClientWidth());
      if (start >= 0) SetColWidths(sizingIndex_, std::max(0, X + sizingOfs_ - start));
      break;
    }
    case gsRowSizing: {
      const int start = vert_.CellStart(sizingIndex_, ClientHeight());
      if (start >= 0) SetRowHeights(sizingIndex_, std::max(0, Y + sizingOfs_ - start));
      break;
    }
    case gsColMoving:
      if (moveFrom_ != moveTo_) MoveColumn(moveFrom_, moveTo_);
      break;
    case gsRowMoving:
      if (moveFrom_ != moveTo_) MoveRow(moveFrom_, moveTo_);
      break;
    case gsSelecting:
      if (clickedCurrent_ && options_.Contains(goEditing)) ShowEditor();
      break;
    default: break;
  }
  moveFrom_ = moveTo_ = -1;
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

bool TStringGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
  if (Row() < RowCount() - 1) SetRow(Row() + 1);
  return true;
}

bool TStringGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
  if (Row() > FixedRows()) SetRow(Row() - 1);
  return true;
}

// --- scroll bars ---

void TStringGrid::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_HSCROLL: WMHScroll(Message); return;
    case WM_VSCROLL: WMVScroll(Message); return;
    default: TCustomControl::Dispatch(Message);
  }
}

void TStringGrid::WMHScroll(TMessage& Message) {
  ModifyScrollBar(false, static_cast<int>(Message.WParam & 0xFFFF), static_cast<int>(Message.WParam >> 16));
}

void TStringGrid::WMVScroll(TMessage& Message) {
  ModifyScrollBar(true, static_cast<int>(Message.WParam & 0xFFFF), static_cast<int>(Message.WParam >> 16));
}

void TStringGrid::ModifyScrollBar(bool Vertical, int ScrollCode, int Pos) {
  const TGridAxis& axis = Vertical ? vert_ : horz_;
  const int client = Vertical ? ClientHeight() : ClientWidth();
  const int page = std::max(1, axis.VisibleCount(client));
  const int maxFirst = std::max(axis.FixedCount(), axis.MaxFirst(client));
  int first = axis.First();
  switch (ScrollCode) {
    case SB_LINEUP: --first; break;
    case SB_LINEDOWN: ++first; break;
    case SB_PAGEUP: first -= page; break;
    case SB_PAGEDOWN: first += page; break;
    case SB_THUMBPOSITION: first = Pos; break;
    case SB_THUMBTRACK:
      if (options_.Contains(goThumbTracking)) first = Pos;
      break;
    case SB_TOP: first = axis.FixedCount(); break;
    case SB_BOTTOM: first = maxFirst; break;
    default: return;
  }
  first = std::clamp(first, axis.FixedCount(), maxFirst);
  if (Vertical) MoveTopLeft(LeftCol(), first);
  else MoveTopLeft(first, TopRow());
}

// Turns a scroll-bar action into the scroll message, so that descendants see it
// through WMHScroll / WMVScroll; the bar then shows what the grid decided.
void TStringGrid::ScrollAction(bool vertical, int action) {
  QScrollBar* bar = vertical ? vbar_ : hbar_;
  int code;
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: code = SB_LINEDOWN; break;
    case QAbstractSlider::SliderSingleStepSub: code = SB_LINEUP; break;
    case QAbstractSlider::SliderPageStepAdd: code = SB_PAGEDOWN; break;
    case QAbstractSlider::SliderPageStepSub: code = SB_PAGEUP; break;
    case QAbstractSlider::SliderToMinimum: code = SB_TOP; break;
    case QAbstractSlider::SliderToMaximum: code = SB_BOTTOM; break;
    case QAbstractSlider::SliderMove: code = SB_THUMBTRACK; break;
    default: return;
  }
  const int pos = bar->sliderPosition();
  Perform(vertical ? WM_VSCROLL : WM_HSCROLL, code | (pos << 16), 0);
  bar->setSliderPosition(vertical ? TopRow() : LeftCol());
}

int TStringGrid::ClientWidth() const {
  return std::max(0, TCustomControl::ClientWidth() - (vbarVisible_ ? ScrollBarExtent() : 0));
}

int TStringGrid::ClientHeight() const {
  return std::max(0, TCustomControl::ClientHeight() - (hbarVisible_ ? ScrollBarExtent() : 0));
}

void TStringGrid::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  LayoutScrollBars();
}

void TStringGrid::SetScrollBars(TScrollStyle value) {
  if (scrollBars_ == value) return;
  scrollBars_ = value;
  LayoutScrollBars();
  Invalidate();
}

// Shows a bar only when its axis does not fit; a shown bar narrows the other
// axis, so the decision is made twice.
void TStringGrid::LayoutScrollBars() {
  const bool wantH = scrollBars_ == ssHorizontal || scrollBars_ == ssBoth;
  const bool wantV = scrollBars_ == ssVertical || scrollBars_ == ssBoth;
  for (int pass = 0; pass < 2; ++pass) {
    vbarVisible_ = wantV && vert_.MaxFirst(ClientHeight()) > FixedRows();
    hbarVisible_ = wantH && horz_.MaxFirst(ClientWidth()) > FixedCols();
  }
  // Keep the scroll origin within what the new size allows.
  const int maxLeft = std::max(FixedCols(), horz_.MaxFirst(ClientWidth()));
  const int maxTop = std::max(FixedRows(), vert_.MaxFirst(ClientHeight()));
  if (LeftCol() > maxLeft || TopRow() > maxTop) MoveTopLeft(std::min(LeftCol(), maxLeft), std::min(TopRow(), maxTop));
  UpdateScrollRange();
}

void TStringGrid::UpdateScrollRange() {
  QWidget* w = Widget();
  if (!w) return;
  if (!hbar_) {
    hbar_ = new QScrollBar(Qt::Horizontal, w);
    vbar_ = new QScrollBar(Qt::Vertical, w);
    for (QScrollBar* bar : {hbar_, vbar_}) {
      bar->setFocusPolicy(Qt::NoFocus);
      bar->setTracking(true);
      const bool vertical = bar == vbar_;
      QObject::connect(bar, &QAbstractSlider::actionTriggered, w, [this, vertical](int action) { ScrollAction(vertical, action); });
      QObject::connect(bar, &QAbstractSlider::sliderReleased, w, [this, vertical, bar] {
        Perform(vertical ? WM_VSCROLL : WM_HSCROLL, SB_THUMBPOSITION | (bar->sliderPosition() << 16), 0);
        Perform(vertical ? WM_VSCROLL : WM_HSCROLL, SB_ENDSCROLL, 0);
        bar->setSliderPosition(vertical ? TopRow() : LeftCol());
      });
    }
  }
  const int ext = ScrollBarExtent();
  const int width = TCustomControl::ClientWidth(), height = TCustomControl::ClientHeight();
  QSignalBlocker hb(hbar_), vb(vbar_);
  hbar_->setVisible(hbarVisible_);
  vbar_->setVisible(vbarVisible_);
  if (hbarVisible_) {
    hbar_->setGeometry(0, height - ext, ClientWidth(), ext);
    hbar_->setRange(FixedCols(), std::max(FixedCols(), horz_.MaxFirst(ClientWidth())));
    hbar_->setPageStep(std::max(1, VisibleColCount()));
    hbar_->setValue(LeftCol());
  }
  if (vbarVisible_) {
    vbar_->setGeometry(width - ext, 0, ext, ClientHeight());
    vbar_->setRange(FixedRows(), std::max(FixedRows(), vert_.MaxFirst(ClientHeight())));
    vbar_->setPageStep(std::max(1, VisibleRowCount()));
    vbar_->setValue(TopRow());
  }
}
