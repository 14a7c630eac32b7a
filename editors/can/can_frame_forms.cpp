#include "editors/can/can_frame_forms.h"

#include "editors/can/can_frames.h"
#include "grid/view/ex_string_grid.h"

TFReceiveCAN* FReceiveCAN = nullptr;
TFTransmitCAN* FTransmitCAN = nullptr;

namespace {

void Focus_Grid(TExStringGrid* grid) {
  if (grid->CanFocus()) grid->SetFocus();
}

}  // namespace

TFReceiveCAN::TFReceiveCAN(TComponent* AOwner) : TTableEditor(AOwner, Receive_CAN_Spec) {}

void TFReceiveCAN::Finish_Show() { Focus_Grid(Grids.front()); }

TFTransmitCAN::TFTransmitCAN(TComponent* AOwner) : TTableEditor(AOwner, Transmit_CAN_Spec) {}

void TFTransmitCAN::Finish_Show() { Focus_Grid(Grids.front()); }
