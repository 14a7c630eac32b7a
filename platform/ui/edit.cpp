#include "platform/ui/edit.h"

#include <QLineEdit>

#include "platform/ui/qt_graphics.h"
#include "platform/ui/widget_host.h"

namespace {

QLineEdit* LineEdit(const TControl* c) { return static_cast<QLineEdit*>(c->Widget()); }

}  // namespace

TEdit::TEdit(TComponent* AOwner) : TWinControl(AOwner, new Hosted<QLineEdit>(true)) {
  SetControlStyle(TControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight});
  SetTabStop(true);
  SetBounds(0, 0, 121, 21);
  QObject::connect(LineEdit(this), &QLineEdit::textChanged, [this](const QString&) { Change(); });
  ApplyColor();
}

QString TEdit::GetText() const { return LineEdit(this)->text(); }

void TEdit::StoreText(const QString& value) { LineEdit(this)->setText(value); }

void TEdit::Change() {
  if (OnChange) OnChange(this);
}

int TEdit::MaxLength() const {
  const int max = LineEdit(this)->maxLength();
  return max >= 32767 ? 0 : max;
}

void TEdit::SetMaxLength(int value) { LineEdit(this)->setMaxLength(value <= 0 ? 32767 : value); }

bool TEdit::ReadOnly() const { return LineEdit(this)->isReadOnly(); }

void TEdit::SetReadOnly(bool value) { LineEdit(this)->setReadOnly(value); }

void TEdit::SetPasswordChar(QChar value) {
  password_char_ = value;
  LineEdit(this)->setEchoMode(value.isNull() ? QLineEdit::Normal : QLineEdit::Password);
}

void TEdit::SetAlignment(TAlignment value) {
  alignment_ = value;
  const Qt::Alignment a = value == taRightJustify ? Qt::AlignRight : value == taCenter ? Qt::AlignHCenter : Qt::AlignLeft;
  LineEdit(this)->setAlignment(a | Qt::AlignVCenter);
}

bool TEdit::Modified() const { return LineEdit(this)->isModified(); }

void TEdit::SetModified(bool value) { LineEdit(this)->setModified(value); }

int TEdit::SelStart() const {
  QLineEdit* e = LineEdit(this);
  return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
}

void TEdit::SetSelStart(int value) {
  LineEdit(this)->deselect();
  LineEdit(this)->setCursorPosition(value);
}

int TEdit::SelLength() const { return static_cast<int>(LineEdit(this)->selectedText().size()); }

void TEdit::SetSelLength(int value) { LineEdit(this)->setSelection(SelStart(), value); }

QString TEdit::SelText() const { return LineEdit(this)->selectedText(); }

void TEdit::SetSelText(const QString& value) { LineEdit(this)->insert(value); }

void TEdit::SelectAll() { LineEdit(this)->selectAll(); }

void TEdit::WMGetDlgCode(TMessage& m) { m.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL; }

void TEdit::ApplyColor() {
  QPalette pal = Widget()->palette();
  pal.setColor(QPalette::Base, ToQColor(Color()));
  Widget()->setPalette(pal);
}
