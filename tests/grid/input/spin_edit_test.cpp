// The spin edit: which typed characters it takes, how each type steps (integer,
// float, date in both field orders, time wrapping at midnight), the limits, its
// keys, and the arrow buttons' repeat driven by direct timer ticks.
#include <gtest/gtest.h>

#include "grid/input/spin_edit.h"
#include "platform/rtl/date_format.h"
#include "platform/ui/beep.h"
#include "platform/ui/form.h"
#include "tests/support/ui_input.h"

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

TFormatSettings Settings(const char* shortDate, QChar decimal = u'.', QChar thousand = u',') {
  TFormatSettings s;
  s.DecimalSeparator = decimal;
  s.ThousandSeparator = thousand;
  s.DateSeparator = u'/';
  s.TimeSeparator = u':';
  s.ShortDateFormat = QString::fromLatin1(shortDate);
  return s;
}

struct SpinFixture : ::testing::Test {
  SpinFixture() {
    SetFormatSettings(Settings("dd/MM/yyyy"));
    form = new TForm(nullptr);
    form->SetClientSize(300, 200);
    spin = new TEsgSpinEdit(form);
    spin->SetParent(form);
    spin->SetBounds(10, 10, 120, 21);
  }
  ~SpinFixture() override {
    delete form;
    SetFormatSettings(std::nullopt);
  }
  // Sets the text and puts the caret at `caret`.
  void TextAt(const QString& text, int caret) {
    spin->SetText(text);
    spin->SetSelStart(caret);
  }
  TForm* form;
  TEsgSpinEdit* spin;
};

// --- typed characters ---

struct CharCase {
  TEsgSpinType type;
  const char* text;
  int caret;
  const char* selected;
  int precision;
  bool editorEnabled;
  char16_t key;
  bool valid;
};

TEST(SpinValidChars, Table) {
  const CharCase cases[] = {
      // integers: digits and one leading "-"; separators and letters refused
      {sptNormal, "12", 2, "", 0, true, u'5', true},
      {sptNormal, "12", 2, "", 0, true, u'a', false},
      {sptNormal, "12", 2, "", 0, true, u'.', false},
      {sptNormal, "12", 0, "", 0, true, u'-', true},
      {sptNormal, "12", 1, "", 0, true, u'-', false},   // "-" in the middle
      {sptNormal, "-12", 0, "", 0, true, u'-', false},  // a second "-"
      {sptNormal, "-12", 0, "-", 0, true, u'-', true},  // replaces the selected "-"
      {sptNormal, "12", 2, "", 0, true, u'\r', false},  // Enter beeps
      {sptNormal, "12", 2, "", 0, true, u'\b', true},
      {sptNormal, "12", 2, "", 0, false, u'\b', false},  // Backspace needs typing
      {sptNormal, "12", 2, "", 0, false, u'5', false},
      {sptNormal, "12", 2, "", 0, true, u':', false},
      // floats: one decimal separator, no thousand separator, decimals by Precision
      {sptFloat, "1.25", 4, "", 2, true, u'7', false},  // two decimals already
      {sptFloat, "1.25", 1, "", 2, true, u'7', true},   // before the separator
      {sptFloat, "1.25", 3, "5", 2, true, u'7', true},  // replaces a decimal
      {sptFloat, "1.2", 3, "", 2, true, u'7', true},
      {sptFloat, "1.25", 4, "", 0, true, u'7', true},  // general format: no limit
      {sptFloat, "1.2", 3, "", 0, true, u'.', false},
      {sptFloat, "1.2", 0, "1.2", 0, true, u'.', true},
      {sptFloat, "12", 2, "", 0, true, u',', false},
      {sptFloat, "12", 2, "", 0, true, u'\x1b', true},
      // dates and times: their own separator only
      {sptDate, "01/02", 5, "", 0, true, u'/', true},
      {sptDate, "01", 2, "", 0, true, u':', false},
      {sptTime, "12:30", 5, "", 0, true, u':', true},
      {sptTime, "12:30:00", 8, "", 0, true, u':', false},  // two already
      {sptTime, "12", 2, "", 0, true, u'/', false},
  };
  for (const CharCase& c : cases) {
    TSpinCharState s;
    s.SpinType = c.type;
    s.Text = QString::fromLatin1(c.text);
    s.SelStart = c.caret;
    s.SelText = QString::fromLatin1(c.selected);
    s.Precision = c.precision;
    s.EditorEnabled = c.editorEnabled;
    EXPECT_EQ(SpinIsValidChar(QChar(c.key), s), c.valid)
        << "type " << c.type << " text " << c.text << " caret " << c.caret << " key " << char(c.key);
  }
}

TEST_F(SpinFixture, RefusedKeysBeepAndChangeNothing) {
  TextAt("12", 2);
  const int beeps = MessageBeepCount();
  PressKey(spin, Qt::Key_A);
  EXPECT_EQ(spin->Text(), "12");
  EXPECT_EQ(MessageBeepCount(), beeps + 1);
  PressKey(spin, Qt::Key_3);
  EXPECT_EQ(spin->Text(), "123");
  EXPECT_EQ(MessageBeepCount(), beeps + 1);
  PressKey(spin, Qt::Key_Return);  // without ReturnIsTab Enter is refused
  EXPECT_EQ(MessageBeepCount(), beeps + 2);
}

// --- stepping ---

TEST_F(SpinFixture, IntegersStepWithinTheirLimits) {
  spin->SetValue(99);
  spin->SpinUp(false);
  EXPECT_EQ(spin->Value(), 100);
  spin->SpinUp(false);  // stays at MaxValue
  EXPECT_EQ(spin->Text(), "100");
  spin->SpinUp(true);  // Page is no bigger step for integers
  EXPECT_EQ(spin->Value(), 100);
  spin->SetValue(-5);
  EXPECT_EQ(spin->Value(), 0);
  spin->MinValue = 0;
  spin->MaxValue = 0;  // equal limits: none
  spin->SetValue(-5);
  spin->SpinDown(false);
  EXPECT_EQ(spin->Value(), -6);
  spin->SetValue(INT_MAX);
  spin->Increment = 10;
  spin->SpinUp(false);  // no overflow
  EXPECT_EQ(spin->Value(), INT_MAX);
}

TEST_F(SpinFixture, UnreadableTextsReadAsTheLowerLimitAndNeverRaise) {
  spin->MinValue = 3;
  spin->MinFloatValue = -2.5;
  spin->MaxFloatValue = 10;
  spin->SetText("");
  EXPECT_EQ(spin->Value(), 0);
  spin->SetText("abc");
  EXPECT_EQ(spin->Value(), 3);
  EXPECT_EQ(spin->FloatValue(), -2.5);  // the float limit, not the integer one
  spin->SetSpinType(sptFloat);
  spin->SetText("1.2.3");
  EXPECT_NO_THROW(spin->SpinUp(false));
  EXPECT_DOUBLE_EQ(spin->FloatValue(), -2.4);
  spin->SetSpinType(sptTime);
  spin->SetText("xx");
  EXPECT_EQ(spin->TimeValue(), 0);
}

TEST_F(SpinFixture, FloatsStepByTheirIncrementsAndShowTheirPrecision) {
  spin->SetSpinType(sptFloat);
  spin->SetFloatValue(1.5);
  EXPECT_EQ(spin->Text(), "1.5");
  spin->SpinUp(false);
  EXPECT_EQ(spin->Text(), "1.6");
  spin->SpinUp(true);  // Page Up: IncrementFloatPage
  EXPECT_EQ(spin->Text(), "2.6");
  spin->SetPrecision(2);
  EXPECT_EQ(spin->Text(), "2.60");
  spin->SpinDown(true);
  EXPECT_EQ(spin->Text(), "1.60");
  SetFormatSettings(Settings("dd/MM/yyyy", u',', u'.'));
  spin->SetFloatValue(3.25);
  EXPECT_EQ(spin->Text(), "3,25");
  EXPECT_DOUBLE_EQ(spin->FloatValue(), 3.25);
}

struct DateStep {
  const char* format;
  const char* text;
  int caret;
  bool up;
  const char* result;
};

TEST_F(SpinFixture, DatesStepThePartTheCaretStandsIn) {
  const DateStep cases[] = {
      {"dd/MM/yyyy", "15/03/2024", 0, true, "16/03/2024"},  // day
      {"dd/MM/yyyy", "15/03/2024", 2, true, "16/03/2024"},  // still the day before "/"
      {"dd/MM/yyyy", "15/03/2024", 3, true, "15/04/2024"},  // month
      {"dd/MM/yyyy", "15/03/2024", 6, false, "15/03/2023"},  // year
      {"dd/MM/yyyy", "31/01/2024", 3, true, "29/02/2024"},   // the day clipped to the month
      {"dd/MM/yyyy", "29/02/2024", 8, true, "28/02/2025"},   // no 29 February in 2025
      {"dd/MM/yyyy", "01/01/2024", 0, false, "31/12/2023"},
      {"M/d/yyyy", "3/15/2024", 0, true, "4/15/2024"},  // month first
      {"M/d/yyyy", "3/15/2024", 2, true, "3/16/2024"},
      {"M/d/yyyy", "3/15/2024", 6, true, "3/15/2025"},
  };
  spin->MinDateValue = 0;
  spin->MaxDateValue = 0;
  for (const DateStep& c : cases) {
    SetFormatSettings(Settings(c.format));
    spin->SetSpinType(sptDate);
    TextAt(QString::fromLatin1(c.text), c.caret);
    EXPECT_NO_THROW(c.up ? spin->SpinUp(false) : spin->SpinDown(false));
    EXPECT_EQ(spin->Text(), QString::fromLatin1(c.result)) << c.format << " " << c.text << " caret " << c.caret;
    EXPECT_EQ(spin->UsDates(), c.format[0] == 'M');
    EXPECT_EQ(spin->SelStart(), c.caret);  // the caret stays in its part
  }
}

struct TimeStep {
  bool seconds;
  const char* text;
  int caret;
  bool up;
  int hours, minutes;
  const char* result;
};

TEST_F(SpinFixture, TimesStepThePartAndWrapAtMidnight) {
  const TimeStep cases[] = {
      {false, "23:30", 0, true, 1, 1, "0:30"},
      {false, "0:30", 0, false, 1, 1, "23:30"},
      {false, "23:59", 4, true, 1, 1, "0:00"},
      {false, "10:15", 3, false, 1, 15, "10:00"},
      {true, "10:15:59", 7, true, 1, 1, "10:16:00"},  // seconds
      {true, "10:15:59", 5, true, 1, 1, "10:16:59"},  // before the second ":" : minutes
      {false, "10:00", 0, true, 25, 1, "11:00"},      // an increment beyond a day does not raise
      {false, "10:00", 4, false, 1, 90, "8:30"},
  };
  for (const TimeStep& c : cases) {
    spin->SetShowSeconds(c.seconds);
    spin->SetSpinType(sptTime);
    spin->IncrementHours = c.hours;
    spin->IncrementMinutes = c.minutes;
    TextAt(QString::fromLatin1(c.text), c.caret);
    EXPECT_NO_THROW(c.up ? spin->SpinUp(false) : spin->SpinDown(false));
    const QString expected = QString::fromLatin1(c.result);
    EXPECT_EQ(spin->Text(), c.seconds ? "" + expected.rightJustified(8, u'0') : expected) << c.text;
  }
}

TEST_F(SpinFixture, ReadOnlyBeepsInsteadOfStepping) {
  spin->SetValue(5);
  spin->SetReadOnly(true);
  const int beeps = MessageBeepCount();
  spin->SpinUp(false);
  EXPECT_EQ(spin->Value(), 5);
  EXPECT_EQ(MessageBeepCount(), beeps + 1);
}

// --- keys ---

TEST_F(SpinFixture, ArrowAndPageKeysStepWithoutReachingOnKeyDown) {
  int keyDowns = 0;
  spin->OnKeyDown = [&](TObject*, int&, TShiftState) { ++keyDowns; };
  spin->SetSpinType(sptFloat);
  spin->SetFloatValue(5);
  PressKey(spin, Qt::Key_Up);
  PressKey(spin, Qt::Key_PageUp);
  EXPECT_EQ(spin->Text(), "6.1");
  PressKey(spin, Qt::Key_Down);
  PressKey(spin, Qt::Key_PageDown);
  EXPECT_EQ(spin->Text(), "5");
  EXPECT_EQ(keyDowns, 0);
  PressKey(spin, Qt::Key_Home);
  EXPECT_EQ(keyDowns, 1);
}

TEST_F(SpinFixture, WithoutTypingOnlyTheButtonsAndKeysChangeTheValue) {
  spin->SetEditorEnabled(false);
  spin->SetValue(7);
  EXPECT_EQ(spin->SelLength(), 1);  // setting the value selects it
  spin->SetSelStart(1);
  PressKey(spin, Qt::Key_4);
  PressKey(spin, Qt::Key_Backspace);
  spin->SetSelStart(0);
  PressKey(spin, Qt::Key_Delete);
  EXPECT_EQ(spin->Text(), "7");
  PressKey(spin, Qt::Key_Up);
  EXPECT_EQ(spin->Text(), "8");
}

TEST_F(SpinFixture, EnterMovesOnWhenItIsTab) {
  form->Show();
  auto* next = new TEdit(form);
  next->SetParent(form);
  next->SetTop(50);
  spin->ReturnIsTab = true;
  spin->SetFocus();
  PressKey(spin, Qt::Key_Return);
  ProcessEvents();
  EXPECT_TRUE(next->Focused());
  form->Hide();
}

TEST_F(SpinFixture, LeavingShowsTheLimitedValue) {
  form->Show();
  auto* next = new TEdit(form);
  next->SetParent(form);
  next->SetTop(50);
  spin->SetFocus();
  spin->SetText("250");
  next->SetFocus();
  EXPECT_EQ(spin->Text(), "100");
  form->Hide();
}

TEST_F(SpinFixture, KeypadDecimalKeyTypesTheLocaleSeparator) {
  SetFormatSettings(Settings("dd/MM/yyyy", u',', u'.'));
  spin->SetSpinType(sptFloat);
  TextAt("1", 1);
  PressKey(spin, Qt::Key_Period, Qt::KeypadModifier);  // "." is the thousand separator here
  EXPECT_EQ(spin->Text(), "1");
  spin->ExcelStyleDecimalSeparator = true;
  PressKey(spin, Qt::Key_Period, Qt::KeypadModifier);
  PressKey(spin, Qt::Key_5);
  EXPECT_EQ(spin->Text(), "1,5");
  EXPECT_DOUBLE_EQ(spin->FloatValue(), 1.5);
}

// --- the arrow buttons ---

TEST_F(SpinFixture, ButtonPairLaysOutItsArrows) {
  TEsgSpinButton* pair = spin->Button();
  pair->SetBounds(0, 0, 15, 25);
  EXPECT_EQ(pair->UpButton()->BoundsRect(), Bounds(0, 0, 15, 12));
  EXPECT_EQ(pair->DownButton()->BoundsRect(), Bounds(0, 11, 15, 14));
  pair->SetBounds(0, 0, 10, 25);  // never narrower than 15
  EXPECT_EQ(pair->Width(), 15);
  pair->SetDirection(spHorizontal);
  pair->SetBounds(0, 0, 20, 16);
  EXPECT_EQ(pair->DownButton()->BoundsRect(), Bounds(0, 0, 10, 16));
  EXPECT_EQ(pair->UpButton()->BoundsRect(), Bounds(11, 0, 10, 16));
  EXPECT_EQ(pair->UpButton()->ButtonDirection(), bdRight);
}

TEST_F(SpinFixture, HeldArrowRepeatsOnTimerTicksAndStepsOnceMoreOnRelease) {
  TExTimerSpeedButton* up = spin->Button()->UpButton();
  spin->SetValue(0);
  MousePress(up, 3, 3);
  EXPECT_EQ(spin->Value(), 0);  // a press alone does not step
  ASSERT_NE(up->RepeatTimer(), nullptr);
  EXPECT_EQ(up->RepeatTimer()->Interval(), 400);
  EXPECT_TRUE(up->RepeatTimer()->Enabled());
  for (int tick = 1; tick <= 3; ++tick) {
    up->RepeatTimer()->OnTimer()(up->RepeatTimer());
    EXPECT_EQ(spin->Value(), tick);
    EXPECT_EQ(up->RepeatTimer()->Interval(), 100);
  }
  MouseRelease(up, 3, 3);
  EXPECT_EQ(spin->Value(), 4);  // k ticks, k + 1 steps
  EXPECT_FALSE(up->RepeatTimer()->Enabled());
  up->RepeatTimer()->OnTimer()(up->RepeatTimer());  // a late tick after the release
  EXPECT_EQ(spin->Value(), 4);

  MouseClick(spin->Button()->DownButton(), 3, 3);  // a short click steps once
  EXPECT_EQ(spin->Value(), 3);
  EXPECT_EQ(spin->Button()->DownButton()->RepeatTimer()->Interval(), 400);

  MousePress(up, 3, 3);
  up->RepeatTimer()->OnTimer()(up->RepeatTimer());
  MouseMoveTo(up, 40, 3, Qt::LeftButton);  // dragged off the button: no more steps
  up->RepeatTimer()->OnTimer()(up->RepeatTimer());
  MouseRelease(up, 40, 3);
  EXPECT_EQ(spin->Value(), 4);
}

}  // namespace
