// The About dialog (TFAbout): the model's description, software code, version and
// manual code with the maker's logo and web address, in fixed English texts (it
// has no Set_Lang and does not follow a language change).
#pragma once

#include "platform/ui/form.h"

class TFadeButton;
class TImage;
class TLabel;

class TFAbout : public TForm {
public:
  explicit TFAbout(TComponent* AOwner);
  ~TFAbout() override;

  void Label4Click(TObject* Sender);

  TImage* Image2;
  TLabel* Label1;
  TLabel* Label2;
  TLabel* Label6;
  TLabel* Label9;
  TLabel* Label3;
  TLabel* Label10;
  TLabel* Label8;
  TLabel* Label12;
  TLabel* Label4;
  TFadeButton* FadeButton1;

private:
  void FormShow(TObject* Sender);
};

extern TFAbout* FAbout;
