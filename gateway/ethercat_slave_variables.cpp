#include "gateway/ethercat_slave_variables.h"

#include "app/editor_file/editor_table.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"

#include <algorithm>

const std::array<TVarTypeLength, 10> Var_Types = {{
    {u"Bool", u"1", true},
    {u"Int8", u"1", true},
    {u"Int16", u"2", true},
    {u"Int32", u"4", true},
    {u"UInt8", u"1", true},
    {u"UInt16", u"2", true},
    {u"UInt32", u"4", true},
    {u"Float32", u"4", true},
    {u"Array", u"10", false},
    {u"String", u"10", false},
}};

const TVarTypeLength* Find_Var_Type(const QString& type) {
  for (const TVarTypeLength& t : Var_Types)
    if (type == QStringView(t.Type)) return &t;
  return nullptr;
}

bool Var_Length_Allowed(const QString& length) {
  const int32_t v = StrToIntDef(length, -1);
  return v >= kMin_Var_Length && v <= kMax_Var_Length;
}

QString Var_Length_Refusal(const QString& length) {
  return QStringLiteral("has the Length \"%1\"; an Array or a String takes %2 to %3")
      .arg(length)
      .arg(kMin_Var_Length)
      .arg(kMax_Var_Length);
}

std::optional<bool> VarSetLength(TEditorTable& grid, const QString& type, int row) {
  const TVarTypeLength* t = Find_Var_Type(type);
  if (t == nullptr) return std::nullopt;
  grid.SetCell(kEC_Length, row, QString::fromUtf16(t->Length));
  return t->ReadOnly;
}

namespace {

// Bytes a variable of a type other than Bool takes: the fixed size of its type, or
// the Length cell as a number (0 when it is none or below 0), one more for a String.
// Counted in 64 bits: a hand-edited Length near the 32-bit limit cannot overflow,
// and positions never run backwards.
int64_t Variable_Size(const QString& type, const QString& length) {
  const TVarTypeLength* t = Find_Var_Type(type);
  if (t != nullptr && t->ReadOnly) return StrToIntDef(QString::fromUtf16(t->Length), 0);
  const int64_t bytes = std::max<int64_t>(StrToIntDef(length, 0), 0);
  return bytes + (type == u"String" ? 1 : 0);
}

}  // namespace

void Calc_Position_Bit(TEditorTable& grid, bool slaveToMaster) {
  const int positionCol = slaveToMaster ? kStM_Position : kMtS_Position;
  const int bitCol = slaveToMaster ? kStM_StartBit : kMtS_StartBit;
  int64_t byteCounter = 0;
  int bitCounter = 0;
  bool boolRun = false;
  auto place = [&](int row, int64_t position, int bit) {
    grid.SetCell(positionCol, row, IntToStr(position));
    grid.SetCell(bitCol, row, IntToStr(bit));
  };

  for (int row = 1; row < grid.RowCount(); ++row) {
    // 1. An empty Type ends the pass.
    const QString type = grid.Cell(kEC_Type, row);
    if (Trim(type).isEmpty()) break;
    // 2. A disabled variable takes no room and keeps a Bool run open.
    if (grid.Cell(kEC_Enable, row) != u"Y") {
      place(row, 0, 0);
      continue;
    }
    // 3. Bool: the next bit of the open run, or the first bit of a new one.
    if (type == u"Bool") {
      if (boolRun) {
        place(row, byteCounter, bitCounter);
        if (++bitCounter == 8) {
          bitCounter = 0;
          ++byteCounter;
        }
      } else {
        boolRun = true;
        place(row, byteCounter, bitCounter);
        bitCounter = 1;
      }
      continue;
    }
    // 4. Any other type closes the run (a started byte is used up) and starts at a byte.
    if (boolRun) {
      boolRun = false;
      if (bitCounter > 0) ++byteCounter;
      bitCounter = 0;
    }
    place(row, byteCounter, 0);
    byteCounter += Variable_Size(type, grid.Cell(kEC_Length, row));
  }
}
