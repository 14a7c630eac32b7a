// A string list read and written line by line like a text file (the grid's text
// file import and export): a read position with Eof and ReadLn, and a pending
// output line that Write extends and WriteLn completes.
#pragma once

#include "platform/rtl/string_list.h"

class TFileStringList : public TStringList {
public:
  // Read position 0 and no pending line; the lines stay.
  void Reset();
  bool Eof() const { return fp >= Count(); }
  // The line at the read position, which moves on; raises the list's index
  // error at the end (test Eof first).
  void ReadLn(QString& s);
  void Write(const QString& s) { cache += s; }
  // Adds the pending line followed by s as a new line.
  void WriteLn(const QString& s);

private:
  int fp = 0;
  QString cache;
};
