// The CANopen EDS writer: a small project against a sheet written by hand, in
// Windows-1252 with CR LF; the times on a 12-hour clock; the numbering of the
// optional objects and variable names; an object entry given twice refused with
// nothing written; PDOs beyond 30 left out and said; faulty project files.
#include "editors/can/eds_writer.h"

#include "app/state/comon.h"
#include "platform/os/clock.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "tests/support/project_fixture.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class EDSWriter : public ProjectTest {
protected:
  void SetUp() override {
    ProjectTest::SetUp();
    SetClock(&clock_);
    sheet_ = QDir(Project_Folder).filePath(QStringLiteral("out.eds"));
  }
  void TearDown() override {
    SetClock(nullptr);
    ProjectTest::TearDown();
  }

  static void WritePDOs(const QByteArray& receive, const QByteArray& transmit) {
    WriteFileWhole(File_PDO_CANopen, "<PDO_CANopen><Receive_PDO>" + receive + "</Receive_PDO><Transmit_PDO>" +
                                         transmit + "</Transmit_PDO></PDO_CANopen>");
  }
  static QByteArray PDO(const char* cobId, const char* dimension) {
    return QByteArray("<row COB-ID=\"") + cobId + "\" Dimension=\"" + dimension + "\"/>";
  }
  static void WriteSDOs(const QByteArray& read, const QByteArray& write) {
    WriteFileWhole(File_SDO_Server_CANopen, "<SDO_Server_CANopen><SDO_Read>" + read + "</SDO_Read><SDO_Write>" +
                                                write + "</SDO_Write></SDO_Server_CANopen>");
  }
  static QByteArray SDO(const char* index, const char* sub, const char* bytes) {
    return QByteArray("<row Index=\"") + index + "\" SubIndex=\"" + sub + "\" NByte=\"" + bytes + "\"/>";
  }
  QStringList Lines() {
    TEDS_Sources sources;
    Load_EDS_PDO_List(File_PDO_CANopen, sources);
    Load_EDS_SDO_List(File_SDO_Server_CANopen, sources);
    Sort_SDO_Sub_Indexs(sources);
    return Build_EDS_Lines(sources, QDateTime(QDate(2024, 3, 3), QTime(9, 5)));
  }
  // The lines of one section, header excluded.
  static QStringList Section(const QStringList& lines, const QString& name) {
    const qsizetype at = lines.indexOf("[" + name + "]");
    if (at < 0) return {};
    const qsizetype end = lines.indexOf(QString(), at);
    return lines.mid(at + 1, end - at - 1);
  }

  TManualClock clock_{QDateTime(QDate(2024, 3, 3), QTime(12, 30))};
  QString sheet_;
};

}  // namespace

TEST_F(EDSWriter, ASmallProjectGivesTheSheetWrittenByHand) {
  WritePDOs(PDO("0x181", "2"), PDO("$201", "1"));
  WriteSDOs(SDO("0x2000", "2", "1") + SDO("0x3000", "0", "2"), SDO("8192", "1", "4"));
  EXPECT_TRUE(Create_EDS_File(sheet_).isEmpty());
  const QString golden = QStringLiteral(TESTS_SOURCE_DIR "/editors/can/data/canopen_small_project.eds");
  QByteArray expected = ReadFileWhole(golden);
  expected.replace("\n", "\r\n");
  const QByteArray written = ReadFileWhole(sheet_);
  EXPECT_EQ(written, expected);
  EXPECT_FALSE(written.contains("\n\n")) << "every line ends with CR LF";
  EXPECT_TRUE(written.endsWith("PDOMapping=0\r\n\r\n\r\n"));
}

TEST_F(EDSWriter, TimesAreOnATwelveHourClock) {
  struct Case {
    int hour, minute;
    const char* text;
  } cases[] = {{0, 10, "12:10AM"}, {9, 5, "09:05AM"}, {11, 59, "11:59AM"},
               {12, 0, "12:00PM"}, {12, 30, "12:30PM"}, {13, 7, "01:07PM"}, {23, 59, "11:59PM"}};
  for (const Case& c : cases) EXPECT_EQ(EDS_Time_Text(QTime(c.hour, c.minute)), c.text) << c.text;
  EXPECT_EQ(EDS_Date_Text(QDate(2024, 3, 3)), "03-03-2024");
  EXPECT_EQ(EDS_Date_Text(QDate(987, 12, 25)), "12-25-987");
}

TEST_F(EDSWriter, PDOsAreNumberedAcrossTheOptionalObjectsAndNamedByPosition) {
  QByteArray receive;
  for (int i = 0; i < 11; ++i) receive += PDO("1", "3");
  WritePDOs(receive, PDO("x", "y"));
  const QStringList lines = Lines();
  const QStringList optional = Section(lines, "OptionalObjects");
  EXPECT_EQ(optional.first(), "SupportedObjects=44");
  EXPECT_EQ(optional[9], "9=0x1400");
  EXPECT_EQ(optional[19], "19=0x140A");
  EXPECT_EQ(optional[20], "20=0x1600");
  EXPECT_EQ(optional[31], "31=0x1800");
  EXPECT_EQ(optional[32], "32=0x1A00");
  EXPECT_EQ(optional[33], "33=0x7000");
  EXPECT_EQ(optional[44], "44=0x7050");
  // The eleventh receive PDO and the tenth prefix, which follows h, j, k.
  EXPECT_EQ(Section(lines, "700A").at(1), "ParameterName=RPDO11");
  EXPECT_EQ(Section(lines, "700Asub3").first(), "ParameterName=aa3");
  EXPECT_EQ(Section(lines, "7009sub1").first(), "ParameterName=i1");
  // A COB-ID that is no number is 0, a Dimension that is none is 8.
  EXPECT_EQ(Section(lines, "1800sub1").at(4), "DefaultValue=0x00000000");
  EXPECT_EQ(Section(lines, "1A00").first(), "SubNumber=9");
  EXPECT_EQ(Section(lines, "7050sub8").first(), "ParameterName=l8");
  EXPECT_EQ(Section(lines, "7050sub8").at(3), "AccessType=rwr");

  // No files: no PDO objects and no application objects.
  QFile::remove(File_PDO_CANopen);
  const QStringList bare = Lines();
  EXPECT_EQ(Section(bare, "OptionalObjects").first(), "SupportedObjects=8");
  EXPECT_EQ(Section(bare, "ManufacturerObjects"), QStringList{"SupportedObjects=0"});
  EXPECT_TRUE(Section(bare, "1400").isEmpty());
  EXPECT_EQ(bare.last(), "");
  EXPECT_EQ(bare.at(bare.size() - 3), "PDOMapping=0");
}

TEST_F(EDSWriter, ApplicationRecordsFollowFirstOccurrenceAndSortTheirEntries) {
  WriteSDOs(SDO("0x2000", "10", "2") + SDO("0x2000", "3", "1"), SDO("0x4000", "0", "4") + SDO("0x2000", "0", "2"));
  const QStringList lines = Lines();
  EXPECT_EQ(Section(lines, "ManufacturerObjects"), (QStringList{"SupportedObjects=2", "1=0x2000", "2=0x4000"}));
  // Sub-index 0 given: no added entry; decimal sub-index in the header.
  EXPECT_EQ(Section(lines, "2000").first(), "SubNumber=3");
  EXPECT_EQ(Section(lines, "2000sub0").at(2), "DataType=0x0006");
  EXPECT_EQ(Section(lines, "2000sub0").at(6), "AccessType=rw");
  EXPECT_EQ(Section(lines, "2000sub10").at(2), "DataType=0x0006");
  EXPECT_LT(lines.indexOf("[2000sub3]"), lines.indexOf("[2000sub10]"));
  EXPECT_LT(lines.indexOf("[2000sub10]"), lines.indexOf("[4000]"));
}

TEST_F(EDSWriter, AnObjectEntryGivenTwiceIsRefusedAndNothingIsWritten) {
  WriteSDOs(SDO("0x2000", "1", "1"), SDO("$2000", "1", "2"));
  try {
    Create_EDS_File(sheet_);
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "SDO_Server_CANopen.xml names the object 0x2000 sub-index 1 twice; an EDS file can describe "
                         "it only once. No EDS file was written.");
  }
  EXPECT_FALSE(FileExists(sheet_));
}

TEST_F(EDSWriter, FaultyFilesAreRefusedAndPDOsBeyondThirtyAreLeftOutAndSaid) {
  struct Case {
    const char* name;
    QByteArray pdo;
    QByteArray sdo;
    QString message;
  } cases[] = {
      {"missing Dimension", "<PDO_CANopen><Receive_PDO><row COB-ID=\"1\"/></Receive_PDO><Transmit_PDO/></PDO_CANopen>",
       "", "PDO_CANopen.xml: row 1 of \"Receive_PDO\" has no attribute \"Dimension\"."},
      {"missing table", "<PDO_CANopen><Receive_PDO/></PDO_CANopen>", "",
       "PDO_CANopen.xml has no element \"Transmit_PDO\"."},
      {"dimension 12", "<PDO_CANopen><Receive_PDO/><Transmit_PDO><row COB-ID=\"1\" Dimension=\"12\"/></Transmit_PDO>"
                       "</PDO_CANopen>",
       "", "PDO_CANopen.xml: transmit PDO 1 has the Dimension 12; a PDO carries 1 to 8 bytes."},
      {"index not a number", "",
       "<SDO_Server_CANopen><SDO_Read><row Index=\"0x2000x\" SubIndex=\"1\" NByte=\"1\"/></SDO_Read><SDO_Write/>"
       "</SDO_Server_CANopen>",
       "SDO_Server_CANopen.xml: row 1 of \"SDO_Read\": '0x2000x' is not a valid integer value."},
      {"not XML", "<PDO_CANopen>", "", ""},
  };
  for (const Case& c : cases) {
    QFile::remove(File_PDO_CANopen);
    QFile::remove(File_SDO_Server_CANopen);
    if (!c.pdo.isEmpty()) WriteFileWhole(File_PDO_CANopen, c.pdo);
    if (!c.sdo.isEmpty()) WriteFileWhole(File_SDO_Server_CANopen, c.sdo);
    try {
      Create_EDS_File(sheet_);
      ADD_FAILURE() << c.name;
    } catch (const Exception& e) {
      if (!c.message.isEmpty()) {
        EXPECT_EQ(e.Message, c.message) << c.name;
      }
    }
    EXPECT_FALSE(FileExists(sheet_)) << c.name;
  }

  QByteArray receive;
  for (int i = 0; i < 32; ++i) receive += PDO("1", "1");
  WritePDOs(receive, "");
  QFile::remove(File_SDO_Server_CANopen);
  EXPECT_EQ(Create_EDS_File(sheet_),
            QStringList{"PDO_CANopen.xml holds 32 receive PDOs; the EDS file describes the first 30."});
  const QString text = QString::fromLatin1(ReadFileWhole(sheet_));
  EXPECT_TRUE(text.contains("NrOfRXPDO=30\r\n"));
  EXPECT_TRUE(text.contains("[701D]\r\nSubNumber=2\r\nParameterName=RPDO30\r\n"));
  EXPECT_TRUE(text.contains("ParameterName=av1\r\n"));
  EXPECT_FALSE(text.contains("[701E]"));
}
