// The raw CAN frame editors (TFReceiveCAN, TFTransmitCAN): table editors of one
// column grid of 512 frames each (can_frames.h). After a showing the grid takes
// the keyboard focus.
#pragma once

#include "app/table_editor/table_editor.h"

class TExColumnGrid;

class TFReceiveCAN : public TTableEditor {
public:
  explicit TFReceiveCAN(TComponent* AOwner);
  TExColumnGrid* ECG_CAN_Receive() const { return Column_Grid(0); }

protected:
  void Finish_Show() override;
};

class TFTransmitCAN : public TTableEditor {
public:
  explicit TFTransmitCAN(TComponent* AOwner);
  TExColumnGrid* ECG_CAN_Transmit() const { return Column_Grid(0); }

protected:
  void Finish_Show() override;
};

extern TFReceiveCAN* FReceiveCAN;
extern TFTransmitCAN* FTransmitCAN;
