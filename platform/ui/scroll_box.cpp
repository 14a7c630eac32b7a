#include "platform/ui/scroll_box.h"

#include <QScrollArea>
#include <QScrollBar>

#include "platform/ui/widget_host.h"

namespace {
QScrollArea* Area(const TControl* c) { return static_cast<QScrollArea*>(c->Widget()); }
}  // namespace

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner)
    : TWinControl(AOwner, new Hosted<QScrollArea>(false)) {
  QScrollArea* a = Area(this);
  a->setFrameShape(QFrame::NoFrame);
  a->setWidgetResizable(false);
  a->setWidget(new QWidget);
  a->widget()->resize(0, 0);
  SetBounds(0, 0, 185, 41);
}

QWidget* TScrollingWinControl::ClientWidget() const { return Area(this)->widget(); }

void TScrollingWinControl::UpdateScrollRange() {
  int w = 0, h = 0;
  for (int i = 0; i < ControlCount(); ++i) {
    const TControl* c = Controls(i);
    if (!c->Visible()) continue;
    w = std::max(w, c->Left() + c->Width());
    h = std::max(h, c->Top() + c->Height());
  }
  Area(this)->widget()->resize(w, h);
}

int TScrollingWinControl::VertScrollPosition() const { return Area(this)->verticalScrollBar()->value(); }

void TScrollingWinControl::SetVertScrollPosition(int value) { Area(this)->verticalScrollBar()->setValue(value); }

bool TScrollingWinControl::VertScrollVisible() const {
  return Area(this)->widget()->height() > Area(this)->viewport()->height() || Area(this)->verticalScrollBar()->isVisible();
}

bool TScrollingWinControl::HorzScrollVisible() const {
  return Area(this)->widget()->width() > Area(this)->viewport()->width() ||
         Area(this)->horizontalScrollBar()->isVisible();
}

int TScrollingWinControl::ClientWidth() const { return Area(this)->viewport()->width(); }

int TScrollingWinControl::ClientHeight() const { return Area(this)->viewport()->height(); }
