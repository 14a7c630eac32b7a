#include "editors/can/j1939_forms.h"

#include "editors/can/j1939_frames.h"

TFReceiveJ1939* FReceiveJ1939 = nullptr;
TFTransmitJ1939* FTransmitJ1939 = nullptr;
TFReceiveNMEA* FReceiveNMEA = nullptr;
TFTransmitNMEA* FTransmitNMEA = nullptr;

TFReceiveJ1939::TFReceiveJ1939(TComponent* AOwner) : TTableEditor(AOwner, Receive_J1939_Spec) {}

TFTransmitJ1939::TFTransmitJ1939(TComponent* AOwner) : TTableEditor(AOwner, Transmit_J1939_Spec) {}

TFReceiveNMEA::TFReceiveNMEA(TComponent* AOwner) : TTableEditor(AOwner, Receive_NMEA_Spec) {}

TFTransmitNMEA::TFTransmitNMEA(TComponent* AOwner) : TTableEditor(AOwner, Transmit_NMEA_Spec) {}
