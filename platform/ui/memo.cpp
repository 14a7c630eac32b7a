#include "platform/ui/memo.h"

#include <QAbstractScrollArea>

TMemo::TMemo(TComponent* AOwner) : TEdit(AOwner) {
  SetMultiLine(true);
  SetWantReturns(true);
  SetWordWrap(true);
  SetBounds(0, 0, 185, 89);
  SetScrollBars(ssNone);
}

void TMemo::SetScrollBars(TScrollStyle value) {
  scroll_bars_ = value;
  auto* area = qobject_cast<QAbstractScrollArea*>(Widget());
  if (!area) return;
  const bool h = value == ssHorizontal || value == ssBoth, v = value == ssVertical || value == ssBoth;
  area->setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  area->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}
