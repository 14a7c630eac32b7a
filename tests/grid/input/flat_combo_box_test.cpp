// The flat combo box: the button width range, the attached label's placement and
// its following of the combo, the focus colour, OnDropUp, which frame it draws,
// and a drawn frame probed by its pixels.
#include <gtest/gtest.h>

#include "grid/input/flat_combo_box.h"
#include "platform/theme/visual_styles.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/form.h"
#include "tests/support/ui_input.h"

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

struct FlatComboFixture : ::testing::Test {
  FlatComboFixture() {
    form = new TForm(nullptr);
    form->SetClientSize(400, 200);
    combo = new TEsgComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(100, 50, 120, 21);
    for (const char* s : {"Bool", "Int8", "Int16"}) combo->Items()->Add(s);
  }
  ~FlatComboFixture() override { delete form; }
  TForm* form;
  TEsgComboBox* combo;
};

TEST(ComboLabelPosition, Table) {
  const TRect c = Bounds(100, 50, 120, 21);  // label 40 x 13, margin 4
  const struct {
    TLabelPosition position;
    TPoint at;
  } cases[] = {
      {lpLeftTop, {56, 50}},        {lpLeftCenter, {56, 54}},     {lpLeftBottom, {56, 58}},
      {lpTopLeft, {100, 33}},       {lpBottomLeft, {100, 75}},    {lpLeftTopLeft, {96, 50}},
      {lpLeftCenterLeft, {96, 54}}, {lpLeftBottomLeft, {96, 58}}, {lpTopCenter, {140, 33}},
      {lpBottomCenter, {140, 75}},  {lpRightTop, {224, 50}},      {lpRightCenter, {224, 54}},
      {lpRighBottom, {224, 58}},
  };
  for (const auto& k : cases) EXPECT_EQ(ComboLabelPosition(k.position, c, 40, 13, 4), k.at) << k.position;
}

TEST_F(FlatComboFixture, ButtonWidthTakesFourteenToThirtyTwo) {
  const int initial = combo->ButtonWidth();
  for (int refused : {13, 33}) {
    combo->SetButtonWidth(refused);
    EXPECT_EQ(combo->ButtonWidth(), initial);
  }
  for (int taken : {14, 32}) {
    combo->SetButtonWidth(taken);
    EXPECT_EQ(combo->ButtonWidth(), taken);
  }
}

TEST_F(FlatComboFixture, LabelFollowsTheCombo) {
  EXPECT_EQ(combo->ComboLabel(), nullptr);
  combo->SetLabelCaption("Type");
  TLabel* label = combo->ComboLabel();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Parent(), form);
  EXPECT_EQ(label->Left(), 100 - label->Width() - 4);
  combo->SetLeft(200);
  EXPECT_EQ(label->Left(), 200 - label->Width() - 4);
  combo->SetLabelPosition(lpTopLeft);
  EXPECT_EQ(label->Top(), 50 - label->Height() - 4);
  combo->SetVisible(false);
  EXPECT_FALSE(label->Visible());
  combo->SetVisible(true);
  combo->SetEnabled(false);
  EXPECT_FALSE(label->Enabled());
  combo->SetEnabled(true);
  combo->SetLabelAlwaysEnabled(true);
  combo->SetEnabled(false);
  EXPECT_TRUE(label->Enabled());
}

TEST_F(FlatComboFixture, FocusColourComesAndGoesAfterInit) {
  auto* other = new TEsgComboBox(form);
  other->SetParent(form);
  other->SetTop(100);
  combo->SetFocusColor(clYellow);
  combo->SetFocusLabel(true);
  combo->SetLabelCaption("Type");
  combo->SetColor(clWindow);
  combo->Init();
  form->Show();
  other->SetFocus();
  combo->SetFocus();
  EXPECT_EQ(combo->Color(), clYellow);
  EXPECT_TRUE(combo->ComboLabel()->Font()->Style().Contains(fsBold));
  other->SetFocus();
  EXPECT_EQ(combo->Color(), clWindow);
  EXPECT_FALSE(combo->ComboLabel()->Font()->Style().Contains(fsBold));
  other->SetFocusColor(clYellow);  // without Init the focus colour stays
  combo->SetFocus();
  other->SetFocus();
  combo->SetFocus();
  EXPECT_EQ(other->Color(), clYellow);
  form->Hide();
}

TEST_F(FlatComboFixture, ClosingTheListRaisesOnDropUpOnce) {
  form->Show();
  int dropUps = 0;
  combo->OnDropUp = [&](TObject*) { ++dropUps; };
  combo->SetDroppedDown(true);
  EXPECT_EQ(dropUps, 0);
  combo->SetDroppedDown(false);
  combo->SetDroppedDown(false);
  EXPECT_EQ(dropUps, 1);
  form->Hide();
}

TEST_F(FlatComboFixture, SelectItemIgnoresUnknownTexts) {
  combo->SelectItem("int8");
  EXPECT_EQ(combo->ItemIndex(), 1);
  combo->SelectItem("Float32");
  EXPECT_EQ(combo->ItemIndex(), 1);
}

TEST_F(FlatComboFixture, WhichFrameIsDrawn) {
  EXPECT_FALSE(combo->PaintsOwnParts());  // the window's own look
  EXPECT_EQ(combo->FrameToDraw(), TComboFrame::None);
  combo->SetFocusBorderColor(clRed);  // unfocused: no frame of its own
  EXPECT_EQ(combo->FrameToDraw(), TComboFrame::None);
  EXPECT_FALSE(combo->PaintsOwnParts());
  combo->SetFocusBorderColor(clNone);
  combo->SetBorderColor(clBlue);
  EXPECT_TRUE(combo->PaintsOwnParts());
  EXPECT_EQ(combo->FrameToDraw(), TComboFrame::Border);
  combo->SetIsVista(true);  // a newer system paints a bordered flat combo alone
  combo->SetFlat(true);
  EXPECT_FALSE(combo->PaintsOwnParts());
  combo->SetIsVista(false);
  combo->SetBorderColor(clNone);
  EXPECT_EQ(combo->FrameToDraw(), TComboFrame::Flat);
  combo->SetFlat(false);
  SetThemeActive(true);
  combo->SetEnabled(false);
  EXPECT_FALSE(combo->PaintsOwnParts());  // DisabledBorder is on at first
  combo->SetDisabledBorder(false);
  EXPECT_EQ(combo->FrameToDraw(), TComboFrame::Disabled);
  EXPECT_TRUE(combo->PaintsOwnParts());
}

TEST_F(FlatComboFixture, BorderColourIsDrawnOverTheWindow) {
  form->Show();
  combo->SetBorderColor(clRed);
  combo->ButtonColor = clLime;
  TBitmap bmp(combo->Width(), combo->Height());
  combo->PaintTo(bmp.Canvas(), 0, 0);
  EXPECT_EQ(bmp.Canvas()->Pixel(0, 0), clRed);
  EXPECT_EQ(bmp.Canvas()->Pixel(combo->Width() - 1, combo->Height() / 2), clRed);
  EXPECT_EQ(bmp.Canvas()->Pixel(combo->Width() - 5, 4), clLime);  // the custom button strip
  form->Hide();
}

}  // namespace
