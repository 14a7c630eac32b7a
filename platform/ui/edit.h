// The class library's edit (stands for TEdit and the edit control under it) over
// QLineEdit, or QPlainTextEdit in the multi-line style (switching the style makes
// a new window, as the class library's window recreation does; text, selection
// and settings are kept). Keys reach the control's KeyDown/KeyPress first; the edit
// keeps arrows and characters, Tab, Enter and Escape go to the form as dialog keys
// (Enter and Escape stay with a multi-line edit that wants returns). Line breaks
// of a multi-line text are CR LF and count two positions, as the edit control's.
//
// As the edit control does, it:
// - announces every change of its text, typed or set in code, to its parent as
//   WM_COMMAND with EN_CHANGE; the parent reflects it back and the edit runs
//   Change (OnChange). While Change runs, ChangedByUser tells a change made by the
//   edit's own input handling (typing, clipboard keys, context menu) from one made
//   in code (Text, SelText, a new window);
// - turns the clipboard keys (Ctrl+C/X/V/Z, Ctrl+Insert, Shift+Insert,
//   Shift+Delete) and the choices of its own context menu into the messages
//   WM_COPY, WM_CUT, WM_PASTE, WM_CLEAR and WM_UNDO, whose handlers a descendant
//   can override (the base handlers do the edit's own work);
// - limits typing and pasting, never text set in code, to MaxLength characters;
// - shows any PasswordChar, and a text formatting rectangle (EditRect).
#pragma once

#include <memory>

#include "platform/ui/control.h"
#include "platform/ui/form.h"

class EditEngine;

class TEdit : public TWinControl {
public:
  explicit TEdit(TComponent* AOwner);
  ~TEdit() override;

  int MaxLength() const { return max_length_; }
  void SetMaxLength(int value);  // 0 = no limit
  bool ReadOnly() const;
  void SetReadOnly(bool value);
  QChar PasswordChar() const { return password_char_; }
  void SetPasswordChar(QChar value);  // #0 = plain text
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  bool Modified() const;
  void SetModified(bool value);
  // bsNone: no frame (as the grids' in-place editors); anything else: the frame.
  TFormBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TFormBorderStyle value);

  // The selection: start (the lower end), length and text; SetSelStart puts the
  // caret there with nothing selected, SetSelLength selects from SelStart on.
  int SelStart() const;
  void SetSelStart(int value);
  int SelLength() const;
  void SetSelLength(int value);
  QString SelText() const;
  void SetSelText(const QString& value);  // replaces the selection (in code)
  void SelectAll();
  void Clear() { SetText(QString()); }
  // On (the default): the edit selects its whole text when it gets the focus by the
  // keyboard or from code, so typing replaces it; a mouse press places the caret.
  bool AutoSelect() const { return auto_select_; }
  void SetAutoSelect(bool value) { auto_select_ = value; }
  // Where the caret stands: the moving end of the selection.
  int CaretPos() const;
  // The character position nearest to a client point (stands for EM_CHARFROMPOS).
  int CharFromPos(TPoint p) const;
  // Lines of the text as shown (wrapped lines count) and the line of a
  // character position (stands for EM_GETLINECOUNT and EM_LINEFROMCHAR).
  int LineCount() const;
  int LineFromChar(int pos) const;

  // The multi-line style (stands for ES_MULTILINE); a password character keeps
  // the edit on one line.
  bool MultiLine() const { return multi_line_; }
  void SetMultiLine(bool value);
  // Multi-line: long lines wrap at the edit's width.
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool value);
  // Multi-line: Enter types a line break (stands for ES_WANTRETURN); Ctrl+Enter
  // always does.
  bool WantReturns() const { return want_returns_; }
  void SetWantReturns(bool value) { want_returns_ = value; }

  // The rectangle the text is laid out in, in client pixels (stands for
  // EM_SETRECTNP / EM_GETRECT); the default is the whole client area.
  TRect EditRect() const;
  void SetEditRect(const TRect& r);

  bool CanUndo() const;
  void Undo() { Perform(WM_UNDO); }
  void CopyToClipboard() { Perform(WM_COPY); }
  void CutToClipboard() { Perform(WM_CUT); }
  void PasteFromClipboard() { Perform(WM_PASTE); }
  void ClearSelection() { Perform(WM_CLEAR); }

  // Inside Change / OnChange: whether the user made this change.
  bool ChangedByUser() const { return code_changes_ == 0; }
  // The text as shown (password characters, a mask's blanks and literals).
  QString DisplayText() const;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  TNotifyEvent OnChange;

protected:
  QString GetText() const override;
  void StoreText(const QString& value) override;
  void Dispatch(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  void WMGetDlgCode(TMessage& Message) override;
  void CMEnter(TMessage& Message) override;
  void WMContextMenu(TMessage& Message) override;
  virtual void CNCommand(TMessage& Message);
  // The clipboard messages; the base handlers do what the edit control does.
  virtual void WMCopy(TMessage& Message);
  virtual void WMCut(TMessage& Message);
  virtual void WMPaste(TMessage& Message);
  virtual void WMClear(TMessage& Message);
  virtual void WMUndo(TMessage& Message);
  void ApplyColor() override;
  virtual void Change();
  // The input mask of a one-line edit in the line edit's own syntax (the masked
  // edit translates its edit mask); typing then follows the mask, and MaxLength
  // does not limit it.
  void SetInputMask(const QString& qtMask);
  bool HasInputMask() const { return !input_mask_.isEmpty(); }

private:
  // Replaces the selection as the user's own edit would (limit applied by caller).
  void ReplaceSelectionByUser(const QString& text);
  bool OnManyLines() const;
  // Makes the window of the current style, keeping text, selection and settings.
  void RecreateEditWidget();
  void TextChanged();
  // Room left for typed or pasted characters once the selection is replaced.
  int RoomLeft() const;
  void ApplyEditRect();

  std::unique_ptr<EditEngine> engine_;
  QChar password_char_;
  bool multi_line_ = false;
  bool auto_select_ = true;
  bool word_wrap_ = false;
  bool want_returns_ = false;
  bool recreating_ = false;
  TAlignment alignment_ = taLeftJustify;
  TFormBorderStyle border_style_ = bsSingle;
  int max_length_ = 0;
  int code_changes_ = 0;
  bool has_edit_rect_ = false;
  QString input_mask_;
  TRect edit_rect_;
};
