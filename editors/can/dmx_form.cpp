#include "editors/can/dmx_form.h"

#include "app/editor_file/editor_file.h"
#include "app/language/language.h"
#include "app/state/comon.h"
#include "editors/can/dmx_values.h"
#include "grid/view/ex_string_grid.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"
#include "platform/ui/application.h"
#include "platform/ui/dialogs.h"

TFDMXDefVal* FDMXDefVal = nullptr;

TFDMXDefVal::TFDMXDefVal(TComponent* AOwner) : TTableEditor(AOwner, DMX_Spec) {}

void TFDMXDefVal::Before_Reset() {
  Channel_Note.clear();
  QString text;
  try {
    text = Read_Field_Text(File_ParGen, QStringLiteral("DMX_Num_Channels"), QString());
  } catch (const EFileError& e) {
    // The channel count stays the default; the values file is read all the same.
    Application->HandleException(e.Message);
  }
  Channels = DMX_Channel_Count(text);
  if (StrToIntDef(text, 0) > kDMX_Universe) Channel_Note = Lang_Text(kText_DMX_Channels_Bounded).arg(Trim(text)).arg(kDMX_Universe);
  Grids.front()->SetRowCount(Channels + 1);
}

void TFDMXDefVal::Finish_Show() {
  if (!Channel_Note.isEmpty()) MessageDlg(Channel_Note, mtWarning, {mbOK});
}
