// The J1939 and NMEA 2000 frame editors (j1939_frames.h): TFReceiveJ1939,
// TFTransmitJ1939, TFReceiveNMEA and TFTransmitNMEA, table editors of one column
// grid each.
#pragma once

#include "app/table_editor/table_editor.h"

class TFReceiveJ1939 : public TTableEditor {
public:
  explicit TFReceiveJ1939(TComponent* AOwner);
};

class TFTransmitJ1939 : public TTableEditor {
public:
  explicit TFTransmitJ1939(TComponent* AOwner);
};

class TFReceiveNMEA : public TTableEditor {
public:
  explicit TFReceiveNMEA(TComponent* AOwner);
};

class TFTransmitNMEA : public TTableEditor {
public:
  explicit TFTransmitNMEA(TComponent* AOwner);
};

extern TFReceiveJ1939* FReceiveJ1939;
extern TFTransmitJ1939* FTransmitJ1939;
extern TFReceiveNMEA* FReceiveNMEA;
extern TFTransmitNMEA* FTransmitNMEA;
