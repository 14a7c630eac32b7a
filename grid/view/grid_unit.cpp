#include "grid/view/grid_unit.h"

#include "platform/ui/messages.h"

TCursor LinkCursor = 8009;
TExStringGrid* FocusFrameGrid = nullptr;
QString HintFontName;

unsigned GridEditDoneMessage() {
  static const unsigned message = RegisterWindowMessage(QStringLiteral("GridEditDone"));
  return message;
}

unsigned DTPShiftFocusMessage() {
  static const unsigned message = RegisterWindowMessage(QStringLiteral("DTPShiftFocus"));
  return message;
}

QString VersionNrToString(int nr) {
  const auto v = static_cast<unsigned>(nr);
  return QStringLiteral("%1.%2.%3.%4").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}
