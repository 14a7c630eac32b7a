// What the fieldbus editors' tests share: a check's first failure as the error box
// shows it.
#pragma once

#include "app/editor_file/row_check_failure.h"

#include <QString>
#include <optional>

// The message of the failure with the editor's row prefix text; empty when the
// rows passed, "(no message)" for a failure shown by no box.
inline QString Shown(const std::optional<TRowCheckFailure>& failure, int rowPrefix) {
  if (!failure) return QString();
  if (failure->TextIndex == 0) return QStringLiteral("(no message)");
  return Row_Check_Message(*failure, rowPrefix);
}
