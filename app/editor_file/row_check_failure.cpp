#include "app/editor_file/row_check_failure.h"

#include "app/language/language.h"
#include "platform/rtl/strings.h"

QString Row_Check_Message(const TRowCheckFailure& failure, int rowTextIndex) {
  const QString reason = Lang_Text(failure.TextIndex) + failure.Appended;
  if (!failure.RowPrefix) return reason;
  return Lang_Text(rowTextIndex) + IntToStr(failure.Row) + reason;
}
