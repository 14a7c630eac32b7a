// The CANopen table editors, each with two tables on two tab sheets
// (canopen_tables.h): TFSet_PDO_Access (receive and transmit PDOs),
// TFSet_SDO_Client_Access and TFSet_SDO_Server_Access (read and write entries).
#pragma once

#include "app/table_editor/table_editor.h"

class TFSet_PDO_Access : public TTableEditor {
public:
  explicit TFSet_PDO_Access(TComponent* AOwner);
};

class TFSet_SDO_Client_Access : public TTableEditor {
public:
  explicit TFSet_SDO_Client_Access(TComponent* AOwner);
};

class TFSet_SDO_Server_Access : public TTableEditor {
public:
  explicit TFSet_SDO_Server_Access(TComponent* AOwner);
};

extern TFSet_PDO_Access* FSet_PDO_Access;
extern TFSet_SDO_Client_Access* FSet_SDO_Client_Access;
extern TFSet_SDO_Server_Access* FSet_SDO_Server_Access;
