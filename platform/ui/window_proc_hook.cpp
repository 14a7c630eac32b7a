#include "platform/ui/window_proc_hook.h"

#include <QHash>
#include <memory>

#include "platform/ui/control.h"

namespace {

QHash<const TControl*, std::shared_ptr<TWindowProcHook>>& Hooks() {
  static QHash<const TControl*, std::shared_ptr<TWindowProcHook>> hooks;
  return hooks;
}

}  // namespace

void SetWindowProcHook(TControl* Control, TWindowProcHook Hook) {
  if (!Control) return;
  if (Hook)
    Hooks().insert(Control, std::make_shared<TWindowProcHook>(std::move(Hook)));
  else
    Hooks().remove(Control);
}

bool HasWindowProcHook(const TControl* Control) { return Hooks().contains(Control); }

void CallOriginalWindowProc(TControl* Control, TMessage& Message) {
  if (Control) Control->WndProc(Message);
}

void DeliverMessage(TControl* Control, TMessage& Message) {
  if (!Control) return;
  auto& hooks = Hooks();
  if (!hooks.isEmpty()) {
    auto it = hooks.constFind(Control);
    if (it != hooks.constEnd()) {
      // Held while it runs: the hook may remove itself.
      const std::shared_ptr<TWindowProcHook> hook = it.value();
      (*hook)(Control, Message);
      return;
    }
  }
  Control->WndProc(Message);
}
