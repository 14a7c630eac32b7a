// The grid's own exception: invalid rows, columns and cell values, with fixed
// English texts.
#pragma once

#include "platform/rtl/exceptions.h"

class EExGridError : public Exception {
public:
  using Exception::Exception;
};
