// The class library's one-line edit (stands for TEdit) over QLineEdit. OnChange
// follows every change of the text, typed or set in code. Keys reach the control's
// KeyDown/KeyPress first; the edit keeps arrows and characters, Tab, Enter and
// Escape go to the form as dialog keys.
#pragma once

#include "platform/ui/control.h"

class TEdit : public TWinControl {
public:
  explicit TEdit(TComponent* AOwner);

  int MaxLength() const;
  void SetMaxLength(int value);  // 0 = no limit
  bool ReadOnly() const;
  void SetReadOnly(bool value);
  QChar PasswordChar() const { return password_char_; }
  void SetPasswordChar(QChar value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  bool Modified() const;
  void SetModified(bool value);

  int SelStart() const;
  void SetSelStart(int value);
  int SelLength() const;
  void SetSelLength(int value);
  QString SelText() const;
  void SetSelText(const QString& value);
  void SelectAll();
  void Clear() { SetText(QString()); }

  TNotifyEvent OnChange;

protected:
  QString GetText() const override;
  void StoreText(const QString& value) override;
  void WMGetDlgCode(TMessage& Message) override;
  void ApplyColor() override;
  virtual void Change();

private:
  QChar password_char_;
  TAlignment alignment_ = taLeftJustify;
};
