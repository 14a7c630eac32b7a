// The calculator keypad's layout and click rules, and the calculator drop-down:
// key sequences on the keypad, characters typed into the closed edit and into
// the open pop-up, memory, the "Error" display and the style colours.
#include <gtest/gtest.h>

#include "grid/dropdown/calculator_drop_down.h"
#include "grid/dropdown/drop_down_form.h"
#include "grid/dropdown/ex_button.h"
#include "platform/rtl/locale_settings.h"
#include "platform/ui/form.h"
#include "tests/support/ui_input.h"

namespace {

// A stand-alone panel (not in a drop-down) with the calculator keys.
class ButtonPanelTest : public ::testing::Test {
protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(50, 50, 400, 300);
    panel = new TCustomButtonPanel(form);
    panel->SetParent(form);
    panel->SetBounds(0, 0, 236, 150);
    panel->CreateDefaultButtons();
    panel->OnButtonClick = [this](TObject*, int i) { clicks.push_back(i); };
    form->Show();
  }
  void TearDown() override { delete form; }
  int IndexOf(const QString& caption) const {
    for (int i = 0; i < panel->Buttons()->Count(); ++i)
      if (panel->Buttons()->Items(i)->Caption() == caption) return i;
    return -1;
  }
  TPoint Centre(int i) const {
    const TRect r = panel->GetButtonRect(i);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  TForm* form = nullptr;
  TCustomButtonPanel* panel = nullptr;
  std::vector<int> clicks;
};

// Area 220 x 134 inside the 8 px offsets: keys 35 x 26, groups 4 px apart,
// neighbours sharing a border.
TEST_F(ButtonPanelTest, KeypadLayout) {
  ASSERT_EQ(panel->Buttons()->Count(), 28);
  struct Case {
    const char* caption;
    TRect rect;
  };
  const int w = 35, h = 26;
  const int c1 = 8, c2 = c1 + w + 4, c3 = c2 + w - 1, c4 = c3 + w - 1, c5 = c4 + w + 4, c6 = c5 + w - 1;
  const int e = c6 + w;
  const int r0 = 8, r1 = r0 + h + 4, r2 = r1 + h - 1, r4 = r2 + 2 * (h - 1);
  const int x = c1 + w + 4, u = (e - x - 8) / 3;
  const Case cases[] = {
      {"", Bounds(c1, r0, w, h)},         {"Back", Bounds(x, r0, u, h)},
      {"CE", Bounds(x + u + 4, r0, u, h)}, {"C", Rect(x + 2 * u + 8, r0, e, r0 + h)},
      {"MC", Bounds(c1, r1, w, h)},       {"7", Bounds(c2, r1, w, h)},
      {"sqrt", Bounds(c6, r1, w, h)},     {"5", Bounds(c3, r2, w, h)},
      {"%", Bounds(c6, r2, w, h)},        {"0", Bounds(c2, r4, w, h)},
      {"+/-", Bounds(c3, r4, w, h)},      {".", Bounds(c4, r4, w, h)},
      {"=", Bounds(c6, r4, w, h)},        {"+", Bounds(c5, r4, w, h)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(panel->GetButtonRect(IndexOf(QString::fromLatin1(c.caption))), c.rect);
  }
  EXPECT_EQ(panel->GetButtonRect(28), Rect(-1, -1, -1, -1));
  // Tags, names and the special look of a few keys.
  const TButtonItem* sqrtKey = panel->Buttons()->Items(27);
  EXPECT_EQ(sqrtKey->Tag, 37);
  EXPECT_EQ(sqrtKey->FName, QStringLiteral("BTN_sqrt"));
  EXPECT_TRUE(sqrtKey->FSpecial);
  EXPECT_EQ(sqrtKey->CaptionColor(), TColor(0x000080));
  EXPECT_FALSE(panel->Buttons()->Items(8)->FSpecial);
  // A shared border belongs to the first key in collection order.
  EXPECT_EQ(panel->ButtonAtPos(c3, r1 + 1), IndexOf("7"));
  EXPECT_EQ(panel->ButtonAtPos(c2 - 2, r1 + 1), -1);  // the gap after the memory column
  // More keys are never added twice; a resize re-arranges.
  panel->CreateDefaultButtons();
  EXPECT_EQ(panel->Buttons()->Count(), 28);
  panel->SetWidth(6);  // narrower than the offsets: negative widths, still placed
  EXPECT_EQ(panel->GetButtonRect(0).Right - panel->GetButtonRect(0).Left, (6 - 16 - 8) / 6);
}

TEST_F(ButtonPanelTest, ClickNeedsPressAndReleaseOnOneEnabledKey) {
  const int seven = IndexOf("7"), eight = IndexOf("8");
  MousePress(panel, Centre(seven).X, Centre(seven).Y);
  EXPECT_EQ(panel->ButtonDown(), seven);
  MouseRelease(panel, Centre(seven).X, Centre(seven).Y);
  EXPECT_EQ(clicks, std::vector<int>{seven});
  // Down on one key, up on another: nothing, and no key stays down.
  MousePress(panel, Centre(seven).X, Centre(seven).Y);
  MouseRelease(panel, Centre(eight).X, Centre(eight).Y);
  EXPECT_EQ(clicks.size(), 1u);
  EXPECT_EQ(panel->ButtonDown(), -1);
  // The hot key follows the pointer; a disabled key is never hot or down.
  MouseMoveTo(panel, Centre(eight).X, Centre(eight).Y);
  EXPECT_EQ(panel->ButtonHot(), eight);
  panel->Buttons()->Items(seven)->FEnabled = false;
  MouseMoveTo(panel, Centre(seven).X, Centre(seven).Y);
  EXPECT_EQ(panel->ButtonHot(), -1);
  MousePress(panel, Centre(seven).X, Centre(seven).Y);
  MouseRelease(panel, Centre(seven).X, Centre(seven).Y);
  EXPECT_EQ(clicks.size(), 1u);
  MouseMoveTo(panel, Centre(eight).X, Centre(eight).Y);
  MouseLeave(panel);
  EXPECT_EQ(panel->ButtonHot(), -1);
}

TEST_F(ButtonPanelTest, ButtonSizeFitsTheLargestCaption) {
  int w = 0, h = 0;
  panel->GetButtonSize(w, h);
  TCanvas* c = MeasureCanvas();
  c->SetFont(panel->Font());
  int widest = 0;
  for (const char* caption : {"Back", "sqrt", "+/-", "1/x", "MC", "M+"})
    widest = std::max(widest, c->TextWidth(QString::fromLatin1(caption)));
  EXPECT_EQ(w, 8 + widest);
  EXPECT_EQ(h, 8 + c->TextHeight(QStringLiteral("sqrt")));
}

class CalculatorTest : public ::testing::Test {
protected:
  void SetUp() override {
    SetFormatSettings(TFormatSettings{});  // "." and ","
    form = new TForm(nullptr);
    form->SetBounds(50, 50, 400, 300);
    calc = new TExCalculatorDropdown(form);
    calc->SetParent(form);
    form->Show();
  }
  void TearDown() override {
    delete form;
    SetFormatSettings(std::nullopt);
  }
  // Clicks the keys named by the space-separated captions on the open keypad.
  void Keys(const char* sequence) {
    if (!calc->DroppedDown()) calc->ShowDropDown();
    TCustomButtonPanel* p = calc->ButtonPanel();
    for (const QString& caption : QString::fromLatin1(sequence).split(u' ', Qt::SkipEmptyParts)) {
      int index = -1;
      for (int i = 0; i < p->Buttons()->Count(); ++i)
        if (p->Buttons()->Items(i)->Caption() == caption) index = i;
      ASSERT_GE(index, 0) << caption.toStdString();
      const TRect r = p->GetButtonRect(index);
      MouseClick(p, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
  }
  void Type(TControl* target, const char* chars) {
    for (const char* c = chars; *c; ++c) {
      if (*c == '\r') PressKey(target, Qt::Key_Return);
      else if (*c >= 'a' && *c <= 'z') PressKey(target, Qt::Key_A + (*c - 'a'));
      else PressKey(target, QChar(*c).unicode());
    }
  }
  TForm* form = nullptr;
  TExCalculatorDropdown* calc = nullptr;
};

TEST_F(CalculatorTest, Defaults) {
  EXPECT_EQ(calc->EditType(), etFloat);
  EXPECT_EQ(calc->Precision(), 2);
  EXPECT_EQ(calc->DropDownWidth(), 230);
  EXPECT_FALSE(calc->DropDownHeader()->Visible());
  EXPECT_FALSE(calc->DropDownFooter()->Visible());
  EXPECT_EQ(calc->ButtonPanel()->Height(), 150);
  EXPECT_EQ(calc->PendingOperation(), -1);
  calc->ShowDropDown();
  EXPECT_FALSE(calc->DropDownForm()->CancelOnDeActivate);
  EXPECT_EQ(calc->DropDownForm()->Width(), 230);
  EXPECT_EQ(calc->DropDownForm()->Height(), 152);
}

// Key sequences on the keypad, each from a fresh calculator showing 0.00.
TEST_F(CalculatorTest, KeypadSequences) {
  struct Case {
    const char* keys;
    const char* display;
  };
  const Case cases[] = {
      {"2 + 3 *", "5.00"},               // chained left to right
      {"2 + 3 * 4 =", "20.00"},
      {"8 / 0 =", "Error"},              // then the next step reads Error as 0
      {"8 / 0 = + 5 =", "5.00"},
      {"1 0 / 3 =", "3.33"},
      {"1 0 / 3 = * 3 =", "9.99"},       // the operand is the rounded display
      {"5 + 1 0 %", "0.50"},
      {"5 + 1 0 % =", "5.50"},
      {"1 . 2 5", "1.25"},
      {"1 . 2 5 7", "1.26"},
      {"3 +/-", "-3.00"},
      {"3 +/- +/-", "3.00"},
      {"4 sqrt", "2.00"},
      {"4 +/- sqrt", "Error"},
      {"0 1/x", "Error"},
      {"4 1/x", "0.25"},
      {"1 2 Back", "1.00"},
      {"1 2 + 3 Back", "3.00"},          // Back does nothing while an operation is pending
      {"7 MS C MR", "7.00"},             // memory
      {"7 MS C 3 M+ C MR", "10.00"},
      {"7 MS 3", "73.00"},               // digits after MS extend the number
      {"7 MS MC MR", "0.00"},
      {"9 + 1 C 2 =", "2.00"},           // C drops the pending operation
      {"9 + 1 CE 2 =", "2.00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    delete calc;
    calc = new TExCalculatorDropdown(form);
    calc->SetParent(form);
    Keys(c.keys);
    EXPECT_EQ(calc->Text(), QString::fromLatin1(c.display));
    EXPECT_TRUE(calc->IsModified());
  }
}

TEST_F(CalculatorTest, TypedIntoTheClosedEdit) {
  calc->SetFocus();
  Type(calc, "12+3=");
  EXPECT_EQ(calc->Text(), QStringLiteral("15.00"));
  Type(calc, "*2\r");
  EXPECT_EQ(calc->Text(), QStringLiteral("30.00"));
  // "C" clears the pending operation; a thousand separator and a second
  // decimal separator are never inserted.
  Type(calc, "+5c");
  EXPECT_EQ(calc->PendingOperation(), -1);
  EXPECT_EQ(calc->Text(), QStringLiteral("0.00"));
  Type(calc, "4,");
  EXPECT_EQ(calc->Text(), QStringLiteral("4.00"));
  calc->SetText(QStringLiteral("4.5"));
  TEdit* edit = calc;
  edit->SetSelStart(1);
  Type(calc, ".");
  EXPECT_EQ(calc->Text(), QStringLiteral("4.50"));
  // Letters are dropped.
  Type(calc, "x");
  EXPECT_EQ(calc->Text(), QStringLiteral("4.50"));
  EXPECT_DOUBLE_EQ(calc->Value(), 4.5);
}

TEST_F(CalculatorTest, TypedIntoTheOpenPopup) {
  calc->ShowDropDown();
  TDropDownForm* popup = calc->DropDownForm();
  Type(popup, "6*7");
  EXPECT_EQ(calc->Text(), QStringLiteral("7.00"));
  Type(popup, "=");
  EXPECT_EQ(calc->Text(), QStringLiteral("42.00"));
  Type(popup, "/0\r");  // Enter: the equals step, then an accepted close
  EXPECT_FALSE(calc->DroppedDown());
  EXPECT_EQ(calc->Text(), QStringLiteral("Error"));
  std::vector<bool> closes;
  calc->OnDropUp = [&](TObject*, bool Cancelled) { closes.push_back(Cancelled); };
  calc->ShowDropDown();
  Type(calc->DropDownForm(), "c9+1");
  EXPECT_EQ(calc->Text(), QStringLiteral("1.00"));
  EXPECT_EQ(calc->PendingOperation(), 0);
  PressKey(calc->DropDownForm(), Qt::Key_Escape);  // a cancelled close
  EXPECT_FALSE(calc->DroppedDown());
  EXPECT_EQ(closes, std::vector<bool>{true});
}

TEST_F(CalculatorTest, ValueAndThousandSeparator) {
  calc->SetValue(1234567.891);
  EXPECT_EQ(calc->Text(), QStringLiteral("1234567.89"));
  calc->SetShowThousandSeparator(true);
  EXPECT_EQ(calc->EditType(), etMoney);
  EXPECT_EQ(calc->Text(), QStringLiteral("1,234,567.89"));
  EXPECT_DOUBLE_EQ(calc->Value(), 1234567.89);
  Keys("+ 1 =");
  EXPECT_EQ(calc->Text(), QStringLiteral("1,234,568.89"));
  calc->SetTextUnformatted(QStringLiteral("abc"));  // an unreadable display reads as 0
  EXPECT_DOUBLE_EQ(calc->Value(), 0);
  Keys("+ 2 =");
  EXPECT_EQ(calc->Text(), QStringLiteral("2.00"));
}

TEST_F(CalculatorTest, StyleColoursReachTheKeys) {
  calc->SetComponentStyle(tsOffice2010Blue);
  const TExButtonAppearance* b = calc->ButtonAppearance();
  const TButtonAppearance* k = calc->CalcButtonAppearance();
  EXPECT_EQ(k->Color(), b->Color());
  EXPECT_EQ(k->ColorHotTo(), b->ColorHotTo());
  EXPECT_EQ(k->GlowColorHot, b->ColorHot());
  EXPECT_EQ(k->GlowColorDown, b->ColorHot());
  calc->SetComponentStyle(tsOffice2007Luna);
  EXPECT_EQ(k->GlowColorDown, TColor(0xD5C244));
  EXPECT_EQ(k->GlowColorHot, b->ColorDownTo());
  calc->ShowDropDown();
  EXPECT_EQ(calc->ButtonPanel()->ButtonAppearance()->Color(), k->Color());
}

}  // namespace
