// The grid's date editors: the move to the next part after a typed digit, the
// stored texts, Escape leaving the cell as it was, the clamp to the picker's
// limits, Tab validating in the date-and-time editor; the combined picker's
// embedded time picker and its automatic move into it.
#include <gtest/gtest.h>

#include "grid/input/ex_date_time_picker.h"
#include "grid/input/grid_date_pickers.h"
#include "platform/rtl/locale_settings.h"
#include "platform/ui/month_calendar.h"
#include "tests/grid/input/edit_cycle_fixture.h"
#include "tests/support/qstring_print.h"

namespace {

TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  return ComposeDateTime(EncodeDate(y, mo, d), EncodeTime(h, mi, s, 0));
}

TPickerParts Parts(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) { return {y, mo, d, h, mi, s}; }

TEST(ShiftFocus, WhichChangedPartMovesOn) {
  using S = TDatePartStep;
  const TPickerParts base = Parts(2024, 3, 12, 10, 20, 30);
  struct Case {
    const char* name;
    bool time;
    const char* format;
    TPickerParts after;
    S step;
  } cases[] = {
      {"d/M/yyyy day", false, "d/M/yyyy", Parts(2024, 3, 15, 10, 20, 30), S::NextField},
      {"d/M/yyyy month", false, "d/M/yyyy", Parts(2024, 4, 12, 10, 20, 30), S::NextField},
      {"d/M/yyyy year (the last part)", false, "d/M/yyyy", Parts(2025, 3, 12, 10, 20, 30), S::LastField},
      {"d/M/yyyy nothing", false, "d/M/yyyy", base, S::None},
      {"yyyy-MM-dd day (the last part)", false, "yyyy-MM-dd", Parts(2024, 3, 15, 10, 20, 30), S::LastField},
      {"yyyy-MM-dd year", false, "yyyy-MM-dd", Parts(2025, 3, 12, 10, 20, 30), S::NextField},
      {"empty format day", false, "", Parts(2024, 3, 15, 10, 20, 30), S::NextField},
      {"empty format month", false, "", Parts(2024, 4, 12, 10, 20, 30), S::NextField},
      {"empty format year", false, "", Parts(2025, 3, 12, 10, 20, 30), S::LastField},
      {"time hour", true, "", Parts(2024, 3, 12, 11, 20, 30), S::NextField},
      {"time minute", true, "HH:mm", Parts(2024, 3, 12, 10, 21, 30), S::NextField},
      {"time second", true, "", Parts(2024, 3, 12, 10, 20, 31), S::NextField},
      {"time unchanged", true, "", base, S::None},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DatePartStep(c.time, c.format, base, c.after), c.step);
  }
}

struct DateEditor : ::testing::Test, EditGridFixture {
  DateEditor() {
    grid->DefaultEditor = edDateEdit;
    grid->DateTimePicker()->SetFormat("d/M/yyyy");
    grid->OnCellValidate = [this](TObject*, int c, int r, QString& v, bool& valid) {
      log.push_back(QString("validate %1,%2 %3").arg(c).arg(r).arg(v));
      valid = refuse.isEmpty() || v != refuse;
    };
  }
  TGridDatePicker* Picker() { return grid->DateTimePicker(); }
  QString refuse;
};

TEST_F(DateEditor, TypedDigitsMoveOnAfterEachPartButTheLast) {
  grid->SetCells(2, 2, "12/3/2024");
  OpenAt(2, 2);
  ASSERT_TRUE(Picker()->Visible());
  EXPECT_EQ(Picker()->DateTime(), At(2024, 3, 12));
  const int day = Picker()->CurrentField();
  Type(Picker(), "15");
  ProcessEvents();
  EXPECT_EQ(Picker()->CurrentField(), day + 2);  // the month (after the "/")
  Type(Picker(), "4");
  ProcessEvents();
  EXPECT_EQ(Picker()->CurrentField(), day + 4);  // the year
  Type(Picker(), "2025");
  ProcessEvents();
  EXPECT_EQ(Picker()->CurrentField(), day + 4);  // the year is the format's last part: it stays
  PressKey(Picker(), Qt::Key_Return);
  EXPECT_FALSE(Picker()->Visible());
  EXPECT_EQ(grid->Cells(2, 2), "15/4/2025");
  EXPECT_EQ(log, (std::vector<QString>{"validate 2,2 15/4/2025"}));
}

// The parts a date-only format does not show start at zero, whatever the
// picker held before (an earlier cell's time, the current time of day).
TEST_F(DateEditor, ADateOnlyCellOpensAtMidnight) {
  struct Case {
    const char* format;
    const char* cell;
  } cases[] = {{"d/M/yyyy", "12/3/2024"}, {"yyyy-MM-dd", "2024-03-12"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.format);
    Picker()->SetFormat(c.format);
    Picker()->SetDateTime(At(2020, 1, 1, 17, 45, 12));
    grid->SetCells(2, 2, c.cell);
    OpenAt(2, 2);
    EXPECT_EQ(Picker()->DateTime(), At(2024, 3, 12));
    PressKey(Picker(), Qt::Key_Escape);
  }
}

// One picker serves the date and the time cells; each opening starts at the
// format's first field, wherever the last edit left the caret.
TEST_F(DateEditor, EveryOpeningStartsAtTheFirstField) {
  grid->SetCells(2, 2, "12/3/2024");
  OpenAt(2, 2);
  PressKey(Picker(), Qt::Key_Right);
  PressKey(Picker(), Qt::Key_Right);
  PressKey(Picker(), Qt::Key_Escape);
  grid->DefaultEditor = edTimeEdit;
  Picker()->SetFormat("HH:mm:ss");
  grid->SetCells(3, 2, "09:30:00");
  OpenAt(3, 2);
  PressKey(Picker(), Qt::Key_Up);
  PressKey(Picker(), Qt::Key_Return);
  EXPECT_EQ(grid->Cells(3, 2), "10:30:00");
}

TEST_F(DateEditor, EnterTakesAPartStillBeingTyped) {
  grid->SetCells(2, 2, "12/3/2024");
  OpenAt(2, 2);
  Type(Picker(), "2");  // could be 2x: waits
  PressKey(Picker(), Qt::Key_Return);
  EXPECT_EQ(grid->Cells(2, 2), "2/3/2024");
}

TEST_F(DateEditor, ARefusedValueKeepsTheEditorOpen) {
  refuse = "13/3/2024";
  grid->SetCells(2, 2, "12/3/2024");
  OpenAt(2, 2);
  PressKey(Picker(), Qt::Key_Up);
  PressKey(Picker(), Qt::Key_Return);
  EXPECT_TRUE(Picker()->Visible());
  EXPECT_EQ(grid->Cells(2, 2), "12/3/2024");
  PressKey(Picker(), Qt::Key_Escape);
  EXPECT_FALSE(Picker()->Visible());
  EXPECT_EQ(grid->Cells(2, 2), "12/3/2024");
}

TEST_F(DateEditor, EscapeNeverWritesTodayIntoACellThatHoldsNoDate) {
  for (const char* before : {"abc", "", "12/3/2024"}) {
    SCOPED_TRACE(before);
    grid->SetCells(2, 2, before);
    OpenAt(2, 2);
    PressKey(Picker(), Qt::Key_Up);
    PressKey(Picker(), Qt::Key_Escape);
    EXPECT_FALSE(Picker()->Visible());
    EXPECT_EQ(grid->Cells(2, 2), before);
  }
}

TEST_F(DateEditor, ADateBeyondTheLimitsOpensInsideThem) {
  Picker()->SetMaxDate(At(2024, 6, 30));
  grid->SetCells(2, 2, "1/8/2024");
  OpenAt(2, 2);
  EXPECT_EQ(Picker()->DateTime(), At(2024, 6, 29));
  PressKey(Picker(), Qt::Key_Escape);
  Picker()->SetMaxDate(0);
  Picker()->SetMinDate(At(2024, 1, 10));
  grid->SetCells(2, 2, "10/1/2024");
  OpenAt(2, 2);
  EXPECT_EQ(Picker()->DateTime(), At(2024, 1, 11));
  PressKey(Picker(), Qt::Key_Escape);
}

TEST_F(DateEditor, TheTimeKindStoresInThePickersFormat) {
  grid->DefaultEditor = edTimeEdit;
  Picker()->SetFormat("HH:mm");
  grid->SetCells(2, 2, "09:30");
  OpenAt(2, 2);
  EXPECT_EQ(Picker()->Kind(), dtkTime);
  PressKey(Picker(), Qt::Key_Up);
  PressKey(Picker(), Qt::Key_Return);
  EXPECT_EQ(grid->Cells(2, 2), "10:30");
}

TEST_F(DateEditor, DirectDateDropOpensTheCalendarAndItsOptionsApply) {
  grid->MouseActions()->DirectDateDrop = true;
  Picker()->Weeknumbers = true;
  grid->OnDatePickerDropDown = [this](TObject*, int r, int c) { log.push_back(QString("drop %1,%2").arg(r).arg(c)); };
  grid->SetCells(2, 2, "12/3/2024");
  OpenAt(2, 2);
  ASSERT_TRUE(Picker()->DroppedDown());
  EXPECT_TRUE(Picker()->MonthCalendar()->WeekNumbers());
  EXPECT_EQ(log, (std::vector<QString>{"drop 2,2"}));
  Picker()->SetDroppedDown(false);
  PressKey(Picker(), Qt::Key_Escape);
}

struct DateTimeEditor : ::testing::Test, EditGridFixture {
  DateTimeEditor() {
    TFormatSettings fs;
    fs.ShortDateFormat = "d/M/yyyy";
    SetFormatSettings(fs);
    grid->DefaultEditor = edDateTimeEdit;
    grid->OnCellValidate = [this](TObject*, int c, int r, QString& v, bool& valid) {
      log.push_back(QString("validate %1,%2 %3").arg(c).arg(r).arg(v));
      valid = !refuse;
    };
  }
  ~DateTimeEditor() override { SetFormatSettings(std::nullopt); }
  TGridDateTimePicker* Picker() { return grid->DateAndTimePicker(); }
  bool refuse = false;
};

TEST_F(DateTimeEditor, TabValidatesLikeEveryOtherEditor) {
  grid->SetCells(2, 2, "12/3/2024 10:20");
  OpenAt(2, 2);
  ASSERT_TRUE(Picker()->Visible());
  EXPECT_EQ(Picker()->DateTime(), At(2024, 3, 12, 10, 20));
  PressKey(Picker(), Qt::Key_Up);  // the day
  refuse = true;
  PressKey(Picker(), Qt::Key_Tab);
  EXPECT_TRUE(Picker()->Visible());
  EXPECT_EQ(grid->Cells(2, 2), "12/3/2024 10:20");
  EXPECT_EQ(Picker()->Left(), grid->CellRect(2, 2).Left);
  refuse = false;
  PressKey(Picker(), Qt::Key_Tab);
  EXPECT_EQ(grid->Cells(2, 2), "13/3/2024 10:20");
  EXPECT_EQ(log, (std::vector<QString>{"validate 2,2 13/3/2024 10:20", "validate 2,2 13/3/2024 10:20"}));
  // The cursor moved on; every cell here edits with the picker, and the
  // advance opens it on the next cell.
  EXPECT_EQ(grid->Col(), 3);
  ASSERT_TRUE(Picker()->Visible());
  EXPECT_EQ(Picker()->Left(), grid->CellRect(3, 2).Left);
  // Without the automatic edit the picker closes.
  PressKey(Picker(), Qt::Key_Escape);
  grid->Navigation()->AdvanceAutoEdit = false;
  OpenAt(2, 2);
  PressKey(Picker(), Qt::Key_Tab);
  EXPECT_EQ(grid->Col(), 3);
  EXPECT_FALSE(Picker()->Visible());
}

TEST_F(DateTimeEditor, EscapePutsTheOpeningValueBackAndLeavesTheCell) {
  for (const char* before : {"x", "12/3/2024 10:20"}) {
    SCOPED_TRACE(before);
    grid->SetCells(2, 2, before);
    OpenAt(2, 2);
    PressKey(Picker(), Qt::Key_Up);
    PressKey(Picker(), Qt::Key_Escape);
    EXPECT_FALSE(Picker()->Visible());
    EXPECT_EQ(grid->Cells(2, 2), before);
  }
  EXPECT_TRUE(log.empty());
}

TEST(CombinedPicker, TheEmbeddedTimePickerStandsBesideTheButton) {
  TTimePickerPlace place;
  place.Metro = true;
  const TRect r = EmbeddedTimePickerBounds(200, 21, 60, place);
  EXPECT_EQ(r, (TRect{88, 1, 91, 19}));  // left, top, width, height
  place.Metro = false;
  EXPECT_EQ(EmbeddedTimePickerBounds(200, 21, 60, place), (TRect{75, 1, 91, 19}));
}

TEST(CombinedPicker, KindDateAndTimeValues) {
  TForm form(nullptr);
  TExDateTimePicker picker(&form);
  picker.SetParent(&form);
  picker.SetBounds(0, 0, 200, 21);
  ASSERT_NE(picker.TimePicker(), nullptr);
  picker.SetDateTime(At(2024, 3, 12, 10, 20, 30) + 0.4 / 86400.0);
  EXPECT_EQ(picker.DateTime(), At(2024, 3, 12, 10, 20, 30));  // milliseconds dropped
  picker.SetDate(At(2025, 1, 2));
  EXPECT_EQ(picker.DateTime(), At(2025, 1, 2, 10, 20, 30));  // the time of day kept
  picker.TimePicker()->SetTime(EncodeTime(8, 0, 0, 0));
  EXPECT_EQ(picker.DateTime(), At(2025, 1, 2, 8, 0, 0));  // the embedded picker's time
  picker.SetKind(dkDate);
  EXPECT_EQ(picker.TimePicker(), nullptr);
  EXPECT_EQ(picker.DateTime(), At(2025, 1, 2, 8, 0, 0));
  picker.SetShowCheckbox(true);
  picker.SetKind(dkDateTime);
  picker.SetChecked(false);
  EXPECT_FALSE(picker.TimePicker()->Enabled());
  picker.SetChecked(true);
  EXPECT_TRUE(picker.TimePicker()->Enabled());
}

TEST(CombinedPicker, AutoTabMovesIntoTheTimePickerAfterTheLastDatePart) {
  TForm form(nullptr);
  form.SetClientSize(300, 100);
  auto* picker = new TExDateTimePicker(&form);
  picker->SetParent(&form);
  picker->SetBounds(10, 10, 220, 22);
  picker->SetFormat("dd/MM/yyyy");
  picker->SetAutoTab(true);
  picker->SetDateTime(At(2024, 3, 12, 10, 20));
  form.Show();
  picker->SetFocus();
  ProcessEvents();
  PressKey(picker, Qt::Key_1);
  PressKey(picker, Qt::Key_5);
  ProcessEvents();  // day 15: on to the month
  PressKey(picker, Qt::Key_4);
  ProcessEvents();  // month 4: on to the year
  for (int k : {Qt::Key_2, Qt::Key_0, Qt::Key_2, Qt::Key_5}) PressKey(picker, k);
  ProcessEvents();
  EXPECT_EQ(picker->DateTime(), At(2025, 4, 15, 10, 20));
  EXPECT_TRUE(picker->TimePicker()->Focused());
}

}  // namespace
