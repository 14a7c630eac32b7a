// The known TLS certificates: the plain grid of 10 rows of 60 pixels, the file
// with multi-line certificates written and read back, Enable only unchecked by
// "N", the rows up to the first certificate of blanks, the row buttons carrying
// the check states and the hints by real column.
#include "editors/network/tls_known_cert.h"
#include "editors/network/tls_known_cert_form.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "grid/view/ex_string_grid.h"
#include "platform/os/files.h"
#include "tests/support/project_fixture.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/ui_input.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using TLS_Known_Cert = ProjectTest;

const QString kCert = "-----BEGIN CERTIFICATE-----\r\nMIIBszCCAVmgAwIBAgIU\r\n-----END CERTIFICATE-----";

}  // namespace

TEST_F(TLS_Known_Cert, CertificatesRoundTripWithTheirLineBreaks) {
  WriteFileWhole(File_TLS_Known_Cert,
                 "<Whatever>"
                 "<row Enable=\"n\" Certificate=\"A\" Mnemonic=\"first\"/>"
                 "<row Enable=\"0\" Certificate=\"B\"/>"
                 "<row Enable=\"N\" Mnemonic=\"no certificate\"/>"
                 "<row Certificate=\"D\"/>"
                 "</Whatever>");
  std::unique_ptr<TFTLS_Server_Known_Cert> form(Create<TFTLS_Server_Known_Cert>(nullptr));
  TExStringGrid* g = form->ESG;
  EXPECT_EQ(form->ClientWidth(), 800);
  EXPECT_EQ(g->RowCount(), 11);
  EXPECT_EQ(g->RowHeights(5), 60);
  EXPECT_EQ(g->GetCellEx(2, 0), "Certificate");
  ScriptedUi ui;
  ui.ExpectModal("TFTLS_Server_Known_Cert", [&](TForm*) {
    EXPECT_TRUE(g->IsChecked(1, 1));  // "n" and "0" check the box; only "N" does not
    EXPECT_TRUE(g->IsChecked(1, 2));
    EXPECT_FALSE(g->IsChecked(1, 3));
    EXPECT_TRUE(g->IsChecked(1, 4));  // missing: checked
    EXPECT_EQ(g->GetCellEx(3, 2), "");
    // Row 3 has no certificate: the rows below it are lost after the question.
    ui.ExpectMessage(Lang_Text(3422).arg(form->Caption()).arg(3), mrNo, mtConfirmation);
    form->Btn_OK->Click();
    EXPECT_EQ(form->ModalResult(), mrNone);
    g->SetCellEx(2, 3, kCert);
    g->SetCellEx(2, 4, "   ");  // blanks count as empty and end the list
    g->SetCheckBoxState(1, 2, false);
    form->Btn_OK->Click();
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(QString::fromUtf8(ReadFileWhole(File_TLS_Known_Cert)),
            "<TLS_Server_Known_Cert>\n"
            "  <row Enable=\"Y\" Certificate=\"A\" Mnemonic=\"first\" />\n"
            "  <row Enable=\"N\" Certificate=\"B\" Mnemonic=\"\" />\n"
            "  <row Enable=\"N\" Certificate=\"-----BEGIN CERTIFICATE-----&#13;&#10;MIIBszCCAVmgAwIBAgIU&#13;&#10;-----END "
            "CERTIFICATE-----\" Mnemonic=\"no certificate\" />\n"
            "</TLS_Server_Known_Cert>\n"
            "<!--SW_VERSION = 1.000-->\n");
  ui.ExpectModal("TFTLS_Server_Known_Cert", [&](TForm*) {
    EXPECT_EQ(g->GetCellEx(2, 3), kCert);
    EXPECT_FALSE(g->IsChecked(1, 2));
    EXPECT_EQ(g->GetCellEx(2, 4), "");
    form->Btn_Cancel->Click();
  });
  form->ShowModal();
}

TEST_F(TLS_Known_Cert, WithoutFileEveryRowIsCheckedAndOKWritesOnlyTheRoot) {
  std::unique_ptr<TFTLS_Server_Known_Cert> form(Create<TFTLS_Server_Known_Cert>(nullptr));
  TExStringGrid* g = form->ESG;
  ScriptedUi ui;
  ui.ExpectModal("TFTLS_Server_Known_Cert", [&](TForm*) {
    for (int row = 1; row <= kTLS_Rows; ++row) {
      EXPECT_TRUE(g->IsChecked(1, row));
      EXPECT_EQ(g->GetCellEx(0, row), QString::number(row));
    }
    // Hints by real column on the title row; none elsewhere.
    QString hint = "grid's own";
    form->GridHint(g, 0, 2, hint);
    EXPECT_EQ(hint, "Insert the TLS Certificate");
    form->GridHint(g, 3, 2, hint);
    EXPECT_EQ(hint, "");
    // Row operations carry the check state: insert at row 1 moves row 1 down.
    g->SetCellEx(2, 1, "one");
    g->SetCheckBoxState(1, 1, false);
    g->SetRow(1);
    form->Btn_InsRow->Click();
    EXPECT_TRUE(g->IsChecked(1, 1));
    EXPECT_FALSE(g->IsChecked(1, 2));
    EXPECT_EQ(g->GetCellEx(2, 2), "one");
    ui.ExpectMessage(Lang_Text(3421) + "1", mrYes, mtConfirmation);
    form->Btn_DelRow->Click();
    EXPECT_EQ(g->GetCellEx(2, 1), "one");
    EXPECT_FALSE(g->IsChecked(1, 1));
    g->SetCellEx(2, 1, "");
    form->Btn_OK->Click();
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(QString::fromUtf8(ReadFileWhole(File_TLS_Known_Cert)),
            "<TLS_Server_Known_Cert />\n<!--SW_VERSION = 1.000-->\n");
}
