// The graphic step of a cell's drawing: the graphic's size and placement, and
// its drawing by kind - check boxes and radio buttons in every control style,
// radio groups, bitmaps, progress bars and pies, range indicators, comments,
// buttons, shapes and ratings - plus the sort indicator of header cells.
#include <algorithm>
#include <cmath>

#include "grid/base/draw_arithmetic.h"
#include "grid/base/draw_routines.h"
#include "grid/view/cell_paint.h"
#include "grid/view/glyph_artwork.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/string_list.h"
#include "platform/theme/visual_styles.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/image_data.h"
#include "platform/ui/image_list.h"
#include "platform/ui/shapes.h"

namespace {

bool IsCheckLike(TCellType t) {
  return t == ctCheckBox || t == ctDataCheckBox || t == ctVirtCheckBox || t == ctRowCheckBox ||
         t == ctRadioButton || t == ctTriStateCheckBox;
}

TCellVAlign VAlignOf(TVAlignment a) {
  switch (a) {
    case vtaCenter: return vaCenter;
    case vtaBottom: return vaBottom;
    default: return vaTop;
  }
}

// Draws a transparent bitmap at x, y (its key colour left out).
void DrawGlyphAt(TCanvas* c, TBitmap* b, int x, int y) {
  if (!b || b->Empty()) return;
  b->SetTransparent(true);
  c->Draw(x, y, b);
}

}  // namespace

double TExStringGrid::CellNumberOr0(int ACol, int ARow) {
  try {
    return Floats(ACol, ARow);
  } catch (const Exception&) {
    return 0;
  }
}

// --- layout ---

TCellGraphic* TExStringGrid::GetCellGraphicLayout(int ACol, int ARow, TCellVAlign& VAlign, TCellHAlign& HAlign,
                                                  bool& DrawText, int& Height, int& Width) {
  DrawText = true;
  Height = Width = 0;
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) return nullptr;
  VAlign = g->CellVAlign;
  HAlign = g->CellHAlign;
  auto bitmapSize = [&](TObject* o) {
    if (auto* b = dynamic_cast<TBitmap*>(o)) {
      Width = b->Width();
      Height = b->Height();
    }
  };
  TCustomImageList* images = GetGridImages();
  switch (g->CellType) {
    case ctBitmap: bitmapSize(g->CellBitmap); break;
    case ctIcon:
      if (auto* icon = dynamic_cast<TIcon*>(g->CellIcon)) {
        Width = icon->Width();
        Height = icon->Height();
      }
      break;
    case ctImageList:
    case ctDataImage:
      if (images) {
        Width = images->Width();
        Height = images->Height();
      }
      DrawText = g->CellType != ctDataImage;
      break;
    case ctImages:
      if (auto* list = dynamic_cast<TIntList*>(g->CellBitmap); list && images) {
        Width = g->CellBoolean ? list->Count() * images->Width() : images->Width();
        Height = g->CellBoolean ? images->Height() : list->Count() * images->Height();
      }
      break;
    case ctCheckBox:
    case ctTriStateCheckBox: Width = Height = FControlLook->CheckSize; break;
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
      Width = Height = FControlLook->CheckSize;
      DrawText = false;
      break;
    case ctRotated:
    case ctRadio:
    case ctProgress:
    case ctRangeIndicator:
    case ctXPProgress: DrawText = false; break;
    case ctPicture:
    case ctFilePicture: {
      TPoint size{0, 0};
      CalcCellGraphicSize(ACol, ARow, 0, size);
      Width = size.X;
      Height = size.Y;
      break;
    }
    case ctButton:
    case ctBitButton:
      Width = g->CellIndex & 0xFFFF;
      Height = (g->CellIndex >> 16) & 0xFFFF;
      break;
    case ctProgressPie: Width = Height = 20; break;
    case ctRadioButton: Width = Height = FControlLook->RadioSize + 4; break;
    case ctShape: Width = Height = RowHeights(ARow) - 2 * FXYOffset.Y; break;
    case ctRating:
      Width = g->CellAngle * 18;
      Height = 16;
      DrawText = false;
      break;
    default: break;
  }
  return g;
}

// --- the graphic step ---

void TExStringGrid::DrawCellGraphic(TCellPaint& P) {
  TCellGraphic* g = P.Graphic;
  TRect r = P.Rect;
  const int w = P.GraphicWidth, h = P.GraphicHeight;
  const TCellType t = g->CellType;
  if (t == ctNode) return DrawNodeGlyph(P);
  if (t == ctExpand) return DrawExpandButton(P);
  // 1. Inset by the offsets (not for the full-cell kinds).
  if (t != ctNode && t != ctProgress && t != ctRangeIndicator && t != ctXPProgress)
    InflateRect(r, -(FXYOffset.X - 1), -(FXYOffset.Y - 1));
  // 2.
  int tw = P.TextWidth > 0 ? P.TextWidth + 2 : 0;
  // 3. Horizontal placement.
  TRect at = r;
  switch (g->CellHAlign) {
    case haLeft: at.Left = r.Left + 1; break;
    case haRight: at.Left = r.Right - 1 - w; break;
    case haCenter: at.Left = w < r.Width() ? r.Left + (r.Width() - w) / 2 : r.Left + 1; break;
    case haBeforeText:
      if (P.HAlign == taRightJustify) at.Left = r.Right - tw - w;
      else if (P.HAlign == taCenter) at.Left = r.Left + (r.Width() - tw - w) / 2;
      else at.Left = r.Left + 1;
      at.Left = std::max(at.Left, r.Left + 1);
      break;
    case haAfterText:
      if (P.HAlign == taRightJustify) at.Left = r.Right - w - 1;
      else if (P.HAlign == taCenter) at.Left = r.Left + tw + (r.Width() - tw - w) / 2;
      else at.Left = r.Left + tw;
      at.Left = std::max(at.Left, r.Left + 1);
      break;
    case haFull: break;
  }
  if (g->CellHAlign != haFull) at.Right = at.Left + w;
  // 4. Vertical placement; check-box-like cells follow the cell's own vertical
  //    alignment when it differs from the grid's.
  TCellVAlign va = g->CellVAlign;
  if (IsCheckLike(t) && P.VAlign != FVAlignment) va = VAlignOf(P.VAlign);
  switch (va) {
    case vaTop:
    case vaAboveText: at.Top = r.Top + 1; break;
    case vaBottom: at.Top = r.Bottom - 1 - h; break;
    case vaCenter: at.Top = h < r.Height() ? r.Top + (r.Height() - h) / 2 : r.Top + 1; break;
    case vaUnderText: at.Top = r.Bottom - h; break;
    case vaFull: break;
  }
  if (va != vaFull) at.Bottom = at.Top + h;
  if (IsCheckLike(t)) {
    DrawCheckLikeGraphic(P, r, at, tw);
    return;
  }
  DrawOtherGraphic(P, r, at);
}

void TExStringGrid::DrawCheckLikeGraphic(TCellPaint& P, const TRect& r, TRect at, int tw) {
  TCellGraphic* g = P.Graphic;
  const TCellType t = g->CellType;
  const int w = at.Width();
  // 1. Horizontal placement by the text alignment.
  const bool withText = t == ctCheckBox || t == ctRadioButton || t == ctTriStateCheckBox;
  if (P.HAlign == taLeftJustify) {
    at.Left = r.Left + 1;
  } else if (P.HAlign == taRightJustify) {
    at.Left = r.Right - (withText ? tw : 0) - w - 1;
  } else {
    at.Left = withText && tw > 0 ? r.Left + std::max(0, r.Width() - tw) / 2 - w : r.Left + (r.Width() - w) / 2;
  }
  at.Left = std::max(at.Left, r.Left + 1);
  at.Right = at.Left + w;
  // 2. Enabled when the cell can be edited.
  bool enabled = true;
  CanEditCell(P.RealCol, P.Row, enabled);
  // 3. By kind.
  switch (t) {
    case ctCheckBox:
    case ctRowCheckBox:
      DrawCheckBoxGlyph(P.Canvas, at, g->CellBoolean, cbUnchecked, false, FControlLook->ControlStyle,
                        g->CellAngle > 0, enabled);
      break;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
      QString checkTrue;
      GetCheckTrue(P.RealCol, P.Row, checkTrue);
      DrawCheckBoxGlyph(P.Canvas, at, GetCellEx(P.RealCol, P.Row) == checkTrue, cbUnchecked, false,
                        FControlLook->ControlStyle, false, enabled);
      break;
    }
    case ctTriStateCheckBox:
      DrawCheckBoxGlyph(P.Canvas, at, false, g->CellCheckBoxState, true, FControlLook->ControlStyle, false, enabled);
      break;
    case ctRadioButton: {
      const int s = FControlLook->RadioSize;
      const TRect box = Bounds(at.Left + FXYOffset.X, at.Top, s, s);
      DrawRadioItems(P.Canvas, box, false, 1.0, FControlLook->ControlStyle, P.Row, P.RealCol, false, nullptr,
                     !enabled, false, g->CellBoolean ? 0 : -1, 1);
      break;
    }
    default: break;
  }
}

TPoint TExStringGrid::PlaceRotatedText(TCanvas* Canvas, TRect R, int Angle, TAlignment HA, TVAlignment VA,
                                       const QString& Text) {
  InflateRect(R, -2, -2);
  return RotatedTextOrigin(R, HA, VA, Angle, Canvas->TextWidth(Text), Canvas->TextHeight(Text));
}

void TExStringGrid::DrawOtherGraphic(TCellPaint& P, const TRect& r, const TRect& at) {
  TCellGraphic* g = P.Graphic;
  TCanvas* c = P.Canvas;
  if (DrawImageGraphic(P, at)) return;
  switch (g->CellType) {
    case ctRotated: {
      // The cell's text in a font turned by the graphic's angle, clipped to the
      // rectangle less 2 on every side.
      const QString text = GetFormattedCell(P.RealCol, P.Row);
      const TPoint start = PlaceRotatedText(c, r, g->CellAngle, P.HAlign, P.VAlign, text);
      TRect clip = r;
      InflateRect(clip, -2, -2);
      const int orientation = c->Font()->Orientation();
      const TBrushStyle style = c->Brush()->Style();
      c->Font()->SetOrientation(g->CellAngle * 10);
      c->Brush()->SetStyle(bsClear);
      c->TextRect(clip, start.X, start.Y, text);
      c->Brush()->SetStyle(style);
      c->Font()->SetOrientation(orientation);
      if (IsSortHeaderCell(P.RealCol, P.Row)) DrawSortIndicator(c, P.RealCol, r.Top + 8, r.Right - 10);
      break;
    }
    case ctBitmap:
      if (auto* b = dynamic_cast<TBitmap*>(g->CellBitmap)) {
        b->SetTransparent(g->CellTransparent);
        c->Draw(at.Left, at.Top, b);
      }
      break;
    case ctRadio: {
      bool enabled = true;
      CanEditCell(P.RealCol, P.Row, enabled);
      auto* items = g->Strings();
      DrawRadioItems(c, r, false, 1.0, FControlLook->ControlStyle, P.Row, P.RealCol, P.State.Contains(gdSelected),
                     items, !enabled, g->CellBoolean, g->CellIndex, g->CellAngle);
      break;
    }
    case ctPicture:
      if (auto* pic = dynamic_cast<TPicture*>(g->CellBitmap)) {
        if (g->CellAngle != 0)
          c->StretchDraw(at, pic->Bitmap());
        else
          c->Draw(at.Left, at.Top, pic->Bitmap());
      }
      break;
    case ctProgress: {
      TRect bar = r;
      InflateRect(bar, -FControlLook->ProgressMarginX, -FControlLook->ProgressMarginY);
      const TColor fgText = g->CellBoolean ? g->CellIndex : clWhite;
      const TColor bkText = g->CellBoolean ? g->CellAngle : clBlack;
      DrawProgressBar(c, r, g->CellBitmapColor, fgText, g->CellIconColor, bkText, CellNumberOr0(P.RealCol, P.Row),
                      FControlLook->ProgressMarginX, FControlLook->ProgressMarginY, g->CellErrFrom, g->CellErrLen,
                      g->CellText, FControlLook->ProgressBorderColor, false);
      break;
    }
    case ctComment:
      if (FControlLook->CommentColor != clNone) {
        const TColor color = g->CellIndex != 0 && g->CellIndex != clNone ? g->CellIndex : FControlLook->CommentColor;
        c->Brush()->SetColor(color);
        c->Pen()->SetColor(color);
        const int x1 = P.Rect.Right + FXYOffset.X - 8, x2 = P.Rect.Right + FXYOffset.X - 3;
        const int y1 = P.Rect.Top - FXYOffset.Y + 1, y2 = P.Rect.Top - FXYOffset.Y + 6;
        c->Polygon({{x1, y1}, {x2, y1}, {x2, y2}});
      }
      break;
    case ctButton:
    case ctBitButton: {
      g->CellValue = ((at.Top - P.Rect.Top) << 16) | ((at.Left - P.Rect.Left) & 0xFFFF);
      int kind = FControlLook->FlatButton ? blFlat : (IsThemeActive() ? blThemed : blClassic);
      bool enabled = true;
      CanEditCell(P.RealCol, P.Row, enabled);
      int state = g->CellBoolean ? bdsDown : bdsNormal;
      // The button under the mouse looks hot.
      if (state == bdsNormal && FHoverButton.X == P.DisplayCol && FHoverButton.Y == P.Row) state = bdsHot;
      if (!enabled && !FControlLook->NoDisabledButtonLook) state = bdsDisabled;
      DrawButtonFace(c, this, at, kind, state, TColorTones());
      TRect text = at;
      if (g->CellBoolean) OffsetRect(text, 1, 1);
      if (auto* b = dynamic_cast<TBitmap*>(g->CellBitmap); b && g->CellType == ctBitButton) {
        DrawGlyphAt(c, b, text.Left + 3, text.Top + (text.Height() - b->Height()) / 2);
        text.Left += 3 + b->Width();
      }
      const TBrushStyle style = c->Brush()->Style();
      c->Brush()->SetStyle(bsClear);
      c->DrawText(g->CellText, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
      c->Brush()->SetStyle(style);
      break;
    }
    case ctProgressPie:
      DrawProgressPie(c, Bounds(at.Left, at.Top, 20, 20), g->CellBitmapColor, g->CellAngle, false);
      break;
    case ctRangeIndicator: {
      TRect bar = r;
      InflateRect(bar, -FControlLook->ProgressMarginX, -FControlLook->ProgressMarginY);
      DrawRangeIndicator(c, bar, static_cast<int>(CellNumberOr0(P.RealCol, P.Row)), g->CellIndex, g->CellBoolean,
                         g->CellBitmapColor, g->CellIconColor);
      break;
    }
    case ctXPProgress: {
      TGridProgressAppearance* pa = FProgressAppearance.get();
      TXPProgressAppearance a;
      a.Level0Color = pa->Level0Color();
      a.Level0ColorTo = pa->Level0ColorTo();
      a.Level1Color = pa->Level1Color();
      a.Level1ColorTo = pa->Level1ColorTo();
      a.Level2Color = pa->Level2Color();
      a.Level2ColorTo = pa->Level2ColorTo();
      a.Level3Color = pa->Level3Color();
      a.Level3ColorTo = pa->Level3ColorTo();
      a.Level1Perc = pa->Level1Perc();
      a.Level2Perc = pa->Level2Perc();
      a.BorderColor = pa->BorderColor();
      a.ShowBorder = pa->ShowBorder();
      a.Stacked = pa->Stacked();
      a.ShowPercentage = pa->ShowPercentage();
      a.Font = c->Font();
      a.CompleteFontColor = pa->CompleteFontColor();
      a.CompletionSmooth = pa->CompletionSmooth();
      a.ShowGradient = pa->ShowGradient();
      a.Steps = pa->Steps();
      a.UnCompleteColor = pa->UnCompleteColor() != clNone ? pa->UnCompleteColor() : c->Brush()->Color();
      TRect bar = r;
      InflateRect(bar, -FControlLook->ProgressMarginX, -FControlLook->ProgressMarginY);
      bar.Right -= 1;
      bar.Bottom -= 1;
      // A range of no width shows an empty bar.
      const int range = g->CellErrLen - g->CellErrFrom;
      const double value = std::abs(CellNumberOr0(P.RealCol, P.Row) - g->CellErrFrom);
      const int percent = range == 0 ? 0 : static_cast<int>(std::nearbyint(value / range * 100));
      DrawXPProgress(c, bar, percent, a);
      break;
    }
    case ctShape:
      DrawCellShape(c, at.Left, at.Top, at.Width(), at.Height(), g->CellAngle, g->CellIndex, g->CellBitmapColor);
      break;
    case ctRating: {
      const double value = std::nearbyint(CellNumberOr0(P.RealCol, P.Row) * 2) / 2;
      for (int i = 0; i < g->CellAngle; ++i) {
        const double fill = std::clamp(value - i, 0.0, 1.0);
        const int x = at.Left + i * 18;
        c->Brush()->SetColor(g->CellBitmapColor);
        c->FillRect(Bounds(x, at.Top, 16, 16));
        if (fill > 0) {
          c->Brush()->SetColor(g->CellIndex);
          c->FillRect(Bounds(x, at.Top, fill >= 1 ? 16 : 8, 16));
        }
      }
      break;
    }
    default: break;
  }
}

// --- glyphs ---

void TExStringGrid::DrawCheckBoxGlyph(TCanvas* Canvas, TRect R, bool Checked, TCheckBoxState State, bool TriState,
                                      TGridControlStyle Style, bool Grayed, bool Enabled) {
  // 1. Never disabled with these options.
  if (FControlLook->NoDisabledCheckRadioLook || FControlLook->CheckAlwaysActive) Enabled = true;
  // 2. The tri-state decides.
  if (TriState) {
    Checked = State == cbChecked;
    Grayed = State == cbGrayed;
  }
  // 3. Themes off: the classic box.
  if (Style == csTheme && !IsThemeActive()) Style = csClassic;
  // 4. By style.
  const int size = FControlLook->CheckSize;
  switch (Style) {
    case csWinXP:
    case csVOD: {
      static const char* const xp[] = {"ESGCHK05", "ESGCHK07", "ESGCHK06", "ESGCHK08"};
      static const char* const vod[] = {"ESGCHK01", "ESGCHK03", "ESGCHK02", "ESGCHK04"};
      const int index = (Checked ? 0 : 2) + (Enabled ? 0 : 1);
      DrawGlyphAt(Canvas, GridGlyph(QLatin1String(Style == csWinXP ? xp[index] : vod[index])), R.Left, R.Top);
      break;
    }
    case csKestrel: {
      Canvas->Brush()->SetColor(Enabled ? clBtnFace : clBtnShadow);
      Canvas->Pen()->SetColor(clBtnFace);
      Canvas->Rectangle(R);
      Canvas->Pen()->SetColor(clBtnHighlight);
      Canvas->MoveTo(R.Left, R.Bottom - 1);
      Canvas->LineTo(R.Left, R.Top);
      Canvas->LineTo(R.Right - 1, R.Top);
      Canvas->Pen()->SetColor(clBtnShadow);
      Canvas->LineTo(R.Right - 1, R.Bottom - 1);
      Canvas->LineTo(R.Left, R.Bottom - 1);
      if (Checked) {
        Canvas->Pen()->SetColor(Enabled ? FControlLook->Color : clGray);
        const int mid = R.Top - 1 + size / 2;
        for (int x : {R.Left + 2, R.Left + 3}) {
          Canvas->MoveTo(x, mid);
          Canvas->LineTo(x, mid + 3);
        }
        Canvas->MoveTo(R.Left + 3, R.Bottom - 3);
        Canvas->LineTo(R.Right - 2, R.Top + 3);
        Canvas->MoveTo(R.Left + 4, R.Bottom - 3);
        Canvas->LineTo(R.Right - 1, R.Top + 3);
      }
      break;
    }
    case csGlyph: {
      TBitmap* b = Checked ? FControlLook->CheckedGlyph.get() : FControlLook->UnCheckedGlyph.get();
      DrawGlyphAt(Canvas, b, R.Left, R.Top);
      break;
    }
    case csTheme: {
      int state = Checked ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL;
      if (Grayed) state = CBS_MIXEDNORMAL;
      if (!Enabled) state += 3;
      HTHEME theme = OpenThemeData(this, QStringLiteral("button"));
      DrawThemeBackground(theme, Canvas, BP_CHECKBOX, state, Bounds(R.Left, R.Top, size, size));
      CloseThemeData(theme);
      break;
    }
    case csClassic:
    case csFlat: {
      const TRect box = Bounds(R.Left + (R.Width() - size) / 2, R.Top + (R.Height() - size) / 2, size, size);
      unsigned flags = DFCS_BUTTONCHECK;
      if (Checked || Grayed) flags |= DFCS_CHECKED;
      if (Style == csFlat) flags |= DFCS_FLAT;
      if (!Enabled) flags |= DFCS_INACTIVE;
      DrawFrameControl(Canvas, box, DFC_BUTTON, flags);
      break;
    }
  }
}

void TExStringGrid::DrawRadioItems(TCanvas* Canvas, TRect R, bool Upward, double Scale, TGridControlStyle Style,
                                   int ARow, int ACol, bool Selected, TStringList* Items, bool Disabled,
                                   bool SideBySide, int ItemIndex, int Count) {
  if (FControlLook->NoDisabledCheckRadioLook || FControlLook->RadioAlwaysActive) Disabled = false;
  const int n = Items ? Items->Count() : Count;
  if (ItemIndex == -1 && Items) ItemIndex = Items->IndexOf(GetCellEx(ACol, ARow));
  if (Style == csTheme && !IsThemeActive()) Style = csClassic;
  const int s = static_cast<int>(std::nearbyint(FControlLook->RadioSize * Scale));
  const int lineHeight = Canvas->TextHeight(QStringLiteral("gh"));
  const TBrushStyle brushStyle = Canvas->Brush()->Style();
  if (Selected && FShowSelection) Canvas->Font()->SetColor(FSelectionTextColor);
  int x = R.Left, y = Upward ? R.Bottom - lineHeight : R.Top;
  for (int i = 0; i < n; ++i) {
    const bool on = i == ItemIndex;
    const TRect box = Bounds(x, y, s, s);
    switch (Style) {
      case csWinXP:
      case csVOD:
      case csGlyph: {
        static const char* const xp[] = {"ESGRAD05", "ESGRAD07", "ESGRAD06", "ESGRAD08"};
        static const char* const vod[] = {"ESGRAD01", "ESGRAD03", "ESGRAD02", "ESGRAD04"};
        const int index = (on ? 0 : 2) + (Disabled ? 1 : 0);
        TBitmap* b = Style == csGlyph ? (on ? FControlLook->RadioOnGlyph.get() : FControlLook->RadioOffGlyph.get())
                                      : GridGlyph(QLatin1String(Style == csWinXP ? xp[index] : vod[index]));
        DrawGlyphAt(Canvas, b, x, y);
        break;
      }
      case csTheme: {
        HTHEME theme = OpenThemeData(this, QStringLiteral("button"));
        DrawThemeBackground(theme, Canvas, BP_RADIOBUTTON,
                            (on ? RBS_CHECKEDNORMAL : RBS_UNCHECKEDNORMAL) + (Disabled ? 3 : 0), box);
        CloseThemeData(theme);
        break;
      }
      default: {
        unsigned flags = DFCS_BUTTONRADIO;
        if (on) flags |= DFCS_CHECKED;
        if (Style == csFlat) flags |= DFCS_FLAT;
        if (Disabled) flags |= DFCS_INACTIVE;
        DrawFrameControl(Canvas, box, DFC_BUTTON, flags);
        break;
      }
    }
    const QString text = Items ? Items->Strings(i) : QString();
    if (!text.isEmpty()) {
      Canvas->Brush()->SetStyle(bsClear);
      Canvas->TextOut(x + s + 2, y, text);
    }
    if (SideBySide)
      x += Canvas->TextWidth(text) + 12 + (s > 12 ? s - 12 : 0);
    else
      y += Upward ? -std::max(16, lineHeight) : std::max(16, lineHeight);
  }
  Canvas->Brush()->SetStyle(brushStyle);
}

void TExStringGrid::DrawSortIndicator(TCanvas* Canvas, int ACol, int Y, int X) {
  TSortSettings* s = FSortSettings.get();
  const int idx = FSortIndexes->FindIndex(ACol);
  if (s->IndexShow && idx >= 0) {
    const bool ascending = FSortIndexes->SortDirections(idx);
    Canvas->Brush()->SetColor(s->IndexColor);
    Canvas->Pen()->SetColor(s->IndexColor);
    if (ascending)
      Canvas->Polygon({{X - 6, Y + 8}, {X + 6, Y + 8}, {X, Y - 4}});
    else
      Canvas->Polygon({{X - 7, Y - 5}, {X + 7, Y - 5}, {X, Y + 8}});
    const TBrushStyle style = Canvas->Brush()->Style();
    Canvas->Brush()->SetStyle(bsClear);
    const TFont saved = [&] {
      TFont f;
      f.Assign(*Canvas->Font());
      return f;
    }();
    Canvas->Font()->SetColor(clBlack);
    Canvas->Font()->SetSize(6);
    Canvas->TextOut(X - 2, ascending ? Y - 2 : Y - 4, QString::number(idx + 1));
    Canvas->Font()->Assign(saved);
    Canvas->Brush()->SetStyle(style);
    return;
  }
  TBitmap* up = s->UpGlyph();
  TBitmap* down = s->DownGlyph();
  if (!up || !down || up->Empty() || down->Empty()) {
    auto line = [Canvas](TColor color, int x1, int y1, int x2, int y2) {
      Canvas->Pen()->SetColor(color);
      Canvas->MoveTo(x1, y1);
      Canvas->LineTo(x2, y2);
    };
    if (s->Direction == sdDescending) {
      line(clWhite, X + 4, Y - 4, X, Y + 4);
      line(clGray, X, Y + 4, X - 4, Y - 4);
      line(clGray, X - 4, Y - 4, X + 4, Y - 4);
    } else {
      line(clWhite, X - 4, Y + 4, X + 4, Y + 4);
      line(clWhite, X + 4, Y + 4, X, Y - 4);
      line(clGray, X, Y - 4, X - 4, Y + 4);
    }
    return;
  }
  DrawGlyphAt(Canvas, s->Direction == sdDescending ? down : up, X - 4, Y - 4);
}
