#include "platform/ui/drag_drop.h"

#include <QDrag>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QWidget>
#include <map>

#include "platform/ui/control.h"
#include "platform/ui/qt_graphics.h"
#include "platform/ui/widget_host.h"

namespace {

TDragLoop& TestLoop() {
  static TDragLoop loop;
  return loop;
}

std::map<const TWinControl*, TDropTargetHooks*>& Targets() {
  static std::map<const TWinControl*, TDropTargetHooks*> targets;
  return targets;
}

Qt::DropActions ToActions(int effects) {
  Qt::DropActions a;
  if (effects & DROPEFFECT_COPY) a |= Qt::CopyAction;
  if (effects & DROPEFFECT_MOVE) a |= Qt::MoveAction;
  if (effects & DROPEFFECT_LINK) a |= Qt::LinkAction;
  return a;
}

int FromAction(Qt::DropAction a) {
  switch (a) {
    case Qt::CopyAction: return DROPEFFECT_COPY;
    case Qt::MoveAction:
    case Qt::TargetMoveAction: return DROPEFFECT_MOVE;
    case Qt::LinkAction: return DROPEFFECT_LINK;
    default: return DROPEFFECT_NONE;
  }
}

int FromActions(Qt::DropActions a) {
  int e = 0;
  if (a & Qt::CopyAction) e |= DROPEFFECT_COPY;
  if (a & Qt::MoveAction) e |= DROPEFFECT_MOVE;
  if (a & Qt::LinkAction) e |= DROPEFFECT_LINK;
  return e;
}

int KeyStateOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods) {
  int k = 0;
  if (buttons & Qt::LeftButton) k |= MK_LBUTTON;
  if (buttons & Qt::RightButton) k |= MK_RBUTTON;
  if (buttons & Qt::MiddleButton) k |= MK_MBUTTON;
  if (mods & Qt::ShiftModifier) k |= MK_SHIFT;
  if (mods & Qt::ControlModifier) k |= MK_CONTROL;
  if (mods & Qt::AltModifier) k |= MK_ALT;
  return k;
}

// The chosen effect as the one action Qt carries back to the source.
Qt::DropAction ActionOf(int effect) {
  if (effect & DROPEFFECT_MOVE) return Qt::MoveAction;
  if (effect & DROPEFFECT_COPY) return Qt::CopyAction;
  if (effect & DROPEFFECT_LINK) return Qt::LinkAction;
  return Qt::IgnoreAction;
}

}  // namespace

void SetDragLoopForTest(TDragLoop Loop) { TestLoop() = std::move(Loop); }

int DoDragDrop(QMimeData* Data, TDropSourceHooks* Source, int AllowedEffects, int& Effect) {
  Effect = DROPEFFECT_NONE;
  if (!Data) return DRAGDROP_S_CANCEL;
  if (TestLoop()) {
    Effect = TestLoop()(Data, Source, AllowedEffects);
    delete Data;
  } else {
    // The drag needs a source object; the application stands for the window.
    QDrag drag(qApp);
    drag.setMimeData(Data);
    if (Source)
      QObject::connect(&drag, &QDrag::actionChanged,
                       [Source](Qt::DropAction action) { Source->GiveFeedback(FromAction(action)); });
    Effect = FromAction(drag.exec(ToActions(AllowedEffects)));
  }
  // The loop ends with the button released, or with Escape when nothing was dropped.
  const int result = Source ? Source->QueryContinueDrag(Effect == DROPEFFECT_NONE, 0) : DRAGDROP_S_DROP;
  return result == DRAGDROP_S_DROP && Effect != DROPEFFECT_NONE ? DRAGDROP_S_DROP : DRAGDROP_S_CANCEL;
}

bool RegisterDragDrop(TWinControl* Control, TDropTargetHooks* Target) {
  if (!Control || !Control->Widget() || !Target) return false;
  Targets()[Control] = Target;
  Control->Widget()->setAcceptDrops(true);
  return true;
}

void RevokeDragDrop(TWinControl* Control) {
  if (!Control || !Targets().erase(Control)) return;
  if (Control->Widget()) Control->Widget()->setAcceptDrops(false);
}

TDropTargetHooks* RegisteredDropTarget(const TWinControl* Control) {
  auto it = Targets().find(Control);
  return it == Targets().end() ? nullptr : it->second;
}

bool ControlDispatch::DragDropEvent(WidgetHost* Host, QEvent* E) {
  auto* control = dynamic_cast<TWinControl*>(Host->control);
  TDropTargetHooks* target = RegisteredDropTarget(control);
  if (!target) return false;
  if (E->type() == QEvent::DragLeave) {
    target->DragLeave();
    E->accept();
    return true;
  }
  auto* drop = static_cast<QDropEvent*>(E);
  const TPoint pt = FromQPoint(Host->AsWidget()->mapToGlobal(drop->position().toPoint()));
  const int keys = KeyStateOf(drop->buttons(), drop->modifiers());
  int effect = FromActions(drop->possibleActions());
  switch (E->type()) {
    case QEvent::DragEnter:
      target->DragEnter(drop->mimeData(), keys, pt, effect);
      break;
    case QEvent::DragMove:
      target->DragOver(keys, pt, effect);
      break;
    case QEvent::Drop:
      target->Drop(drop->mimeData(), keys, pt, effect);
      break;
    default:
      return false;
  }
  const Qt::DropAction action = ActionOf(effect);
  if (E->type() == QEvent::DragEnter) {
    // The target hears every move while the drag stays over it, droppable or not.
    drop->setDropAction(action);
    drop->accept();
  } else if (action == Qt::IgnoreAction) {
    drop->ignore();
  } else {
    drop->setDropAction(action);
    drop->accept();
  }
  return true;
}
