// The analogue clock: its arithmetic as pure functions (face square, minute and
// hour under a point, animation steps, tick radii, hand angle), the control's
// time setting, animation, mouse and keys, its looks and colour styles, the
// cached face; and the time picker drop-down: stepping the part under the
// caret, typed times, the seconds switch, the pop-up's accept and cancel and
// the standard time picker under the clock.
#include <gtest/gtest.h>

#include "grid/dropdown/drop_down_button.h"
#include "grid/dropdown/drop_down_form.h"
#include "grid/dropdown/ex_watch.h"
#include "grid/dropdown/time_picker_drop_down.h"
#include "grid/dropdown/watch_geometry.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/locale_settings.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/date_time_picker.h"
#include "platform/ui/form.h"
#include "platform/ui/graphics_objects.h"
#include "tests/support/ui_input.h"

namespace {

TEST(WatchGeometry, FaceSquare) {
  EXPECT_EQ(WatchFaceRect(100, 60, 0), Bounds(30, 10, 40, 40));
  EXPECT_EQ(WatchCenter(WatchFaceRect(100, 60, 0)), (TPoint{50, 30}));
  EXPECT_EQ(WatchFaceRect(100, 60, 80), Bounds(20, 0, 60, 60));  // clipped to the height
  EXPECT_EQ(WatchFaceRect(180, 180, 0), Bounds(10, 10, 160, 160));
}

// 45 degrees is 7.5 steps of 6 degrees, which rounds to the even 8.
TEST(WatchGeometry, MinuteAndHourUnderAPoint) {
  const TPoint c{90, 90};
  struct Case {
    int x, y, minute;
  };
  const Case cases[] = {
      {90, 40, 0},  {140, 90, 15}, {90, 140, 30}, {40, 90, 45},  // straight up (60 reads 0), right, down, left
      {100, 80, 7}, {100, 100, 23}, {80, 100, 37}, {80, 80, 53},  // the diagonals
      {100, 10, 1}, {80, 10, 59}, {89, 10, 0},                   // right and left of the top; 60 reads 0
  };
  for (const Case& k : cases) EXPECT_EQ(MinuteAtPoint(c, k.x, k.y), k.minute) << k.x << "," << k.y;
  bool am = true;
  EXPECT_EQ(HourAtPoint(c, 100, 10, true, am), 0);
  EXPECT_EQ(HourAtPoint(c, 80, 10, true, am), 12);
  EXPECT_EQ(HourAtPoint(c, 100, 10, false, am), 12);
  EXPECT_EQ(HourAtPoint(c, 80, 10, false, am), 0);
  EXPECT_EQ(HourAtPoint(c, 140, 90, true, am), 3);
  EXPECT_EQ(HourAtPoint(c, 140, 90, false, am), 15);
}

std::vector<int> Steps(int (*step)(int, int, int), int from, int to, int factor) {
  std::vector<int> out;
  for (int v = from, guard = 0; v != to && guard < 100; ++guard) out.push_back(v = step(v, to, factor));
  return out;
}

TEST(WatchGeometry, AnimationSteps) {
  EXPECT_EQ(Steps(NextMinuteStep, 50, 0, 10), (std::vector<int>{51, 52, 53, 54, 55, 56, 57, 58, 59, 0}));
  EXPECT_EQ(Steps(NextMinuteStep, 10, 0, 10), (std::vector<int>{9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
  EXPECT_EQ(Steps(NextMinuteStep, 0, 45, 10).front(), 4);  // Round(4.5) = 4
  EXPECT_EQ(Steps(NextHourStep, 3, 9, 10), (std::vector<int>{4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(Steps(NextHourStep, 20, 2, 4), (std::vector<int>{16, 12, 10, 8, 6, 5, 4, 3, 2}));
  EXPECT_EQ(Steps(NextHourStep, 3, 9, 0), Steps(NextHourStep, 3, 9, 1));  // a factor of 0 counts as 1
}

TEST(WatchGeometry, TickRadiiAndHourAngle) {
  const TWatchTickRadii r = WatchTickRadii(80, 4, 0, 0);
  EXPECT_DOUBLE_EQ(r.Outer, 78);
  EXPECT_DOUBLE_EQ(r.HourInner, 70.2);
  EXPECT_DOUBLE_EQ(r.MinuteInner, 74.1);
  EXPECT_DOUBLE_EQ(WatchTickRadii(80, 4, 10, 4).HourInner, 68);
  EXPECT_DOUBLE_EQ(HourHandAngle(3, 30), 105);
  EXPECT_DOUBLE_EQ(HourHandAngle(15, 30), 105);
}

class WatchTest : public ::testing::Test {
protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(50, 50, 300, 300);
    watch = new TExWatch(form);
    watch->SetParent(form);
    watch->OnChange = [this](TObject*) { ++changes; };
    form->Show();
  }
  void TearDown() override { delete form; }
  int Hour() const {
    int h, m, s, ms;
    DecodeTime(watch->Time(), h, m, s, ms);
    return h;
  }
  int Minute() const {
    int h, m, s, ms;
    DecodeTime(watch->Time(), h, m, s, ms);
    return m;
  }
  void RunAnimation() {
    for (int i = 0; i < 200 && watch->Animating(); ++i) watch->AnimationStep();
  }
  TForm* form = nullptr;
  TExWatch* watch = nullptr;
  int changes = 0;
};

TEST_F(WatchTest, Defaults) {
  EXPECT_EQ(watch->Width(), 180);
  EXPECT_EQ(watch->Height(), 180);
  EXPECT_TRUE(watch->Animation);
  EXPECT_EQ(watch->AnimationFactor(), 10);
  EXPECT_TRUE(watch->AM());
  EXPECT_EQ(watch->Appearance()->SecondPointer(), TColor(0x0000FF));
  EXPECT_EQ(watch->Appearance()->HourFont()->Name(), QStringLiteral("Tahoma"));
  EXPECT_EQ(watch->GetCenter(), (TPoint{90, 90}));
  EXPECT_DOUBLE_EQ(watch->GetRadius(), 80);
}

// The minute hand runs forward over the hour and fires OnChange once, on arrival.
TEST_F(WatchTest, AnimatedMinuteOverTheHour) {
  watch->SetTime(EncodeTime(9, 50, 0, 0));
  watch->SetMinute(0);
  EXPECT_EQ(Minute(), 50);  // nothing moves before the timer
  std::vector<int> seen;
  for (int i = 0; i < 100 && watch->Animating(); ++i) {
    watch->AnimationStep();
    seen.push_back(Minute());
  }
  seen.pop_back();  // the tick that finds the target
  EXPECT_EQ(seen, (std::vector<int>{51, 52, 53, 54, 55, 56, 57, 58, 59, 0}));
  EXPECT_EQ(Hour(), 10);
  EXPECT_EQ(changes, 1);
  watch->SetHour(16);
  RunAnimation();
  EXPECT_EQ(Hour(), 16);
  EXPECT_FALSE(watch->AM());
  EXPECT_EQ(changes, 2);
}

TEST_F(WatchTest, DirectSetsAndBadValues) {
  watch->Animation = false;
  watch->SetHour(7);
  EXPECT_EQ(Hour(), 7);
  EXPECT_EQ(changes, 1);  // a direct set fires as an arrival does
  watch->SetHour(24);     // no such hour
  EXPECT_EQ(Hour(), 7);
  try {
    watch->SetMinute(60);
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, QStringLiteral("Invalid time"));
  }
  EXPECT_EQ(Minute(), 0);
  // Live mode: the timer runs, input is ignored.
  watch->Settings()->SetAuto(true);
  watch->ProcessKey(VK_HOME);
  MouseClick(watch, 130, 90);
  watch->Settings()->SetAuto(false);
  EXPECT_EQ(changes, 1);
}

// Inside the face a click sets the hour, outside the circle the minute, on
// the AM/PM box the other half of the day (with the roll).
TEST_F(WatchTest, MouseSetsTheTime) {
  watch->Animation = false;
  MouseClick(watch, 130, 90);
  EXPECT_EQ(Hour(), 3);
  MouseClick(watch, 175, 90);  // right of the circle, inside the control
  EXPECT_EQ(Minute(), 15);
  MouseClick(watch, 90, 177);
  EXPECT_EQ(Minute(), 30);
  EXPECT_EQ(Hour(), 3);
  watch->Animation = true;
  const TRect box = watch->GetAMPMRect();
  ASSERT_GT(box.Right, box.Left);
  MouseClick(watch, (box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
  EXPECT_EQ(Hour(), 15);
  EXPECT_FALSE(watch->AM());
  EXPECT_TRUE(watch->Rolling());
  for (int i = 0; i < 100 && watch->Rolling(); ++i) watch->RollStep();
  EXPECT_FALSE(watch->Rolling());
}

TEST_F(WatchTest, KeysOfThePopup) {
  watch->Animation = false;
  struct Case {
    int h, m, key, h2, m2;
  };
  const Case cases[] = {
      {23, 10, VK_PRIOR, 0, 10}, {5, 10, VK_PRIOR, 6, 10},  {0, 10, VK_NEXT, 23, 10}, {5, 10, VK_HOME, 12, 10},
      {5, 0, VK_LEFT, 4, 59},    {0, 0, VK_LEFT, 23, 59},   {5, 59, VK_RIGHT, 6, 0},  {5, 40, VK_END, 6, 0},
      {5, 20, VK_END, 5, 0},     {9, 10, 'P', 21, 10},      {21, 10, 'A', 9, 10},     {9, 10, 'A', 9, 10},
  };
  for (const Case& c : cases) {
    watch->SetTime(EncodeTime(c.h, c.m, 0, 0));
    watch->ProcessKey(c.key);
    EXPECT_EQ(Hour(), c.h2) << c.h << ":" << c.m << " key " << c.key;
    EXPECT_EQ(Minute(), c.m2) << c.h << ":" << c.m << " key " << c.key;
  }
}

TEST_F(WatchTest, LooksAndColourStyles) {
  watch->Appearance()->SetBorderWidth(2);
  watch->SetStyle(wsClassic);  // the style it has: nothing changes
  EXPECT_EQ(watch->Appearance()->BorderWidth(), 2);
  watch->SetStyle(wsSuperNova);
  EXPECT_EQ(watch->Appearance()->HourMarkLength(), 40);
  EXPECT_EQ(watch->Appearance()->MinuteMarkLength(), 60);
  EXPECT_EQ(watch->Appearance()->BorderWidth(), 4);  // back to the defaults first
  EXPECT_FALSE(watch->ShowNumbers());
  watch->SetStyle(wsFluorescent);
  EXPECT_EQ(watch->Appearance()->CenterPointSize(), 20);
  EXPECT_EQ(watch->Appearance()->HourMarkStyle(), hmsQuartDblLine);
  EXPECT_EQ(watch->Appearance()->Shape(), wsRoundRect);
  // Colour styles.
  TWatchAppearance* a = watch->Appearance();
  a->HourFont()->SetColor(0x123456);
  const TColor background = a->BackgroundColor();
  watch->SetComponentStyle(tsCustom);
  EXPECT_EQ(a->HourFont()->Color(), TColor(0));
  EXPECT_EQ(a->CenterPointOuterBorderColor(), TColor(0));
  EXPECT_EQ(a->BackgroundColor(), background);
  watch->SetComponentStyle(tsOffice2007Obsidian);
  EXPECT_EQ(a->BackgroundColor(), TColor(0x5C534C));
  EXPECT_EQ(a->HourPointer(), TColor(0xF2F1F0));
  EXPECT_EQ(a->HourFont()->Color(), TColor(0xF2F1F0));
  EXPECT_EQ(a->AMPMColor, TColor(0x5C534C));
  watch->SetComponentStyle(tsOffice2010Silver);
  EXPECT_EQ(a->HourPointerShadow(), TColor(0xC0C0C0));
}

// The face is drawn into its cache once; a hand move repaints only the hands.
TEST_F(WatchTest, CachedFaceAndHands) {
  watch->Animation = false;
  watch->SetTime(EncodeTime(3, 0, 0, 0));
  TBitmap shot;
  shot.SetSize(180, 180);
  watch->PaintTo(shot.Canvas(), 0, 0);
  const int draws = watch->FaceDraws();
  EXPECT_GE(draws, 1);
  // The hour hand points right at 3:00, the minute hand up; the centre dot is black.
  EXPECT_EQ(shot.Canvas()->Pixel(90 + 30, 90), TColor(0));
  EXPECT_EQ(shot.Canvas()->Pixel(90, 90 - 40), TColor(0));
  EXPECT_EQ(shot.Canvas()->Pixel(90 - 30, 90), TColor(0xFFFFFF));
  watch->SetMinute(45);
  watch->PaintTo(shot.Canvas(), 0, 0);
  EXPECT_EQ(shot.Canvas()->Pixel(90 - 40, 90), TColor(0));  // the minute hand moved to 45
  EXPECT_EQ(watch->FaceDraws(), draws);
  watch->Appearance()->SetBackgroundColor(0xEEEEEE);
  watch->PaintTo(shot.Canvas(), 0, 0);
  EXPECT_EQ(watch->FaceDraws(), draws + 1);
}

class TimePickerTest : public ::testing::Test {
protected:
  void SetUp() override {
    TFormatSettings fs;
    fs.TimeSeparator = u':';
    SetFormatSettings(fs);
    form = new TForm(nullptr);
    form->SetBounds(50, 50, 400, 300);
    dd = new TExTimePickerDropDown(form);
    dd->SetParent(form);
    dd->OnTimeChange = [this](TObject*) { ++timeChanges; };
    form->Show();
  }
  void TearDown() override {
    delete form;
    SetFormatSettings(std::nullopt);
  }
  TForm* form = nullptr;
  TExTimePickerDropDown* dd = nullptr;
  int timeChanges = 0;
};

TEST_F(TimePickerTest, Defaults) {
  EXPECT_EQ(dd->EditText(), QStringLiteral("00:00:00"));
  EXPECT_FALSE(dd->EditorEnabled());
  EXPECT_TRUE(dd->ShowSeconds());
  EXPECT_FALSE(dd->DropDownHeader()->Visible());
  dd->SetTime(EncodeTime(8, 5, 9, 0));
  EXPECT_EQ(dd->EditText(), QStringLiteral("08:05:09"));
  EXPECT_EQ(timeChanges, 0);  // Time set in code does not fire
}

// Up steps the part under the caret down, Down up, wrapping within the part.
TEST_F(TimePickerTest, StepsThePartUnderTheCaret) {
  dd->SetEditorEnabled(true);
  dd->SetFocus();
  struct Case {
    const char* from;
    int caret;
    Qt::Key key;
    const char* to;
  };
  const Case cases[] = {
      {"12:34:56", 6, Qt::Key_Up, "12:34:55"},   {"12:34:00", 7, Qt::Key_Up, "12:34:59"},
      {"12:34:59", 8, Qt::Key_Down, "12:34:00"}, {"00:15:00", 0, Qt::Key_Up, "23:15:00"},
      {"23:15:00", 1, Qt::Key_Down, "00:15:00"}, {"12:34:56", 3, Qt::Key_Up, "12:33:56"},
      {"12:59:56", 4, Qt::Key_Down, "12:00:56"},
  };
  // (The edit mask keeps the caret off the separators: 1 and 4 are the last
  // places of the hour and the minute.)
  int expected = 0;
  for (const Case& c : cases) {
    dd->SetTextUnformatted(QString::fromLatin1(c.from));
    TEdit* edit = dd;
    edit->SetSelStart(c.caret);
    edit->SetSelLength(0);
    PressKey(dd, c.key);
    EXPECT_EQ(dd->EditText(), QString::fromLatin1(c.to)) << c.from << " caret " << c.caret;
    EXPECT_EQ(edit->SelStart(), c.caret);
    EXPECT_EQ(timeChanges, ++expected);
  }
}

// A full-length text sets Time; a blank inside a part (the mask's Delete
// leaves one) reads as 0, and a minute and second of 0 rewrite the text in its
// own format; a shorter trimmed text or an impossible hour changes nothing.
TEST_F(TimePickerTest, TypedTexts) {
  dd->SetTime(EncodeTime(8, 5, 9, 0));
  dd->SetShowSeconds(false);
  EXPECT_EQ(dd->EditText(), QStringLiteral("08:05"));
  EXPECT_EQ(dd->Time(), EncodeTime(8, 5, 9, 0));
  dd->SetEditorEnabled(true);
  dd->SetFocus();
  TEdit* edit = dd;
  struct Case {
    const char* text;
    int caret;
    const char* keys;  // D: Delete, >: Right, digits typed
    int h, m;
    const char* shown;
  };
  const Case cases[] = {
      {"07:30", 0, "", 7, 30, "07:30"},   {"07:35", 3, "D", 7, 5, "07: 5"},
      {"07:30", 3, "D", 7, 0, "07:00"},   {"07:00", 0, "D>>3", 7, 0, " 7:30"},  // trimmed length 4: nothing
      {"25:00", 0, "", 7, 0, "25:00"},  // no such hour: Time stays, nothing raised
  };
  for (const Case& c : cases) {
    dd->SetTextUnformatted(QString::fromLatin1(c.text));
    edit->SetSelStart(c.caret);
    edit->SetSelLength(0);
    for (const char* k = c.keys; *k; ++k)
      PressKey(dd, *k == 'D' ? Qt::Key_Delete : *k == '>' ? Qt::Key_Right : static_cast<int>(*k));
    ProcessEvents();
    EXPECT_EQ(dd->Time(), EncodeTime(c.h, c.m, 0, 0)) << c.text << " " << c.keys;
    EXPECT_EQ(dd->EditText(), QString::fromLatin1(c.shown)) << c.text << " " << c.keys;
  }
  EXPECT_EQ(timeChanges, 0);
}

// The text follows an edit mask of two-digit parts joined by the separator (with
// or without seconds): typed digits fill the parts and set Time, a letter is
// kept out.
TEST_F(TimePickerTest, TypingFollowsTheEditMask) {
  EXPECT_EQ(dd->EditMask(), QStringLiteral("!90:00:00;1; "));
  dd->SetTime(EncodeTime(8, 5, 9, 0));
  dd->SetShowSeconds(false);
  EXPECT_EQ(dd->EditMask(), QStringLiteral("!90:00;1; "));
  EXPECT_EQ(dd->EditText(), QStringLiteral("08:05"));
  dd->SetEditorEnabled(true);
  dd->SetFocus();
  TEdit* edit = dd;
  struct Case {
    const char* keys;
    const char* shown;
    int h, m;
  };
  const Case cases[] = {
      {"0730", "07:30", 7, 30},
      {"1x2", "12:05", 12, 5},  // the letter does not take a place
      {"2359", "23:59", 23, 59},
  };
  for (const Case& c : cases) {
    dd->SetTime(EncodeTime(8, 5, 0, 0));
    edit->SetSelStart(0);
    edit->SetSelLength(0);
    for (const char* k = c.keys; *k; ++k) PressKey(dd, QChar::fromLatin1(*k).toUpper().unicode());
    ProcessEvents();
    EXPECT_EQ(dd->EditText(), QString::fromLatin1(c.shown)) << c.keys;
    EXPECT_EQ(dd->Time(), EncodeTime(c.h, c.m, 0, 0)) << c.keys;
  }
  dd->SetShowSeconds(true);
  EXPECT_EQ(dd->EditMask(), QStringLiteral("!90:00:00;1; "));
  EXPECT_EQ(dd->EditText(), QStringLiteral("23:59:00"));
}

// The clock shows Time when the pop-up opens; an accepted close takes the
// clock's time, a cancelled one keeps Time even after the hands moved.
TEST_F(TimePickerTest, PopupAcceptAndCancel) {
  dd->SetTime(EncodeTime(10, 20, 0, 0));
  dd->Animation = false;
  dd->ShowDropDown();
  TExWatch* w = dd->Watch();
  ASSERT_TRUE(w);
  EXPECT_EQ(w->Time(), dd->Time());
  EXPECT_FALSE(dd->DropDownForm()->CancelOnDeActivate);
  EXPECT_EQ(dd->DropDownForm()->Width(), 172);
  EXPECT_EQ(dd->DropDownForm()->Height(), 172);
  EXPECT_EQ(w->Width(), 170);
  // Keys of the pop-up go to the clock (Page Up: the next hour).
  PressKey(dd->DropDownForm(), Qt::Key_PageUp);
  EXPECT_EQ(w->Time(), EncodeTime(11, 20, 0, 0));
  EXPECT_EQ(dd->Time(), EncodeTime(11, 20, 0, 0));  // the edit follows the clock
  PressKey(dd->DropDownForm(), Qt::Key_Escape);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->Time(), EncodeTime(11, 20, 0, 0));
  dd->ShowDropDown();
  w->OnChange = nullptr;  // hands moved without the edit following
  w->SetHour(4);
  PressKey(dd->DropDownForm(), Qt::Key_Escape);
  EXPECT_EQ(dd->Time(), EncodeTime(11, 20, 0, 0));
  EXPECT_EQ(dd->EditText(), QStringLiteral("11:20:00"));
  dd->ShowDropDown();
  w->OnChange = nullptr;
  w->SetHour(4);
  PressKey(dd->DropDownForm(), Qt::Key_Return);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->Time(), EncodeTime(4, 20, 0, 0));
  EXPECT_EQ(dd->EditText(), QStringLiteral("04:20:00"));
}

}  // namespace

namespace {

// The picker under the clock: it takes Time and the seconds format at the
// opening, sets the clock (and with it Time), follows the clock's hands, and
// is hidden again when switched off.
TEST_F(TimePickerTest, StandardPickerUnderTheClock) {
  dd->SetTime(EncodeTime(9, 15, 30, 0));
  dd->Animation = false;
  dd->ShowTimePicker = true;
  dd->SetShowSeconds(false);
  dd->ShowDropDown();
  TDateTimePicker* p = dd->TimePicker();
  ASSERT_TRUE(p);
  EXPECT_TRUE(p->Visible());
  EXPECT_EQ(p->Kind(), dtkTime);
  EXPECT_EQ(p->Format(), QStringLiteral("HH:mm"));
  EXPECT_NEAR(p->Time(), dd->Time(), 1e-9);
  EXPECT_EQ(dd->DropDownForm()->Height(), 172 + p->Height());
  EXPECT_EQ(dd->Watch()->Height(), 170);
  // The picker sets the clock, without OnTimeChange; Time follows at the close.
  p->SetTime(EncodeTime(14, 45, 0, 0));
  p->OnChange(p);
  EXPECT_NEAR(dd->Watch()->Time(), EncodeTime(14, 45, 0, 0), 1e-9);
  EXPECT_EQ(timeChanges, 0);
  // The clock's hands set the picker and fire OnTimeChange.
  dd->Watch()->SetHour(3);
  EXPECT_NEAR(p->Time(), EncodeTime(3, 45, 0, 0), 1e-9);
  EXPECT_EQ(dd->EditText(), QStringLiteral("03:45"));
  EXPECT_EQ(timeChanges, 1);
  // The step keys' character codes stay in the picker without Alt.
  QChar bang(33);
  p->OnKeyPress(p, bang);
  EXPECT_EQ(dd->EditText(), QStringLiteral("03:45"));
  dd->HideDropDown(false);
  EXPECT_EQ(dd->Time(), EncodeTime(3, 45, 0, 0));
  dd->ShowTimePicker = false;
  dd->ShowDropDown();
  EXPECT_FALSE(p->Visible());
  EXPECT_EQ(dd->Watch()->Height(), dd->Watch()->Parent()->Height());  // the clock fills the panel
}

TEST_F(TimePickerTest, OpensFromItsButton) {
  MouseClick(dd->Button(), 5, 5);
  EXPECT_TRUE(dd->DroppedDown());
  EXPECT_TRUE(dd->DropDownForm()->Visible());
}

}  // namespace
