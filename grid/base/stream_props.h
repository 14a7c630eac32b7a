// Writing and reading one named property of a component stream record, shared
// by the grid's streams (column items, cell blocks): integers, booleans, texts
// left out when empty, and enumerations by their identifiers from enum_names.h.
#pragma once

#include <QString>
#include <array>

#include "grid/base/enum_names.h"
#include "platform/rtl/component_stream.h"

namespace stream_props {

[[noreturn]] inline void InvalidValue() { throw EReadError(QStringLiteral("Invalid property value")); }

inline void WriteInt(TComponentWriter& w, const QString& name, int v) {
  w.WritePropName(name);
  w.WriteInteger(v);
}

inline void WriteBool(TComponentWriter& w, const QString& name, bool v) {
  w.WritePropName(name);
  w.WriteBoolean(v);
}

// An empty text is not written: the reader keeps its default.
inline void WriteText(TComponentWriter& w, const QString& name, const QString& v) {
  if (v.isEmpty()) return;
  w.WritePropName(name);
  w.WriteString(v);
}

// A value outside the enumeration is written as its first identifier.
template <size_t N>
void WriteEnum(TComponentWriter& w, const QString& name, const std::array<const char*, N>& names, int v) {
  if (v < 0 || v >= static_cast<int>(N)) v = 0;
  w.WritePropName(name);
  w.WriteIdent(QLatin1String(names[static_cast<size_t>(v)]));
}

// The ordinal of an identifier; an unknown one raises EReadError.
template <size_t N>
int IdentIndex(const std::array<const char*, N>& names, const QString& ident) {
  const int v = IdentOrdinal(names, ident);
  if (v < 0) InvalidValue();
  return v;
}

template <size_t N>
int ReadEnum(TComponentReader& r, const std::array<const char*, N>& names) {
  return IdentIndex(names, r.ReadIdent());
}

}  // namespace stream_props
