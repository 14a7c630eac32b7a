// A form's resize notification, from code and from the window system.
#include <gtest/gtest.h>

#include <QApplication>
#include <QResizeEvent>
#include <QWidget>

#include "platform/ui/form.h"

namespace {

TEST(FormResize, CodeAndWindowSystemResizesRaiseOnResizeOnce) {
  TForm form(nullptr);
  form.SetBounds(10, 10, 300, 200);
  int raised = 0;
  form.OnResize = [&](TObject* s) {
    EXPECT_EQ(s, &form);
    ++raised;
  };

  form.SetClientSize(320, 200);
  EXPECT_EQ(raised, 1);
  form.SetBounds(40, 50, 320, 200);  // a move alone is no resize
  EXPECT_EQ(raised, 1);

  // The user drags the border: the window system resizes the window.
  QResizeEvent drag(QSize(400, 260), QSize(320, 200));
  QApplication::sendEvent(form.Widget(), &drag);
  EXPECT_EQ(raised, 2);
  EXPECT_EQ(form.Width(), 400);
  EXPECT_EQ(form.Height(), 260);

  // The echo of a size the form already has changes nothing.
  QResizeEvent echo(QSize(400, 260), QSize(400, 260));
  QApplication::sendEvent(form.Widget(), &echo);
  EXPECT_EQ(raised, 2);
}

}  // namespace
