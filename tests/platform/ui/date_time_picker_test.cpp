// The date-time picker control: its display formats, typing into a field (a
// digit waits while another could follow), stepping, the check box, the
// calendar drop-down and its notifications.
#include <gtest/gtest.h>

#include "platform/rtl/date_time.h"
#include "platform/rtl/locale_settings.h"
#include "platform/ui/date_time_picker.h"
#include "platform/ui/form.h"
#include "platform/ui/month_calendar.h"
#include "tests/support/qstring_print.h"
#include "tests/support/ui_input.h"

namespace {

TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  return ComposeDateTime(EncodeDate(y, mo, d), EncodeTime(h, mi, s, 0));
}

TEST(DateTimeFields, DisplayFormatsShowTheirFields) {
  struct Case {
    const char* format;
    const char* text;
  } cases[] = {
      {"d/M/yyyy", "5/3/2024"},
      {"dd.MM.yy", "05.03.24"},
      {"ddd, d MMM yyyy", "Tue, 5 Mar 2024"},
      {"dddd MMMM", "Tuesday March"},
      {"HH:mm:ss", "07:08:09"},
      {"h:mm tt", "7:08 AM"},
      {"'at' H'h'", "at 7h"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.format);
    TDateTimeFieldEdit f;
    f.SetFormat(c.format);
    f.SetValue(At(2024, 3, 5, 7, 8, 9));
    EXPECT_EQ(f.Text(), c.text);
  }
}

TEST(DateTimeFields, ADigitWaitsWhileAnotherCouldFollow) {
  TDateTimeFieldEdit f;
  f.SetFormat("d/M/yyyy");
  f.SetValue(At(2024, 3, 12));
  // "1" could begin 10..19: it waits and shows alone.
  EXPECT_FALSE(f.TypeChar(u'1'));
  EXPECT_EQ(f.Text(), "1/3/2024");
  EXPECT_EQ(f.Value(), At(2024, 3, 12));
  EXPECT_TRUE(f.TypeChar(u'5'));
  EXPECT_EQ(f.Text(), "15/3/2024");
  // "4" cannot be followed (40 > 31): complete at once.
  EXPECT_TRUE(f.TypeChar(u'4'));
  EXPECT_EQ(f.Value(), At(2024, 3, 4));
  // Moving on takes a waiting digit as it stands.
  EXPECT_FALSE(f.TypeChar(u'2'));
  EXPECT_TRUE(f.NextField());
  EXPECT_EQ(f.Value(), At(2024, 3, 2));
  // The year waits for its four digits.
  f.NextField();
  for (QChar ch : QString("201")) EXPECT_FALSE(f.TypeChar(ch));
  EXPECT_TRUE(f.TypeChar(u'9'));
  EXPECT_EQ(f.Value(), At(2019, 3, 2));
}

TEST(DateTimeFields, StepsWrapInTheFieldAndDaysFollowTheMonth) {
  TDateTimeFieldEdit f;
  f.SetFormat("dd/MM/yyyy");
  f.SetValue(At(2024, 1, 31));
  EXPECT_TRUE(f.Step(1));  // day 31 wraps to 1 in the same month
  EXPECT_EQ(f.Value(), At(2024, 1, 1));
  f.Step(-1);
  f.NextField();
  EXPECT_TRUE(f.Step(1));  // February has no 31st: its last day
  EXPECT_EQ(f.Value(), At(2024, 2, 29));
  f.SetRange(At(2024, 1, 1), At(2024, 2, 10));
  EXPECT_EQ(f.Value(), At(2024, 2, 10));
}

TEST(DateTimeFields, DisplayTextsReadBack) {
  TDateTime v = 0;
  EXPECT_TRUE(TryParseDisplayText("d/M/yyyy", "15/3/2024", 0, v));
  EXPECT_EQ(v, At(2024, 3, 15));
  EXPECT_TRUE(TryParseDisplayText("dd MMM yyyy", "01 Feb 2023", 0, v));
  EXPECT_EQ(v, At(2023, 2, 1));
  EXPECT_TRUE(TryParseDisplayText("h:mm tt", "3:05 PM", At(2024, 1, 1), v));
  EXPECT_EQ(v, At(2024, 1, 1, 15, 5));
  EXPECT_FALSE(TryParseDisplayText("d/M/yyyy", "31/2/2024", 0, v));
  EXPECT_FALSE(TryParseDisplayText("d/M/yyyy", "abc", 0, v));
}

struct Picker : ::testing::Test {
  Picker() {
    form = new TForm(nullptr);
    form->SetClientSize(300, 200);
    picker = new TDateTimePicker(form);
    picker->SetParent(form);
    picker->SetBounds(10, 10, 180, 22);
    picker->SetFormat("d/M/yyyy");
    picker->SetDateTime(At(2024, 3, 12));
    picker->OnChange = [this](TObject*) { log.push_back("change " + picker->Text()); };
    picker->OnDropDown = [this](TObject*) { log.push_back("drop down"); };
    picker->OnCloseUp = [this](TObject*) { log.push_back("close up"); };
    form->Show();
    picker->SetFocus();
    ProcessEvents();
  }
  ~Picker() override { delete form; }
  TForm* form;
  TDateTimePicker* picker;
  std::vector<QString> log;
};

TEST_F(Picker, KeysEditFieldsAndRaiseChangeOnlyForTheUsersChanges) {
  PressKey(picker, Qt::Key_1);
  EXPECT_TRUE(log.empty());
  PressKey(picker, Qt::Key_5);
  PressKey(picker, Qt::Key_Right);
  PressKey(picker, Qt::Key_Up);
  picker->SetDateTime(At(2000, 1, 1));  // in code: no change notice
  EXPECT_EQ(log, (std::vector<QString>{"change 15/3/2024", "change 15/4/2024"}));
}

TEST_F(Picker, TheCheckBoxSaysWhetherThereIsAValue) {
  picker->SetShowCheckbox(true);
  picker->SetChecked(false);
  EXPECT_FALSE(picker->Checked());
  PressKey(picker, Qt::Key_Space);
  EXPECT_TRUE(picker->Checked());
  picker->SetShowCheckbox(false);
  picker->SetChecked(false);
  EXPECT_TRUE(picker->Checked());  // without the box there is always a value
}

TEST_F(Picker, F4OpensTheCalendarAndAChosenDayClosesIt) {
  PressKey(picker, Qt::Key_F4);
  ASSERT_TRUE(picker->DroppedDown());
  ASSERT_NE(picker->MonthCalendar(), nullptr);
  picker->MonthCalendar()->SetDate(At(2024, 3, 20));
  picker->MonthCalendar()->Choose();
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_EQ(picker->DateTime(), At(2024, 3, 20));
  EXPECT_EQ(log, (std::vector<QString>{"drop down", "change 20/3/2024", "close up"}));
  // Escape in the calendar closes it without a choice.
  log.clear();
  picker->SetDroppedDown(true);
  picker->MonthCalendar()->OnCancel(picker->MonthCalendar());
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_EQ(log, (std::vector<QString>{"drop down", "close up"}));
}

TEST_F(Picker, UpDownModeStepsWithItsButtons) {
  picker->SetDateMode(dmUpDown);
  const TRect b = picker->ButtonRect();
  MouseClick(picker, b.Left + 3, b.Top + 2);
  EXPECT_EQ(picker->DateTime(), At(2024, 3, 13));
  MouseClick(picker, b.Left + 3, b.Bottom - 2);
  EXPECT_EQ(picker->DateTime(), At(2024, 3, 12));
  PressKey(picker, Qt::Key_F4);
  EXPECT_FALSE(picker->DroppedDown());
}

TEST_F(Picker, AnEmptyFormatIsTheLocalesShortDateOrLongTime) {
  TFormatSettings fs;
  fs.ShortDateFormat = "dd.MM.yyyy";
  fs.DateSeparator = u'.';
  SetFormatSettings(fs);
  picker->SetFormat("");
  EXPECT_EQ(picker->Text(), "12.03.2024");
  picker->SetKind(dtkTime);
  picker->SetTime(EncodeTime(14, 5, 6, 0));
  EXPECT_EQ(picker->Text(), "14:05:06");
  SetFormatSettings(std::nullopt);
}

}  // namespace

// Values kept to the millisecond, the date part kept when a time picker changes,
// OnChange only for the user's changes, Up stepping the hour under the caret.
namespace {

TEST(DateTimePicker, ValuesAndUserChanges) {
  TForm form(nullptr);
  form.SetBounds(40, 40, 300, 200);
  auto* p = new TDateTimePicker(&form);
  p->SetParent(&form);
  int changes = 0;
  p->OnChange = [&](TObject*) { ++changes; };
  p->SetKind(dtkTime);
  p->SetFormat(QStringLiteral("HH:mm:ss"));
  const TDateTime day = 45000;  // a date part the time picker keeps
  const TDateTime values[] = {day + EncodeTime(0, 0, 0, 0), day + EncodeTime(9, 15, 30, 250),
                              day + EncodeTime(23, 59, 59, 999)};
  for (TDateTime v : values) {
    p->SetDateTime(v);
    EXPECT_NEAR(p->DateTime(), v, 1e-9);
    EXPECT_NEAR(p->Time(), v - day, 1e-9);
  }
  p->SetTime(EncodeTime(10, 0, 0, 0) + 7);  // the date of the argument is no part of a time
  EXPECT_NEAR(p->DateTime(), day + EncodeTime(10, 0, 0, 0), 1e-9);
  EXPECT_EQ(changes, 0);
  form.Show();
  p->SetFocus();
  PressKey(p, Qt::Key_Up);  // the hour section is under the caret at first
  EXPECT_EQ(changes, 1);
  EXPECT_NEAR(p->DateTime(), day + EncodeTime(11, 0, 0, 0), 1e-9);
}

}  // namespace
