#include "platform/os/dynamic_library.h"

#include <dlfcn.h>

TDynamicLibrary::~TDynamicLibrary() { Free(); }

bool TDynamicLibrary::Load(const QStringList& candidates) {
  Free();
  for (const QString& name : candidates) {
    const QByteArray encoded = name.toLocal8Bit();
    if (void* handle = dlopen(encoded.constData(), RTLD_NOW | RTLD_LOCAL)) {
      handle_ = handle;
      fileName_ = name;
      error_.clear();
      return true;
    }
    const char* why = dlerror();
    error_ = why ? QString::fromLocal8Bit(why) : QString();
  }
  return false;
}

void* TDynamicLibrary::Symbol(const char* name) const {
  if (!handle_) return nullptr;
  dlerror();
  return dlsym(handle_, name);
}

void TDynamicLibrary::Free() {
  if (handle_) dlclose(handle_);
  handle_ = nullptr;
  fileName_.clear();
}
