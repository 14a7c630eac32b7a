// Standard controls: which changes raise their events, labels, lists, pages.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QAbstractItemView>
#include <QDir>
#include <QFontInfo>
#include <QFile>
#include <QLabel>
#include <QPalette>
#include <QWidget>

#include "platform/rtl/exceptions.h"
#include "platform/ui/canvas.h"
#include "platform/ui/check_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/labels.h"
#include "platform/ui/list_controls.h"
#include "platform/ui/menus.h"
#include "platform/ui/page_control.h"
#include "platform/ui/shapes.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/ui_input.h"

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

struct Controls : ::testing::Test {
  Controls() {
    form = new TForm(nullptr);
    form->Font()->SetName("Verdana");
    form->Font()->SetSize(8);
    form->SetClientSize(400, 300);
  }
  ~Controls() override { delete form; }
  template <typename T>
  T* Make() {
    auto* c = new T(form);
    c->SetParent(form);
    return c;
  }
  TForm* form;
};

TEST_F(Controls, CheckBoxClicksOnEveryChangeOfState) {
  auto* box = Make<TCheckBox>();
  int clicks = 0;
  box->OnClick = [&](TObject*) { ++clicks; };
  box->SetChecked(true);
  EXPECT_EQ(clicks, 1);
  box->SetChecked(true);  // no change, no click
  EXPECT_EQ(clicks, 1);
  box->SetChecked(false);
  EXPECT_EQ(clicks, 2);
  PressKey(box, Qt::Key_Space);  // the user toggles it
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(clicks, 3);
  box->SetAllowGrayed(true);
  box->Toggle();
  EXPECT_EQ(box->State(), cbUnchecked);
  box->Toggle();
  EXPECT_EQ(box->State(), cbGrayed);
}

TEST_F(Controls, CheckBoxAcceleratorTogglesThroughTheForm) {
  form->Show();
  auto* box = Make<TCheckBox>();
  box->SetCaption("&Update");
  auto* other = Make<TCheckBox>();
  other->SetTop(30);
  other->SetFocus();
  PressKey(other, Qt::Key_U, Qt::AltModifier);
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(box->Focused());
  form->Hide();
}

TEST_F(Controls, ListBoxItemIndexInCodeIsSilent) {
  auto* list = Make<TListBox>();
  int clicks = 0;
  list->OnClick = [&](TObject*) { ++clicks; };
  for (const char* s : {"English", "Deutsch", "Italiano"}) list->Items()->Add(s);
  EXPECT_EQ(list->ItemIndex(), -1);
  list->SetItemIndex(2);
  EXPECT_EQ(list->ItemIndex(), 2);
  list->SetItemIndex(-1);
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(clicks, 0);
  list->SetItemIndex(0);
  PressKey(list, Qt::Key_Down);  // the user moves the selection
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(list->Items()->IndexOf("italiano"), 2);
  EXPECT_THROW(list->Items()->Strings(3), EListError);
}

TEST_F(Controls, ComboBoxChangesOnlyForTheUser) {
  auto* combo = Make<TComboBox>();
  combo->SetStyle(csDropDownList);
  int changes = 0;
  combo->OnChange = [&](TObject*) { ++changes; };
  combo->Items()->Assign({"9600", "19200", "38400"});
  combo->SetItemIndex(1);
  EXPECT_EQ(combo->Text(), "19200");
  combo->SetText("38400");
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(changes, 0);
  PressKey(combo, Qt::Key_Up);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(changes, 1);

  auto* editable = Make<TComboBox>();
  editable->Items()->Assign({"A", "B"});
  editable->SetText("free text");
  EXPECT_EQ(editable->Text(), "free text");
  EXPECT_EQ(editable->ItemIndex(), -1);
}

// A combo box made in a style is the one made and then given that style: the
// same edit part (none for the list style), text, keys and change events.
TEST_F(Controls, ComboBoxMadeInAStyleIsTheOneGivenItAfterwards) {
  for (TComboBoxStyle style : {csDropDownList, csDropDown, csSimple}) {
    SCOPED_TRACE(int(style));
    auto* made = new TComboBox(form, style);
    made->SetParent(form);
    auto* given = Make<TComboBox>();
    given->SetStyle(style);
    int changes[2] = {0, 0};
    TComboBox* both[2] = {made, given};
    for (int i = 0; i < 2; ++i) {
      TComboBox* combo = both[i];
      combo->OnChange = [&changes, i](TObject*) { ++changes[i]; };
      combo->Items()->Assign({"9600", "19200", "38400"});
      combo->SetItemIndex(1);
      PressKey(combo, Qt::Key_Down);
      combo->SetText("free");
    }
    EXPECT_EQ(made->Style(), style);
    auto* madeBox = static_cast<QComboBox*>(made->Widget());
    auto* givenBox = static_cast<QComboBox*>(given->Widget());
    EXPECT_EQ(madeBox->isEditable(), givenBox->isEditable());
    EXPECT_EQ(madeBox->lineEdit() == nullptr, givenBox->lineEdit() == nullptr);
    EXPECT_EQ(made->ItemIndex(), given->ItemIndex());
    EXPECT_EQ(made->Text(), given->Text());
    EXPECT_EQ(made->SelStart(), given->SelStart());
    EXPECT_EQ(changes[0], changes[1]);
    EXPECT_EQ(changes[0], 1);
  }
}

// A combo's font set before it is shown still reaches its size and its list.
TEST_F(Controls, ComboBoxFontSetWhileHiddenReachesItsSizeAndList) {
  auto* combo = Make<TComboBox>();
  combo->Items()->Assign({"9600", "115200"});
  auto* box = static_cast<QComboBox*>(combo->Widget());
  const int before = box->sizeHint().height();
  combo->Font()->SetSize(20);
  EXPECT_GT(box->sizeHint().height(), before);
  form->Show();
  EXPECT_EQ(box->view()->font(), box->font());
  EXPECT_EQ(QFontInfo(box->view()->font()).pointSize(), 20);
  combo->Font()->SetSize(11);  // shown: at once
  EXPECT_EQ(QFontInfo(box->view()->font()).pointSize(), 11);
}

TEST_F(Controls, LabelSizesItselfToItsText) {
  auto* label = Make<TLabel>();
  label->SetCaption("Project Name");
  TCanvas* c = MeasureCanvas();
  c->Font()->Assign(*form->Font());
  EXPECT_EQ(label->Width(), c->TextWidth("Project Name"));
  EXPECT_EQ(label->Height(), c->TextHeight("x"));
  label->SetCaption("A &Name");  // the accelerator mark takes no room
  EXPECT_EQ(label->Width(), c->TextWidth("A Name"));
}

TEST_F(Controls, ParentFontAndColourFollowTheParent) {
  auto* label = Make<TLabel>();
  EXPECT_EQ(label->Font()->Name(), "Verdana");
  form->Font()->SetStyle({fsBold});
  EXPECT_TRUE(label->Font()->Style().Contains(fsBold));
  label->Font()->SetSize(12);  // its own font from now on
  form->Font()->SetStyle({});
  EXPECT_TRUE(label->Font()->Style().Contains(fsBold));
  form->SetColor(0xEDF7F8);
  EXPECT_EQ(label->Color(), 0xEDF7F8);
}

// On screen: a control that follows its parent's font shows each new font and
// colour of the parent; one given its own font keeps it, even one that was the
// parent's at the time.
TEST_F(Controls, WidgetsShowTheParentsFontOnlyWhileTheyFollowIt) {
  auto* follows = Make<TEdit>();
  auto* own = Make<TEdit>();
  own->Font()->Assign(*form->Font());
  EXPECT_FALSE(own->ParentFont());
  auto* label = Make<TLabel>();
  form->Font()->SetSize(14);
  form->Font()->SetColor(clRed);
  EXPECT_EQ(QFontInfo(follows->Widget()->font()).pointSize(), 14);
  EXPECT_EQ(follows->Widget()->palette().color(QPalette::Text), QColor(255, 0, 0));
  EXPECT_EQ(QFontInfo(own->Widget()->font()).pointSize(), 8);
  EXPECT_EQ(own->Widget()->palette().color(QPalette::Text), QColor(0, 0, 0));
  EXPECT_EQ(label->Widget()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  own->SetParentFont(true);
  EXPECT_EQ(QFontInfo(own->Widget()->font()).pointSize(), 14);
  follows->Font()->SetSize(10);  // its own from now on
  form->Font()->SetSize(9);
  EXPECT_EQ(QFontInfo(follows->Widget()->font()).pointSize(), 10);
  EXPECT_EQ(QFontInfo(own->Widget()->font()).pointSize(), 9);
}

// A control without a parent has no window of its own and is never shown; given a
// parent it shows in it, and taken out again it is hidden but still no window.
// Forms stay windows throughout.
TEST_F(Controls, AControlWithoutAParentIsNoWindowAndNeverShows) {
  auto* edit = new TEdit(form);
  EXPECT_FALSE(edit->Widget()->isWindow());
  edit->SetVisible(false);
  edit->SetVisible(true);
  EXPECT_FALSE(edit->Widget()->isVisible());
  EXPECT_FALSE(edit->Showing());
  edit->SetParent(form);
  form->Show();
  EXPECT_TRUE(edit->Widget()->isVisible());
  EXPECT_EQ(edit->Widget()->window(), form->Widget());
  edit->SetParent(nullptr);
  EXPECT_FALSE(edit->Widget()->isWindow());
  EXPECT_FALSE(edit->Widget()->isVisible());
  EXPECT_TRUE(form->Widget()->isWindow());
  auto* inner = new TForm(form);
  inner->SetParent(form);
  EXPECT_FALSE(inner->Widget()->isWindow());
  inner->SetParent(nullptr);
  EXPECT_TRUE(inner->Widget()->isWindow());
}

TEST_F(Controls, HintsShowOnlyWithShowHint) {
  auto* label = Make<TLabel>();
  label->SetHint("Short|Long help");
  EXPECT_FALSE(label->ShowHint());
  form->SetShowHint(true);
  EXPECT_TRUE(label->ShowHint());
  EXPECT_EQ(label->Widget()->toolTip(), "Short");
}

TEST_F(Controls, PageControlSheetsAndSilentActivePage) {
  auto* pages = Make<TPageControl>();
  int changes = 0;
  pages->OnChange = [&](TObject*) { ++changes; };
  auto* a = new TTabSheet(form);
  a->SetCaption("General");
  a->SetPageControl(pages);
  auto* b = new TTabSheet(form);
  b->SetCaption("Network");
  b->SetPageControl(pages);
  EXPECT_EQ(pages->PageCount(), 2);
  EXPECT_EQ(b->PageIndex(), 1);
  pages->SetActivePage(b);
  EXPECT_EQ(pages->ActivePage(), b);
  EXPECT_EQ(changes, 0);
  delete a;
  EXPECT_EQ(pages->PageCount(), 1);
  EXPECT_EQ(b->PageIndex(), 0);
}

TEST_F(Controls, ImageLoadsABitmapFile) {
  TBitmap source(6, 4);
  source.Canvas()->SetPixel(1, 1, clRed);
  const QString file = QDir::temp().filePath("ui_image_test.bmp");
  source.SaveToFile(file);
  auto* image = Make<TImage>();
  image->Picture()->LoadFromFile(file);
  EXPECT_EQ(image->Picture()->Width(), 6);
  EXPECT_EQ(image->Picture()->Bitmap()->Canvas()->Pixel(1, 1), clRed);
  EXPECT_THROW(image->Picture()->LoadFromFile(file + ".missing"), EFileError);
  QFile::remove(file);
}

TEST_F(Controls, LinkLabelShowsLinksAndReportsClicks) {
  EXPECT_EQ(LinkCaptionToHtml("Visit <a href=\"http://x.example/a?b=1&c=2\">our site</a> & more"),
            "Visit <a href=\"http://x.example/a?b=1&amp;c=2\">our site</a> &amp; more");
  EXPECT_EQ(LinkCaptionToHtml("<a>plain</a>"), "<a href=\"plain\">plain</a>");
  EXPECT_EQ(LinkCaptionToHtml("1 < 2"), "1 &lt; 2");
  auto* link = Make<TLinkLabel>();
  QString clicked;
  link->OnLinkClick = [&](TObject*, const QString& target, TSysLinkType) { clicked = target; };
  link->SetCaption("<a href=\"http://x.example\">Update</a>");
  emit static_cast<QLabel*>(link->Widget())->linkActivated("http://x.example");
  EXPECT_EQ(clicked, "http://x.example");
  EXPECT_GT(link->Width(), 0);
}

TEST_F(Controls, PopupMenuClicksTheChosenItem) {
  ScriptedUi ui;
  TPopupMenu menu(form);
  QString clicked;
  menu.Add("Copy", [&](TObject*) { clicked = "Copy"; });
  menu.Add("Paste", [&](TObject*) { clicked = "Paste"; });
  ui.ExpectPopup(1);
  menu.Popup(10, 10);
  EXPECT_EQ(clicked, "Paste");
}

}  // namespace
