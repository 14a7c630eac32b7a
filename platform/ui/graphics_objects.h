// The class library's drawing tools: font, pen and brush (stand for TFont, TPen
// and TBrush of the class library's graphics unit). Each raises `OnChange` from its
// setters; `Assign` copies every setting and raises `OnChange` once.
#pragma once

#include <QString>

#include "platform/rtl/object.h"
#include "platform/rtl/sets.h"
#include "platform/ui/graphics.h"

// Screen resolution every size in points is converted with (the class library's
// Screen.PixelsPerInch on a standard display).
inline constexpr int kPixelsPerInch = 96;

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

// How text edges are smoothed: as the system does, never, always.
enum TFontQuality { fqDefault, fqNonAntialiased, fqAntialiased };

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
// How the pen combines with what is drawn already: copy, invert the destination,
// exclusive-or, inverted exclusive-or.
enum TPenMode { pmCopy, pmNot, pmXor, pmNotXor };
enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TGraphicsObject : public TPersistent {
public:
  TNotifyEvent OnChange;

protected:
  void Changed();
};

class TFont : public TGraphicsObject {
public:
  TFont();

  QString Name() const { return name_; }
  void SetName(const QString& value);
  // Size in points; the font is kept as its pixel height, like the class library.
  int Size() const;
  void SetSize(int value);
  // Negative: character height in pixels (the usual form); positive: cell height.
  int Height() const { return height_; }
  void SetHeight(int value);
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles value);
  // Angle of the text base line in tenths of a degree, counter-clockwise.
  int Orientation() const { return orientation_; }
  void SetOrientation(int value);
  TFontQuality Quality() const { return quality_; }
  void SetQuality(TFontQuality value);

  void Assign(const TPersistent* Source) override;
  void Assign(const TFont& source);
  bool SameAs(const TFont& other) const;

private:
  QString name_;
  int height_;
  TColor color_;
  TFontStyles style_;
  int orientation_ = 0;
  TFontQuality quality_ = fqDefault;
};

class TPen : public TGraphicsObject {
public:
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  int Width() const { return width_; }
  void SetWidth(int value);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle value);
  TPenMode Mode() const { return mode_; }
  void SetMode(TPenMode value);

  void Assign(const TPersistent* Source) override;
  void Assign(const TPen& source);

private:
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  TPenMode mode_ = pmCopy;
};

class TBrush : public TGraphicsObject {
public:
  TColor Color() const { return color_; }
  // Setting a colour makes a clear brush solid again, as in the class library.
  void SetColor(TColor value);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle value);

  void Assign(const TPersistent* Source) override;
  void Assign(const TBrush& source);

private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
};
