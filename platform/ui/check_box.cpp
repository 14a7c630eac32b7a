#include "platform/ui/check_box.h"

#include <QCheckBox>
#include <QKeySequence>

#include "platform/ui/widget_host.h"

namespace {

QCheckBox* Box(const TControl* c) { return static_cast<QCheckBox*>(c->Widget()); }

Qt::CheckState QtState(TCheckBoxState s) {
  return s == cbChecked ? Qt::Checked : s == cbGrayed ? Qt::PartiallyChecked : Qt::Unchecked;
}

}  // namespace

TCheckBox::TCheckBox(TComponent* AOwner) : TWinControl(AOwner, new Hosted<QCheckBox>(true)) {
  SetControlStyle(TControlStyle{csSetCaption, csDoubleClicks});
  SetTabStop(true);
  SetBounds(0, 0, 97, 17);
  QObject::connect(Box(this), &QCheckBox::stateChanged, [this](int) { StateFromWidget(); });
}

void TCheckBox::StateFromWidget() {
  if (updating_) return;
  const Qt::CheckState s = Box(this)->checkState();
  const TCheckBoxState now = s == Qt::Checked ? cbChecked : s == Qt::PartiallyChecked ? cbGrayed : cbUnchecked;
  if (now == state_) return;
  state_ = now;
  Click();
}

void TCheckBox::SetState(TCheckBoxState value) {
  if (state_ == value) return;
  state_ = value;
  updating_ = true;
  Box(this)->setCheckState(QtState(value));
  updating_ = false;
  Click();
}

void TCheckBox::SetAllowGrayed(bool value) {
  allow_grayed_ = value;
  Box(this)->setTristate(value);
  if (!value && state_ == cbGrayed) SetState(cbUnchecked);
}

void TCheckBox::Toggle() {
  switch (state_) {
    case cbUnchecked: SetState(allow_grayed_ ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
  }
}

void TCheckBox::CMTextChanged(TMessage& m) {
  QCheckBox* box = Box(this);
  box->setText(Caption());
  box->setShortcut(QKeySequence());  // accelerators come through CM_DIALOGCHAR
  TWinControl::CMTextChanged(m);
}

void TCheckBox::CMDialogChar(TMessage& m) {
  if (!IsAccel(QChar(static_cast<char16_t>(m.CharCode())), Caption()) || !CanFocus()) return;
  SetFocus();
  if (Focused()) Toggle();
  m.Result = 1;
}

void TCheckBox::WMGetDlgCode(TMessage& m) { m.Result = DLGC_BUTTON; }
