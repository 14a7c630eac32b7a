// The search footer's bar and its edit.
#include "grid/data/search_panel.h"

#include "grid/base/ex_check_box.h"
#include "grid/base/ex_grid_button.h"
#include "grid/dropdown/dropdown_drawing.h"
#include "grid/view/ex_string_grid.h"
#include "grid/view/glyph_artwork.h"
#include "platform/ui/canvas.h"
#include "platform/ui/messages.h"

// --- the edit ---

void TRetEdit::KeyDown(int& Key, TShiftState Shift) {
  if (Key == VK_RETURN) {
    Key = 0;
    if (Shift.Contains(ssCtrl)) {
      if (OnCtrlReturn) OnCtrlReturn(this);
    } else if (OnReturn) {
      OnReturn(this);
    }
    return;
  }
  TEdit::KeyDown(Key, Shift);
}

void TRetEdit::KeyPress(QChar& Key) {
  if (Key == QChar(10) || Key == QChar(13)) {
    if (OnKeyPress) OnKeyPress(this, Key);
    Key = QChar(0);
    return;
  }
  TEdit::KeyPress(Key);
}

void TRetEdit::WMGetDlgCode(TMessage& Message) {
  TEdit::WMGetDlgCode(Message);
  Message.Result |= DLGC_WANTALLKEYS;  // Enter stays with the edit
}

// --- the panel ---

namespace {

TExGridButton* MakeButton(TSearchPanel* panel, int left, int top, int width, int height) {
  auto* b = new TExGridButton(panel);
  b->SetParent(panel);
  b->SetBounds(left, top, width, height);
  return b;
}

}  // namespace

TSearchPanel::TSearchPanel(TExStringGrid* AOwner) : TPanel(AOwner), FGrid(AOwner) {
  SetBevelOuter(bvNone);
  SetCaption(QString());
  EditControl = new TRetEdit(this);
  EditControl->SetParent(this);
  EditControl->SetBounds(25, 6, 110, 21);
  ForwardButton = MakeButton(this, 140, 5, 90, 23);
  BackwardButton = MakeButton(this, 235, 5, 90, 23);
  ExitButton = MakeButton(this, 5, 7, 14, 14);
  HiliteButton = MakeButton(this, 330, 5, 90, 23);
  MatchCase = new TExCheckBox(this);
  MatchCase->SetParent(this);
  MatchCase->SetBounds(425, 8, 100, 18);

  // The buttons act only on text to search for.
  EditControl->OnChange = [this](TObject*) {
    const bool text = !EditControl->Text().isEmpty();
    ForwardButton->SetEnabled(text);
    BackwardButton->SetEnabled(text);
    HiliteButton->SetEnabled(text);
    if (OnEditChange) OnEditChange(this);
  };
  EditControl->OnReturn = [this](TObject*) { ForwardButton->Click(); };
  EditControl->OnCtrlReturn = [this](TObject*) { BackwardButton->Click(); };
  ForwardButton->SetGlyph(GridGlyph(QStringLiteral("ESGARDOWN")));
  ForwardButton->SetGlyphDisabled(GridGlyph(QStringLiteral("ESGARDOWND")));
  ForwardButton->SetEnabled(false);
  ForwardButton->OnClick = [this](TObject*) {
    if (OnForwardClick) OnForwardClick(this);
  };
  BackwardButton->SetGlyph(GridGlyph(QStringLiteral("ESGARUP")));
  BackwardButton->SetGlyphDisabled(GridGlyph(QStringLiteral("ESGARUPD")));
  BackwardButton->SetEnabled(false);
  BackwardButton->OnClick = [this](TObject*) {
    if (OnBackwardClick) OnBackwardClick(this);
  };
  ExitButton->SetGlyph(GridGlyph(QStringLiteral("ESGCLOSE")));
  ExitButton->SetGlyphHot(GridGlyph(QStringLiteral("ESGCLOSEH")));
  ExitButton->SetGlyphDown(GridGlyph(QStringLiteral("ESGCLOSED")));
  ExitButton->SetShowCaption(false);
  ExitButton->OnClick = [this](TObject*) {
    if (OnExitClick) OnExitClick(this);
  };
  HiliteButton->SetStyle(tasCheck);
  HiliteButton->SetAllowAllUp(true);
  HiliteButton->SetGroupIndex(1);
  HiliteButton->SetGlyph(GridGlyph(QStringLiteral("ESGHI")));
  HiliteButton->SetGlyphDisabled(GridGlyph(QStringLiteral("ESGHID")));
  HiliteButton->SetEnabled(false);
  HiliteButton->OnClick = [this](TObject*) {
    if (OnHighlightClick) OnHighlightClick(this);
  };
  SetVisible(false);
  SetBounds(0, 0, 0, 0);
}

TSearchPanel::~TSearchPanel() { EditControl->OnChange = nullptr; }

void TSearchPanel::SetColorTo(TColor Value) {
  FColorTo = Value;
  Invalidate();
}

void TSearchPanel::CreateWnd() {
  // 2. (The controls stand at their places from the start; a right-to-left grid
  // is not offered by this platform, so nothing is mirrored.)
  if (FGrid->OnCreatedSearchFooter) FGrid->OnCreatedSearchFooter(FGrid);
}

void TSearchPanel::Paint() {
  // 3.
  TCanvas* c = Canvas();
  const TRect r = ClientRect();
  if (FColorTo == clNone) {
    c->Brush()->SetColor(Color());
    c->Brush()->SetStyle(bsSolid);
    c->FillRect(r);
  } else {
    DrawGradientRect(c, Color(), FColorTo, 32, r, false);
  }
  c->Pen()->SetColor(FGrid->GridLineColor());
  c->MoveTo(0, 0);
  c->LineTo(Width(), 0);
}
