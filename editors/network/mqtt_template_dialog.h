// The topic and template dialog of the MQTT editor (TFTopicTemplate): a multi-line
// edit of one topic or payload template, above the list of the keywords that may
// stand between "$" signs (empty in this program: "$VALUE$" is offered by the
// Template columns themselves). It checks nothing: OK hands back the text as typed,
// line breaks included, and the editor's check judges it.
#pragma once

#include "platform/ui/form.h"

class TExStringGrid;
class TFadeButton;
class TLabel;
class TMemo;
class TPanel;

class TFTopicTemplate : public TForm {
public:
  explicit TFTopicTemplate(TComponent* AOwner);

  static constexpr int kClient_Width = 635;
  static constexpr int kClient_Height = 396;

  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
  TMemo* RE_TopicTemplate = nullptr;
  TPanel* P_Legend = nullptr;
  TLabel* L_List_Keywords = nullptr;
  TExStringGrid* ESG_Keywords = nullptr;
  TPanel* P_Button = nullptr;
  TFadeButton* Btn_OK = nullptr;
  TFadeButton* Btn_Cancel = nullptr;

  int TopicTemplate = 0;  // 1: a template is edited, 0: a topic
  int Working_Mode = 0;   // the editor's column layout and table, for the keywords
  int Pub_Sub = 0;

  void FormCreate(TObject* Sender);
  void Set_Lang();
  void FormShow(TObject* Sender);
  void Laod_Keywords();

  // The edit's text: emptied, then set; and read back.
  void Set_Text(const QString& text);
  QString Text_Edited() const;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

private:
  void Place_Areas();
};

extern TFTopicTemplate* FTopicTemplate;
