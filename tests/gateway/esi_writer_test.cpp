// The EtherCAT slave information file.
#include "gateway/esi_writer.h"
#include "app/state/comon.h"
#include "gateway/esi_identity.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "platform/xml/xml_document.h"
#include "tests/gateway/bank1_test_project.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <vector>

namespace {

QString Var(const char* type, const char* length, const char* name, const char* enable = "Y") {
  return QStringLiteral("<row Enable=\"%1\" Type=\"%2\" Length=\"%3\" Name=\"%4\" InitValue=\"\" Position=\"0\" "
                        "BitStart=\"0\" Mnemonic=\"\"/>")
      .arg(QString::fromUtf8(enable), QString::fromUtf8(type), QString::fromUtf8(length), QString::fromUtf8(name));
}
QString Vars(int count, const char* type, const char* length = "1") {
  QString rows;
  for (int i = 0; i < count; ++i) rows += Var(type, length, QStringLiteral("v%1").arg(i).toUtf8().constData());
  return rows;
}

TESI_Sources Load(const TTest_Project& p) {
  return Load_ESI_Sources(p.Path("ParGen.xml"), p.Path("EtherCAT_Slave.xml"));
}
QString Text(const TTest_Project& p) { return QString::fromUtf8(ESI_File_Text(Load(p))); }

// The ESI lines between the outputs sync manager and the Mailbox block: the PDOs.
QStringList PDO_Lines(const TTest_Project& p) {
  const QStringList lines = ESI_Lines(Load(p));
  const qsizetype from = lines.indexOf(QRegularExpression(".*>Inputs</Sm>")) + 1;
  const qsizetype to = lines.indexOf(QRegularExpression(" *<Mailbox DataLinkLayer.*"));
  return lines.mid(from, to - from);
}

QString Data_File(const char* name) { return QStringLiteral(TESTS_SOURCE_DIR "/gateway/data/") + name; }

}  // namespace

TEST(ESIWriter, SmallProjectGivesTheGoldenText) {
  TTest_Project p;
  p.ParGen("<EtherCAT_Slave_Name>Press7 &amp; Co</EtherCAT_Slave_Name>"
           "<EtherCAT_Slave_Revision_Number>255</EtherCAT_Slave_Revision_Number>"
           "<EtherCAT_Slave_Node_Address>258</EtherCAT_Slave_Node_Address>");
  p.EtherCAT(Var("Bool", "1", "Run") + Var("Bool", "1", "Spare", "N") + Var("Bool", "1", "Stop") +
                 Var("Int16", "2", "Speed") + Var("String", "4", "Label"),
             Var("UInt8", "1", "Cmd") + Var("Array", "2", "Data") + Var("Float32", "4", "Set &lt;mm&gt;"));
  const QByteArray actual = ESI_File_Text(Load(p));
  const QByteArray golden = ReadFileWhole(Data_File("esi_small_project.xml"));
  if (actual != golden) {
    const QString out = QDir::temp().filePath("esi_small_project.actual.xml");
    WriteFileWhole(out, actual);
    FAIL() << "differs from the golden file; the text written is in " << out.toStdString();
  }
}

TEST(ESIWriter, FileIsUtf8WithCrLfAndWellFormed) {
  TTest_Project p;
  p.ParGen("<EtherCAT_Slave_Name>Pr\xC3\xBC" "fstand &lt;1&gt; &amp; 2</EtherCAT_Slave_Name>");
  p.EtherCAT(Var("Int8", "1", "a&amp;b") + Var("Bool", "1", "x&lt;y&gt;"), Var("UInt16", "2", "\xC3\xA9t\xC3\xA9"));
  const QString file = p.Path("out.xml");
  Write_ESI_File(file, Load(p));
  const QByteArray bytes = ReadFileWhole(file);
  EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\"?>\r\n"));  // no byte-order mark
  EXPECT_TRUE(bytes.endsWith("</EtherCATInfo>\r\n"));
  EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n"));
  EXPECT_TRUE(bytes.contains("<Type ProductCode=\"#x00820003\" RevisionNo=\"#x00\">Pr\xC3\xBC" "fstand &lt;1&gt; &amp; 2</Type>"));

  TXMLDocument doc;
  ASSERT_NO_THROW(doc.LoadFromFile(file));
  const TXMLNode device = doc.DocumentElement().ChildByName("Descriptions").ChildByName("Devices").ChildByName("Device");
  EXPECT_EQ(device.ChildByName("Type").Text(), QString::fromUtf8("Pr\xC3\xBC" "fstand <1> & 2"));
  const QList<TXMLNode> pdos = device.ChildElements();
  QStringList names;
  for (const TXMLNode& pdo : pdos)
    for (const TXMLNode& entry : pdo.ChildElements())
      if (entry.NodeName() == "Entry" && !entry.ChildByName("Name").IsNull()) names << entry.ChildByName("Name").Text();
  EXPECT_EQ(names, QStringList({QString::fromUtf8("\xC3\xA9t\xC3\xA9"), "a&b", "x<y>"}));
}

TEST(ESIWriter, PdoSplitAtSixteenEntries) {
  TTest_Project p;
  p.EtherCAT("", Vars(17, "UInt8"));
  QStringList lines = PDO_Lines(p);
  EXPECT_EQ(lines.filter("<RxPdo").size(), 2);
  EXPECT_EQ(lines.filter("</RxPdo>").size(), 2);
  EXPECT_TRUE(lines.contains("          <Index>#x1600</Index>"));
  EXPECT_TRUE(lines.contains("          <Name>Outputs_000</Name>"));
  EXPECT_TRUE(lines.contains("          <Name>Outputs_001</Name>"));
  EXPECT_TRUE(lines.contains("            <Index>#x700F</Index>"));
  EXPECT_TRUE(lines.contains("            <Index>#x7010</Index>"));
  // The 16th entry closes the first PDO right after its empty line.
  const qsizetype last = lines.indexOf("            <Index>#x700F</Index>");
  EXPECT_EQ(lines[last + 6], "");
  EXPECT_EQ(lines[last + 7], "        </RxPdo>");
  EXPECT_EQ(lines[last + 8], "        <RxPdo Mandatory=\"true\" Fixed=\"true\" Sm=\"2\">");

  p.EtherCAT("", Vars(16, "UInt8"));
  lines = PDO_Lines(p);
  EXPECT_EQ(lines.filter("<RxPdo").size(), 1);
  EXPECT_EQ(lines.filter("</RxPdo>").size(), 1);
  EXPECT_EQ(lines.last(), "        </RxPdo>");

  p.EtherCAT("", "");
  EXPECT_TRUE(PDO_Lines(p).isEmpty());
}

TEST(ESIWriter, BoolPadding) {
  struct Case {
    const char* what;
    QString inputs;
    QStringList paddings;  // BitLen of each padding entry, in order
  };
  const Case cases[] = {
      {"eight bools", Vars(8, "Bool"), {}},
      {"nine bools", Vars(9, "Bool"), {"7"}},
      {"bool, disabled bool, bool", Var("Bool", "1", "a") + Var("Bool", "1", "b", "N") + Var("Bool", "1", "c"), {"6"}},
      {"bool then int16", Var("Bool", "1", "Run") + Var("Int16", "2", "Speed"), {"7"}},
      {"bools around a byte", Vars(3, "Bool") + Var("UInt8", "1", "u") + Vars(1, "Bool"), {"5", "7"}},
      {"unknown type counts as bit", Var("Word", "4", "w") + Var("Int8", "1", "i"), {"7"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TTest_Project p;
    p.EtherCAT(c.inputs, "");
    const QStringList lines = PDO_Lines(p);
    QStringList paddings;
    for (qsizetype i = 0; i < lines.size(); ++i) {
      if (lines[i] != "\t\t\t\t\t<Entry>") continue;
      EXPECT_EQ(lines[i + 1], "\t\t\t\t\t\t<Index>#x0</Index>");
      EXPECT_EQ(lines[i + 2], "\t\t\t\t\t\t<SubIndex>0</SubIndex>");
      paddings << lines[i + 3].mid(14).chopped(9);  // "\t x6 <BitLen>" ... "</BitLen>"
      EXPECT_EQ(lines[i + 4], "\t\t\t\t\t</Entry>");
      EXPECT_EQ(lines[i + 5], "");
    }
    EXPECT_EQ(paddings, c.paddings);
  }
}

TEST(ESIWriter, OutputsSyncManagerStart) {
  struct Case {
    const char* what;
    QString inputs;
    int bytes;
    const char* start;
  };
  const Case cases[] = {
      {"no inputs", "", 0, "1000"},
      {"one bool", Vars(1, "Bool"), 1, "1004"},
      {"nine bools", Vars(9, "Bool"), 2, "1008"},
      {"bool and int16", Var("Bool", "1", "Run") + Var("Int16", "2", "Speed"), 3, "100C"},
      {"ten bytes", Var("Array", "10", "a"), 10, "1020"},
      {"string of 4 takes 5 bytes", Var("String", "4", "s"), 5, "1010"},
      {"disabled inputs count nothing", Var("Int32", "4", "x", "N"), 0, "1000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TTest_Project p;
    p.EtherCAT(c.inputs, Vars(3, "Int32"));
    EXPECT_EQ(Load(p).Input_Bytes, c.bytes);
    EXPECT_TRUE(Text(p).contains(QStringLiteral("<Sm StartAddress=\"#x%1\" ControlByte=\"#x64\"").arg(c.start)));
  }
}

TEST(ESIWriter, DataTypesRevisionAndNode) {
  struct Type_Case {
    const char* type;
    int32_t length;
    const char* dataType;
    int32_t bits;
  };
  const Type_Case types[] = {
      {"Bool", 1, "BIT", 1},          {" int8 ", 1, "SINT", 8},     {"Int16", 2, "INT", 16},
      {"Int32", 4, "DINT", 32},       {"UInt8", 1, "USINT", 8},     {"UInt16", 2, "UINT", 16},
      {"UInt32", 4, "UDINT", 32},     {"Float32", 4, "REAL", 32},   {"Array", 4, "ARRAY [0..3] OF BYTE", 32},
      {"String", 10, "STRING(10)", 88}, {"Word", 7, "BIT", 1},
  };
  for (const Type_Case& t : types) {
    int32_t length = t.length;
    QString dataType;
    Map_ESI_Data_Type(QString::fromLatin1(t.type), length, dataType);
    EXPECT_EQ(dataType, t.dataType) << t.type;
    EXPECT_EQ(length, t.bits) << t.type;
  }
  EXPECT_EQ(Format_PDO_Number(0), "000");
  EXPECT_EQ(Format_PDO_Number(42), "042");
  EXPECT_EQ(Format_PDO_Number(1234), "1234");

  struct Head_Case {
    const char* revision;
    const char* node;
    const char* revisionText;
    const char* config;
  };
  const Head_Case heads[] = {
      {"255", "1", "#xFF", "800F00CC8813ff00010000800000"},
      {"4096", "258", "#x1000", "800F00CC8813ff00020100800000"},
      {"0", "x", "#x00", "800F00CC8813ff00010000800000"},  // node no number: 1
      {"4294967295", "65537", "#xFFFFFFFF", "800F00CC8813ff00010000800000"},
      {"oops", "192", "#x00", "800F00CC8813ff00C00000800000"},
  };
  for (const Head_Case& h : heads) {
    SCOPED_TRACE(h.revision);
    TTest_Project p;
    p.ParGen(QStringLiteral("<EtherCAT_Slave_Revision_Number>%1</EtherCAT_Slave_Revision_Number>"
                            "<EtherCAT_Slave_Node_Address>%2</EtherCAT_Slave_Node_Address>")
                 .arg(QLatin1String(h.revision), QLatin1String(h.node)));
    const QString text = Text(p);
    EXPECT_TRUE(text.contains(QStringLiteral("RevisionNo=\"%1\">EtherCAT Slave</Type>").arg(QLatin1String(h.revisionText))));
    EXPECT_TRUE(text.contains(QStringLiteral("<ConfigData>%1</ConfigData>").arg(QLatin1String(h.config))));
  }
}

TEST(ESIWriter, SourcesDefaultsAndErrors) {
  TTest_Project p;
  TESI_Sources s = Load(p);  // no files at all
  EXPECT_EQ(s.Device_Name, "EtherCAT Slave");
  EXPECT_EQ(s.Revision, 0u);
  EXPECT_EQ(s.Node_Address, 1);
  EXPECT_TRUE(s.Inputs.isEmpty() && s.Outputs.isEmpty());

  p.ParGen("<EtherCAT_Slave_Name></EtherCAT_Slave_Name>");  // an empty element: an empty name
  EXPECT_EQ(Load(p).Device_Name, "");

  // Missing groups and broken files are errors, and no file is written.
  Reset_Comon();
  Project_Folder = p.Folder();
  Set_Files();
  const QString out = p.Path("device.xml");
  p.Write("EtherCAT_Slave.xml", "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Master_To_Slave/>"
                                "</EtherCAT_Slave_Variables></EtherCAT_Slave>");
  try {
    Build_ESI_File(out);
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_TRUE(e.Message.contains("EtherCAT_Slave_To_Master")) << e.Message.toStdString();
  }
  p.Write("EtherCAT_Slave.xml", "<EtherCAT_Slave>");
  EXPECT_THROW(Build_ESI_File(out), Exception);
  EXPECT_FALSE(FileExists(out));
  p.EtherCAT(Var("Int8", "1", "a"), "");
  Build_ESI_File(out);
  EXPECT_TRUE(ReadFileWhole(out).contains("<Name>a</Name>"));
  // A file that cannot be written is an error.
  EXPECT_THROW(Build_ESI_File(p.Path("no-such-folder/device.xml")), Exception);
  Reset_Comon();
}

TEST(ESIWriter, HandEditedFilesTheWriterCannotDescribeAreRefused) {
  // Each refusal names the file and, for a variable, its row as the editor numbers it.
  struct Case {
    const char* what;
    QString parGen, inputs, outputs;
    std::vector<const char*> message;  // parts of the error
  };
  const Case cases[] = {
      {"a String at the 32-bit limit", "", Var("String", "2147483647", "s"), "",
       {"EtherCAT_Slave.xml", "row 1 of \"EtherCAT_Slave_To_Master\"", "Length"}},
      {"two Arrays of 2,000,000,000", "", Var("Array", "2000000000", "a") + Var("Array", "2000000000", "b"), "",
       {"row 1 of \"EtherCAT_Slave_To_Master\"", "Length"}},
      {"an Array of 0", "", "", Var("Int8", "1", "x") + Var("Array", "0", "a"),
       {"row 2 of \"EtherCAT_Master_To_Slave\"", "Length"}},
      {"a negative array in any letter case", "", Var(" array ", "-5", "a"), "", {"row 1 of", "\"-5\""}},
      {"a String of 256", "", Var("Bool", "1", "b") + Var("STRING", "256", "s"), "", {"row 2 of", "Length"}},
      {"a control character in a variable name", "", Var("Int8", "1", "a&#1;b"), "",
       {"row 1 of \"EtherCAT_Slave_To_Master\"", "Name"}},
      {"U+FFFF in a variable name", "", "", Var("Int8", "1", "&#xFFFF;"), {"row 1 of \"EtherCAT_Master_To_Slave\""}},
      {"a control character in the device name", "<EtherCAT_Slave_Name>Slave&#27;</EtherCAT_Slave_Name>", "", "",
       {"ParGen.xml", "EtherCAT_Slave_Name"}},
      {"257 rows in a table", "", Vars(256, "Bool") + Var("Bool", "1", "off", "N"), "",
       {"\"EtherCAT_Slave_To_Master\" holds 257 rows", "256"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TTest_Project p;
    if (!c.parGen.isEmpty()) p.ParGen(c.parGen);
    p.EtherCAT(c.inputs, c.outputs);
    try {
      Load(p);
      ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
      for (const char* part : c.message) EXPECT_TRUE(e.Message.contains(QString::fromUtf8(part))) << e.Message.toStdString();
    }
  }
}

TEST(ESIWriter, WhatItWritesIsWellFormedToAStrictReader) {
  // Names with the characters XML escapes or allows as they are (tab, line breaks,
  // characters beyond U+FFFF), the longest Array and String, full tables.
  TTest_Project p;
  p.ParGen("<EtherCAT_Slave_Name>A&amp;B &lt;C&gt; ]]&gt; \xF0\x9F\x98\x80</EtherCAT_Slave_Name>");
  p.EtherCAT(Var("Int8", "1", "tab&#9;cr&#13;lf&#10;") + Var("Array", "255", "a") + Var("String", "255", "s") +
                 Vars(253, "Bool"),
             Vars(256, "UInt32"));
  const TESI_Sources sources = Load(p);
  EXPECT_EQ(sources.Input_Bytes, 1 + 255 + 256 + 32);
  QXmlStreamReader reader(ESI_File_Text(sources));
  int names = 0;
  while (!reader.atEnd())
    if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("Name")) ++names;
  EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString() << " at line " << reader.lineNumber();
  EXPECT_EQ(names, 1 + 2 + 2 + 32 + 512 + 2);  // vendor, group, device, PDOs, entries, DC modes
}

TEST(ESIWriter, FixedTypesCountTheirOwnSizeWhateverTheirLength) {
  TTest_Project p;
  p.EtherCAT(Var("Int16", "100", "a") + Var("UInt32", "-7", "b") + Var("Float32", "2147483647", "c"), "");
  EXPECT_EQ(Load(p).Input_Bytes, 2 + 4 + 4);
}

TEST(ESIWriter, ImageIsA16By14Bitmap) {
  const QByteArray bmp = ESI_Image_Bitmap();
  EXPECT_TRUE(bmp.startsWith("BM"));
  EXPECT_EQ(Image_U32(bmp, 2), static_cast<uint32_t>(bmp.size()));
  EXPECT_EQ(Image_U32(bmp, 18), 16u);
  EXPECT_EQ(Image_U32(bmp, 22), 14u);
  EXPECT_EQ(Image_U16(bmp, 28), 24u);
  EXPECT_EQ(bmp.size(), 54 + 16 * 14 * 3);
  EXPECT_EQ(ESI_Image_Data16x14(), QString::fromLatin1(bmp.toHex().toUpper()));
}
