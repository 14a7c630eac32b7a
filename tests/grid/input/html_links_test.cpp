// Links and form controls inside mini-HTML cells, as the mouse meets them: the
// hand cursor and one OnAnchorEnter per link, OnAnchorExit on leaving it;
// clicks open only web and mail addresses, CELL:// jumps to a cell; an in-text
// check box and radio button change the cell's text; the anchor's title as the
// cell's hint.
#include <gtest/gtest.h>

#include <QUrl>

#include "grid/base/html_render.h"
#include "grid/view/grid_unit.h"
#include "platform/os/process.h"
#include "platform/ui/hint_info.h"
#include "tests/grid/input/keys_grid_fixture.h"

namespace {

const QString kLinks = QStringLiteral(
    "go <A HREF=\"http://127.0.0.1/page\">web</A> <A HREF=\"CELL://R5C3\" TITLE=\"to five\">jump</A> "
    "<A HREF=\"file:///bin/sh\">run</A>");

// The client x of the middle of the anchor whose reference is Href, on the
// cell's middle line (found by hit testing across the cell).
int AnchorX(TExStringGrid* g, int c, int r, const QString& Href) {
  const TRect cell = g->CellRect(c, r);
  const int y = cell.Top + 10;  // on the text's first line
  int first = -1, last = -1;
  for (int x = cell.Left; x < cell.Right; ++x) {
    THtmlDrawOutput out;
    if (g->HtmlCellHitTest(c, r, x, y, out) && out.AnchorValue == Href) {
      if (first < 0) first = x;
      last = x;
    }
  }
  return first < 0 ? -1 : (first + last) / 2;
}

struct LinkGrid : InputGrid {
  LinkGrid() {
    g->SetColWidths(2, 260);
    g->SetRowHeights(2, 40);
    g->SetCells(2, 2, kLinks);
    y = g->CellRect(2, 2).Top + 10;
  }
  int y = 0;
};

TEST(HtmlLinks, HoverRaisesEnterOnceAndExitWhenLeaving) {
  LinkGrid t;
  QStringList events;
  t.g->OnAnchorEnter = [&](TObject*, int r, int c, const QString& a) { events << QStringLiteral("enter %1,%2 %3").arg(c).arg(r).arg(a); };
  t.g->OnAnchorExit = [&](TObject*, int, int, const QString& a) { events << QStringLiteral("exit ") + a; };
  const int web = AnchorX(t.g, 2, 2, "http://127.0.0.1/page");
  const int jump = AnchorX(t.g, 2, 2, "CELL://R5C3");
  ASSERT_GT(web, 0);
  ASSERT_GT(jump, web);
  const TCursor own = t.g->Cursor();
  MouseMoveTo(t.g, web, t.y);
  EXPECT_EQ(t.g->Cursor(), LinkCursor);
  MouseMoveTo(t.g, web + 1, t.y);
  MouseMoveTo(t.g, jump, t.y);
  MouseMoveTo(t.g, t.g->CellRect(2, 2).Left + 3, t.y);  // over "go"
  EXPECT_EQ(t.g->Cursor(), own);
  EXPECT_EQ(events, (QStringList{"enter 2,2 http://127.0.0.1/page", "exit http://127.0.0.1/page",
                                 "enter 2,2 CELL://R5C3", "exit CELL://R5C3"}));
}

TEST(HtmlLinks, HoverUnderlineMarksTheLinkUnderTheMouse) {
  LinkGrid t;
  t.g->URLUnderlineOnHover = true;
  const int jump = AnchorX(t.g, 2, 2, "CELL://R5C3");
  MouseMoveTo(t.g, jump, t.y);
  EXPECT_EQ(t.g->HoverLinkNumber(), 2);
  EXPECT_EQ(t.g->HoverLinkCell().X, 2);
  MouseLeave(t.g);
  EXPECT_EQ(t.g->HoverLinkNumber(), -1);
}

TEST(HtmlLinks, ClicksOpenOnlyWebAddressesAndJumpToCells) {
  struct Case {
    const char* href;
    const char* cell;    // the cursor afterwards
    const char* opened;  // handed to the desktop
  } cases[] = {
      {"http://127.0.0.1/page", "2,2", "http://127.0.0.1/page"},
      {"CELL://R5C3", "3,5", ""},
      {"file:///bin/sh", "2,2", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.href);
    LinkGrid t;
    QString opened;
    SetUrlOpener([&](const QUrl& u) {
      opened = u.toString();
      return true;
    });
    QStringList clicked;
    t.g->OnAnchorClick = [&](TObject*, int, int, const QString& a, bool&) { clicked << a; };
    const int x = AnchorX(t.g, 2, 2, QString::fromLatin1(c.href));
    ASSERT_GT(x, 0);
    t.Go(2, 2);
    MouseClick(t.g, x, t.y);
    ProcessEvents();
    SetUrlOpener(nullptr);
    EXPECT_EQ(clicked, QStringList{QString::fromLatin1(c.href)});
    EXPECT_EQ(t.Cell(), QString::fromLatin1(c.cell));
    EXPECT_EQ(opened, QString::fromLatin1(c.opened));
  }
}

TEST(HtmlLinks, InTextCheckBoxAndRadioButtons) {
  InputGrid t;
  t.g->SetOptions(t.g->Options() + goEditing);
  t.g->SetColWidths(1, 200);
  t.g->SetCells(1, 1,
                "<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"FALSE\" WIDTH=\"16\"> a "
                "<CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\" WIDTH=\"16\"> "
                "<CONTROL TYPE=\"RADIO\" ID=\"r2\" VALUE=\"FALSE\" WIDTH=\"16\">");
  QStringList clicks;
  t.g->OnControlClick = [&](TObject*, int r, int c, const QString& id, const QString& type, const QString& value) {
    clicks << QStringLiteral("%1,%2 %3 %4 %5").arg(c).arg(r).arg(id, type, value);
  };
  auto controlCentre = [&](const QString& id) {
    const TRect cell = t.g->CellRect(1, 1);
    int cx = -1;
    for (int x = cell.Left; x < cell.Right && cx < 0; ++x) {
      THtmlDrawOutput o;
      if (t.g->HtmlCellHitTest(1, 1, x, (cell.Top + cell.Bottom) / 2, o) && o.ControlId == id)
        cx = (o.ControlRect.Left + o.ControlRect.Right) / 2;
    }
    return TPoint{cx, (cell.Top + cell.Bottom) / 2};
  };
  const TPoint check = controlCentre("c1");
  ASSERT_GT(check.X, 0);
  MouseClick(t.g, check.X, check.Y);
  ProcessEvents();
  EXPECT_TRUE(t.g->Cells(1, 1).contains("ID=\"c1\" VALUE=\"TRUE\""));
  const TPoint radio = controlCentre("r2");
  ASSERT_GT(radio.X, 0);
  MouseClick(t.g, radio.X, radio.Y);
  ProcessEvents();
  EXPECT_TRUE(t.g->Cells(1, 1).contains("ID=\"r2\" VALUE=\"TRUE\""));
  EXPECT_TRUE(t.g->Cells(1, 1).contains("ID=\"r1\" VALUE=\"FALSE\""));
  EXPECT_EQ(clicks, (QStringList{"1,1 c1 CHECK FALSE", "1,1 r2 RADIO FALSE"}));
  // The controls of a read-only cell do not change.
  t.g->SetReadOnly(1, 1, true);
  const QString before = t.g->Cells(1, 1);
  MouseClick(t.g, check.X, check.Y);
  ProcessEvents();
  EXPECT_EQ(t.g->Cells(1, 1), before);
}

TEST(HtmlLinks, AnchorHintShowsTheTitleOrTheReference) {
  LinkGrid t;
  t.g->AnchorHint = true;
  QStringList asked;
  t.g->OnAnchorHint = [&](TObject*, int, int, QString& a) { asked << a; };
  auto hintAt = [&](int x, THintInfo& info) {
    info.CursorPos = {x, t.y};
    QString hint = QStringLiteral("grid");
    t.g->BuildCellHint(hint, info);
    return hint;
  };
  THintInfo info;
  EXPECT_EQ(hintAt(AnchorX(t.g, 2, 2, "CELL://R5C3"), info), "to five");
  const TPoint screen = t.g->ClientToScreen({AnchorX(t.g, 2, 2, "CELL://R5C3") + 8, t.y - 16});
  EXPECT_EQ(info.HintPos, screen);
  THintInfo other;
  EXPECT_EQ(hintAt(AnchorX(t.g, 2, 2, "http://127.0.0.1/page"), other), "http://127.0.0.1/page");
  EXPECT_EQ(asked, (QStringList{"to five", "http://127.0.0.1/page"}));
  // Beside the links the grid's own hint stays.
  THintInfo plain;
  EXPECT_EQ(hintAt(t.g->CellRect(2, 2).Left + 3, plain), "grid");
}

}  // namespace
