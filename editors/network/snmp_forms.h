// The SNMP editors: the manager's requests (TFSNMPManagerAccess, snmp_manager.h)
// and the agent's objects and traps (TFSNMP_Trap_Access, snmp_traps.h), both table
// editors of column grids.
#pragma once

#include "app/table_editor/table_editor.h"

class TExColumnGrid;

// One grid of 512 requests; after a showing the grid takes the keyboard focus.
class TFSNMPManagerAccess : public TTableEditor {
public:
  explicit TFSNMPManagerAccess(TComponent* AOwner);
  TExColumnGrid* ECG_SNMP() const { return Column_Grid(0); }

  int app_NB_IN = 0;
  int app_NB_OUT = 0;

protected:
  void Before_Reset() override;
  void Finish_Show() override;
};

// Two grids of 256 objects whose column 0 shows the object numbers: set after
// every load and again whenever the user ticks or clears an Enable box (the row
// buttons leave the numbers until then). Community names and descriptions take at
// most 15 characters.
class TFSNMP_Trap_Access : public TTableEditor {
public:
  explicit TFSNMP_Trap_Access(TComponent* AOwner);
  TExColumnGrid* ECG_SNMP_Read() const { return Column_Grid(0); }
  TExColumnGrid* ECG_SNMP_Write() const { return Column_Grid(1); }

  int NByte_IN = 0;
  int NByte_OUT = 0;

  // Renumbers the objects of the grid.
  void Index_Row_Build(TExColumnGrid* app_SGA);
  // The check-box click of both grids: an Enable box renumbers its grid.
  void ECG_SNMP_ReadCheckBoxClick(TObject* Sender, int ACol, int ARow, bool State);

protected:
  void Before_Reset() override;
  void Finish_Show() override;
};

extern TFSNMPManagerAccess* FSNMPManagerAccess;
extern TFSNMP_Trap_Access* FSNMP_Trap_Access;
