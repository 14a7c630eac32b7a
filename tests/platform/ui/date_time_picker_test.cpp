// The date and time picker: values kept to the millisecond through the widget,
// the date part kept when a time picker changes, OnChange only for the user's
// changes, and the arrow keys stepping the part under the caret.
#include <gtest/gtest.h>

#include "platform/ui/date_time_picker.h"
#include "platform/ui/form.h"
#include "tests/support/ui_input.h"

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
