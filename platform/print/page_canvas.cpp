#include "platform/print/page_canvas.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/print/printer.h"
#include "platform/ui/qt_graphics.h"

namespace {

Qt::PenStyle QtPenStyle(TPenStyle style) {
  switch (style) {
    case psDash: return Qt::DashLine;
    case psDot: return Qt::DotLine;
    case psDashDot: return Qt::DashDotLine;
    case psDashDotDot: return Qt::DashDotDotLine;
    case psClear: return Qt::NoPen;
    default: return Qt::SolidLine;
  }
}

int Round(double v) { return static_cast<int>(std::lround(v)); }

// The lines of a text in a width (logical units): paragraphs at line breaks, and
// with a word break at blanks; a word wider than the width stays whole unless
// the edit-control rule breaks it by characters.
QStringList BreakLines(const QString& Text, unsigned Flags, double Width, const QFontMetricsF& fm) {
  QString text = Text;
  if (Flags & DT_SINGLELINE) {
    text.remove(u'\r');
    text.remove(u'\n');
    return {text};
  }
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(u'\r', u'\n');
  QStringList lines;
  for (const QString& paragraph : text.split(u'\n')) {
    if (!(Flags & DT_WORDBREAK) || fm.horizontalAdvance(paragraph) <= Width) {
      lines << paragraph;
      continue;
    }
    QString line;
    const QStringList words = paragraph.split(u' ');
    for (int i = 0; i < words.size(); ++i) {
      const QString candidate = line.isEmpty() ? words[i] : line + u' ' + words[i];
      if (fm.horizontalAdvance(candidate) <= Width || line.isEmpty()) {
        line = candidate;
      } else {
        lines << line;
        line = words[i];
      }
      if ((Flags & DT_EDITCONTROL) && fm.horizontalAdvance(line) > Width) {
        // A word wider than the whole width is broken by characters.
        QString part;
        for (QChar c : line) {
          if (!part.isEmpty() && fm.horizontalAdvance(part + c) > Width) {
            lines << part;
            part.clear();
          }
          part += c;
        }
        line = part;
      }
    }
    lines << line;
  }
  return lines;
}

QString Elide(const QString& line, double Width, const QFontMetricsF& fm) {
  if (fm.horizontalAdvance(line) <= Width) return line;
  const QString dots = QStringLiteral("...");
  QString s = line;
  while (!s.isEmpty() && fm.horizontalAdvance(s + dots) > Width) s.chop(1);
  return s + dots;
}

QString ExpandTabs(const QString& text, const QFontMetricsF& fm) {
  if (!text.contains(u'\t')) return text;
  const double tab = std::max(1.0, 8 * fm.averageCharWidth());
  QString out;
  for (QChar c : text) {
    if (c != u'\t') {
      out += c;
      continue;
    }
    const double target = (std::floor(fm.horizontalAdvance(out) / tab) + 1) * tab;
    while (fm.horizontalAdvance(out) < target) out += u' ';
  }
  return out;
}

}  // namespace

TPageCanvas::TPageCanvas(QPainter* Painter, double DpiX, double DpiY, TPoint Origin)
    : painter_(Painter),
      dpiX_(DpiX > 0 ? DpiX : 96),
      dpiY_(DpiY > 0 ? DpiY : 96),
      sx_(dpiX_ / 254.0),
      sy_(dpiY_ / 254.0),
      origin_(Origin) {
  font_.SetHeight(-28);  // 8 points at 254 units per inch
}

TPageCanvas::TPageCanvas(double DpiX, double DpiY) : TPageCanvas(nullptr, DpiX, DpiY, {0, 0}) {}

TPageCanvas::TPageCanvas(TPrinter* Printer)
    : TPageCanvas(Printer->Painter(), Printer->XResolution(), Printer->YResolution(), {0, 0}) {}

namespace {

double DeviceDpi(TCanvas* Canvas, bool Vertical) {
  QPainter* p = Canvas ? Canvas->Painter() : nullptr;
  if (!p || !p->device()) return 96;
  return Vertical ? p->device()->logicalDpiY() : p->device()->logicalDpiX();
}

}  // namespace

TPageCanvas::TPageCanvas(TCanvas* Canvas, const TRect& Target)
    : TPageCanvas(Canvas ? Canvas->Painter() : nullptr, DeviceDpi(Canvas, false), DeviceDpi(Canvas, true),
                  {Target.Left, Target.Top}) {
  if (painter_) {
    painter_->save();
    painter_->setClipRect(ToQRect(Target), Qt::IntersectClip);
    restoreClip_ = true;
  }
}

TPageCanvas::~TPageCanvas() {
  deviceCanvas_.reset();
  if (restoreClip_) painter_->restore();
}

TCanvas* TPageCanvas::DeviceCanvas() {
  if (!painter_) return nullptr;
  if (!deviceCanvas_) {
    deviceCanvas_ = std::make_unique<TCanvas>();
    deviceCanvas_->BindPainter(painter_);
  }
  return deviceCanvas_.get();
}

TPoint TPageCanvas::ToDevice(TPoint p) const { return {origin_.X + Round(p.X * sx_), origin_.Y - Round(p.Y * sy_)}; }

TPoint TPageCanvas::ToLogical(TPoint device) const {
  return {Round((device.X - origin_.X) / sx_), Round(-(device.Y - origin_.Y) / sy_)};
}

TRect TPageCanvas::ToDevice(const TRect& r) const {
  const TPoint a = ToDevice(TPoint{r.Left, r.Top}), b = ToDevice(TPoint{r.Right, r.Bottom});
  return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}

TRect TPageCanvas::ToLogical(const TRect& device) const {
  const TPoint a = ToLogical(TPoint{device.Left, device.Top}), b = ToLogical(TPoint{device.Right, device.Bottom});
  return {std::min(a.X, b.X), std::max(a.Y, b.Y), std::max(a.X, b.X), std::min(a.Y, b.Y)};
}

int TPageCanvas::DeviceToUnitsX(int pixels) const { return Round(pixels / sx_); }
int TPageCanvas::DeviceToUnitsY(int pixels) const { return Round(pixels / sy_); }

QFont TPageCanvas::LogicalFont(const TFont& F) const {
  TFont f;
  f.Assign(F);
  f.SetQuality(fqAntialiased);  // outlines, never a screen font's bitmap strike
  f.SetOrientation(0);
  QFont q = ToQFont(f);
  q.setHintingPreference(QFont::PreferNoHinting);
  return q;
}

QFont TPageCanvas::DeviceFont(const TFont& F) const {
  TFont f;
  f.Assign(F);
  f.SetQuality(fqAntialiased);
  f.SetOrientation(0);
  const int h = F.Height();
  f.SetHeight(h == 0 ? 0 : (h < 0 ? -std::max(1, Round(-h * sy_)) : std::max(1, Round(h * sy_))));
  QFont q = ToQFont(f);
  q.setHintingPreference(QFont::PreferNoHinting);
  return q;
}

int TPageCanvas::TextWidth(const QString& Text) {
  return Round(QFontMetricsF(LogicalFont(font_)).horizontalAdvance(Text));
}

int TPageCanvas::TextHeight(const QString&) { return Round(QFontMetricsF(LogicalFont(font_)).height()); }

void TPageCanvas::DrawTextAt(double dx, double dy, const QString& Text) {
  QPainter& p = *painter_;
  const QFont qf = DeviceFont(font_);
  const QFontMetricsF fm(qf, p.device());
  p.save();
  p.setFont(qf);
  p.translate(dx, dy);
  if (font_.Orientation() != 0) p.rotate(-font_.Orientation() / 10.0);
  if (brush_.Style() == bsSolid && brush_.Color() != clNone)
    p.fillRect(QRectF(0, 0, fm.horizontalAdvance(Text), fm.height()), ToQColor(brush_.Color()));
  p.setPen(ToQColor(font_.Color()));
  p.drawText(QPointF(0, fm.ascent()), Text);
  p.restore();
}

void TPageCanvas::TextOut(int X, int Y, const QString& Text) {
  if (!painter_) return;
  DrawTextAt(origin_.X + X * sx_, origin_.Y - Y * sy_, Text);
}

void TPageCanvas::TextRect(const TRect& R, int X, int Y, const QString& Text) {
  if (!painter_) return;
  painter_->save();
  painter_->setClipRect(ToQRect(ToDevice(R)), Qt::IntersectClip);
  if (brush_.Style() == bsSolid && brush_.Color() != clNone)
    painter_->fillRect(ToQRect(ToDevice(R)), ToQColor(brush_.Color()));
  const TBrushStyle keep = brush_.Style();
  brush_.SetStyle(bsClear);
  TextOut(X, Y, Text);
  brush_.SetStyle(keep);
  painter_->restore();
}

int TPageCanvas::DrawText(const QString& Text, TRect& R, unsigned Flags) {
  const QFontMetricsF fm(LogicalFont(font_));
  const double lineHeight = fm.height();
  const double width = std::max(0, R.Right - R.Left);
  QString text = Text;
  if (Flags & DT_EXPANDTABS) text = ExpandTabs(text, fm);
  QStringList lines = BreakLines(text, Flags, width, fm);
  if ((Flags & DT_END_ELLIPSIS) && !(Flags & DT_CALCRECT))
    for (QString& line : lines) line = Elide(line, width, fm);
  const int total = Round(lineHeight * lines.size());
  if (Flags & DT_CALCRECT) {
    double widest = 0;
    for (const QString& line : lines) widest = std::max(widest, fm.horizontalAdvance(line));
    R.Right = R.Left + Round(widest);
    R.Bottom = R.Top - total;
    return total;
  }
  double top = R.Top;
  if (Flags & DT_SINGLELINE) {
    const double space = R.Top - R.Bottom;
    if (Flags & DT_VCENTER) top = R.Top - (space - lineHeight) / 2;
    else if (Flags & DT_BOTTOM) top = R.Bottom + lineHeight;
  }
  const int result = Round(R.Top - top) + total;
  if (!painter_) return result;
  painter_->save();
  if (!(Flags & DT_NOCLIP)) painter_->setClipRect(ToQRect(ToDevice(R)), Qt::IntersectClip);
  const TBrushStyle keep = brush_.Style();
  brush_.SetStyle(bsClear);
  for (const QString& line : lines) {
    const double w = fm.horizontalAdvance(line);
    double x = R.Left;
    if (Flags & DT_CENTER) x = R.Left + (width - w) / 2;
    else if (Flags & DT_RIGHT) x = R.Right - w;
    DrawTextAt(origin_.X + x * sx_, origin_.Y - top * sy_, line);
    top -= lineHeight;
  }
  brush_.SetStyle(keep);
  painter_->restore();
  return result;
}

void TPageCanvas::ApplyPen() {
  QPen pen(ToQColor(pen_.Color()));
  pen.setStyle(QtPenStyle(pen_.Style()));
  // At least one device pixel, so that thin lines show on a coarse preview.
  pen.setWidthF(std::max(1.0, pen_.Width() * sx_));
  pen.setCapStyle(Qt::FlatCap);
  painter_->setPen(pen);
}

void TPageCanvas::ApplyBrush() {
  if (brush_.Style() == bsClear || brush_.Color() == clNone) painter_->setBrush(Qt::NoBrush);
  else painter_->setBrush(ToQColor(brush_.Color()));
}

void TPageCanvas::FillRect(const TRect& R) {
  if (!painter_ || brush_.Color() == clNone || brush_.Style() == bsClear) return;
  painter_->fillRect(ToQRect(ToDevice(R)), ToQColor(brush_.Color()));
}

void TPageCanvas::Rectangle(const TRect& R) {
  if (!painter_) return;
  painter_->save();
  ApplyPen();
  ApplyBrush();
  const TRect d = ToDevice(R);
  painter_->drawRect(QRectF(d.Left, d.Top, d.Width(), d.Height()));
  painter_->restore();
}

void TPageCanvas::MoveTo(int X, int Y) { penPos_ = {X, Y}; }

void TPageCanvas::LineTo(int X, int Y) {
  if (painter_ && pen_.Style() != psClear) {
    painter_->save();
    ApplyPen();
    painter_->drawLine(QPointF(origin_.X + penPos_.X * sx_, origin_.Y - penPos_.Y * sy_),
                       QPointF(origin_.X + X * sx_, origin_.Y - Y * sy_));
    painter_->restore();
  }
  penPos_ = {X, Y};
}

void TPageCanvas::StretchDraw(const TRect& R, const QImage& Image) {
  if (!painter_ || Image.isNull()) return;
  painter_->drawImage(ToQRect(ToDevice(R)), Image);
}

void TPageCanvas::Gradient(const TRect& R, TColor From, TColor To, int Steps, bool Horizontal) {
  if (!painter_) return;
  if (From == clNone || To == clNone || Steps < 2) {
    const TColor c = From == clNone ? To : From;
    if (c != clNone) painter_->fillRect(ToQRect(ToDevice(R)), ToQColor(c));
    return;
  }
  const TRect d = ToDevice(R);
  const QColor a = ToQColor(From), b = ToQColor(To);
  const int length = Horizontal ? d.Width() : d.Height();
  for (int i = 0; i < Steps; ++i) {
    const int from = length * i / Steps, to = length * (i + 1) / Steps;
    if (to <= from) continue;
    const QColor c(a.red() + (b.red() - a.red()) * i / (Steps - 1), a.green() + (b.green() - a.green()) * i / (Steps - 1),
                   a.blue() + (b.blue() - a.blue()) * i / (Steps - 1));
    const QRect band = Horizontal ? QRect(d.Left + from, d.Top, to - from, d.Height())
                                  : QRect(d.Left, d.Top + from, d.Width(), to - from);
    painter_->fillRect(band, c);
  }
}

void TPageCanvas::SetClipRect(const TRect& R) {
  if (painter_) painter_->setClipRect(ToQRect(ToDevice(R)));
}

void TPageCanvas::RemoveClip() {
  if (painter_) painter_->setClipping(false);
}
