// The "new configuration" dialog (TFNew_Project): asks for a name, makes the
// project folder with its "bin" folder and makes the project active at once.
#pragma once

#include "app/forms/form_style.h"
#include "platform/ui/form.h"

class TEdit;
class TFadeButton;
class TLabel;
class TPanel;

class TFNew_Project : public TForm {
public:
  explicit TFNew_Project(TComponent* AOwner);
  ~TFNew_Project() override;

  void Set_Lang();
  void Btn_OKClick(TObject* Sender);

  TPanel* P_Title;
  TLabel* L_SW_Code;
  TLabel* L_SW_Desc;
  TLabel* Label1;
  TEdit* E_New_Proj;
  TFadeButton* Btn_OK;
  TFadeButton* Btn_Cancel;

private:
  void FormShow(TObject* Sender);
  void E_New_ProjKeyPress(TObject* Sender, QChar& Key);
};

extern TFNew_Project* FNew_Project;
