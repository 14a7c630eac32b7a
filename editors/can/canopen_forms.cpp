#include "editors/can/canopen_forms.h"

#include "editors/can/canopen_tables.h"

TFSet_PDO_Access* FSet_PDO_Access = nullptr;
TFSet_SDO_Client_Access* FSet_SDO_Client_Access = nullptr;
TFSet_SDO_Server_Access* FSet_SDO_Server_Access = nullptr;

TFSet_PDO_Access::TFSet_PDO_Access(TComponent* AOwner) : TTableEditor(AOwner, PDO_Spec) {}

TFSet_SDO_Client_Access::TFSet_SDO_Client_Access(TComponent* AOwner) : TTableEditor(AOwner, SDO_Client_Spec) {}

TFSet_SDO_Server_Access::TFSet_SDO_Server_Access(TComponent* AOwner) : TTableEditor(AOwner, SDO_Server_Spec) {}
