// The grid's side of its search footer: making and laying out the search panel
// from the SearchFooter settings, and turning the panel's edit and buttons into
// searches (Find), highlighting and the red edit of a text that matches nothing.
#include "grid/base/ex_check_box.h"
#include "grid/base/ex_grid_button.h"
#include "grid/data/search_panel.h"
#include "grid/view/control_look.h"
#include "grid/view/ex_string_grid.h"
#include "platform/ui/messages.h"

namespace {

// The edit's colour when a text matches nothing.
constexpr TColor kNoMatchColor = 0x0000FF;

}  // namespace

// --- the panel ---

void TExStringGrid::UpdateSearchPanel() {
  if (Loading()) return;
  // The panel is made when the footer first shows (on a grid with a window).
  if (!FSearchPanel) {
    if (!FSearchFooter->Visible() || !Parent()) return;
    FSearchPanel = new TSearchPanel(this);
    FSearchPanel->SetParent(this);
    FSearchPanel->OnEditChange = [this](TObject*) { SearchFooterEditChange(); };
    FSearchPanel->OnForwardClick = [this](TObject*) { SearchFooterFindNext(); };
    FSearchPanel->OnBackwardClick = [this](TObject*) { SearchFooterFindPrevious(); };
    FSearchPanel->OnExitClick = [this](TObject*) { SearchFooterClose(); };
    FSearchPanel->OnHighlightClick = [this](TObject*) { SearchFooterHighlight(); };
    FSearchPanel->CreateWnd();
  }
  TSearchPanel& p = *FSearchPanel;
  TSearchFooter& f = *FSearchFooter;
  // 1.
  if ((p.HiliteButton->Down() && p.Visible() && !f.Visible()) || f.AlwaysHighLight) UnHilightInGrid(false);
  // 2.
  p.SetColor(f.Color());
  p.SetColorTo(f.ColorTo());
  p.SetVisible(f.Visible());
  p.FindNextCaption = f.FindNextCaption();
  p.FindPrevCaption = f.FindPrevCaption();
  p.MatchCaseCaption = f.MatchCaseCaption();
  p.HighLightCaption = f.HighLightCaption();
  p.HintFindNext = f.HintFindNext();
  p.HintFindPrev = f.HintFindPrev();
  p.HintClose = f.HintClose();
  p.HintHighlight = f.HintHighlight();
  p.ForwardButton->SetCaption(p.FindNextCaption);
  p.BackwardButton->SetCaption(p.FindPrevCaption);
  p.HiliteButton->SetCaption(p.HighLightCaption);
  p.MatchCase->SetCaption(p.MatchCaseCaption);
  p.Font()->Assign(f.Font());
  // 3.
  for (TExGridButton* b : {p.BackwardButton, p.ForwardButton, p.HiliteButton}) {
    const TGridControlStyle style = FControlLook->ControlStyle;
    if (style == csFlat) {
      b->SetFlat(true);
    } else if ((style == csWinXP || style == csTheme) && !f.AutoThemeAdapt()) {
      b->AutoXPStyle = true;
      b->SetFlat(false);
    } else if (style == csClassic) {
      b->AutoXPStyle = false;
      b->SetFlat(false);
    }
    if (f.AutoThemeAdapt()) {
      b->SetAutoThemeAdapt(true);
      b->SetFlat(true);
    }
  }
  // 4.
  p.HiliteButton->SetVisible(f.ShowHighLight());
  p.ExitButton->SetVisible(f.ShowClose());
  p.MatchCase->SetVisible(f.ShowMatchCase());
  p.MatchCase->SetTransparent(true);
  p.BackwardButton->SetVisible(f.ShowFindPrev());
  p.ForwardButton->SetVisible(f.ShowFindNext());
  const std::pair<TExGridButton*, QString> hints[] = {{p.ExitButton, p.HintClose},
                                                      {p.ForwardButton, p.HintFindNext},
                                                      {p.BackwardButton, p.HintFindPrev},
                                                      {p.HiliteButton, p.HintHighlight}};
  for (const auto& [button, hint] : hints) {
    button->SetHint(hint);
    button->SetShowHint(!hint.isEmpty());
  }
  // 5.
  p.MatchCase->SetBounds(f.ShowHighLight() ? 425 : 330, 8, p.MatchCase->Width(), f.ShowMatchCase() ? 18 : 0);
  for (TExGridButton* b : {p.BackwardButton, p.ForwardButton, p.HiliteButton})
    b->SetBounds(b->Left(), b->Top(), b->Width(), b->Visible() ? 23 : 0);
  PlaceBottomPanels();
  // 6.
  if (f.Visible()) ScrollAboveSearchFooter();
}

void TExStringGrid::PlaceBottomPanels() {
  int bottom = ClientHeight();
  if (FSearchPanel) {
    const int h = FSearchFooter->Visible() ? 32 : 0;
    FSearchPanel->SetBounds(0, bottom - h, ClientWidth(), h);
    bottom -= h;
  }
  PlaceFooterPanel(bottom);
}

// --- the searches ---

TFindParams TExStringGrid::SearchFooterParams(TSearchAction Action) {
  // 4.
  const TSearchFooter& f = *FSearchFooter;
  TFindParams P{fnAutoGoto};
  if (Action == saFindPrevious) P.Include(fnBackward);
  if (FSearchPanel && FSearchPanel->HiliteButton->Down()) P.Include(fnIgnoreHTMLTags);
  if (FSearchPanel && FSearchPanel->MatchCase->Checked()) P.Include(fnMatchCase);
  if (f.SearchActiveColumnOnly) P.Include(fnFindInCurrentCol);
  if (f.SearchMatchStart) P.Include(fnMatchStart);
  if (Action == saFindFirst && f.SearchFixedCells) P.Include(fnIncludeFixed);
  if (Action == saFindFirst && f.SearchHiddenRows) P.Include(fnIncludeHiddenRows);
  if (Action != saFindPrevious && f.SearchDirection == sdLeftRight) P.Include(fnDirectionLeftRight);
  if (f.SearchColumn >= 0 && f.SearchColumn < ColCount()) {
    P.Include(fnFindInPresetCol);
    FindCol = f.SearchColumn;
  }
  FFindParams = P;
  return P;
}

// The edit shows red for a text that matches nothing, the window colour
// otherwise; widening it by one pixel and back repaints it.
void TExStringGrid::SetSearchEditColor(TColor Color) {
  TRetEdit* e = FSearchPanel->EditControl;
  e->SetColor(Color);
  e->SetBounds(e->Left(), e->Top(), e->Width() + 1, e->Height());
  e->SetBounds(e->Left(), e->Top(), e->Width() - 1, e->Height());
}

void TExStringGrid::SearchFooterHighlightText(bool On) {
  const TSearchFooter& f = *FSearchFooter;
  const QString text = FSearchPanel->EditControl->Text();
  const bool matchCase = FSearchPanel->MatchCase->Checked();
  if (f.SearchColumn == -1) {
    if (On) HilightInGrid(false, matchCase, text);
    else UnHilightInGrid(false);
  } else {
    if (On) HilightInCol(false, matchCase, f.SearchColumn, text);
    else UnHilightInCol(false, f.SearchColumn);
  }
}

void TExStringGrid::SearchFooterEditChange() {
  // 5.
  if (!FSearchPanel) return;
  const QString text = FSearchPanel->EditControl->Text();
  bool defaultSearch = true;
  if (OnSearchEditChange) OnSearchEditChange(this, text, defaultSearch);
  if (!defaultSearch || !FSearchFooter->AutoSearch) return;
  const TFindParams P = SearchFooterParams(saFindFirst);
  const bool highlight = FSearchPanel->HiliteButton->Down() || FSearchFooter->AlwaysHighLight;
  if (highlight) SearchFooterHighlightText(false);
  if (text.isEmpty()) {
    SetSearchEditColor(clWindow);
    if (FSearchPanel->HiliteButton->Down()) SearchFooterHighlightText(false);
    return;
  }
  SearchCell = Find({-1, -1}, text, P);
  SearchFooterActionHook(text, SearchCell.X, SearchCell.Y, saFindFirst);
  if (SearchCell.X < 0) {
    SetSearchEditColor(kNoMatchColor);
    return;
  }
  SetSearchEditColor(clWindow);
  ScrollInView(SearchCell.X, SearchCell.Y);
  if (highlight) SearchFooterHighlightText(true);
}

void TExStringGrid::SearchFooterFind(TSearchAction Action) {
  // 6.
  if (!FSearchPanel) return;
  const QString text = FSearchPanel->EditControl->Text();
  if (!FSearchFooter->AutoSearch && text != FSearchFooter->LastSearch) {
    SearchCell = {-1, -1};
    FSearchFooter->LastSearch = text;
  }
  const TFindParams P = SearchFooterParams(Action);
  SearchCell = Find(SearchCell, text, P);
  auto adjustView = [this] {
    const int f = FFloatingFooter->Visible() ? 0 : 1;
    if (Row() > TopRow() + VisibleRowCount() + f - 3 && (1 - f) + VisibleRowCount() + FixedRows() < RowCount())
      SetTopRow(TopRow() + 2);
  };
  if (Action == saFindNext) {
    if (SearchCell.X >= 0) ScrollInView(SearchCell.X, SearchCell.Y);
    adjustView();
  } else {
    adjustView();
    if (SearchCell.X >= 0) ScrollInView(SearchCell.X, SearchCell.Y);
  }
  SearchFooterActionHook(text, SearchCell.X, SearchCell.Y, Action);
  FSearchPanel->Invalidate();
}

void TExStringGrid::SearchFooterFindNext() { SearchFooterFind(saFindNext); }

void TExStringGrid::SearchFooterFindPrevious() { SearchFooterFind(saFindPrevious); }

void TExStringGrid::SearchFooterClose() {
  // 7.
  if (OnSearchFooterClose) OnSearchFooterClose(this);
  FSearchFooter->SetVisible(false);
}

void TExStringGrid::SearchFooterHighlight() {
  // 8.
  if (!FSearchPanel) return;
  SearchFooterHighlightText(FSearchPanel->HiliteButton->Down());
}

// --- keys ---

void TExStringGrid::CMDialogChar(TMessage& Message) {
  // The search footer's buttons answer their accelerators, in this order;
  // without a visible footer no character is used.
  Message.Result = 0;
  if (!FSearchFooter->Visible() || !FSearchPanel) return;
  const QChar ch(static_cast<char16_t>(Message.CharCode()));
  struct TAccel {
    TExGridButton* Button;
    void (TExStringGrid::*Action)();
  };
  const TAccel buttons[] = {{FSearchPanel->ForwardButton, &TExStringGrid::SearchFooterFindNext},
                            {FSearchPanel->BackwardButton, &TExStringGrid::SearchFooterFindPrevious},
                            {FSearchPanel->HiliteButton, &TExStringGrid::SearchFooterHighlight}};
  for (const TAccel& a : buttons) {
    if (!IsAccel(ch, a.Button->Caption())) continue;
    if (!a.Button->Visible() || !a.Button->Enabled()) continue;
    if (a.Button == FSearchPanel->HiliteButton) a.Button->SetDown(!a.Button->Down());
    (this->*a.Action)();
    Message.Result = 1;
    return;
  }
}

bool TExStringGrid::FocusSearchEdit() {
  if (!FSearchFooter->Visible() || !FSearchPanel) return false;
  FSearchPanel->EditControl->SetFocus();
  return true;
}
