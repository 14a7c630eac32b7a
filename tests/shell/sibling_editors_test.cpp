// The CAN-family editors in the program: each is made once at start-up, takes part
// in a language change, and no visible step of the main window opens it (their step
// buttons are hidden in this model; the J1939 and NMEA 2000 editors have none).
#include "app/forms/form_registry.h"
#include "app/language/language.h"
#include "controls/button/fade_button.h"
#include "tests/shell/shell_fixture.h"

namespace {

using SiblingEditors = ShellFixture;

}  // namespace

TEST_F(SiblingEditors, AreMadeAtStartUpFollowALanguageChangeAndHaveNoVisibleStep) {
  Start();
  const struct {
    const char* Form;
    int Caption;        // the language text of the form's caption
    const char* Step;   // its step button, hidden; nullptr: none
  } editors[] = {
      {"TFReceiveCAN", 2400, "Btn_CAN_Rec_Frame"},
      {"TFTransmitCAN", 2500, "Btn_CAN_Send_Frame"},
      {"TFSet_PDO_Access", 2600, "Btn_PDO_CANopen"},
      {"TFSet_SDO_Client_Access", 2700, "Btn_SDO_Client_CANopen"},
      {"TFSet_SDO_Server_Access", 2800, "Btn_SDO_Server_CANopen"},
      {"TFDNet", 2900, "Btn_DNet_Net"},
      {"TFDefOffset", 3000, "Btn_DNet_Offset"},
      {"TFDMXDefVal", 3100, "Btn_DMX_Default"},
      {"TFReceiveJ1939", 3500, nullptr},
      {"TFTransmitJ1939", 3600, nullptr},
      {"TFReceiveNMEA", 3900, nullptr},
      {"TFTransmitNMEA", 4000, nullptr},
  };
  for (const auto& e : editors) {
    TForm* form = Registered_Form(e.Form);
    ASSERT_NE(form, nullptr) << e.Form;
    EXPECT_EQ(form->Caption(), Lang_Text(e.Caption)) << e.Form;
    if (e.Step) {
      ASSERT_NE(Main()->Step_Button(e.Step), nullptr) << e.Step;
      EXPECT_FALSE(Main()->Step_Button(e.Step)->Visible()) << e.Step;
    }
    Language_Texts.Put(e.Caption, QStringLiteral("Editor %1").arg(e.Caption));
  }
  EXPECT_FALSE(Main()->Step_Button("Btn_CANopen_EDS")->Visible());

  Change_Language();
  for (const auto& e : editors)
    EXPECT_EQ(Registered_Form(e.Form)->Caption(), QStringLiteral("Editor %1").arg(e.Caption)) << e.Form;
  Create_Language_Texts();
}
