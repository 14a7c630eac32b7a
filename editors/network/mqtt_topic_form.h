// The MQTT topic editor (TFMQTT_Set_Topic): a table editor of two column grids, the
// topics published and subscribed (mqtt_topics.h). Each showing lays out the
// columns of layout 1; a double click on a Template cell opens the topic and
// template dialog on the cell's text and writes the text back on OK.
#pragma once

#include "app/table_editor/table_editor.h"

class TExColumnGrid;

class TFMQTT_Set_Topic : public TTableEditor {
public:
  explicit TFMQTT_Set_Topic(TComponent* AOwner);

  TExColumnGrid* ECG_Pub() const { return Column_Grid(0); }
  TExColumnGrid* ECG_Sub() const { return Column_Grid(1); }

  int Byte_IN = 0;
  int Byte_OUT = 0;
  int Working_Mode = 0;

  void DblClickCell(TObject* Sender, int ARow, int ACol) override;
  // Edits the cell (column, row) of the grid in the topic and template dialog.
  void Show_Form_Topic(TExColumnGrid* grid, int row, int col);

protected:
  void Before_Reset() override;
};

extern TFMQTT_Set_Topic* FMQTT_Set_Topic;
