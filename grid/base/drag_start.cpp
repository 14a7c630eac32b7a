// Starting a drag from the grid: the data goes to the window system's drag loop
// (kept apart from the readers, which need no window).
#include "grid/base/drag_drop_objects.h"

namespace {

int RunDrag(TESGDropSource* DropSource, const TSourceDataObject& Data, int AllowedEffects, int& Effect) {
  const int result = DoDragDrop(Data.CreateMimeData(), DropSource, AllowedEffects, Effect);
  if (DropSource && DropSource->NoAccept) return DRAGDROP_S_CANCEL;
  return result;
}

}  // namespace

int StartTextDrag(TESGDropSource* DropSource, const QString& Text, const QString& RichText, int& Effect,
                  int AllowedEffects, const QByteArray* Stream) {
  return RunDrag(DropSource, TSourceDataObject(Text, RichText, -1, Stream), AllowedEffects, Effect);
}

int StartColumnDrag(TESGDropSource* DropSource, int Col, int AllowedEffects, int& Effect) {
  return RunDrag(DropSource, TSourceDataObject(QString(), QString(), Col, nullptr), AllowedEffects, Effect);
}
