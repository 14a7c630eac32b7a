#include "app/forms/about_dialog.h"

#include "app/forms/form_style.h"
#include "app/forms/shell_artwork.h"
#include "app/shell/web_links.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "platform/os/process.h"
#include "platform/ui/labels.h"
#include "platform/ui/shapes.h"

TFAbout* FAbout = nullptr;

namespace {

inline constexpr const char16_t* kManual_Code = u"KM82K03";

TLabel* fixedLabel(TFAbout* form, int left, int top, const QString& caption, bool bold = false) {
  TLabel* l = Make_Label(form, left, top);
  l->SetCaption(caption);
  if (bold) {
    l->SetParentFont(false);
    l->Font()->Assign(*form->Font());
    l->Font()->SetStyle({fsBold});
  }
  return l;
}

}  // namespace

TFAbout::TFAbout(TComponent* AOwner) : TForm(AOwner) {
  Style_Form(this, 425, 148);
  SetCaption(QStringLiteral("About..."));
  Image2 = new TImage(this);
  Image2->SetParent(this);
  Image2->SetBounds(14, 14, kLogo_Size, kLogo_Size);
  Draw_Shell_Picture(TShellPicture::Logo, *Image2->Picture()->Bitmap());
  Image2->SetCursor(crHandPoint);
  Image2->OnClick = [this](TObject* s) { Label4Click(s); };

  Label1 = fixedLabel(this, 104, 12, QStringLiteral("Software Fabricor "), true);
  Label2 = fixedLabel(this, 104, 30, QString());
  Label6 = fixedLabel(this, 104, 54, QStringLiteral("Software Code : "));
  Label9 = fixedLabel(this, 220, 54, QString(), true);
  Label3 = fixedLabel(this, 104, 72, QStringLiteral("Version :"));
  Label10 = fixedLabel(this, 220, 72, QString(), true);
  Label8 = fixedLabel(this, 104, 90, QStringLiteral("Document Code :"));
  Label12 = fixedLabel(this, 220, 90, QString(), true);
  Label4 = fixedLabel(this, 14, 118, QString::fromUtf16(kMaker_Domain));
  Label4->SetParentFont(false);
  Label4->Font()->Assign(*Font());
  Label4->Font()->SetStyle({fsUnderline});
  Label4->Font()->SetColor(0xB05000);
  Label4->SetCursor(crHandPoint);
  Label4->OnClick = [this](TObject* s) { Label4Click(s); };

  FadeButton1 = Make_Button(this, 320, 108, 90, 30, mrOk);
  FadeButton1->SetCaption(QStringLiteral("OK"));
  Set_Button_Picture(FadeButton1, TShellPicture::Ok_Mark);
  OnShow = [this](TObject* s) { FormShow(s); };
}

TFAbout::~TFAbout() {
  if (FAbout == this) FAbout = nullptr;
}

void TFAbout::FormShow(TObject*) {
  Label2->SetCaption(QString::fromUtf16(kSW_Desc));
  Label9->SetCaption(QString::fromUtf16(kSW_Code));
  Label10->SetCaption(QString::fromUtf16(kSW_Version));
  Label12->SetCaption(QString::fromUtf16(kManual_Code));
  SetClientSize(425, 148);
}

void TFAbout::Label4Click(TObject*) { ShellOpenUrl(Home_Page_Link()); }
