// The SCL decoder: a small substation file of our own (data/plant.icd) decoded into
// the tree written out by hand - logical devices, nodes, data objects with their
// sub data objects, attributes with components and inherited functional
// constraints, enumerations as leaves, data sets whose members are the tree's own
// attributes (a member of a later logical device too) and GOOSE names. Then the
// rarer cases, and templates that contain themselves or nest without end refused.
#include "editors/network/scl_model.h"

#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "tests/support/qstring_print.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString Plant() { return QStringLiteral(TESTS_SOURCE_DIR "/editors/network/data/plant.icd"); }

void Dump_DA(const TIEC_DA& da, const QString& indent, QStringList& out) {
  out << indent + "DA " + da.Reference() + " " + da.bType() + " " + da.FC();
  for (const auto& c : da.List_DA) Dump_DA(*c, indent + "  ", out);
}

void Dump_DO(const TIEC_DO& d, const QString& indent, QStringList& out) {
  out << indent + "DO " + d.Name();
  for (const auto& sub : d.List_DO) Dump_DO(*sub, indent + "  ", out);
  for (const auto& da : d.List_DA) Dump_DA(*da, indent + "  ", out);
}

// The whole tree as indented lines; a data set lists its members' references.
QStringList Dump(const TIEC_Device& device) {
  QStringList out{device.Name() + " (" + device.FileName() + ")"};
  for (const auto& ld : device.List_LDevice) {
    out << "  LD " + ld->Name();
    for (const auto& ln : ld->List_LN) {
      out << "    LN " + ln->Prefix() + ln->lnClass() + ln->Inst() + " type " + ln->lnType();
      for (const auto& d : ln->List_DO) Dump_DO(*d, "      ", out);
      for (const auto& ds : ln->List_DataSet) {
        QStringList members;
        for (const TIEC_DA* m : ds->List_DA) members << m->Reference();
        out << "      DS " + ds->Reference() + " goose=" + ds->GooseName() + " [" + members.join(", ") + "]";
      }
    }
  }
  return out;
}

class SCLModel : public ::testing::Test {
protected:
  // An SCL file of the given text in a folder of the test.
  QString File(const QString& text, const QString& name = "test.icd") {
    const QString path = QDir(dir.path()).filePath(name);
    WriteFileWhole(path, text.toUtf8());
    return path;
  }
  // The text of an SCL file with one IED (name "D", logical device "L") holding the
  // given logical nodes, and the given templates.
  static QString Scl(const QString& nodes, const QString& templates) {
    return "<SCL><IED name=\"D\"><AccessPoint><Server><LDevice inst=\"L\">" + nodes +
           "</LDevice></Server></AccessPoint></IED><DataTypeTemplates>" + templates + "</DataTypeTemplates></SCL>";
  }
  QString Refusal(const QString& path) {
    try {
      TIEC_Device device(path);
    } catch (const EFileError& e) {
      return e.Message;
    }
    return QString();
  }
  QTemporaryDir dir;
};

}  // namespace

TEST_F(SCLModel, OurSubstationFileDecodesIntoItsTree) {
  const TIEC_Device device(Plant());
  const QStringList expected = {
      "IED1 (plant.icd)",
      "  LD LD0",
      "    LN LLN0 type LLN0_T",
      "      DO Mod",
      "        DA IED1LD0/LLN0.Mod.stVal Enum ST",
      "      DS IED1LD0/LLN0.DS1 goose=GC1 [IED1LD0/MMXU1.TotW.mag, IED1LD0/MMXU1.TotW.mag.f, "
      "IED1CTRL/CSWI2.Pos.stVal, IED1LD0/Q0XCBR1.Pos.stVal]",
      "      DS IED1LD0/LLN0.DS2 goose=GC2b [IED1LD0/MMXU1.PhV.phsA.cVal.mag.f]",
      "      DS IED1LD0/LLN0.DS3 goose= []",
      "    LN MMXU1 type MMXU_T",
      "      DO TotW",
      "        DA IED1LD0/MMXU1.TotW.mag Struct MX",
      "          DA IED1LD0/MMXU1.TotW.mag.f FLOAT32 MX",
      "          DA IED1LD0/MMXU1.TotW.mag.i INT32 MX",
      "        DA IED1LD0/MMXU1.TotW.q Quality MX",
      "        DA IED1LD0/MMXU1.TotW.t Timestamp MX",
      "      DO PhV",
      "        DO phsA",
      "          DA IED1LD0/MMXU1.PhV.phsA.cVal Struct MX",
      "            DA IED1LD0/MMXU1.PhV.phsA.cVal.mag Struct MX",
      "              DA IED1LD0/MMXU1.PhV.phsA.cVal.mag.f FLOAT32 MX",
      "              DA IED1LD0/MMXU1.PhV.phsA.cVal.mag.i INT32 MX",
      "        DA IED1LD0/MMXU1.PhV.d VisString255 DC",
      "    LN Q0XCBR1 type XCBR_T",
      "      DO Pos",
      "        DA IED1LD0/Q0XCBR1.Pos.stVal Dbpos ST",
      "        DA IED1LD0/Q0XCBR1.Pos.ctlModel Enum CF",
      "      DS IED1LD0/XCBR.DSX goose= [IED1LD0/Q0XCBR1.Pos.ctlModel]",
      "    LN GGIO1 type ",
      "  LD CTRL",
      "    LN LLN0 type LLN0_T",
      "      DO Mod",
      "        DA IED1CTRL/LLN0.Mod.stVal Enum ST",
      "    LN CSWI2 type XCBR_T",
      "      DO Pos",
      "        DA IED1CTRL/CSWI2.Pos.stVal Dbpos ST",
      "        DA IED1CTRL/CSWI2.Pos.ctlModel Enum CF",
  };
  EXPECT_EQ(Dump(device), expected);
  // The members are the tree's own attributes, not copies.
  const TIEC_LN* mmxu = device.Find_LDevice("LD0")->Find_LN("MMXU");
  const TIEC_DataSet* ds1 = device.List_LDevice[0]->List_LN[0]->List_DataSet[0].get();
  EXPECT_EQ(ds1->List_DA[1], mmxu->Find_DO("TotW")->Find_DA("f"));
  EXPECT_EQ(ds1->List_DA[2], device.Find_LDevice("CTRL")->Find_LN("CSWI")->Find_DO("Pos")->Find_First_DA());
  EXPECT_EQ(mmxu->Find_DO("phsA")->Find_First_DA()->Reference(), "IED1LD0/MMXU1.PhV.phsA.cVal.mag.f");
  EXPECT_EQ(mmxu->Find_DO("PhV.phsA"), nullptr);
  EXPECT_EQ(device.Find_LDevice("Other"), nullptr);  // the second IED is not read
}

TEST_F(SCLModel, TemplatesOfOneIdAddUpAndFirstNodesOfAClassAnswer) {
  const QString path = File(Scl(
      "<LN0 lnClass=\"LLN0\" lnType=\"N\"><DataSet name=\"S\"><FCDA ldInst=\"L\" lnClass=\"MMXU\" doName=\"A\"/>"
      "</DataSet></LN0><LN prefix=\"B\" lnClass=\"MMXU\" inst=\"2\" lnType=\"N\"/>"
      "<LN prefix=\"A\" lnClass=\"MMXU\" inst=\"1\" lnType=\"N\"/>",
      "<LNodeType id=\"N\"><DO name=\"A\" type=\"T\"/></LNodeType><!-- x --><LNodeType id=\"N\"><DO name=\"B\"/>"
      "</LNodeType><DOType id=\"T\"><DA name=\"s\" bType=\"Struct\" type=\"Gone\"/><DA name=\"n\" bType=\"INT8\" "
      "type=\"AV\"/></DOType><DAType id=\"AV\"><BDA name=\"x\" bType=\"INT8\"/></DAType>"));
  const TIEC_Device device(path);
  const TIEC_LN* first = device.List_LDevice[0]->List_LN[1].get();
  ASSERT_EQ(first->List_DO.size(), 2u);
  EXPECT_EQ(first->List_DO[1]->Name(), "B");
  EXPECT_TRUE(first->List_DO[1]->List_DA.empty());  // a data object without type has no attributes
  // A structure whose type is missing is a leaf; a basic type naming a template
  // unfolds; no fc anywhere leaves every FC empty.
  const TIEC_DO& a = *first->List_DO[0];
  EXPECT_TRUE(a.List_DA[0]->List_DA.empty());
  ASSERT_EQ(a.List_DA[1]->List_DA.size(), 1u);
  EXPECT_EQ(a.List_DA[1]->List_DA[0]->FC(), "");
  // The member resolves in the first MMXU in list order, whatever its prefix.
  const TIEC_DataSet& s = *device.List_LDevice[0]->List_LN[0]->List_DataSet[0];
  EXPECT_EQ(s.Reference(), "DL/LLN0.S");
  ASSERT_EQ(s.List_DA.size(), 1u);
  EXPECT_EQ(s.List_DA[0]->Reference(), "DL/BMMXU2.A.s");
}

TEST_F(SCLModel, MissingPartsGiveAnEmptyOrPartialDeviceAndBrokenXmlRaises) {
  const TIEC_Device none(QDir(dir.path()).filePath("absent.icd"));
  EXPECT_EQ(none.Name(), "");
  EXPECT_EQ(none.FileName(), "absent.icd");
  const TIEC_Device noTemplates(File("<SCL><IED name=\"X\"/></SCL>"));
  EXPECT_EQ(noTemplates.Name(), "");
  const TIEC_Device noServer(File("<SCL><IED name=\"X\"><AccessPoint/></IED><DataTypeTemplates/></SCL>"));
  EXPECT_EQ(noServer.Name(), "X");
  EXPECT_TRUE(noServer.List_LDevice.empty());
  const TIEC_Device otherRoot(File("<Substation><IED name=\"X\"/></Substation>"));
  EXPECT_EQ(otherRoot.Name(), "");
  EXPECT_THROW(TIEC_Device(File("<SCL><IED name=\"X\">")), EFileError);
}

TEST_F(SCLModel, TemplatesThatContainThemselvesAreRefusedWithTheirChain) {
  struct Case {
    const char* name;
    QString templates;
    QString reason;
  } cases[] = {
      {"attribute types in a ring",
       "<DOType id=\"T\"><DA name=\"a\" bType=\"Struct\" type=\"A\"/></DOType>"
       "<DAType id=\"A\"><BDA name=\"b\" bType=\"Struct\" type=\"B\"/></DAType>"
       "<DAType id=\"B\"><BDA name=\"a\" bType=\"Struct\" type=\"A\"/></DAType>",
       "the DAType \"A\" contains itself (A > B > A)"},
      {"a data object type holding itself",
       "<DOType id=\"T\"><SDO name=\"again\" type=\"T\"/></DOType>", "the DOType \"T\" contains itself (T > T)"},
  };
  for (const Case& c : cases) {
    const QString path =
        File(Scl("<LN lnClass=\"GGIO\" inst=\"1\" lnType=\"N\"/>", "<LNodeType id=\"N\"><DO name=\"d\" type=\"T\"/>"
                                                                  "</LNodeType>" + c.templates));
    EXPECT_EQ(Refusal(path), "The SCL file \"test.icd\" cannot be used: " + c.reason + ".") << c.name;
  }
  // A chain of 70 distinct types nests too deep.
  QString chain = "<DOType id=\"T\"><DA name=\"a\" bType=\"Struct\" type=\"A0\"/></DOType>";
  for (int i = 0; i < 70; ++i)
    chain += QStringLiteral("<DAType id=\"A%1\"><BDA name=\"b\" bType=\"Struct\" type=\"A%2\"/></DAType>").arg(i).arg(i + 1);
  const QString deep = File(Scl("<LN lnClass=\"GGIO\" lnType=\"N\"/>", "<LNodeType id=\"N\"><DO name=\"d\" type=\"T\"/>"
                                                                       "</LNodeType>" + chain));
  EXPECT_EQ(Refusal(deep), "The SCL file \"test.icd\" cannot be used: its data types nest deeper than 64 levels.");
  // Ten levels of ten components each would be 10^10 objects.
  QString wide = "<DOType id=\"T\"><DA name=\"a\" bType=\"Struct\" type=\"W0\"/></DOType>";
  for (int i = 0; i < 10; ++i) {
    wide += QStringLiteral("<DAType id=\"W%1\">").arg(i);
    for (int k = 0; k < 10; ++k) wide += QStringLiteral("<BDA name=\"c%1\" bType=\"Struct\" type=\"W%2\"/>").arg(k).arg(i + 1);
    wide += "</DAType>";
  }
  const QString huge = File(Scl("<LN lnClass=\"GGIO\" lnType=\"N\"/>", "<LNodeType id=\"N\"><DO name=\"d\" type=\"T\"/>"
                                                                       "</LNodeType>" + wide));
  EXPECT_EQ(Refusal(huge), "The SCL file \"test.icd\" cannot be used: its data types unfold into more than 200000 objects.");
}
