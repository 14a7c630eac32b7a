// Drag and drop between windows and programs (stands for the OLE drag-and-drop
// calls DoDragDrop, RegisterDragDrop and RevokeDragDrop, and for the
// IDropTarget / IDropSource callbacks). The dragged data is a QMimeData; effects
// and key states keep the numbers of the class library's world.
#pragma once

#include <functional>

#include "platform/ui/graphics.h"
#include "platform/ui/messages.h"

class QMimeData;
class QEvent;
class TWinControl;
class WidgetHost;

// Drop effects.
inline constexpr int DROPEFFECT_NONE = 0;
inline constexpr int DROPEFFECT_COPY = 1;
inline constexpr int DROPEFFECT_MOVE = 2;
inline constexpr int DROPEFFECT_LINK = 4;
// Key-state bits of a drag: the mouse-message flags (MK_LBUTTON ...) and Alt.
inline constexpr int MK_ALT = 0x0020;
// Results of the drag loop and of the source's callbacks.
inline constexpr int S_OK = 0;
inline constexpr int DRAGDROP_S_DROP = 0x00040100;
inline constexpr int DRAGDROP_S_CANCEL = 0x00040101;
inline constexpr int DRAGDROP_S_USEDEFAULTCURSORS = 0x00040102;

// What a window that accepts drops is told while something is dragged over it.
// `Effect` comes in as the effects the source allows and goes out as the one
// chosen; points are in screen pixels.
class TDropTargetHooks {
public:
  virtual ~TDropTargetHooks() = default;
  virtual int DragEnter(const QMimeData* Data, int KeyState, TPoint Pt, int& Effect) = 0;
  virtual int DragOver(int KeyState, TPoint Pt, int& Effect) = 0;
  virtual int DragLeave() = 0;
  virtual int Drop(const QMimeData* Data, int KeyState, TPoint Pt, int& Effect) = 0;
};

// What the window a drag starts from is told during the drag.
class TDropSourceHooks {
public:
  virtual ~TDropSourceHooks() = default;
  // Escape pressed, or the key state (MK_LBUTTON gone: the button was released).
  virtual int QueryContinueDrag(bool EscapePressed, int KeyState) = 0;
  // The effect the window under the mouse would give now.
  virtual int GiveFeedback(int Effect) = 0;
};

// Runs the drag loop with the data (which it takes over) until the drop or the
// cancellation; Effect is the effect chosen. DRAGDROP_S_DROP or DRAGDROP_S_CANCEL.
int DoDragDrop(QMimeData* Data, TDropSourceHooks* Source, int AllowedEffects, int& Effect);
// Tests replace the drag loop (nothing is shown); the function returns the
// effect chosen, DROPEFFECT_NONE for a cancelled drag.
using TDragLoop = std::function<int(const QMimeData* Data, TDropSourceHooks* Source, int AllowedEffects)>;
void SetDragLoopForTest(TDragLoop Loop);

// The control's window accepts drops through the target; false when it has no window.
bool RegisterDragDrop(TWinControl* Control, TDropTargetHooks* Target);
void RevokeDragDrop(TWinControl* Control);
TDropTargetHooks* RegisteredDropTarget(const TWinControl* Control);

namespace ControlDispatch {
// A drag event for a control's widget: handed to its drop target; false when
// the control has none.
bool DragDropEvent(WidgetHost* Host, QEvent* E);
}  // namespace ControlDispatch
