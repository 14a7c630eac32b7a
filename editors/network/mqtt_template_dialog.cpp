#include "editors/network/mqtt_template_dialog.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "app/table_editor/form_frame.h"
#include "controls/button/fade_button.h"
#include "grid/view/ex_string_grid.h"
#include "platform/ui/labels.h"
#include "platform/ui/memo.h"
#include "platform/ui/shapes.h"

#include <algorithm>

TFTopicTemplate* FTopicTemplate = nullptr;

namespace {

constexpr TColor kForm_Color = 0xEDF7F8;
constexpr int kTitle_Height = 69;
constexpr int kButtons_Height = 40;
constexpr int kLegend_Height = 130;

}  // namespace

TFTopicTemplate::TFTopicTemplate(TComponent* AOwner) : TForm(AOwner) {
  SetName(QStringLiteral("FTopicTemplate"));
  SetColor(kForm_Color);
  SetPosition(poScreenCenter);
  Font()->SetName(QStringLiteral("Verdana"));
  Font()->SetSize(8);

  const TFormTitle title = Make_Form_Title(this, kForm_Color, 300, 500, true);
  Set_Editor_Title_Look(title);
  P_Title = title.Panel;
  L_SW_Code = title.Code;
  L_SW_Desc = title.Desc;

  RE_TopicTemplate = new TMemo(this);
  RE_TopicTemplate->SetName(QStringLiteral("RE_TopicTemplate"));
  RE_TopicTemplate->SetParent(this);
  RE_TopicTemplate->SetScrollBars(ssBoth);

  P_Legend = new TPanel(this);
  P_Legend->SetName(QStringLiteral("P_Legend"));
  P_Legend->SetParent(this);
  P_Legend->SetColor(kForm_Color);
  P_Legend->SetBevelOuter(bvNone);
  L_List_Keywords = new TLabel(this);
  L_List_Keywords->SetName(QStringLiteral("L_List_Keywords"));
  L_List_Keywords->SetParent(P_Legend);
  L_List_Keywords->SetBounds(8, 4, 300, 16);
  ESG_Keywords = new TExStringGrid(this);
  ESG_Keywords->SetName(QStringLiteral("ESG_Keywords"));
  ESG_Keywords->SetParent(P_Legend);
  ESG_Keywords->SetColCount(2);
  ESG_Keywords->SetFixedCols(0);
  ESG_Keywords->SetRowCount(2);
  ESG_Keywords->SetFixedRows(1);
  ESG_Keywords->SetColWidths(0, 200);
  ESG_Keywords->SetColWidths(1, 380);
  ESG_Keywords->SetDefaultRowHeight(20);

  P_Button = Make_Button_Panel(this, kForm_Color);
  Btn_OK = Make_Panel_Button(this, P_Button, QStringLiteral("Btn_OK"), 16, 110);
  Btn_Cancel = Make_Panel_Button(this, P_Button, QStringLiteral("Btn_Cancel"), 134, 110);
  Btn_OK->SetModalResult(mrOk);
  Btn_Cancel->SetModalResult(mrCancel);

  SetClientSize(kClient_Width, kClient_Height);
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
  Place_Areas();
}

void TFTopicTemplate::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SW_Code);
  SetClientSize(kClient_Width, kClient_Height);
  Set_Lang();
}

void TFTopicTemplate::Set_Lang() {
  SetCaption(Lang_Text(3800));
  L_SW_Desc->SetCaption(Lang_Text(3802));
  L_List_Keywords->SetCaption(Lang_Text(3804));
  ESG_Keywords->SetCellEx(0, 0, Lang_Text(3805));
  ESG_Keywords->SetCellEx(1, 0, Lang_Text(3806));
  Btn_OK->SetCaption(Lang_Text(3807));
  Btn_Cancel->SetCaption(Lang_Text(3808));
}

void TFTopicTemplate::FormShow(TObject*) {
  const bool isTemplate = TopicTemplate != 0;
  SetCaption(Lang_Text(isTemplate ? 3801 : 3800));
  L_SW_Desc->SetCaption(Lang_Text(isTemplate ? 3803 : 3802));
  Laod_Keywords();
  if (RE_TopicTemplate->CanFocus()) RE_TopicTemplate->SetFocus();
}

// No keyword list exists in this program: one empty row, its keyword cell
// editable and its description read-only.
void TFTopicTemplate::Laod_Keywords() {
  ESG_Keywords->SetRowCount(2);
  ESG_Keywords->SetCellEx(0, 1, QString());
  ESG_Keywords->SetCellEx(1, 1, QString());
  ESG_Keywords->SetReadOnly(0, 1, false);
  ESG_Keywords->SetReadOnly(1, 1, true);
}

void TFTopicTemplate::Set_Text(const QString& text) {
  RE_TopicTemplate->SetLinesText(QString());
  RE_TopicTemplate->SetLinesText(text);
}

QString TFTopicTemplate::Text_Edited() const { return RE_TopicTemplate->LinesText(); }

void TFTopicTemplate::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TForm::SetBounds(ALeft, ATop, AWidth, AHeight);
  Place_Areas();
}

// The title on top, the buttons at the bottom; the edit fills the middle above the
// keyword legend.
void TFTopicTemplate::Place_Areas() {
  if (!P_Title || !P_Button || !ESG_Keywords) return;
  const int w = ClientWidth();
  const int h = ClientHeight();
  const int bottom = std::max(kTitle_Height, h - kButtons_Height);
  const int legendTop = std::max(kTitle_Height, bottom - kLegend_Height);
  P_Title->SetBounds(0, 0, w, kTitle_Height);
  RE_TopicTemplate->SetBounds(0, kTitle_Height, w, legendTop - kTitle_Height);
  P_Legend->SetBounds(0, legendTop, w, bottom - legendTop);
  ESG_Keywords->SetBounds(8, 24, std::max(0, w - 16), std::max(0, bottom - legendTop - 28));
  P_Button->SetBounds(0, bottom, w, kButtons_Height);
}
