#include "platform/ui/edit_engine.h"

#include <QAbstractTextDocumentLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QTextBlock>
#include <QTextLayout>

#include "platform/ui/widget_host.h"

namespace {

// The look of the application's style with another password character (the
// line edit asks its style for it).
class PasswordCharStyle : public QProxyStyle {
public:
  explicit PasswordCharStyle(QChar ch) : ch_(ch) {}
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* ret) const override {
    if (hint == SH_LineEdit_PasswordCharacter) return ch_.unicode();
    return QProxyStyle::styleHint(hint, option, widget, ret);
  }

private:
  QChar ch_;
};

class LineEngine : public EditEngine {
public:
  explicit LineEngine(QLineEdit* e) : e_(e) {}
  QString Text() const override { return e_->text(); }
  void SetText(const QString& text) override { e_->setText(text); }
  int Anchor() const override {
    if (!e_->hasSelectedText()) return e_->cursorPosition();
    const int start = e_->selectionStart();
    return e_->cursorPosition() == start ? start + static_cast<int>(e_->selectedText().size()) : start;
  }
  int Caret() const override { return e_->cursorPosition(); }
  void Select(int anchor, int caret) override {
    e_->deselect();
    e_->setCursorPosition(anchor);
    if (caret != anchor) e_->setSelection(anchor, caret - anchor);
  }
  void Insert(const QString& text) override {
    if (text.isEmpty()) {
      if (e_->hasSelectedText()) e_->del();
      return;
    }
    e_->insert(text);
  }
  void SelectAll() override { e_->selectAll(); }
  bool CanUndo() const override { return e_->isUndoAvailable(); }
  void Undo() override { e_->undo(); }
  bool ReadOnly() const override { return e_->isReadOnly(); }
  void SetReadOnly(bool value) override { e_->setReadOnly(value); }
  bool Modified() const override { return e_->isModified(); }
  void SetModified(bool value) override { e_->setModified(value); }
  void SetAlignment(int a) override { e_->setAlignment(Qt::Alignment(a) | Qt::AlignVCenter); }
  void SetFrame(bool frame) override { e_->setFrame(frame); }
  void SetMargins(int l, int t, int r, int b) override { e_->setTextMargins(l, t, r, b); }
  int CharFromPos(TPoint p) const override { return e_->cursorPositionAt(QPoint(p.X, p.Y)); }
  int LineCount() const override { return 1; }
  int LineFromChar(int) const override { return 0; }
  QString DisplayText() const override { return e_->displayText(); }
  void SetInputMask(const QString& mask) override {
    if (e_->inputMask() != mask) e_->setInputMask(mask);
  }
  void SetPasswordChar(QChar ch) override {
    QStyle* old = e_->style();
    if (ch.isNull()) {
      e_->setEchoMode(QLineEdit::Normal);
      e_->setStyle(nullptr);
    } else {
      auto* style = new PasswordCharStyle(ch);
      style->setParent(e_);  // freed with the widget
      e_->setStyle(style);
      e_->setEchoMode(QLineEdit::Password);
    }
    if (auto* previous = dynamic_cast<PasswordCharStyle*>(old)) previous->deleteLater();
  }

private:
  QLineEdit* e_;
};

// The widget: mouse events go through the control's dispatcher (ViewportHosted).
using MemoWidget = ViewportHosted<QPlainTextEdit>;

// Line breaks: CR LF, a lone CR or a lone LF outside; one paragraph break inside.
QString ToInner(const QString& text) {
  QString s = text;
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(u'\r', u'\n');
  return s;
}

class MemoEngine : public EditEngine {
public:
  explicit MemoEngine(MemoWidget* e) : e_(e) {}
  QString Text() const override {
    QString s = e_->toPlainText();
    s.replace(u'\n', QStringLiteral("\r\n"));
    return s;
  }
  // As the one-line edit: text set in code leaves the caret after it.
  void SetText(const QString& text) override {
    e_->setPlainText(ToInner(text));
    e_->moveCursor(QTextCursor::End);
  }
  int Anchor() const override { return Outer(e_->textCursor().anchor()); }
  int Caret() const override { return Outer(e_->textCursor().position()); }
  void Select(int anchor, int caret) override {
    QTextCursor c = e_->textCursor();
    c.setPosition(Inner(anchor));
    c.setPosition(Inner(caret), QTextCursor::KeepAnchor);
    e_->setTextCursor(c);
  }
  void Insert(const QString& text) override {
    QTextCursor c = e_->textCursor();
    if (text.isEmpty()) c.removeSelectedText();
    else c.insertText(ToInner(text));
    e_->setTextCursor(c);
  }
  void SelectAll() override { e_->selectAll(); }
  bool CanUndo() const override { return e_->document()->isUndoAvailable(); }
  void Undo() override { e_->undo(); }
  bool ReadOnly() const override { return e_->isReadOnly(); }
  void SetReadOnly(bool value) override { e_->setReadOnly(value); }
  bool Modified() const override { return e_->document()->isModified(); }
  void SetModified(bool value) override { e_->document()->setModified(value); }
  void SetAlignment(int a) override {
    QTextOption option = e_->document()->defaultTextOption();
    option.setAlignment(Qt::Alignment(a));
    e_->document()->setDefaultTextOption(option);
  }
  void SetFrame(bool frame) override { e_->setFrameStyle(frame ? QFrame::StyledPanel | QFrame::Sunken : QFrame::NoFrame); }
  void SetMargins(int l, int t, int r, int b) override { e_->SetMargins(l, t, r, b); }
  int CharFromPos(TPoint p) const override { return Outer(e_->cursorForPosition(QPoint(p.X, p.Y)).position()); }
  int LineCount() const override {
    int lines = 0;
    for (QTextBlock b = e_->document()->begin(); b.isValid(); b = b.next()) lines += std::max(1, b.lineCount());
    return lines;
  }
  int LineFromChar(int pos) const override {
    const int inner = Inner(pos);
    int line = 0;
    for (QTextBlock b = e_->document()->begin(); b.isValid(); b = b.next()) {
      if (inner < b.position() + b.length()) {
        const QTextLayout* layout = b.layout();
        const QTextLine l = layout ? layout->lineForTextPosition(inner - b.position()) : QTextLine();
        return line + (l.isValid() ? l.lineNumber() : 0);
      }
      line += std::max(1, b.lineCount());
    }
    return std::max(0, line - 1);
  }
  void SetWordWrap(bool wrap) override {
    e_->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  }
  bool MultiLine() const override { return true; }

private:
  // Positions: inside, one character per line break; outside, two.
  int Outer(int inner) const {
    const QString s = e_->toPlainText();
    inner = std::clamp(inner, 0, static_cast<int>(s.size()));
    return inner + static_cast<int>(QStringView(s).left(inner).count(u'\n'));
  }
  int Inner(int outer) const {
    const QString s = e_->toPlainText();
    int o = 0;
    for (int i = 0; i < s.size(); ++i) {
      const int width = s[i] == u'\n' ? 2 : 1;
      if (o + width > outer) return i;
      o += width;
    }
    return static_cast<int>(s.size());
  }

  MemoWidget* e_;
};

}  // namespace

WidgetHost* MakeEditHost(bool multiLine) {
  if (multiLine) {
    // As the multi-line edit control: no scroll bars, and the text starts at
    // the formatting rectangle's corner.
    auto* memo = new MemoWidget;
    memo->setTabChangesFocus(true);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->document()->setDocumentMargin(0);
    return memo;
  }
  auto* line = new Hosted<QLineEdit>(true);
  SetLineLimit(line, 0);
  return line;
}

void SetLineLimit(QLineEdit* line, int maxLength) {
  const int limit = maxLength > 0 ? maxLength : 32767;
  if (line->maxLength() != limit) line->setMaxLength(limit);
}

std::unique_ptr<EditEngine> MakeEditEngine(WidgetHost* host, std::function<void()> changed) {
  if (auto* memo = dynamic_cast<MemoWidget*>(host)) {
    QObject::connect(memo, &QPlainTextEdit::textChanged, std::move(changed));
    return std::make_unique<MemoEngine>(memo);
  }
  auto* line = static_cast<QLineEdit*>(host->AsWidget());
  QObject::connect(line, &QLineEdit::textChanged, [changed = std::move(changed)](const QString&) { changed(); });
  return std::make_unique<LineEngine>(line);
}
