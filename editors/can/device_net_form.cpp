#include "editors/can/device_net_form.h"

#include "editors/can/device_net.h"

TFDNet* FDNet = nullptr;

TFDNet::TFDNet(TComponent* AOwner) : TTableEditor(AOwner, DNet_Spec) {}
