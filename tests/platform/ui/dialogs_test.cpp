// Message boxes and file dialogs through the scripted user.
#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include "platform/ui/dialogs.h"
#include "platform/ui/form.h"
#include "tests/support/scripted_ui.h"

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

TEST(MessageBoxes, TheScriptAnswersAndRecordsTheBox) {
  ScriptedUi ui;
  ui.ExpectMessage("File already exists. Do you want to overwrite?", mrNo, mtConfirmation,
                   TMsgDlgButtons{mbYes, mbNo, mbCancel});
  ui.ExpectMessage("Device Not Found!", mrOk, mtWarning);
  EXPECT_EQ(MessageDlg("File already exists. Do you want to overwrite?", mtConfirmation, {mbYes, mbNo, mbCancel}),
            mrNo);
  EXPECT_EQ(MessageDlg("Device Not Found!", mtWarning, {mbOK}), mrOk);
  ASSERT_EQ(ui.Messages.size(), 2u);
  EXPECT_EQ(ui.Messages[0].Caption, "Confirmation");
  EXPECT_EQ(ui.Messages[1].Caption, "Warning");
  EXPECT_EQ(mrOk, 1);
  EXPECT_EQ(mrCancel, 2);
  EXPECT_EQ(mrYes, 6);
  EXPECT_EQ(mrNo, 7);
}

TEST(MessageBoxes, AnUnexpectedBoxFailsTheTest) {
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedUi ui;
        MessageDlg("Error! Project not Valid", mtError, {mbOK});
      },
      "unexpected message box: Error! Project not Valid");
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedUi ui;
        ui.ExpectMessage("Saved", mrOk);
      },
      "never shown: Saved");
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedUi ui;
        TForm form(nullptr);
        form.ShowModal();
      },
      "unexpected modal form: TForm");
}

TEST(FileDialogs, DefaultExtensionOnlyWhenNoneWasTyped) {
  struct Case {
    const char *typed, *ext, *result;
  } cases[] = {
      {"/p/Slave", "xml", "/p/Slave.xml"},
      {"/p/Slave.txt", "xml", "/p/Slave.txt"},
      {"/p/Slave.", "xml", "/p/Slave.xml"},
      {"/p.d/Slave", "xml", "/p.d/Slave.xml"},
      {"/p/Slave", "", "/p/Slave"},
      {"/p/Slave", ".eds", "/p/Slave.eds"},
  };
  for (const Case& k : cases) EXPECT_EQ(AddDefaultExtension(k.typed, k.ext), k.result) << k.typed;
}

TEST(FileDialogs, SaveDialogTakesTheAnswerAndAddsTheExtension) {
  ScriptedUi ui;
  TSaveDialog dialog(nullptr);
  dialog.Filter = "ESI File (*.xml)|*.xml";
  dialog.DefaultExt = "xml";
  dialog.InitialDir = "/projects/P1";
  ui.ExpectFileDialog(true, "/projects/P1/Slave", [](const TFileDialogRequest& r) {
    EXPECT_EQ(r.InitialDir, "/projects/P1");
    EXPECT_EQ(r.Filter, "ESI File (*.xml)|*.xml");
  });
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FileName, "/projects/P1/Slave.xml");

  ui.ExpectFileDialog(true, "");  // cancelled
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.FileName, "/projects/P1/Slave.xml");

  TOpenDialog open(nullptr);
  ui.ExpectFileDialog(false, "/data/unit.ede");
  ASSERT_TRUE(open.Execute());
  EXPECT_EQ(open.FileName, "/data/unit.ede");
}

}  // namespace
