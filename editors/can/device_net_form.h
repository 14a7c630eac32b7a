// The DeviceNet slave list editor (TFDNet): a table editor of one column grid of
// 64 slaves (device_net.h).
#pragma once

#include "app/table_editor/table_editor.h"

class TFDNet : public TTableEditor {
public:
  explicit TFDNet(TComponent* AOwner);
};

extern TFDNet* FDNet;
