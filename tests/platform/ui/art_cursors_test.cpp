// The drawn cursors: every one has a visible image with its hot spot inside,
// the select cursors point their own way, and a control shows one when its
// Cursor is set to it. Window timers deliver WM_TIMER with their identifier.
#include <gtest/gtest.h>

#include <QCursor>
#include <QImage>
#include <QRect>
#include <cstdlib>
#include <QPixmap>
#include <QThread>
#include <QWidget>

#include "platform/ui/art_cursors.h"
#include "platform/ui/form.h"
#include "platform/ui/messages.h"
#include "platform/ui/window_timer.h"
#include "tests/support/ui_input.h"

namespace {

int OpaquePixels(const QImage& img, int x0, int y0, int x1, int y1) {
  int n = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x)
      if (qAlpha(img.pixel(x, y)) > 0) ++n;
  return n;
}

TEST(ArtCursors, EveryCursorIsDrawnWithItsHotSpotInside) {
  const TCursor all[] = {crPanOrigin,    crPanDown,   crPanLeft,    crPanRight,    crPanUp,
                         crPanUpRight,   crPanUpLeft, crPanDownRight, crPanDownLeft, crSelectRow,
                         crSelectColumn, crSelectAll, crCellSelector};
  for (TCursor c : all) {
    SCOPED_TRACE(c);
    EXPECT_TRUE(IsArtCursor(c));
    const QCursor cur = ArtCursor(c);
    const QImage img = cur.pixmap().toImage();
    ASSERT_EQ(img.size(), QSize(32, 32));
    EXPECT_GT(OpaquePixels(img, 0, 0, 32, 32), 20);
    EXPECT_GE(cur.hotSpot().x(), 0);
    EXPECT_LT(cur.hotSpot().x(), 32);
    EXPECT_GE(cur.hotSpot().y(), 0);
    EXPECT_LT(cur.hotSpot().y(), 32);
  }
  EXPECT_FALSE(IsArtCursor(8009));
  EXPECT_FALSE(IsArtCursor(8013));
  EXPECT_FALSE(IsArtCursor(crHandPoint));
}

// The ink's bounding box: the row cursor is a horizontal arrow whose tip holds
// the hot spot, the column cursor a vertical one.
QRect Ink(const QImage& img) {
  QRect r;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (qAlpha(img.pixel(x, y)) > 0) r |= QRect(x, y, 1, 1);
  return r;
}

TEST(ArtCursors, SelectCursorsPointTheirWay) {
  const QCursor row = ArtCursor(crSelectRow), col = ArtCursor(crSelectColumn);
  const QRect r = Ink(row.pixmap().toImage()), c = Ink(col.pixmap().toImage());
  EXPECT_GT(r.width(), 2 * r.height());
  EXPECT_GT(c.height(), 2 * c.width());
  EXPECT_LE(std::abs(r.right() - row.hotSpot().x()), 4);
  EXPECT_LE(std::abs(c.bottom() - col.hotSpot().y()), 4);
}

TEST(ArtCursors, AControlShowsADrawnCursor) {
  TForm form(nullptr);
  form.SetCursor(crSelectAll);
  ASSERT_NE(form.Widget(), nullptr);
  EXPECT_EQ(form.Widget()->cursor().shape(), Qt::BitmapCursor);
  form.SetCursor(crHandPoint);
  EXPECT_EQ(form.Widget()->cursor().shape(), Qt::PointingHandCursor);
}

// A form that counts the WM_TIMER messages it receives, by identifier.
class TimerForm : public TForm {
public:
  using TForm::TForm;
  int ticks = 0;
  unsigned lastId = 0;

protected:
  void WndProc(TMessage& m) override {
    if (m.Msg == WM_TIMER) {
      ++ticks;
      lastId = static_cast<unsigned>(m.WParam);
      return;
    }
    TForm::WndProc(m);
  }
};

TEST(WindowTimers, DeliverTheirIdentifierUntilKilled) {
  TimerForm form(nullptr);
  EXPECT_EQ(SetTimer(&form, 42, 5), 42u);
  for (int i = 0; i < 200 && form.ticks < 2; ++i) {
    QThread::msleep(2);
    ProcessEvents();
  }
  EXPECT_GE(form.ticks, 2);
  EXPECT_EQ(form.lastId, 42u);
  KillTimer(&form, 42);
  ProcessEvents();
  const int after = form.ticks;
  QThread::msleep(20);
  ProcessEvents();
  EXPECT_EQ(form.ticks, after);
}

}  // namespace
