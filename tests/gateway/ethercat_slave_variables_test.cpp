#include "gateway/ethercat_slave_file.h"
#include "gateway/ethercat_slave_variables.h"

#include <gtest/gtest.h>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

// One variable row and the Position / Start Bit it must get.
struct Var {
  const char* enable;
  const char* type;
  const char* length;
  int64_t position;
  int bit;
};

struct PositionCase {
  const char* what;
  std::vector<Var> rows;
};

void fill(TEtherCATVariableTable& t, const std::vector<Var>& rows) {
  for (size_t i = 0; i < rows.size(); ++i) {
    const int row = int(i) + 1;
    t.SetCell(kEC_Enable, row, QString::fromUtf8(rows[i].enable));
    t.SetCell(kEC_Type, row, QString::fromUtf8(rows[i].type));
    t.SetCell(kEC_Length, row, QString::fromUtf8(rows[i].length));
  }
}

const PositionCase kPositionCases[] = {
    {"the worked example: Bool, Bool, Int16, nine Bool, Int8",
     {{"Y", "Bool", "1", 0, 0}, {"Y", "Bool", "1", 0, 1}, {"Y", "Int16", "2", 1, 0},
      {"Y", "Bool", "1", 3, 0}, {"Y", "Bool", "1", 3, 1}, {"Y", "Bool", "1", 3, 2},
      {"Y", "Bool", "1", 3, 3}, {"Y", "Bool", "1", 3, 4}, {"Y", "Bool", "1", 3, 5},
      {"Y", "Bool", "1", 3, 6}, {"Y", "Bool", "1", 3, 7}, {"Y", "Bool", "1", 4, 0},
      {"Y", "Int8", "1", 5, 0}}},
    {"eight Bool fill one byte exactly; the next variable starts right after it",
     {{"Y", "Bool", "1", 0, 0}, {"Y", "Bool", "1", 0, 1}, {"Y", "Bool", "1", 0, 2}, {"Y", "Bool", "1", 0, 3},
      {"Y", "Bool", "1", 0, 4}, {"Y", "Bool", "1", 0, 5}, {"Y", "Bool", "1", 0, 6}, {"Y", "Bool", "1", 0, 7},
      {"Y", "UInt8", "1", 1, 0}}},
    {"one Bool then Int8: the Int8 one byte further",
     {{"Y", "Bool", "1", 0, 0}, {"Y", "Int8", "1", 1, 0}, {"Y", "UInt16", "2", 2, 0}}},
    {"disabled rows inside a Bool run keep the run open and show 0/0",
     {{"Y", "Bool", "1", 0, 0}, {"N", "Int32", "4", 0, 0}, {"Y", "Bool", "1", 0, 1}, {"N", "Bool", "1", 0, 0},
      {"N", "String", "10", 0, 0}, {"Y", "Bool", "1", 0, 2}, {"Y", "Float32", "4", 1, 0}, {"Y", "Int8", "1", 5, 0}}},
    {"a disabled row before any run takes no room",
     {{"N", "Int32", "4", 0, 0}, {"Y", "Int32", "4", 0, 0}, {"Y", "UInt32", "4", 4, 0}, {"Y", "Int8", "1", 8, 0}}},
    {"String of length 10 at position 6 puts the next variable at 17",
     {{"Y", "Int32", "4", 0, 0}, {"Y", "Int16", "2", 4, 0}, {"Y", "String", "10", 6, 0}, {"Y", "Int8", "1", 17, 0}}},
    {"Array of length 10 takes 10 bytes",
     {{"Y", "Array", "10", 0, 0}, {"Y", "Array", "255", 10, 0}, {"Y", "Bool", "1", 265, 0}}},
    {"fixed types ignore their Length cell",
     {{"Y", "Int32", "99", 0, 0}, {"Y", "Int8", "", 4, 0}, {"Y", "Int16", "x", 5, 0}, {"Y", "Int8", "1", 7, 0}}},
    {"a Length that is no number counts 0 (String still adds 1)",
     {{"Y", "Array", "x", 0, 0}, {"Y", "String", "", 0, 0}, {"Y", "Int8", "1", 1, 0}}},
    {"an unknown type (letter case counts) takes its Length and ends a Bool run",
     {{"Y", "Bool", "1", 0, 0}, {"Y", "bool", "3", 1, 0}, {"Y", "Word", "2", 4, 0}, {"Y", "Int8", "1", 6, 0}}},
    // Hand-edited Lengths the editor's OK check refuses still give sound positions.
    {"a Length at the 32-bit limit counts in full, without overflow",
     {{"Y", "String", "2147483647", 0, 0}, {"Y", "String", "2147483647", 2147483648LL, 0},
      {"Y", "Int8", "1", 4294967296LL, 0}}},
    {"a negative Length counts nothing, so positions never run backwards",
     {{"Y", "Array", "-6", 0, 0}, {"Y", "Word", "-1000", 0, 0}, {"Y", "Int8", "1", 0, 0},
      {"Y", "String", "-3", 1, 0}, {"Y", "Int8", "1", 2, 0}}},
};

TEST(EtherCATPositions, SlaveToMasterTable) {
  for (const PositionCase& c : kPositionCases) {
    TEtherCATVariableTable t(true);
    fill(t, c.rows);
    Calc_Position_Bit(t, true);
    for (size_t i = 0; i < c.rows.size(); ++i) {
      const int row = int(i) + 1;
      EXPECT_EQ(t.Cell(kStM_Position, row), QString::number(c.rows[i].position)) << c.what << ", row " << row;
      EXPECT_EQ(t.Cell(kStM_StartBit, row), QString::number(c.rows[i].bit)) << c.what << ", row " << row;
    }
  }
}

TEST(EtherCATPositions, MasterToSlaveUsesItsOwnColumns) {
  for (const PositionCase& c : kPositionCases) {
    TEtherCATVariableTable t(false);
    fill(t, c.rows);
    t.SetCell(kMtS_Mnemonic, 1, QStringLiteral("m"));
    Calc_Position_Bit(t, false);
    for (size_t i = 0; i < c.rows.size(); ++i) {
      const int row = int(i) + 1;
      EXPECT_EQ(t.Cell(kMtS_Position, row), QString::number(c.rows[i].position)) << c.what << ", row " << row;
      EXPECT_EQ(t.Cell(kMtS_StartBit, row), QString::number(c.rows[i].bit)) << c.what << ", row " << row;
    }
    EXPECT_EQ(t.Cell(kMtS_Mnemonic, 1), QStringLiteral("m"));
  }
}

TEST(EtherCATPositions, AnEmptyTypeEndsThePassAndLaterRowsKeepTheirCells) {
  TEtherCATVariableTable t(true);
  fill(t, {{"Y", "Int32", "4", 0, 0}, {"Y", "  ", "", 0, 0}, {"Y", "Int8", "1", 0, 0}});
  t.SetCell(kStM_Position, 2, QStringLiteral("old2"));
  t.SetCell(kStM_Position, 3, QStringLiteral("old3"));
  t.SetCell(kStM_StartBit, 3, QStringLiteral("7"));
  Calc_Position_Bit(t, true);
  EXPECT_EQ(t.Cell(kStM_Position, 1), QStringLiteral("0"));
  EXPECT_EQ(t.Cell(kStM_Position, 2), QStringLiteral("old2"));
  EXPECT_EQ(t.Cell(kStM_Position, 3), QStringLiteral("old3"));
  EXPECT_EQ(t.Cell(kStM_StartBit, 3), QStringLiteral("7"));
}

TEST(EtherCATPositions, AFullTableOfBoolPacks256BitsInto32Bytes) {
  TEtherCATVariableTable t(true);
  for (int row = 1; row < kEC_RowCount; ++row) t.SetCell(kEC_Type, row, QStringLiteral("Bool"));
  Calc_Position_Bit(t, true);
  EXPECT_EQ(t.Cell(kStM_Position, 256), QStringLiteral("31"));
  EXPECT_EQ(t.Cell(kStM_StartBit, 256), QStringLiteral("7"));
}

// The type rule: Length text and read-only state per type; other texts change nothing.
TEST(EtherCATTypeRule, LengthAndReadOnlyPerType) {
  const struct {
    const char* type;
    const char* length;
    std::optional<bool> readOnly;
  } cases[] = {
      {"Bool", "1", true},     {"Int8", "1", true},     {"UInt8", "1", true},  {"Int16", "2", true},
      {"UInt16", "2", true},   {"Int32", "4", true},    {"UInt32", "4", true}, {"Float32", "4", true},
      {"Array", "10", false},  {"String", "10", false}, {"string", "77", std::nullopt},
      {"", "77", std::nullopt}, {"Int64", "77", std::nullopt},
  };
  for (const auto& c : cases) {
    TEtherCATVariableTable t(true);
    t.SetCell(kEC_Length, 5, QStringLiteral("77"));
    EXPECT_EQ(VarSetLength(t, QString::fromUtf8(c.type), 5), c.readOnly) << c.type;
    EXPECT_EQ(t.Cell(kEC_Length, 5), QString::fromUtf8(c.length)) << c.type;
  }
  ASSERT_EQ(Var_Types.size(), 10u);
  EXPECT_EQ(QString::fromUtf16(Var_Types.front().Type), QStringLiteral("Bool"));
  EXPECT_EQ(QString::fromUtf16(Var_Types.back().Type), QStringLiteral("String"));
}

TEST(EtherCATTypeRule, ChoosingATypeSetsLengthReadOnlyTypeAndPositions) {
  TEtherCATSlaveModel model;
  TEtherCATVariableTable& t = model.SlaveToMaster;
  model.Choose_Type(t, 1, QStringLiteral("Int32"));
  EXPECT_EQ(t.Cell(kEC_Length, 1), QStringLiteral("4"));
  EXPECT_TRUE(t.Length_Read_Only(1));
  model.Choose_Type(t, 2, QStringLiteral("Int8"));
  EXPECT_EQ(t.Cell(kStM_Position, 2), QStringLiteral("4"));
  model.Choose_Type(t, 1, QStringLiteral("Array"));
  EXPECT_EQ(t.Cell(kEC_Type, 1), QStringLiteral("Array"));
  EXPECT_EQ(t.Cell(kEC_Length, 1), QStringLiteral("10"));
  EXPECT_FALSE(t.Length_Read_Only(1));
  EXPECT_EQ(t.Cell(kStM_Position, 2), QStringLiteral("10"));
}

}  // namespace
