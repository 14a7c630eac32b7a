#include "platform/ui/window_timer.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <map>
#include <utility>

#include "platform/ui/control.h"
#include "platform/ui/messages.h"

namespace {

// The timers by control and identifier; a timer dies with its control's widget.
std::map<std::pair<const TWinControl*, unsigned>, QPointer<QTimer>>& Timers() {
  static std::map<std::pair<const TWinControl*, unsigned>, QPointer<QTimer>> timers;
  return timers;
}

}  // namespace

unsigned SetTimer(TWinControl* control, unsigned id, unsigned periodMs) {
  if (!control || !control->Widget()) return 0;
  QPointer<QTimer>& slot = Timers()[{control, id}];
  if (!slot || slot->parent() != control->Widget()) {
    if (slot) delete slot.data();
    slot = new QTimer(control->Widget());
    // Posted, so that a control destroyed in between receives nothing.
    QObject::connect(slot.data(), &QTimer::timeout, [control, id] { PostMessage(control, WM_TIMER, id, 0); });
  }
  slot->start(static_cast<int>(periodMs));
  return id;
}

void KillTimer(TWinControl* control, unsigned id) {
  auto it = Timers().find({control, id});
  if (it == Timers().end()) return;
  if (it->second) delete it->second.data();
  Timers().erase(it);
}
