#include "editors/network/mqtt_topic_form.h"

#include "editors/network/mqtt_template_dialog.h"
#include "editors/network/mqtt_topics.h"
#include "grid/view/column_grid.h"

TFMQTT_Set_Topic* FMQTT_Set_Topic = nullptr;

TFMQTT_Set_Topic::TFMQTT_Set_Topic(TComponent* AOwner) : TTableEditor(AOwner, MQTT_Set_Topic_Spec) {}

// Steps 1 and 2 of a showing: the areas and the columns of layout 1. Hiding a
// hidden column or showing a shown one changes nothing.
void TFMQTT_Set_Topic::Before_Reset() {
  Working_Mode = 1;
  Byte_IN = kMQTT_Area;
  Byte_OUT = kMQTT_Area;
  TExColumnGrid* pub = ECG_Pub();
  for (int c : {4, 5, 6, 7, 8, 9, 11, 14, 15, 16}) pub->HideColumn(c);
  for (int c : {10, 12, 13, 4, 5, 6, 9}) pub->UnHideColumn(c);
  TExColumnGrid* sub = ECG_Sub();
  for (int c : {2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}) sub->HideColumn(c);
  for (int c : {4, 5, 6, 11}) sub->UnHideColumn(c);
}

void TFMQTT_Set_Topic::DblClickCell(TObject* Sender, int ARow, int ACol) {
  TTableEditor::DblClickCell(Sender, ARow, ACol);
  const int t = Table_Of(Sender);
  if (t < 0) return;
  TExColumnGrid* grid = Column_Grid(t);
  const int templateCol = t == 0 ? kPub_Template : kSub_Template;
  if (grid->RealCol() == templateCol && grid->RealRow() > 0) Show_Form_Topic(grid, grid->RealRow(), templateCol);
}

void TFMQTT_Set_Topic::Show_Form_Topic(TExColumnGrid* grid, int row, int col) {
  if (!FTopicTemplate) return;
  const bool publish = grid == ECG_Pub();
  // 1. and 2. What the dialog edits.
  FTopicTemplate->TopicTemplate = col == (publish ? kPub_Template : kSub_Template) ? 1 : 0;
  FTopicTemplate->Working_Mode = Working_Mode;
  FTopicTemplate->Pub_Sub = publish ? 0 : 1;
  // 3.
  FTopicTemplate->Set_Text(grid->GetCellEx(col, row));
  // 4.
  if (FTopicTemplate->ShowModal() == mrOk) grid->SetCellEx(col, row, FTopicTemplate->Text_Edited());
}
