#include "platform/ui/rich_edit.h"

#include <QAbstractTextDocumentLayout>
#include <algorithm>
#include <QPainter>
#include <QPalette>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <cmath>
#include <memory>

#include "platform/ui/canvas.h"
#include "platform/ui/qt_graphics.h"
#include "platform/ui/rich_text_rtf.h"
#include "platform/ui/widget_host.h"

namespace {

// The character offset in twips, kept in the character format beside the
// vertical alignment that shows it.
constexpr int kOffsetProperty = QTextFormat::UserProperty + 1;

int OffsetOf(const QTextCharFormat& f) { return f.property(kOffsetProperty).toInt(); }

QTextCharFormat OffsetFormat(int twips) {
  QTextCharFormat f;
  f.setProperty(kOffsetProperty, twips);
  f.setVerticalAlignment(twips > 0   ? QTextCharFormat::AlignSuperScript
                         : twips < 0 ? QTextCharFormat::AlignSubScript
                                     : QTextCharFormat::AlignNormal);
  return f;
}

}  // namespace

// The widget: mouse events go through the control's dispatcher (ViewportHosted).
class RichWidget : public ViewportHosted<QTextEdit> {};

TRichEdit::TRichEdit(TComponent* AOwner) : TWinControl(AOwner, new RichWidget) {
  SetTabStop(true);
  SetBounds(0, 0, 185, 89);
  RichWidget* w = Rich();
  w->setAcceptRichText(false);  // pasted text comes as plain text
  w->setTabChangesFocus(false);  // a Tab that reaches the control is typed
  w->document()->setDocumentMargin(0);
  w->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  w->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QObject::connect(w, &QTextEdit::textChanged, [this] {
    if (!loading_) Change();
  });
  QObject::connect(w, &QTextEdit::selectionChanged, [this] { SelectionChange(); });
  QObject::connect(w->document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged,
                   [this](const QSizeF&) { ContentSizeChanged(); });
  ApplyColor();
}

TRichEdit::~TRichEdit() = default;

RichWidget* TRichEdit::Rich() const { return static_cast<RichWidget*>(Host()); }

void TRichEdit::LoadFromBytes(const QByteArray& Bytes) {
  RichWidget* w = Rich();
  loading_ = true;
  w->clear();
  QTextCursor c(w->document());
  for (const TRichRun& run : ReadRichText(Bytes)) c.insertText(run.Text, OffsetFormat(run.Offset));
  c.movePosition(QTextCursor::Start);
  w->setTextCursor(c);
  w->setCurrentCharFormat(OffsetFormat(0));
  loading_ = false;
  Change();
}

QByteArray TRichEdit::SaveToBytes() const {
  TRichRuns runs;
  const QTextDocument* doc = Rich()->document();
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
    if (b != doc->begin()) runs.push_back({QStringLiteral("\n"), 0});
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      if (f.isValid()) runs.push_back({f.text(), OffsetOf(f.charFormat())});
    }
  }
  // A paragraph break takes the offset of the text before it.
  for (size_t i = 1; i < runs.size(); ++i)
    if (runs[i].Text == QStringLiteral("\n")) runs[i].Offset = runs[i - 1].Offset;
  return WriteRichText(runs, Font()->Name(), Font()->Size());
}

void TRichEdit::Clear() {
  loading_ = true;
  Rich()->clear();
  Rich()->setCurrentCharFormat(OffsetFormat(0));
  loading_ = false;
  Change();
}

QString TRichEdit::GetText() const {
  QString s = Rich()->toPlainText();
  s.replace(u'\n', QStringLiteral("\r\n"));
  return s;
}

void TRichEdit::StoreText(const QString& Value) {
  QString s = Value;
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(u'\r', u'\n');
  Rich()->setPlainText(s);
}

int TRichEdit::SelStart() const { return Rich()->textCursor().selectionStart(); }

void TRichEdit::SetSelStart(int Value) {
  QTextCursor c = Rich()->textCursor();
  c.setPosition(std::clamp(Value, 0, Rich()->document()->characterCount() - 1));
  Rich()->setTextCursor(c);
}

int TRichEdit::SelLength() const {
  const QTextCursor c = Rich()->textCursor();
  return c.selectionEnd() - c.selectionStart();
}

void TRichEdit::SetSelLength(int Value) {
  QTextCursor c = Rich()->textCursor();
  const int start = c.selectionStart();
  c.setPosition(start);
  c.setPosition(std::clamp(start + Value, 0, Rich()->document()->characterCount() - 1), QTextCursor::KeepAnchor);
  Rich()->setTextCursor(c);
}

void TRichEdit::SelectAll() { Rich()->selectAll(); }

int TRichEdit::SelOffset() const {
  const QTextCursor c = Rich()->textCursor();
  if (!c.hasSelection()) return OffsetOf(Rich()->currentCharFormat());
  // The first selected character's.
  QTextCursor first(Rich()->document());
  first.setPosition(c.selectionStart() + 1);
  return OffsetOf(first.charFormat());
}

void TRichEdit::SetSelOffset(int Twips) {
  const QTextCharFormat f = OffsetFormat(Twips);
  QTextCursor c = Rich()->textCursor();
  if (c.hasSelection()) c.mergeCharFormat(f);
  Rich()->mergeCurrentCharFormat(f);
}

void TRichEdit::SetHideSelection(bool Value) {
  hide_selection_ = Value;
  // The selection's colours stay those of an active window when it is kept shown.
  QPalette pal = Rich()->palette();
  if (!Value) {
    pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText, pal.color(QPalette::Active, QPalette::HighlightedText));
  } else {
    pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Inactive, QPalette::Window));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText, pal.color(QPalette::Inactive, QPalette::Text));
  }
  Rich()->setPalette(pal);
}

void TRichEdit::SetBorderStyle(TFormBorderStyle Value) {
  border_style_ = Value;
  Rich()->setFrameStyle(Value == bsNone ? QFrame::NoFrame : QFrame::StyledPanel | QFrame::Sunken);
}

void TRichEdit::SetWordWrap(bool Value) {
  word_wrap_ = Value;
  Rich()->setLineWrapMode(Value ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

void TRichEdit::SetFormatRect(TRect R) {
  const int w = Width(), h = Height();
  Rich()->SetMargins(std::max(0, R.Left), std::max(0, R.Top), std::max(0, w - R.Right), std::max(0, h - R.Bottom));
}

void TRichEdit::DrawInto(TCanvas* Canvas, TRect Rect, TColor TextColor) const {
  QPainter* p = Canvas ? Canvas->Painter() : nullptr;
  const int w = Rect.Right - Rect.Left, h = Rect.Bottom - Rect.Top;
  if (!p || w <= 0 || h <= 0) return;
  // A copy of the document, so that the control's own layout and colours stay.
  std::unique_ptr<QTextDocument> doc(Rich()->document()->clone());
  doc->setDocumentMargin(0);
  doc->setDefaultFont(Rich()->font());
  doc->setTextWidth(word_wrap_ ? w : -1);
  if (TextColor != clNone) {
    QTextCursor all(doc.get());
    all.select(QTextCursor::Document);
    QTextCharFormat f;
    f.setForeground(ToQColor(TextColor));
    all.mergeCharFormat(f);
  }
  p->save();
  p->translate(Rect.Left, Rect.Top);
  doc->drawContents(p, QRectF(0, 0, w, h));
  p->restore();
}

void TRichEdit::RequestSize() {
  last_height_ = -1;
  ContentSizeChanged();
}

void TRichEdit::ContentSizeChanged() {
  const QSizeF size = Rich()->document()->documentLayout()->documentSize();
  const int h = static_cast<int>(std::ceil(size.height()));
  if (h == last_height_) return;
  last_height_ = h;
  RequestResize(TRect{0, 0, Width(), h});
}

void TRichEdit::RequestResize(TRect Rect) {
  if (OnResizeRequest) OnResizeRequest(this, Rect);
}

void TRichEdit::Change() {
  if (OnChange) OnChange(this);
}

void TRichEdit::SelectionChange() {
  if (OnSelectionChange) OnSelectionChange(this);
}

void TRichEdit::ApplyColor() {
  QWidget* w = Widget();
  if (!w) return;
  QPalette pal = w->palette();
  pal.setColor(QPalette::Base, ToQColor(Color()));
  w->setPalette(pal);
}

// A multi-line edit: arrows, characters and Enter stay with it.
void TRichEdit::WMGetDlgCode(TMessage& Message) {
  Message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL | DLGC_WANTALLKEYS;
}
