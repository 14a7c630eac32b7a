// The OPC UA server variables editor (TFOPC_UA_Server_Access): a table editor of
// one plain grid ESG of 250 variables (opc_ua_server_variables.h) built in code,
// its Enable column of real check boxes, the Type and R/W lists offered by the
// grid's editor-type event, and the Length following the chosen Type. The grid has
// no click, double-click, key or hint rules of its own.
#pragma once

#include "app/table_editor/table_editor.h"
#include "platform/rtl/string_list.h"

class TFOPC_UA_Server_Access : public TTableEditor {
public:
  explicit TFOPC_UA_Server_Access(TComponent* AOwner);

  TExStringGrid* ESG = nullptr;
  TStringList VarType;  // the Type column's items
  TStringList RWType;   // the R/W column's items
  bool& Do_Copy_Row = Do_Copy[0];

  void Init_Table();
  bool Controllo_dati() override;

  void ESGGetEditorType(TObject* Sender, int ACol, int ARow, TEditorType& AEditor);
  void ESGComboChange(TObject* Sender, int ACol, int ARow, int AItemIndex, const QString& ASelection);
  // The type rule on one row: Length and its lock, and "Read/Write" for an empty R/W.
  void VarSetLength(const QString& ASelection, int ACol, int ARow);

  // A pasted row keeps its copied Length; its lock and R/W follow its Type.
  void Btn_PasteRowClick(TObject* Sender) override;

  void DblClickCell(TObject*, int, int) override {}
  void KeyPress(TObject*, QChar&) override {}

protected:
  // The file through the base, then each row's Length lock by its Type (the saved
  // Length and R/W stay as read).
  void Load_File() override;
  // The delete question's "%d" is the row number.
  QString Delete_Question(int table, int row) const override;
};

extern TFOPC_UA_Server_Access* FOPC_UA_Server_Access;
