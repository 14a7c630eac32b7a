// The SNMP MIB step of the main window: the save dialog in the project folder, the
// overwrite question, the module written from the project's agent objects, and a
// project file that cannot be read writing nothing.
#include "app/state/comon.h"
#include "app/shell/projects.h"
#include "controls/button/fade_button.h"
#include "platform/os/files.h"
#include "platform/ui/dialogs.h"
#include "tests/shell/shell_fixture.h"

namespace {

using MIBStep = ShellFixture;

}  // namespace

TEST_F(MIBStep, TheModuleIsWrittenWhereTheUserSaysAndOverwrittenOnlyOnYes) {
  Start();
  ASSERT_EQ(Create_Project("Plant"), 0);
  WriteFileWhole(File_SNMP_Trap, "<SNMP_Trap><SNMP_Trap_Read><row Enable=\"Y\" Description=\"temp\" Type=\"Int\"/>"
                                 "</SNMP_Trap_Read><SNMP_Trap_Write/></SNMP_Trap>");
  const QString mib = Path("PROJECTS/Plant/agent.mib");
  ui.ExpectFileDialog(true, mib, [&](const TFileDialogRequest& r) {
    EXPECT_EQ(r.InitialDir, Project_Folder);
    EXPECT_EQ(r.Filter, "Management Information Base (*.mib)|*.mib");
  });
  ClickButton(Main()->Step_Button("Btn_SNMP_MIB"));
  const QByteArray written = ReadFileWhole(mib);
  EXPECT_TRUE(written.contains("temp OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current DESCRIPTION "
                               "\"temp\" ::= { bufferinval 1 }\r\n"));

  // The file exists now: No keeps it, Yes writes it again.
  WriteFileWhole(mib, "kept");
  ui.ExpectFileDialog(true, mib);
  ui.ExpectMessage("File already exists. Do you want to overwrite?", mrNo, mtConfirmation, TMsgDlgButtons{mbYes, mbNo});
  ClickButton(Main()->Step_Button("Btn_SNMP_MIB"));
  EXPECT_EQ(ReadFileWhole(mib), QByteArray("kept"));
  ui.ExpectFileDialog(true, mib);
  ui.ExpectMessage("File already exists. Do you want to overwrite?", mrYes);
  ClickButton(Main()->Step_Button("Btn_SNMP_MIB"));
  EXPECT_EQ(ReadFileWhole(mib), written);

  // A project file without its write table: the step's error box, the file as it was.
  WriteFileWhole(File_SNMP_Trap, "<SNMP_Trap><SNMP_Trap_Read/></SNMP_Trap>");
  WriteFileWhole(mib, "kept");
  ui.ExpectFileDialog(true, mib);
  ui.ExpectMessage("File already exists. Do you want to overwrite?", mrYes);
  ui.ExpectMessage("SNMP_Trap.xml has no element \"SNMP_Trap_Write\".", mrOk, mtError);
  ClickButton(Main()->Step_Button("Btn_SNMP_MIB"));
  EXPECT_EQ(ReadFileWhole(mib), QByteArray("kept"));

  // Cancelled: nothing happens.
  ui.ExpectFileDialog(true, QString());
  ClickButton(Main()->Step_Button("Btn_SNMP_MIB"));
}
