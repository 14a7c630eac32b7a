// The text work of the edit control on its two Qt widgets: a one-line edit
// (QLineEdit) and a multi-line edit (QPlainTextEdit). Positions and texts are the
// edit control's: a line break is CR LF and counts two characters. For
// platform/ui only.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "platform/ui/graphics.h"

class QLineEdit;
class QWidget;
class WidgetHost;

class EditEngine {
public:
  virtual ~EditEngine() = default;
  virtual QString Text() const = 0;
  virtual void SetText(const QString& text) = 0;
  // The selection's two ends, the anchor and the caret (the moving end).
  virtual int Anchor() const = 0;
  virtual int Caret() const = 0;
  virtual void Select(int anchor, int caret) = 0;
  // Replaces the selection (or inserts at the caret).
  virtual void Insert(const QString& text) = 0;
  virtual void SelectAll() = 0;
  virtual bool CanUndo() const = 0;
  virtual void Undo() = 0;
  virtual bool ReadOnly() const = 0;
  virtual void SetReadOnly(bool value) = 0;
  virtual bool Modified() const = 0;
  virtual void SetModified(bool value) = 0;
  virtual void SetAlignment(int qtAlignment) = 0;
  virtual void SetFrame(bool frame) = 0;
  virtual void SetMargins(int left, int top, int right, int bottom) = 0;
  virtual int CharFromPos(TPoint p) const = 0;
  virtual int LineCount() const = 0;
  virtual int LineFromChar(int pos) const = 0;
  // One-line edits only.
  virtual void SetPasswordChar(QChar ch) { (void)ch; }
  // An input mask in the line edit's syntax (empty: none).
  virtual void SetInputMask(const QString& mask) { (void)mask; }
  virtual QString DisplayText() const { return Text(); }
  // Multi-line edits only.
  virtual void SetWordWrap(bool wrap) { (void)wrap; }
  virtual bool MultiLine() const { return false; }

  int SelStart() const { return std::min(Anchor(), Caret()); }
  int SelLength() const { return std::abs(Caret() - Anchor()); }
  QString SelText() const { return Text().mid(SelStart(), SelLength()); }
};

// A new widget for an edit, one-line or multi-line.
WidgetHost* MakeEditHost(bool multiLine);
// Sets a line edit's longest text (0 or less: the widget's 32767). Qt puts the
// text back on every change of the limit, which resets the caret and the undo
// history and costs a layout, so an unchanged limit is left alone.
void SetLineLimit(QLineEdit* line, int maxLength);
// The engine of a widget made by MakeEditHost; `changed` runs after every change
// of the text.
std::unique_ptr<EditEngine> MakeEditEngine(WidgetHost* host, std::function<void()> changed);
