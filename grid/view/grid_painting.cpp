// What the grid paints around its cells - the edit frame, the background
// outside the cells, the one-pixel window border and the sizing lines - and how
// it takes on a colour scheme: the sixteen styles, the suite styles, colour
// tones and the XP colour schemes.
#include "grid/base/draw_arithmetic.h"
#include "grid/dropdown/dropdown_drawing.h"
#include "grid/view/ex_string_grid.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/application.h"
#include "platform/ui/canvas.h"

namespace {

constexpr TColor N = clNone;

// One style's values; `keep` marks the entries a style leaves unchanged.
struct TStyleValues {
  TExGridStyle Style;
  bool SetLook;
  TGridLook Look;
  bool SetHeader;
  TColor HeaderFrom, HeaderTo;
  bool SetMirror;
  TColor MirrorFrom, MirrorTo;
  bool SetActive;
  TColor ActiveFrom, ActiveTo;
  bool SetSelection;
  TColor Selection, SelectionTo, SelectionText;
  TGridSelectionStyle SelectionStyle;
  bool SetLines;
  TColor GridLines, FixedLines;
  bool SetFooter;
  TColor FooterColor, FooterColorTo;  // FooterColorTo = N with kMirrorTo: the header mirror To
  bool LookGradient;                  // ControlLook.FixedGradientFrom/To take the header pair
};

constexpr TColor kMirrorToMarker = 0x1EEEEEEE;

constexpr TStyleValues kStyles[] = {
    {gsOffice2003Blue, true, glXP, true, 0xFCE1CB, 0xE0A57D, true, N, N, true, 0x94E6FB, 0x1595EE, true, 0x94E6FB,
     0x1595EE, clBlack, ssDefault, true, 0xC0C0C0, 0x808080, true, 0xFCE1CB, N, true},
    {gsOffice2003Silver, true, glXP, true, 0xECE2E1, 0xB39698, true, N, N, true, 0x94E6FB, 0x1595EE, true, 0x94E6FB,
     0x1595EE, clBlack, ssDefault, true, 0xC0C0C0, 0x808080, true, 0xECE2E1, N, true},
    {gsOffice2003Olive, true, glXP, true, 0xCFF0EA, 0x8CC0B1, true, N, N, true, 0x94E6FB, 0x1595EE, true, 0x94E6FB,
     0x1595EE, clBlack, ssDefault, true, 0xC0C0C0, 0x808080, true, 0xCFF0EA, N, true},
    {gsOffice2003Classic, true, glXP, true, clWhite, 0xCCD4D8, true, N, N, true, 0xD8D5D4, 0xD8D5D4, false, 0, 0, 0,
     ssDefault, true, 0xC0C0C0, 0x808080, true, clWhite, N, false},
    {gsOffice2007Luna, true, glOffice2007, true, 0xFBF9F6, 0xE8DBD2, true, N, N, true, 0x9DD8F9, 0x5EC1F1, true,
     0x5EC1F1, N, clBlack, ssOffice2007, true, 0xF1EDEB, 0xD1BBA4, true, 0xFBF9F6, N, true},
    {gsOffice2007Obsidian, true, glOffice2007, true, 0xF7F7F7, 0xDEDEDE, true, N, N, true, 0x9DD8F9, 0x5EC1F1, true,
     0x5EC1F1, N, clBlack, ssDefault, true, 0xE5D7D0, 0x808080, true, 0xF7F7F7, N, true},
    {gsWindowsXP, true, glXP, true, clBtnFace, clBtnFace, true, N, N, true, clBtnFace, clBtnFace, false, 0, 0, 0,
     ssDefault, true, 0xC0C0C0, 0x808080, true, clBtnFace, N, false},
    {gsWhidbey, false, glXP, true, clWhite, clBtnFace, true, N, N, true, 0x94E6FB, 0x1595EE, false, 0, 0, 0,
     ssDefault, true, 0xC0C0C0, 0x808080, true, clWhite, N, false},
    {gsCustom, false, glXP, false, 0, 0, false, 0, 0, false, 0, 0, false, 0, 0, 0, ssDefault, false, 0, 0, false, 0,
     0, false},
    {gsOffice2007Silver, true, glOffice2007, true, 0xF3F3F1, 0xCAC9C8, false, 0, 0, true, 0x99CCFF, 0x699CFF, true,
     0x95C7F5, N, clBlack, ssDefault, true, 0xE5D7D0, 0x808080, true, 0xF3F3F1, kMirrorToMarker, true},
    {gsWindowsVista, true, glVista, true, clWhite, clWhite, true, 0xFAF8F7, 0xF4F2F1, true, 0xFDF8F1, 0xFCEFD5, true,
     0xEACAB6, N, clBlack, ssVista, true, 0xECECF0, 0xD4D2D1, true, clWhite, 0xF4F2F1, false},
    {gsWindows7, true, glWin7, true, 0xFDFCFA, 0xFAF0E6, true, 0xF4E6DC, 0xF7E9DD, true, 0xFCEBDC, 0xFCDBC1, true,
     0xEACAB6, N, clBlack, ssWin7, true, 0xECECF0, 0xD4D2D1, true, 0xFDFCFA, 0xF7E9DD, false},
    {gsTerminal, true, glStandard, false, 0, 0, false, 0, 0, false, 0, 0, false, 0, 0, 0, ssDefault, false, 0, 0,
     false, 0, 0, false},
    {gsOffice2010Blue, true, glOffice2007, true, 0xF5E7DA, 0xF5E7DA, true, 0xF5E7DA, 0xF5E7DA, true, 0x5BD5FF,
     0x71EFFF, true, 0xFFDBB7, N, clBlack, ssDefault, true, 0xC0C0C0, 0xC7B0A0, true, 0xF5E7DA, 0xF5E7DA, false},
    {gsOffice2010Silver, true, glOffice2007, true, 0xE8E3DF, 0xE8E3DF, true, 0xE8E3DF, 0xE8E3DF, true, 0x5BD5FF,
     0x71EFFF, true, 0xFFDBB7, N, clBlack, ssDefault, true, 0xC0C0C0, 0xBAB5B1, true, 0xE8E3DF, 0xE8E3DF, false},
    {gsOffice2010Black, true, glOffice2007, true, 0x6A6A6A, 0x6A6A6A, true, 0x6A6A6A, 0x6A6A6A, true, 0x5BD5FF,
     0x71EFFF, true, 0xFFDBB7, N, clBlack, ssDefault, true, 0xC0C0C0, 0x444444, true, 0x6A6A6A, 0x6A6A6A, false},
};

// Hover, pressed and sort-header colours of the styles that set them.
struct THeaderStates {
  TExGridStyle Style;
  TColor Hover[5];   // From, To, MirrorFrom, MirrorTo, Border
  TColor Down[5];
  TColor Sort[4];    // Color, ColorTo, Mirror, MirrorTo
};

constexpr THeaderStates kHeaderStates[] = {
    {gsOffice2007Luna, {0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87},
     {0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D}, {N, N, N, N}},
    {gsWindowsVista, {0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993},
     {0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F}, {0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8}},
    {gsWindows7, {0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, 0xEEE8E3},
     {0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA}, {0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8}},
    {gsOffice2010Blue, {0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8},
     {0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2}, {0xD6CEC7, 0xD6CEC7, 0xD6CEC7, 0xD6CEC7}},
    {gsOffice2010Silver, {0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8},
     {0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2}, {0xAAAAAA, 0xAAAAAA, 0xAAAAAA, 0xAAAAAA}},
    {gsOffice2010Black, {0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8},
     {0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2}, {0xBABABA, 0xBABABA, 0xBABABA, 0xBABABA}},
};

struct TSchemeValues {
  TXPColorScheme Scheme;
  TColor HeaderFrom, HeaderTo, MirrorFrom, MirrorTo, ActiveFrom, ActiveTo, FooterColor, FooterColorTo;
};

constexpr TSchemeValues kSchemes[] = {
    {xpNone, clWhite, clBtnFace, N, N, clWhite, 0xFFD9B3, clWhite, 0xFFD9B3},
    {xpBlue, 0xFCE1CB, 0xE0A57D, N, N, 0x94E6FB, 0x1595EE, 0xFCE1CB, 0xE0A57D},
    {xpGreen, 0xCFF0EA, 0x8CC0B1, N, N, 0x94E6FB, 0x1595EE, 0xCFF0EA, 0x8CC0B1},
    {xpGray, 0xECE2E1, 0xB39698, N, N, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698},
    {vistaAero, clWhite, clWhite, 0xFAF8F7, 0xF4F2F1, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698},
};

bool HasWindowBorderLook(TGridLook look) {
  return look == glSoft || look == glVOD || look == glXP || look == glListView || look == glVista ||
         look == glWin7 || look == glOffice2007;
}

}  // namespace

// --- painting around the cells ---

namespace {

// Posted to the grid after a paint in which a fault was contained.
const unsigned kGridPaintFault = RegisterWindowMessage(QStringLiteral("GridPaintFault"));

}  // namespace

void TExStringGrid::PaintFault(const QString& Message) {
  if (FPaintFaultsShown.contains(Message) || FPaintFaultsPending.contains(Message)) return;
  FPaintFaultsPending << Message;
  if (FPaintFaultsPending.size() == 1) PostMessage(this, kGridPaintFault, 0, 0);
}

bool TExStringGrid::HandlePaintFaultMessage(const TMessage& Message) {
  if (Message.Msg != kGridPaintFault || kGridPaintFault == 0) return false;
  const QStringList pending = FPaintFaultsPending;
  FPaintFaultsPending.clear();
  for (const QString& m : pending) {
    FPaintFaultsShown << m;
    Application->HandleException(m);
  }
  return true;
}

void TExStringGrid::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) {
  try {
    TBaseGrid::DrawCell(ACol, ARow, ARect, AState);
  } catch (const std::exception& e) {
    TCanvas* c = Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(ARect);
    const auto* ex = dynamic_cast<const Exception*>(&e);
    PaintFault(ex ? ex->Message : QString::fromLocal8Bit(e.what()));
  }
}

void TExStringGrid::Paint() {
  // 1.
  Canvas()->Pen()->SetStyle(psSolid);
  Canvas()->Brush()->SetStyle(bsSolid);
  TBaseGrid::Paint();
  try {
    PaintAroundCells();
  } catch (const std::exception& e) {
    const auto* ex = dynamic_cast<const Exception*>(&e);
    PaintFault(ex ? ex->Message : QString::fromLocal8Bit(e.what()));
  }
}

void TExStringGrid::PaintAroundCells() {
  // 2. The edited cell's frame.
  if (EditorMode()) {
    const bool noLines = GridLineWidth() < 1 || (!Options().Contains(goHorzLine) && !Options().Contains(goVertLine));
    Canvas()->Pen()->SetColor(noLines ? Color() : GridLineColor());
    Canvas()->Rectangle(CellRect(Col(), Row()));
  }
  // 3.
  Canvas()->Pen()->SetColor(clBlack);
  if (!FBackGround->Bitmap()->Empty() || FBackGround->ColorTo() != clNone) PaintBackgroundOutsideCells();
  // The one-pixel window border, drawn on the control's edge.
  PaintGridBorder();
  // The panning glyph at the pan origin while the middle button pans.
  if (wheelpan) DrawWheelPanGlyph();
  // The sizing line of a column or row being sized by the mouse.
  if (FSizingLineVisible) {
    TCanvas* c = Canvas();
    c->Pen()->SetStyle(psDot);
    c->Pen()->SetColor(clBlack);
    const TRect last = CellRect(Col(), RowCount() - 1);
    if (FSizingLine.X >= 0) {
      c->MoveTo(FSizingLine.X, 0);
      c->LineTo(FSizingLine.X, IsRectEmpty(last) ? Height() : std::min(Height(), last.Bottom));
    } else {
      c->MoveTo(0, FSizingLine.Y);
      c->LineTo(Width(), FSizingLine.Y);
    }
    c->Pen()->SetStyle(psSolid);
  }
  // 4.
  if (OnPainted) OnPainted(this);
}

void TExStringGrid::PaintBackgroundOutsideCells() {
  TBackGround* b = FBackGround.get();
  const bool gradient = b->Display() == bdGradientHorz || b->Display() == bdGradientVert;
  if (gradient && b->ColorTo() == clNone) return;
  const TRect last = CellRect(ColCount() - 1, RowCount() - 1);
  int right = ClientWidth(), bottom = ClientHeight();
  if (!IsRectEmpty(last)) {
    right = last.Right + GridLineWidth();
    bottom = last.Bottom + GridLineWidth();
  }
  const int clientBottom = ClientHeight() - (FSearchFooter->Visible() ? 32 : 0);
  if (right >= ClientWidth() && bottom >= clientBottom) return;
  TCanvas* c = Canvas();
  const TRect client = Rect(0, 0, ClientWidth(), clientBottom);
  if (!b->Bitmap()->Empty()) {
    // The picture outside the cells: fixed, or tiled from the client's corner
    // (from the first normal cell when only normal cells carry it).
    for (const TRect& part : {Rect(right, 0, ClientWidth(), clientBottom),
                              Rect(0, bottom, std::min(right, ClientWidth()), clientBottom)}) {
      if (IsRectEmpty(part)) continue;
      c->SetClipRect(part);
      if (b->Display() != bdTile) {
        PaintBackgroundBitmapFixed(part);
      } else if (b->Cells() != bcFixed) {
        TRect from = client;
        if (b->Cells() == bcNormal) {
          from.Left = Horz().FixedExtent() + FXYOffset.X;
          from.Top = Vert().FixedExtent() + FXYOffset.Y;
        }
        PaintBackgroundBitmapTiled(from);
      }
    }
    c->RemoveClip();
    return;
  }
  if (!gradient) return;
  if (right < ClientWidth()) {
    c->SetClipRect(Rect(right, 0, ClientWidth(), clientBottom));
    DrawGradientRect(c, b->Color(), b->ColorTo(), 128, client, b->Display() == bdGradientHorz);
  }
  if (bottom < clientBottom) {
    c->SetClipRect(Rect(0, bottom, std::min(right, ClientWidth()), clientBottom));
    DrawGradientRect(c, b->Color(), b->ColorTo(), 128, client, b->Display() == bdGradientHorz);
  }
  c->RemoveClip();
}

bool TExStringGrid::HasGridBorder() const {
  return HasWindowBorderLook(FLook) && BorderStyle != bsNone && FBorderColor != clNone && !FFlat;
}

void TExStringGrid::PaintGridBorder() {
  if (!HasGridBorder() || FUpdateCount > 0) return;
  TCanvas* c = Canvas();
  c->RemoveClip();
  c->Brush()->SetStyle(bsClear);
  c->Pen()->SetColor(FBorderColor);
  c->Rectangle(0, 0, Width(), Height());
  c->Brush()->SetStyle(bsSolid);
}

void TExStringGrid::DrawColSizingLine(int X) {
  FSizingLine = FSizingLine.X == X && FSizingLineVisible ? TPoint{-1, -1} : TPoint{X, -1};
  FSizingLineVisible = FSizingLine.X >= 0;
  Invalidate();
}

void TExStringGrid::DrawRowSizingLine(int Y) {
  FSizingLine = FSizingLine.Y == Y && FSizingLineVisible ? TPoint{-1, -1} : TPoint{-1, Y};
  FSizingLineVisible = FSizingLine.Y >= 0;
  Invalidate();
}

// --- styles ---

void TExStringGrid::SetStyle(TExGridStyle AStyle) {
  // 1. Selection, sort header and control look back to their defaults.
  FSelectionColor = clHighlight;
  FSelectionColorTo = clNone;
  FSelectionTextColor = clHighlightText;
  SetSelectionStyle(ssDefault);
  FSortSettings->SetHeaderColor(clNone);
  FSortSettings->SetHeaderColorTo(clNone);
  FSortSettings->SetHeaderMirrorColor(clNone);
  FSortSettings->SetHeaderMirrorColorTo(clNone);
  FControlLook->Init();
  // 2. The style's values.
  for (const TStyleValues& s : kStyles) {
    if (s.Style != AStyle) continue;
    if (s.SetLook) FLook = s.Look;
    if (s.SetHeader) {
      VODGradientFrom = s.HeaderFrom;
      VODGradientTo = s.HeaderTo;
    }
    if (s.SetMirror) {
      VODGradientMirrorFrom = s.MirrorFrom;
      VODGradientMirrorTo = s.MirrorTo;
    }
    if (s.SetActive) {
      FActiveCellColor = s.ActiveFrom;
      FActiveCellColorTo = s.ActiveTo;
    }
    if (s.SetSelection) {
      FSelectionColor = s.Selection;
      FSelectionColorTo = s.SelectionTo;
      FSelectionTextColor = s.SelectionText;
    }
    SetSelectionStyle(s.SelectionStyle);
    if (s.SetLines) {
      SetGridLineColor(s.GridLines);
      SetGridFixedLineColor(s.FixedLines);
    }
    if (s.SetFooter) {
      FSearchFooter->SetColor(s.FooterColor);
      FSearchFooter->SetColorTo(s.FooterColorTo == kMirrorToMarker ? VODGradientMirrorTo : s.FooterColorTo);
    }
    if (s.LookGradient) {
      FControlLook->SetFixedGradientFrom(s.HeaderFrom);
      FControlLook->SetFixedGradientTo(s.HeaderTo);
    }
    if (AStyle == gsWindowsVista || AStyle == gsWindows7) {
      FControlLook->SetFixedGradientMirrorFrom(s.MirrorFrom);
      FControlLook->SetFixedGradientMirrorTo(s.MirrorTo);
    }
  }
  if (AStyle == gsWindowsVista) {
    GradientHoverFrom = 0xFFF7E3;
    GradientHoverTo = 0xFFF7E3;
    GradientHoverMirrorFrom = 0xFFEDBD;
    GradientHoverMirrorTo = 0xFBE7B7;
    GradientHoverBorder = 0xE3C993;
  } else if (AStyle == gsWindows7) {
    GradientHoverFrom = 0xFDF8F3;
    GradientHoverTo = 0xF9F3EF;
    GradientHoverMirrorFrom = clNone;
    GradientHoverMirrorTo = clNone;
    GradientHoverBorder = 0xEEE8E3;
  } else if (AStyle == gsOffice2010Blue || AStyle == gsOffice2010Silver || AStyle == gsOffice2010Black) {
    GradientHoverFrom = GradientHoverTo = GradientHoverMirrorFrom = GradientHoverMirrorTo = clNone;
  }
  for (const THeaderStates& h : kHeaderStates) {
    if (h.Style != AStyle) continue;
    FControlLook->SetFixedGradientHoverFrom(h.Hover[0]);
    FControlLook->SetFixedGradientHoverTo(h.Hover[1]);
    FControlLook->SetFixedGradientHoverMirrorFrom(h.Hover[2]);
    FControlLook->SetFixedGradientHoverMirrorTo(h.Hover[3]);
    FControlLook->SetFixedGradientHoverBorder(h.Hover[4]);
    FControlLook->SetFixedGradientDownFrom(h.Down[0]);
    FControlLook->SetFixedGradientDownTo(h.Down[1]);
    FControlLook->SetFixedGradientDownMirrorFrom(h.Down[2]);
    FControlLook->SetFixedGradientDownMirrorTo(h.Down[3]);
    FControlLook->SetFixedGradientDownBorder(h.Down[4]);
    FSortSettings->SetHeaderColor(h.Sort[0]);
    FSortSettings->SetHeaderColorTo(h.Sort[1]);
    FSortSettings->SetHeaderMirrorColor(h.Sort[2]);
    FSortSettings->SetHeaderMirrorColorTo(h.Sort[3]);
  }
  // 3.
  Invalidate();
}

void TExStringGrid::SetComponentStyle(TSuiteStyle AStyle) {
  ComponentStyle = AStyle;
  SetStyle(static_cast<TExGridStyle>(AStyle));
  if (ScrollType == ssMetro && AStyle != tsCustom) ScrollType = ssNormal;
}

void TExStringGrid::SetColorTones(const TColorTones& ATones) {
  FTones = ATones;
  FTone1 = ATones.Background.BrushColor;
  FTone2 = ATones.Foreground.BrushColor;
  FLook = glClassic;
  FFlat = true;
  ScrollType = ssMetro;
  SetFixedColor(ATones.Foreground.BrushColor);
  FFixedFont->SetColor(ATones.Foreground.TextColor);
  SetColor(ATones.Background.BrushColor);
  Font()->SetColor(ATones.Background.TextColor);
  FSelectionColor = ATones.Selected.BrushColor;
  FSelectionTextColor = ATones.Selected.TextColor;
  FSelectionColorTo = clNone;
  SetGridLineColor(0xE6E6E6);
  SetGridFixedLineColor(ScaleColorPercent(ATones.Foreground.BrushColor, -20));
  BorderStyle = bsNone;
  FControlLook->ControlStyle = csGlyph;
  FControlLook->FlatButton = true;
  FSearchFooter->SetColor(ATones.Foreground.BrushColor);
  FSearchFooter->SetColorTo(ATones.Foreground.BrushColor);
  Invalidate();
}

void TExStringGrid::SetTheme(TXPColorScheme Scheme) {
  for (const TSchemeValues& s : kSchemes) {
    if (s.Scheme != Scheme) continue;
    VODGradientFrom = s.HeaderFrom;
    VODGradientTo = s.HeaderTo;
    VODGradientMirrorFrom = s.MirrorFrom;
    VODGradientMirrorTo = s.MirrorTo;
    FActiveCellColor = s.ActiveFrom;
    FActiveCellColorTo = s.ActiveTo;
    FSearchFooter->SetColor(s.FooterColor);
    FSearchFooter->SetColorTo(s.FooterColorTo);
    FControlLook->FixedGradientFrom = Scheme == xpNone ? clNone : s.HeaderFrom;
    FControlLook->FixedGradientTo = Scheme == xpNone ? clNone : s.HeaderTo;
  }
}

void TExStringGrid::ApplyOfficeTheme() {
  if (Designing()) return;
  const TOfficeTheme theme = DetectOfficeTheme();
  if (theme == FOfficeTheme) return;
  static constexpr TSuiteStyle kStyles[] = {tsOffice2003Blue,   tsOffice2003Silver, tsOffice2003Olive,
                                            tsOffice2003Classic, tsOffice2007Luna,   tsOffice2007Silver,
                                            tsOffice2007Obsidian, tsOffice2010Blue,  tsOffice2010Silver,
                                            tsOffice2010Black};
  if (theme != otUnknown) SetComponentStyle(kStyles[theme]);
  FOfficeTheme = theme;
}
