#include "platform/ui/shaped_texts.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>
#include <memory>
#include <vector>

namespace {

// Texts kept per font; past that the font's texts start afresh.
constexpr qsizetype kKeptTexts = 4096;
// Fonts kept per thread.
constexpr size_t kKeptFonts = 4;

}  // namespace

TShapedTexts& TShapedTexts::For(const QFont& font) {
  thread_local std::vector<std::unique_ptr<TShapedTexts>> fonts;
  thread_local size_t next = 0;
  for (auto& f : fonts)
    if (f->font_ == font) return *f;
  if (fonts.size() < kKeptFonts) {
    fonts.push_back(std::unique_ptr<TShapedTexts>(new TShapedTexts(font)));
    return *fonts.back();
  }
  TShapedTexts& reused = *fonts[next];
  next = (next + 1) % kKeptFonts;
  reused.font_ = font;
  reused.texts_.clear();
  return reused;
}

TShapedTexts::TKept& TShapedTexts::Entry(QStringView text) {
  auto it = texts_.find(text);
  if (it != texts_.end()) return *it;
  if (texts_.size() >= size_t(kKeptTexts)) texts_.clear();
  return *texts_.emplace(text.toString(), TShape()).first;
}

int TShapedTexts::Width(QStringView text) {
  TKept& kept = Entry(text);
  if (kept.second.Width < 0) kept.second.Width = QFontMetrics(font_).horizontalAdvance(kept.first);
  return kept.second.Width;
}

std::optional<int> TShapedTexts::KnownWidth(QStringView text) const {
  const auto it = texts_.find(text);
  if (it == texts_.end() || it->second.Width < 0) return std::nullopt;
  return it->second.Width;
}

bool TShapedTexts::PlainLatin(const QString& text) {
  for (QChar c : text)
    if (c.unicode() < 0x20 || c.unicode() >= 0x300 || (c.unicode() >= 0x7F && c.unicode() < 0xA0)) return false;
  return true;
}

bool TShapedTexts::Decorated(const QFont& font) {
  return font.underline() || font.strikeOut() || font.overline();
}

void TShapedTexts::Lay(TShape& shape, const QString& text) const {
  QTextLayout layout(text, font_);
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();
  shape.Ascent = line.ascent();
  shape.Runs = layout.glyphRuns();
  shape.Laid = true;
}

void TShapedTexts::Draw(QPainter& p, int x, int baseline, const QString& text) {
  if (text.isEmpty()) return;
  // Decorations and texts outside plain Latin go the painter's way each time.
  const bool keep = !Decorated(font_) && PlainLatin(text);
  TShape* shape = keep ? &Entry(text).second : nullptr;
  if (shape && !shape->Laid && shape->Drawn >= 1) Lay(*shape, text);
  if (shape && shape->Laid) {
    // The layout puts the baseline at its ascent; the glyphs land on the same
    // whole-pixel baseline as the painter's own drawing.
    const QPointF origin(x, baseline - shape->Ascent);
    for (const QGlyphRun& run : shape->Runs) p.drawGlyphRun(origin, run);
    return;
  }
  if (shape) ++shape->Drawn;
  if (!(p.font() == font_)) p.setFont(font_);
  p.drawText(QPoint(x, baseline), text);
}
