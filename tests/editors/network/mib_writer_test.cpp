// The SNMP MIB module: a project's agent objects against a module written by hand
// (data/gateway.mib), the lists the reading fills, a project without objects, a
// file without one of its tables, and more enabled rows than the module numbers.
#include "editors/network/mib_writer.h"

#include "app/state/comon.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "tests/support/project_fixture.h"
#include "tests/support/qstring_print.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

using MIBWriter = ProjectTest;

QByteArray Golden() { return ReadFileWhole(QStringLiteral(TESTS_SOURCE_DIR "/editors/network/data/gateway.mib")); }

// The lines of a module between two lines (both excluded).
QStringList Between(const QStringList& lines, const QString& from, const QString& to) {
  const qsizetype a = lines.indexOf(from);
  const qsizetype b = lines.indexOf(to);
  return lines.mid(a + 1, b - a - 1);
}

}  // namespace

TEST_F(MIBWriter, TheModuleOfAProjectIsTheOneWrittenByHand) {
  // Read rows: temp (Int), level (String), a disabled one, one without description
  // whose Type is "int"; write rows: setpoint (Int), mode without Type. Rows without
  // Enable are skipped.
  WriteFileWhole(File_SNMP_Trap,
                 "<SNMP_Trap><SNMP_Trap_Read>"
                 "<row Enable=\"Y\" Description=\"temp\" Type=\"Int\"/>"
                 "<row Enable=\"y\" Description=\"level\" Type=\"String\"/>"
                 "<row Enable=\"N\" Description=\"off\" Type=\"Int\"/>"
                 "<row Description=\"noenable\" Type=\"Int\"/>"
                 "<row Enable=\"Y\" Type=\"int\"/>"
                 "</SNMP_Trap_Read><SNMP_Trap_Write>"
                 "<row Enable=\"Y\" Description=\"setpoint\" Type=\"INT\"/>"
                 "<row Enable=\"Y\" Description=\"mode\"/>"
                 "</SNMP_Trap_Write></SNMP_Trap>");
  EXPECT_TRUE(Load_SNMP_Trap_Rows(File_SNMP_Trap).isEmpty());
  EXPECT_EQ(SNMP_Read_Descriptions, (QStringList{"temp", "level", ""}));
  EXPECT_EQ(SNMP_Write_Descriptions, (QStringList{"setpoint", "mode"}));
  EXPECT_TRUE(SNMP_Read_Int_Flags[0] && !SNMP_Read_Int_Flags[1] && SNMP_Read_Int_Flags[2]);
  const QString mib = QDir(Project_Folder).filePath("gateway.mib");
  Write_SNMP_MIB_File(mib);
  EXPECT_EQ(ReadFileWhole(mib), Golden());
  // Nothing depends on the time: written again, the same file.
  Write_SNMP_MIB_File(mib);
  EXPECT_EQ(ReadFileWhole(mib), Golden());
}

TEST_F(MIBWriter, WithoutAgentObjectsTheModuleHoldsItsFixedLinesOnly) {
  SNMP_Read_Descriptions = QStringList{"stale"};
  EXPECT_TRUE(Load_SNMP_Trap_Rows(File_SNMP_Trap).isEmpty());  // no file
  EXPECT_TRUE(SNMP_Read_Descriptions.isEmpty());
  const QStringList lines = SNMP_MIB_Lines();
  EXPECT_EQ(lines.size(), 26 + 17 + 1 + 9 + 2 + 1);
  EXPECT_TRUE(Between(lines, " bufferinval OBJECT IDENTIFIER::= { bufferin 9 }", "bufferout OBJECT IDENTIFIER::= { data 5 }")
                  .isEmpty());
  EXPECT_EQ(lines.last(), "END");
  EXPECT_EQ(lines[lines.size() - 2], " trapsval OBJECT IDENTIFIER::= { traps 1 }");
}

TEST_F(MIBWriter, AFileWithoutATableElementWritesNothing) {
  WriteFileWhole(File_SNMP_Trap, "<SNMP_Trap><SNMP_Trap_Read><row Enable=\"Y\" Description=\"a\"/></SNMP_Trap_Read>"
                                 "</SNMP_Trap>");
  try {
    Load_SNMP_Trap_Rows(File_SNMP_Trap);
    FAIL() << "a file without SNMP_Trap_Write was read";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "SNMP_Trap.xml has no element \"SNMP_Trap_Write\".");
  }
  EXPECT_TRUE(SNMP_Read_Descriptions.isEmpty());
  WriteFileWhole(File_SNMP_Trap, "<SNMP_Trap><SNMP_Trap_Read>");
  EXPECT_THROW(Load_SNMP_Trap_Rows(File_SNMP_Trap), EFileError);
}

TEST_F(MIBWriter, EnabledRowsBeyondTheGridSizeAreLeftOutAndNamed) {
  QString rows;
  for (int i = 0; i < 260; ++i) rows += QStringLiteral("<row Enable=\"Y\" Description=\"o%1\" Type=\"Int\"/>").arg(i);
  WriteFileWhole(File_SNMP_Trap, "<SNMP_Trap><SNMP_Trap_Read>" + rows.toUtf8() + "</SNMP_Trap_Read><SNMP_Trap_Write/></SNMP_Trap>");
  const QStringList notes = Load_SNMP_Trap_Rows(File_SNMP_Trap);
  EXPECT_EQ(notes, QStringList{"SNMP_Trap.xml holds 260 enabled objects in \"SNMP_Trap_Read\"; the MIB file describes "
                               "the first 256."});
  EXPECT_EQ(SNMP_Read_Descriptions.size(), 256);
  EXPECT_EQ(SNMP_Read_Descriptions.last(), "o255");
  const QStringList lines = SNMP_MIB_Lines();
  EXPECT_TRUE(lines.contains("trapval256 NOTIFICATION-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current "
                             "DESCRIPTION \"o255\" ::= { trapsval 256 }"));
  EXPECT_FALSE(lines.join('\n').contains("trapval257"));
}
