// A library loaded at run time (stands for LoadLibrary, GetProcAddress and
// FreeLibrary): opened by file name or path, asked for its functions by name, and
// released when the object goes.
#pragma once

#include <QString>
#include <QStringList>

class TDynamicLibrary {
public:
  TDynamicLibrary() = default;
  ~TDynamicLibrary();
  TDynamicLibrary(const TDynamicLibrary&) = delete;
  TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;

  // Opens the first of `candidates` that loads: a path is opened as it stands, a
  // bare file name through the system's library search path. False when none
  // loads (Error() then says why the last one did not).
  bool Load(const QStringList& candidates);
  bool Loaded() const { return handle_ != nullptr; }
  // The path or name the library was opened by.
  QString FileName() const { return fileName_; }
  QString Error() const { return error_; }

  // The address of an exported symbol; nullptr when the library lacks it.
  void* Symbol(const char* name) const;

  // Releases the library (nothing when none is loaded).
  void Free();

private:
  void* handle_ = nullptr;
  QString fileName_;
  QString error_;
};
