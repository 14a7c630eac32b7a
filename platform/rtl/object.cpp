#include "platform/rtl/object.h"

#include <cxxabi.h>

#include <cstdlib>
#include <typeinfo>

#include "platform/rtl/exceptions.h"

QString TObject::ClassName() const {
  const char* mangled = typeid(*this).name();
  int status = 0;
  char* plain = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
  QString name = QString::fromLatin1(status == 0 && plain ? plain : mangled);
  std::free(plain);
  const int scope = name.lastIndexOf(QLatin1String("::"));
  return scope >= 0 ? name.mid(scope + 2) : name;
}

void TPersistent::Assign(const TPersistent* Source) {
  throw EConvertError(QStringLiteral("Cannot assign"));
}
