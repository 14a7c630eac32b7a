#include "platform/ui/button.h"

#include <QKeySequence>
#include <QPushButton>

#include "platform/ui/widget_host.h"

namespace {

QPushButton* Push(const TControl* c) { return static_cast<QPushButton*>(c->Widget()); }

}  // namespace

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner, new Hosted<QPushButton>(true)) {
  SetControlStyle(TControlStyle{csSetCaption, csDoubleClicks});
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
  Push(this)->setAutoDefault(false);
  QObject::connect(Push(this), &QPushButton::clicked, [this](bool) { Click(); });
}

void TButton::CMTextChanged(TMessage& m) {
  QPushButton* button = Push(this);
  button->setText(Caption());
  button->setShortcut(QKeySequence());  // accelerators come through CM_DIALOGCHAR
  TWinControl::CMTextChanged(m);
}

void TButton::WMGetDlgCode(TMessage& m) { m.Result = DLGC_BUTTON; }
