#include "platform/rtl/object.h"

#include "platform/rtl/exceptions.h"

void TPersistent::Assign(const TPersistent* Source) {
  throw EConvertError(QStringLiteral("Cannot assign"));
}
