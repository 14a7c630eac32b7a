// The "open configuration" dialog (TFOpenConf): lists the project folders,
// preselects the active project and returns the chosen name in Name_Conf; the main
// window makes it active.
#pragma once

#include "platform/ui/form.h"

#include <QStringList>

class TFadeButton;
class TLabel;
class TListBox;
class TPanel;

class TFOpenConf : public TForm {
public:
  explicit TFOpenConf(TComponent* AOwner);
  ~TFOpenConf() override;

  void Set_Lang();
  void Load_Existing_Configuration();
  int Search_Open_Conf(const QString& name) const;

  TPanel* P_Title;
  TLabel* L_SW_Code;
  TLabel* L_SW_Desc;
  TLabel* Label1;
  TListBox* ListBox1;
  TFadeButton* Btn_OK;
  TFadeButton* Btn_Cancel;

  QStringList SL;     // the project folders found at the last showing
  QString Name_Conf;  // the chosen project; empty when nothing is selected

private:
  void FormShow(TObject* Sender);
  void ListBox1Click(TObject* Sender);
};

extern TFOpenConf* FOpenConf;
