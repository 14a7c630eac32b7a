// The IEC 61850 client editor: the Variables checks and the sizes fixed by basic
// type on plain tables; on the form, SCL files added through the catalog (the
// overwrite question, a copy that fails), leaf attributes and data sets picked in
// the tree, the file written and read again with its members matched, members that
// no longer match named, a missing catalog file kept in its place, and a device in
// use that cannot be removed.
#include "editors/network/iec61850_client_form.h"
#include "editors/network/iec61850_client_model.h"

#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "grid/view/column_grid.h"
#include "platform/os/files.h"
#include "platform/rtl/locale_settings.h"
#include "platform/ui/list_controls.h"
#include "platform/ui/page_control.h"
#include "platform/ui/tree_view.h"
#include "tests/editors/editor_tables.h"
#include "tests/support/project_fixture.h"
#include "tests/support/qstring_print.h"
#include "tests/support/scripted_ui.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace {

QString Plant() { return QStringLiteral(TESTS_SOURCE_DIR "/editors/network/data/plant.icd"); }

// Index, bType, fc, Reference, StartByte, NumByte, IPAddress, Port, OnChange,
// OnCMD, OnTimer, Time, Position, StartBit, ReadWrite, Convertion, MoltFact, Mnemonic.
const QStringList kInt32 = {"0", "INT32", "MX", "IED1LD0/MMXU1.TotW.mag.i", "0", "4", "192.168.1.20", "102", "N",
                            "N", "Y", "500", "1399", "", "Read", "None", "none", "power"};

class IEC61850Client : public ProjectTest {
protected:
  void SetUp() override {
    ProjectTest::SetUp();
    form.reset(Create<TFIEC_61850_Access>(nullptr));
  }
  void TearDown() override {
    form.reset();
    SetUserDecimalSetting(std::nullopt);
    ProjectTest::TearDown();
  }

  // Adds the SCL file at `path` through the open dialog, answering the overwrite
  // question when one is given.
  void Add_Device(const QString& path, std::optional<int> overwrite = std::nullopt) {
    ui.ExpectFileDialog(false, path, [](const TFileDialogRequest& r) {
      EXPECT_EQ(r.Filter, "SCL Files (*.scd, *.ssd, *.sed, *.icd, *.iid, *.cid)|*.scd; *.ssd; *.sed; *.icd; *.iid; "
                          "*.cid;|Any File (*.*)|*.*");
    });
    if (overwrite)
      ui.ExpectMessage("File already exists in catalog directory. Do you want to overwrite file?", *overwrite,
                       mtConfirmation, TMsgDlgButtons{mbYes, mbNo, mbCancel});
    form->Btn_Add_IEC_DeviceClick(nullptr);
  }
  void Select_Device(int k) {
    form->LB_IEC_Devices->SetItemIndex(k);
    form->LB_IEC_DevicesClick(nullptr);
  }
  // Picks the node of an object in the tree, as a click does.
  void Pick(TTreeNode* node) {
    form->TV_IEC_Device->SetSelected(node);
    form->TV_IEC_DeviceClick(nullptr);
  }
  TIEC_Device& Device(int k) { return *form->List_IEC_Dev[size_t(k)]; }
  TIEC_LN& LN(int k, const char* ld, const char* cls) { return *Device(k).Find_LDevice(ld)->Find_LN(cls); }
  QStringList Row(TExColumnGrid* g, int row) {
    QStringList cells;
    for (int c = 0; c < g->AllColCount(); ++c) cells << g->GetCellEx(c, row);
    return cells;
  }
  QString Catalog(const QString& name) { return PathJoin(ICD_Catalog_Folder(), name); }

  std::unique_ptr<TFIEC_61850_Access> form;
  ScriptedUi ui;
  QTemporaryDir outside;
};

}  // namespace

TEST_F(IEC61850Client, VariablesChecksNameTheFirstFaultyRowAndItsReason) {
  const QStringList visString = With_Cell(With_Cell(With_Cell(kInt32, kDA_bType, "VisString255"), kDA_StartByte, "200"), kDA_NumByte, "55");
  const QString p = "Error row 2";
  struct Case {
    const char* name;
    QStringList row;
    QString message;
  } cases[] = {
      {"passes", kInt32, ""},
      {"new INT32 row: its IP address first", With_Cell(With_Cell(kInt32, kDA_IPAddress, ""), kDA_MoltFact, ""),
       p + "!! IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
      {"empty mult fact", With_Cell(kInt32, kDA_MoltFact, ""), p + "!! Mult. Factor must be a valid Float"},
      {"NONE in capitals", With_Cell(kInt32, kDA_MoltFact, " NONE"), ""},
      {"factor 0,5", With_Cell(kInt32, kDA_MoltFact, "0,5"), ""},
      {"port 65536", With_Cell(kInt32, kDA_Port, "65536"), p + "!! Port must be between 0 and 65535"},
      {"timer without time", With_Cell(kInt32, kDA_Time, ""), p + "!! Time must be between 1 and 100000000 ms"},
      {"no timer, no time", With_Cell(With_Cell(kInt32, kDA_OnTimer, "N"), kDA_Time, ""), ""},
      {"position 1400", With_Cell(kInt32, kDA_Position, "1400"), p + "!! Position must be between 0 and 1399"},
      {"new VisString255 row: its start byte first", With_Cell(With_Cell(visString, kDA_StartByte, ""), kDA_IPAddress, ""),
       p + "!! Start Byte must be between 0 and 254"},
      {"200 and 55 bytes", visString, ""},
      {"200 and 56 bytes", With_Cell(visString, kDA_NumByte, "56"), p + "!! Start Byte plus Num Byte must be minor of 255"},
      {"256 bytes", With_Cell(visString, kDA_NumByte, "256"), p + "!! Num Byte must be between 1 and 255"},
      {"Octet64 of 64 from 0", With_Cell(With_Cell(With_Cell(kInt32, kDA_bType, "Octet64"), kDA_StartByte, "0"), kDA_NumByte, "64"), ""},
      {"Octet64 of 2 from 63", With_Cell(With_Cell(With_Cell(kInt32, kDA_bType, "OCTET64"), kDA_StartByte, "63"), kDA_NumByte, "2"),
       p + "!! Start Byte plus Num Byte must be minor of 64"},
      {"INT32 sizes never checked", With_Cell(With_Cell(kInt32, kDA_StartByte, "x"), kDA_NumByte, ""), ""},
      {"row without bType skipped", With_Cell(With_Cell(kInt32, kDA_bType, ""), kDA_Port, "x"), ""},
  };
  for (const Case& c : cases) {
    TTextTable t(kDA_Columns, 4);
    for (int col = 1; col < kDA_Columns; ++col) {
      t.SetCell(col, 1, kInt32[col - 1]);
      t.SetCell(col, 2, c.row[col - 1]);
      t.SetCell(col, 3, col == kDA_Port ? "bad" : kInt32[col - 1]);
    }
    // Rows are not cut at an empty cell: when row 2 passes, row 3 fails on its port.
    const auto failure = Check_IEC_Client_Variables(t, u',');
    const QString message = failure ? Row_Check_Message(*failure, 3252) : QString();
    const QString expected = c.message.isEmpty() ? "Error row 3!! Port must be between 0 and 65535" : c.message;
    EXPECT_EQ(message, expected) << c.name;
  }
}

TEST_F(IEC61850Client, BasicTypesFixTheirByteSizes) {
  struct Case {
    const char* type;
    bool fixed;
    const char* num;
  } cases[] = {{"FLOAT32", true, "4"},   {"int32u", true, "4"},    {"Quality", true, "4"},  {"FLOAT64", true, "8"},
               {"INT64", true, "8"},     {"INT8U", true, "1"},     {"BOOLEAN", true, "1"}, {"Timestamp", true, "1"},
               {"Enum", true, "1"},      {"INT16", true, "2"},     {"VisString255", false, ""}, {"Octet64", false, ""},
               {"", false, ""}};
  for (const Case& c : cases) {
    QString start = "s", num = "n";
    EXPECT_EQ(Fixed_Byte_Size(c.type, start, num), c.fixed) << c.type;
    EXPECT_EQ(num, c.fixed ? QString(c.num) : QString("n")) << c.type;
    EXPECT_EQ(start, c.fixed ? QString("0") : QString("s")) << c.type;
  }
}

TEST_F(IEC61850Client, DevicesEnterTheCatalogAndTheirEntriesAreSavedAndReadBack) {
  form->FormShow(nullptr);
  Add_Device(Plant());
  EXPECT_TRUE(FileExists(Catalog("plant.icd")));
  ASSERT_EQ(form->List_IEC_Dev.size(), 1u);
  EXPECT_EQ(form->LB_IEC_Devices->Items()->Strings(0), "IED1");

  // The same name again: No keeps the catalog copy and lists a second device from it;
  // Cancel adds nothing.
  WriteFileWhole(PathJoin(outside.path(), "plant.icd"), "<SCL><IED name=\"Other\"/></SCL>");
  Add_Device(PathJoin(outside.path(), "plant.icd"), mrNo);
  Add_Device(PathJoin(outside.path(), "plant.icd"), mrCancel);
  ASSERT_EQ(form->List_IEC_Dev.size(), 2u);
  EXPECT_EQ(form->LB_IEC_Devices->Items()->Strings(1), "IED1");

  // A leaf attribute of device 1 into the Variables table; a structure, a data object
  // and a logical node add nothing.
  Select_Device(1);
  EXPECT_EQ(form->TV_IEC_Device->Items()->GetFirstNode()->Text(), "IED1");
  TIEC_DO* totW = LN(1, "LD0", "MMXU").Find_DO("TotW");
  for (TTreeNode* node : {totW->TreeNode, totW->List_DA[0]->TreeNode, LN(1, "LD0", "MMXU").TreeNode}) {
    Pick(node);
    form->Btn_AddVarClick(nullptr);
  }
  EXPECT_EQ(Row(form->ECG_DA, 1), QStringList(kDA_Columns, QString()));
  Pick(totW->Find_DA("i")->TreeNode);
  form->Btn_AddVarClick(nullptr);
  form->Btn_AddVarClick(nullptr);  // the same entry twice is allowed
  ASSERT_EQ(form->ECG_DA->RowCount(), 3);
  EXPECT_EQ(Row(form->ECG_DA, 1), (QStringList{"1", "1", "INT32", "MX", "IED1LD0/MMXU1.TotW.mag.i", "0", "4", "", "",
                                               "N", "N", "N", "", "", "", "", "", "", ""}));
  EXPECT_TRUE(form->ECG_DA->ReadOnly(kDA_NumByte, 1));

  // A data set of device 0 into the DataSet table, with its members below.
  Select_Device(0);
  Pick(form->Get_DataSet(0, "IED1LD0/LLN0.DS1")->TreeNode);
  EXPECT_EQ(form->Selected_IEC_DA, nullptr);
  form->Btn_AddVarClick(nullptr);
  EXPECT_EQ(form->PC_DA_DataSet->ActivePage(), form->TS_DataSet);
  EXPECT_EQ(Row(form->ECG_DataSet, 1), (QStringList{"1", "0", "IED1LD0/LLN0.DS1", "GC1", "Y", "", "", "", ""}));
  form->ECG_DataSet->SetRow(1);
  form->ClickCell(form->ECG_DataSet, 1, 2);
  ASSERT_EQ(form->ECG_DS_Vars->RowCount(), 5);
  EXPECT_EQ(Row(form->ECG_DS_Vars, 2), (QStringList{"2", "FLOAT32", "IED1LD0/MMXU1.TotW.mag.f", "", "", "", "", ""}));
  form->ECG_DS_Vars->SetCellEx(3, 2, "17");
  form->ECG_DS_VarsEditCellDone(form->ECG_DS_Vars, 3, 2);
  form->ECG_DS_Vars->SetCellEx(7, 4, "breaker");
  form->ECG_DS_VarsEditCellDone(form->ECG_DS_Vars, 7, 4);

  // Device 0 is in use: it stays, and the user is told. Device 1 is in use too.
  form->LB_IEC_Devices->SetItemIndex(0);
  ui.ExpectMessage("The device IED1 cannot be removed: rows of the Variables or DataSet table use it. Remove those "
                   "rows first.",
                   mrOk, mtWarning);
  form->Btn_Remove_IEC_DeviceClick(nullptr);
  EXPECT_EQ(form->List_IEC_Dev.size(), 2u);

  // OK: the Variables rows must pass their checks first.
  ui.ExpectMessage("Error row 1!! IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)", mrOk, mtError);
  form->Btn_OKClick(nullptr);
  for (int row = 1; row <= 2; ++row)
    for (int c = kDA_IPAddress; c < kDA_Columns; ++c) form->ECG_DA->SetCellEx(c, row, kInt32[c - 1]);
  form->Btn_OKClick(nullptr);
  EXPECT_EQ(form->ModalResult(), mrOk);
  const QString file = QString::fromUtf8(ReadFileWhole(File_IEC_61850_Client));
  EXPECT_TRUE(file.startsWith("<IEC_68850_Client>\n  <List_ICD_Files>\n    <ICD_File Name=\"IED1\" FileName=\"plant.icd\" "
                              "/>\n    <ICD_File Name=\"IED1\" FileName=\"plant.icd\" />\n  </List_ICD_Files>\n"
                              "  <List_DA_Selected>\n    <DA_Item Index=\"1\" bType=\"INT32\" fc=\"MX\" "
                              "Reference=\"IED1LD0/MMXU1.TotW.mag.i\" StartByte=\"0\" NumByte=\"4\" "
                              "IPAddress=\"192.168.1.20\" Port=\"102\""))
      << file.toStdString();
  EXPECT_TRUE(file.contains("<DataSet_Item Index=\"0\" Reference=\"IED1LD0/LLN0.DS1\" GooseName=\"GC1\" EnGoose=\"Y\" "
                            "IPAddress=\"\" Port=\"\" Time=\"\" Mnemonic=\"\">\n      <DataSet_List_DAs>\n"
                            "        <DataSet_DA_Item bType=\"Struct\" Reference=\"IED1LD0/MMXU1.TotW.mag\" Position=\"\" "
                            "StartBit=\"\" Convertion=\"\" MoltFact=\"\" Mnemonic=\"\" />\n"
                            "        <DataSet_DA_Item bType=\"FLOAT32\" Reference=\"IED1LD0/MMXU1.TotW.mag.f\" "
                            "Position=\"17\""))
      << file.toStdString();
  EXPECT_TRUE(file.endsWith("</IEC_68850_Client>\n<!--SW_VERSION = 1.000-->\n"));

  // Shown again: everything comes back from the file and the catalog.
  form->FormShow(nullptr);
  ASSERT_EQ(form->List_IEC_Dev.size(), 2u);
  EXPECT_EQ(form->ECG_DA->RowCount(), 3);
  EXPECT_EQ(Row(form->ECG_DA, 2)[kDA_Reference], "IED1LD0/MMXU1.TotW.mag.i");
  ASSERT_EQ(form->List_DataSet.size(), 1u);
  EXPECT_EQ(form->List_DataSet[0]->Select_DataSet, form->Get_DataSet(0, "IED1LD0/LLN0.DS1"));
  ASSERT_EQ(form->List_DataSet[0]->List_DAs.size(), 4u);
  EXPECT_EQ(form->List_DataSet[0]->List_DAs[1]->Position, "17");
  EXPECT_EQ(form->List_DataSet[0]->List_DAs[3]->Mnemonic, "breaker");
  EXPECT_EQ(form->List_DataSet[0]->List_DAs[3]->Select_DA, form->Get_DataSet(0, "IED1LD0/LLN0.DS1")->List_DA[3]);
}

TEST_F(IEC61850Client, ChangedMembersAndMissingCatalogFilesAreNamedAndKeepTheOthersInPlace) {
  ForceDirectories(ICD_Catalog_Folder());
  // The catalog copy of the first device is gone; the second one's SCL changed the
  // bType of its data set's second member.
  QString scl = QString::fromUtf8(ReadFileWhole(Plant()));
  scl.replace("<BDA name=\"f\" bType=\"FLOAT32\"/>", "<BDA name=\"f\" bType=\"FLOAT64\"/>");
  WriteFileWhole(Catalog("changed.icd"), scl.toUtf8());
  WriteFileWhole(File_IEC_61850_Client,
                 "<IEC_68850_Client><List_ICD_Files><ICD_File Name=\"X\" FileName=\"gone.icd\"/>"
                 "<ICD_File Name=\"IED1\" FileName=\"changed.icd\"/></List_ICD_Files><List_DA_Selected/>"
                 "<List_DataSet_Selected><DataSet_Item Index=\"1\" Reference=\"IED1LD0/LLN0.DS1\" GooseName=\"GC1\" "
                 "EnGoose=\"Y\" IPAddress=\"\" Port=\"\" Time=\"\" Mnemonic=\"\"><DataSet_List_DAs>"
                 "<DataSet_DA_Item bType=\"Struct\" Reference=\"IED1LD0/MMXU1.TotW.mag\" Position=\"1\"/>"
                 "<DataSet_DA_Item bType=\"FLOAT32\" Reference=\"IED1LD0/MMXU1.TotW.mag.f\" Position=\"2\"/>"
                 "<DataSet_DA_Item bType=\"Dbpos\" Reference=\"IED1CTRL/CSWI2.Pos.stVal\" Position=\"3\"/>"
                 "</DataSet_List_DAs></DataSet_Item></List_DataSet_Selected></IEC_68850_Client>");
  ui.ExpectMessage("The SCL file gone.icd is missing from the catalog folder " + ICD_Catalog_Folder() +
                       ". It stays in the device list, marked missing, so that the entries of the devices after it "
                       "keep their device.",
                   mrOk, mtWarning);
  ui.ExpectMessage("These data set members no longer match the SCL files and were left out; their settings will not "
                   "be saved:\nIED1LD0/LLN0.DS1: IED1LD0/MMXU1.TotW.mag.f",
                   mrOk, mtWarning);
  form->FormShow(nullptr);
  ASSERT_EQ(form->List_IEC_Dev.size(), 2u);
  EXPECT_EQ(form->LB_IEC_Devices->Items()->Strings(0), "gone.icd (missing)");
  // Members 1 and 3 are kept with their settings.
  ASSERT_EQ(form->List_DataSet[0]->List_DAs.size(), 2u);
  EXPECT_EQ(form->List_DataSet[0]->List_DAs[1]->Position, "3");
  form->ECG_DataSet->SetRow(1);
  form->ClickCell(form->ECG_DataSet, 1, 1);
  EXPECT_EQ(form->ECG_DS_Vars->RowCount(), 3);

  // The missing device is not in use: it can go, and the data set's Index follows.
  form->LB_IEC_Devices->SetItemIndex(0);
  form->Btn_Remove_IEC_DeviceClick(nullptr);
  EXPECT_EQ(form->ECG_DataSet->GetCellEx(kDS_Index, 1), "0");
  EXPECT_EQ(form->LB_IEC_Devices->Items()->Count(), 1);
  // Saved, the file keeps the placeholder no more and the two members.
  form->Btn_OKClick(nullptr);
  const QString file = QString::fromUtf8(ReadFileWhole(File_IEC_61850_Client));
  EXPECT_FALSE(file.contains("gone.icd"));
  EXPECT_EQ(file.count("<DataSet_DA_Item"), 2);
}

TEST_F(IEC61850Client, AFailedCatalogCopyAddsNoDeviceAndABrokenFileNeverReachesTheCatalog) {
  form->FormShow(nullptr);
  // The catalog folder cannot be made: a file stands in its place.
  WriteFileWhole(ICD_Catalog_Folder(), "in the way");
  ui.ExpectFileDialog(false, Plant());
  ui.ExpectMessage("The SCL file " + Plant() + " could not be copied into the catalog folder " + ICD_Catalog_Folder() +
                       ", so no device was added.\nCannot create the folder \"" + ICD_Catalog_Folder() + "\".",
                   mrOk, mtError);
  form->Btn_Add_IEC_DeviceClick(nullptr);
  EXPECT_TRUE(form->List_IEC_Dev.empty());
  QFile::remove(ICD_Catalog_Folder());

  // A file whose templates contain themselves: the general error box, no copy.
  const QString ring = PathJoin(outside.path(), "ring.icd");
  WriteFileWhole(ring, "<SCL><IED name=\"R\"><AccessPoint><Server><LDevice inst=\"L\"><LN lnClass=\"A\" lnType=\"N\"/>"
                       "</LDevice></Server></AccessPoint></IED><DataTypeTemplates><LNodeType id=\"N\"><DO name=\"d\" "
                       "type=\"T\"/></LNodeType><DOType id=\"T\"><SDO name=\"s\" type=\"T\"/></DOType>"
                       "</DataTypeTemplates></SCL>");
  ui.ExpectFileDialog(false, ring);
  ui.ExpectMessage("The SCL file \"ring.icd\" cannot be used: the DOType \"T\" contains itself (T > T).", mrOk);
  form->Btn_Add_IEC_DeviceClick(nullptr);
  EXPECT_TRUE(form->List_IEC_Dev.empty());
  EXPECT_FALSE(FileExists(Catalog("ring.icd")));
}

TEST_F(IEC61850Client, RemovingEntriesKeepsOneRowAndTheMemberGridFollows) {
  form->FormShow(nullptr);
  Add_Device(Plant());
  Select_Device(0);
  Pick(LN(0, "LD0", "MMXU").Find_DO("TotW")->Find_DA("q")->TreeNode);
  form->Btn_AddVarClick(nullptr);
  Pick(LN(0, "LD0", "MMXU").Find_DO("PhV")->Find_DA("d")->TreeNode);
  form->Btn_AddVarClick(nullptr);
  form->ECG_DA->SetCellEx(kDA_StartByte, 2, "3");
  EXPECT_FALSE(form->ECG_DA->ReadOnly(kDA_StartByte, 2));  // a string's size is the user's
  form->PC_DA_DataSet->SetActivePage(form->TS_DA);
  form->ECG_DA->SetRow(1);
  form->Btn_RemoveVarClick(nullptr);
  ASSERT_EQ(form->ECG_DA->RowCount(), 2);
  EXPECT_EQ(Row(form->ECG_DA, 1)[kDA_Reference], "IED1LD0/MMXU1.PhV.d");
  EXPECT_EQ(Row(form->ECG_DA, 1)[kDA_StartByte], "3");
  EXPECT_FALSE(form->ECG_DA->ReadOnly(kDA_StartByte, 1));
  form->Btn_RemoveVarClick(nullptr);
  EXPECT_EQ(form->ECG_DA->RowCount(), 2);
  EXPECT_EQ(Row(form->ECG_DA, 1), (QStringList{"1"} + QStringList(kDA_Columns - 1, QString())));

  // Two data sets; the second one's members shown; the first removed: the member
  // grid shows what belongs to the row now current, and edits go there.
  Pick(form->Get_DataSet(0, "IED1LD0/LLN0.DS1")->TreeNode);
  form->Btn_AddVarClick(nullptr);
  Pick(form->Get_DataSet(0, "IED1LD0/LLN0.DS2")->TreeNode);
  form->Btn_AddVarClick(nullptr);
  form->ECG_DataSet->SetRow(2);
  form->ClickCell(form->ECG_DataSet, 2, 1);
  EXPECT_EQ(form->ECG_DS_Vars->RowCount(), 2);
  form->ECG_DataSet->SetRow(1);
  form->Btn_RemoveVarClick(nullptr);
  ASSERT_EQ(form->List_DataSet.size(), 1u);
  EXPECT_EQ(form->ECG_DataSet->GetCellEx(kDS_Reference, 1), "IED1LD0/LLN0.DS2");
  EXPECT_EQ(form->DataSet_Row_Select, 1);
  form->ECG_DS_Vars->SetCellEx(6, 1, "2.5");
  form->ECG_DS_VarsEditCellDone(form->ECG_DS_Vars, 6, 1);
  EXPECT_EQ(form->List_DataSet[0]->List_DAs[0]->multFactor, "2.5");
  form->ECG_DataSet->SetRow(1);
  form->Btn_RemoveVarClick(nullptr);
  EXPECT_TRUE(form->List_DataSet.empty());
  EXPECT_EQ(form->DataSet_Row_Select, 0);
  EXPECT_EQ(form->ECG_DataSet->GetCellEx(kDS_Reference, 1), "");
}
