#include "controls/button/fade_buttons.h"

#include <algorithm>

#include "controls/button/button_glyphs.h"
#include "platform/ui/bitmap.h"

namespace {

struct ColorStyleRow {
  TFadeColorStyle style;
  TColor color, light, shadow, down, hot;
  TFadeButtonStyle result;
  bool flat;
  TColor font;
};

constexpr ColorStyleRow kColorStyles[] = {
    {lcsGold, 0x00C0C0, 0x00FFFF, 0x008080, clNone, 0x00DFDF, bsModern, false, clBlack},
    {lcsChrome, 0xC0C0C0, 0xFFFFFF, 0x808080, clNone, clNone, bsModern, false, clBlack},
    {lcsBlue, 0xFF8000, 0xFFFF00, 0xFF0000, clNone, clNone, bsModern, false, clBlack},
    {lcsRed, 0x0000FF, 0xC0C0FF, 0x0000C0, clNone, clNone, bsModern, false, clBlack},
    {lcsUltraFlat1, clBtnFace, 0xB59284, 0xB59284, 0xB59284, 0xDED3D6, bsNormal, true, clBlack},
    {lcsUltraFlat2, clBtnFace, 0x000000, 0x000000, 0x24DABC, 0x8CF6E4, bsNormal, true, clBlack},
    {lcsUltraFlatXP, 0xD1D8DB, 0xB59284, 0xB59285, 0xB59285, 0xD2BDB6, bsNormal, true, clBlack},
    {lcsAqua, 0xECCE94, 0xFCE6D4, 0x000000, clNone, clNone, bsModern, false, clBlack},
    {lcsDefault, clBtnFace, 0xFFFFFF, 0x808080, clNone, clNone, bsNormal, false, clBlack},
    {lcsQuicken, 0x603000, 0xC0C0C0, 0xC0C0C0, 0xAD6529, 0xCEAE9C, bsQuicken, false, 0xFFFFFF},
};

int Channel(TColor c, int shift) { return (c >> shift) & 0xFF; }

unsigned TextFormat(TAlignment a) {
  switch (a) {
    case taRightJustify: return DT_WORDBREAK | DT_RIGHT;
    case taCenter: return DT_WORDBREAK | DT_CENTER;
    default: return DT_WORDBREAK | DT_LEFT;
  }
}

// The caption's height (and width) measured with word break in width v.
TSize MeasureCaption(TCanvas* canvas, const QString& caption, int v) {
  TRect r = Rect(0, 0, v, 0);
  canvas->DrawText(caption, r, DT_CALCRECT | DT_WORDBREAK);
  return {r.Width(), r.Height()};
}

void FrameEdges(TCanvas* c, int w, int h, TColor topLeft, TColor bottomRight) {
  c->Pen()->SetColor(topLeft);
  c->MoveTo(0, h - 1);
  c->LineTo(0, 0);
  c->LineTo(w - 1, 0);
  c->Pen()->SetColor(bottomRight);
  c->LineTo(w - 1, h - 1);
  c->LineTo(0, h - 1);
}

// Step 4: the frame of each style.
void DrawFrame(TCanvas* c, const TFadeButtonDrawing& d, bool down, TColor face) {
  const int w = d.Width, h = d.Height;
  const bool framed = (d.Enabled && (!d.Flat || d.Hot || down)) || (!d.Enabled && !d.Flat);
  c->Brush()->SetStyle(bsClear);
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetWidth(1);
  switch (d.Style) {
    case bsNormal:
    case bsEncarta:
      if (!framed) return;
      if (down) FrameEdges(c, w, h, d.ShadowColor, d.LightColor);
      else FrameEdges(c, w, h, d.LightColor, d.ShadowColor);
      return;
    case bsOld:
      if (!framed) return;
      c->Pen()->SetColor(d.ShadowColor);
      if (down) {
        c->MoveTo(1, h - 3);
        c->LineTo(1, 1);
        c->LineTo(w - 2, 1);
      } else {
        c->MoveTo(w - 2, 0);
        c->LineTo(w - 2, h - 2);
        c->LineTo(0, h - 2);
      }
      c->Pen()->SetColor(down ? cl3DDkShadow : d.LightColor);
      c->MoveTo(0, h - 1);
      c->LineTo(0, 0);
      c->LineTo(w - 1, 0);
      c->Pen()->SetColor(down ? d.LightColor : cl3DDkShadow);
      c->LineTo(w - 1, h - 1);
      c->LineTo(-1, h - 1);
      return;
    case bsModern:
      c->Pen()->SetColor(down ? d.ShadowColor : face);
      c->Rectangle(1, 1, w - 1, h - 1);
      c->Pen()->SetColor(d.ShadowColor);
      c->RoundRect(0, 0, w, h, 6, 6);
      return;
    case bsQuicken:
      c->Pen()->SetStyle(psClear);
      c->Brush()->SetColor(face);
      c->RoundRect(0, 1, w, h, 4, 4);
      c->Brush()->SetStyle(bsClear);
      c->Pen()->SetStyle(psSolid);
      c->Pen()->SetColor(d.ShadowColor);
      c->MoveTo(4, 0);
      c->LineTo(w - 5, 0);
      c->MoveTo(4, h - 1);
      c->LineTo(w - 5, h - 1);
      return;
    case bsShape:
      return;
  }
}

}  // namespace

TFadeColorStyleValues ColorStyleValues(int style) {
  TFadeColorStyleValues out;
  const int value = ((style % 128) + 128) % 128;
  for (const ColorStyleRow& row : kColorStyles) {
    if (row.style != value) continue;
    out.Color = row.color;
    out.LightColor = row.light;
    out.ShadowColor = row.shadow;
    out.ColorWhenDown = row.down;
    out.HotTrackColor = row.hot;
    out.FontColor = row.font;
    out.Flat = row.flat;
    out.Modern = row.result == bsModern;
    out.Quicken = row.result == bsQuicken;
    return out;
  }
  return out;
}

TColor BlendHotTrackColor(TColor color, TColor hotTrackColor, int step) {
  const TColor c = ColorToRGB(color);
  const TColor h = ColorToRGB(hotTrackColor);
  const double f = step / static_cast<double>(kHotTrackSteps);
  TColor out = 0;
  for (int shift : {0, 8, 16}) {
    const int v = static_cast<int>(Channel(c, shift) * (1.0 - f) + Channel(h, shift) * f);
    out |= (v & 0xFF) << shift;
  }
  return out;
}

void DrawGradientBands(TCanvas* canvas, TColor startColor, TColor endColor, int left, int top, int right,
                       int bottom) {
  const TColor s = ColorToRGB(startColor);
  const TColor e = ColorToRGB(endColor);
  const int span = bottom - top;
  const int bandHeight = span / 31 + 1;
  TPen saved;
  saved.Assign(*canvas->Pen());
  canvas->Pen()->SetStyle(psClear);
  canvas->Brush()->SetStyle(bsSolid);
  for (int i = 0; i < 32; ++i) {
    const int bandTop = top + i * span / 31;
    const int bandBottom = std::min(bandTop + bandHeight, bottom);
    TColor fill = 0;
    for (int shift : {0, 8, 16}) {
      const int v = static_cast<int>(Channel(s, shift) + i * (Channel(e, shift) - Channel(s, shift)) / 31.0);
      fill |= (v & 0xFF) << shift;
    }
    canvas->Brush()->SetColor(fill);
    canvas->FillRect(Rect(left, bandTop, right, bandBottom));
  }
  canvas->Pen()->Assign(saved);
}

void DrawGlyphFrame(TCanvas* canvas, int x, int y, int sourceX, int height, int width, TBitmap* glyph) {
  if (!glyph || width <= 0 || height <= 0) return;
  TBitmap cell(width, height);
  cell.Canvas()->CopyRect(Rect(0, 0, width, height), glyph->Canvas(), Rect(sourceX, 0, sourceX + width, height));
  cell.SetTransparent(true);
  canvas->Draw(x, y, &cell);
}

int GlyphCellSourceX(bool enabled, bool hot, bool down, int numGlyphs, int cellWidth) {
  if (!enabled) return cellWidth;
  if (down && numGlyphs > 2) return 2 * cellWidth;
  if (hot && numGlyphs > 3) return 3 * cellWidth;
  return 0;
}

QString CutCaption(TCanvas* canvas, const QString& caption, int width) {
  QString cut = caption;
  while (!cut.isEmpty() && canvas->TextWidth(cut) > width) cut.chop(1);
  return cut;
}

void DrawFadeButton(TCanvas* c, const TFadeButtonDrawing& d) {
  const int W = d.Width, H = d.Height;
  // 1. Pressed state and the content shift.
  const bool down = d.Enabled && d.Down;
  const int shift = down && d.Style != bsEncarta ? 1 : 0;

  // 2. Face colour.
  TColor face = d.Color;
  if (d.Enabled && d.HotTrackColor != clNone) face = BlendHotTrackColor(d.Color, d.HotTrackColor, d.HotTrackStep);
  if (down && d.ColorWhenDown != clNone) face = d.ColorWhenDown;

  // 3. Face fill.
  c->Pen()->SetStyle(psSolid);
  c->Brush()->SetStyle(bsSolid);
  if (d.Style == bsShape) {
    c->Brush()->SetColor(kFadeTransparentKey);
    c->FillRect(Rect(-1, -1, W + 1, H + 1));
  } else if (!d.NoFace) {
    switch (d.Style) {
      case bsNormal:
      case bsEncarta:
      case bsOld:
        c->Brush()->SetColor(face);
        c->FillRect(Rect(-1, -1, W + 1, H + 1));
        break;
      case bsModern:
        DrawGradientBands(c, d.LightColor, face, 2, 2, W - 2, H / 4 + shift);
        DrawGradientBands(c, face, d.LightColor, 2, H / 4 + shift, W - 2, H - 1);
        break;
      default: break;
    }
  }

  // 4. Frame; the brush stays clear from here on.
  DrawFrame(c, d, down, face);
  c->Brush()->SetStyle(bsClear);

  // 5. Font.
  if (d.Font) c->Font()->Assign(*d.Font);
  if (d.Style == bsEncarta && down) c->Font()->SetStyle(c->Font()->Style() + fsBold);
  // The shape style's caption lies on the transparent key colour: smoothed edges
  // would mix with it and stay as a coloured fringe.
  if (d.Style == bsShape) c->Font()->SetQuality(fqNonAntialiased);

  // 6. Glyph cell.
  const int h = d.Glyph ? d.Glyph->Height() : 0;
  const int w = d.Glyph && d.NumGlyphs > 0 ? d.Glyph->Width() / d.NumGlyphs : 0;
  const int sourceX = GlyphCellSourceX(d.Enabled, d.Hot, down, d.NumGlyphs, w);

  // 7. Text format.
  const unsigned format = TextFormat(d.Alignment);

  // 8. Shape style: glyph and caption centred.
  if (d.Style == bsShape) {
    const int v = std::max(0, W - 8);
    const QString caption = d.WordWrap ? d.Caption : CutCaption(c, d.Caption, v);
    const int textHeight = MeasureCaption(c, caption, v).cy;
    DrawGlyphFrame(c, (W - w) / 2, (H - h) / 2, sourceX, h, w, d.Glyph);
    TRect r = Rect(shift, (H - textHeight) / 2 + shift, W, H);
    c->DrawText(caption, r, DT_WORDBREAK | DT_CENTER);
  } else {
    int v = 0, textX = 0, textY = 0, glyphX = 0, glyphY = 0, textHeight = 0;
    QString caption;
    if (d.Layout == blGlyphTop || d.Layout == blGlyphBottom) {
      // 9. Glyph above or below the caption.
      v = std::max(0, W - 8);
      caption = d.WordWrap ? d.Caption : CutCaption(c, d.Caption, v);
      textHeight = MeasureCaption(c, caption, v).cy;
      const int total = h > 0 ? h + textHeight + 4 : textHeight;
      textX = shift + 4;
      const int top = (H - total) / 2;
      if (d.Layout == blGlyphTop) {
        textY = top + h + shift;
        glyphY = top + shift;
      } else {
        textY = top + shift;
        glyphY = top + textHeight + shift;
      }
      switch (d.Alignment) {
        case taLeftJustify: glyphX = shift + 4; break;
        case taRightJustify: glyphX = W + shift - w - 4; break;
        case taCenter: glyphX = (W - w) / 2 + shift; break;
      }
    } else {
      // 10. Glyph left or right of the caption.
      v = std::max(0, w == 0 ? W - 8 : W - w - 12);
      caption = d.WordWrap ? d.Caption : CutCaption(c, d.Caption, v);
      const TSize measured = MeasureCaption(c, caption, v);
      textHeight = measured.cy;
      textY = (H - textHeight) / 2 + shift;
      textX = shift + 4;
      glyphY = (H - h) / 2 + shift;
      const int tw = caption.isEmpty() ? 0 : measured.cx + 4;
      if (d.Layout == blGlyphRight) {
        glyphX = textX + tw;
        if (!d.WordWrap) {
          switch (d.Alignment) {
            case taLeftJustify: glyphX = textX + tw; break;
            case taRightJustify: glyphX = W + shift - w - 4; break;
            case taCenter: glyphX = (W - w) / 2 + shift + tw / 2; break;
          }
        }
      } else {
        if (w > 0) textX += w + 4;
        glyphX = shift + 4;
        if (!d.WordWrap) {
          switch (d.Alignment) {
            case taLeftJustify: glyphX = shift + 4; break;
            case taRightJustify: glyphX = W + shift - w - tw - 4; break;
            case taCenter: glyphX = (W - w) / 2 + shift - tw / 2; break;
          }
        }
      }
    }
    // 11. Caption and glyph.
    if (!d.Enabled) c->Font()->SetColor(0x808080);
    TRect r = Rect(textX, textY, textX + v, textY + textHeight);
    c->DrawText(caption, r, format);
    DrawGlyphFrame(c, glyphX, glyphY, sourceX, h, w, d.Glyph);
  }

  // 12. The pop-up menu's arrow.
  if (d.HasPopupMenu) {
    TBitmap arrow;
    if (LoadButtonGlyph(QStringLiteral("LBARROW"), &arrow)) {
      arrow.SetTransparent(true);
      c->Draw(W - 11, H / 2 - 1, &arrow);
    }
  }
}
