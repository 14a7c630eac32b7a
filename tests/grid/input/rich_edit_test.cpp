// The grid's rich edit: sub- and superscript of the selection and their round
// trip through the cell's RTF, cell text and RTF bytes one to one (Latin-1,
// bytes 0x80 to 0x9F included), the row growing while the user types (and not
// while a cell is loaded, nor past the grid's bottom), Tab with goTabs moving
// on, and an owner that is no grid refused.
#include <gtest/gtest.h>

#include "grid/input/ex_rich_edit.h"
#include "platform/rtl/exceptions.h"
#include "tests/grid/input/edit_cycle_fixture.h"
#include "tests/support/qstring_print.h"

namespace {

struct RichEditCells : ::testing::Test, EditGridFixture {
  RichEditCells() {
    grid->DefaultEditor = edRichEdit;
    grid->OnEndRowSize = [this](TObject*, int r) { log.push_back(QString("row size %1").arg(r)); };
  }
  TExRichEdit* Rich() { return grid->InplaceRichEdit(); }
  // Ends the edit as a click on the grid does.
  void Leave() {
    grid->SetFocus();
    ProcessEvents();
  }
};

TEST_F(RichEditCells, SubAndSuperscriptMarkTheSelection) {
  struct Case {
    void (TExRichEdit::*set)();
    bool normal, sub, super;
  } cases[] = {
      {&TExRichEdit::SelSuperscript, false, false, true},
      {&TExRichEdit::SelSubscript, false, true, false},
      {&TExRichEdit::SelNormal, true, false, false},
  };
  grid->SetCells(1, 1, "abc");
  OpenAt(1, 1);
  for (const Case& c : cases) {
    Rich()->SetSelStart(1);
    Rich()->SetSelLength(1);
    (Rich()->*c.set)();
    EXPECT_EQ(Rich()->IsSelNormal(), c.normal);
    EXPECT_EQ(Rich()->IsSelSubscript(), c.sub);
    EXPECT_EQ(Rich()->IsSelSuperscript(), c.super);
  }
}

TEST_F(RichEditCells, ASuperscriptComesBackFromTheStoredCell) {
  grid->SetCells(1, 1, "");
  OpenAt(1, 1);
  ASSERT_TRUE(Rich()->Visible());
  Type(Rich(), "x");
  Rich()->SelSuperscript();  // what is typed next is raised
  Type(Rich(), "2");
  Leave();
  EXPECT_FALSE(Rich()->Visible());
  const QString cell = grid->Cells(1, 1);
  EXPECT_TRUE(cell.startsWith("{\\rtf1")) << cell.toStdString();
  EXPECT_TRUE(cell.contains("x\\up4 2")) << cell.toStdString();
  OpenAt(1, 1);
  EXPECT_EQ(Rich()->Text(), "x2");
  Rich()->SetSelStart(1);
  Rich()->SetSelLength(1);
  EXPECT_TRUE(Rich()->IsSelSuperscript());
  Rich()->SetSelStart(0);
  Rich()->SetSelLength(1);
  EXPECT_TRUE(Rich()->IsSelNormal());
}

// Cell characters and RTF bytes correspond one to one both ways (Latin-1):
// nothing in 0x80 to 0x9F is taken for another character.
TEST_F(RichEditCells, CellTextAndBytesAreLatin1BothWays) {
  const QString plain = QString::fromUtf16(u"a\u0080\u0093\u009F\u00E9");
  grid->SetCells(2, 2, plain);
  grid->CellToRich(2, 2, grid->RichEdit());
  EXPECT_EQ(grid->RichEdit()->Text(), plain);
  const QString stored = grid->RichToString(grid->RichEdit());
  for (QChar ch : stored) ASSERT_LT(ch.unicode(), 0x100);
  EXPECT_TRUE(stored.contains("\\'80\\'93\\'9f\\'e9"));
  grid->SetCells(2, 3, stored);
  grid->CellToRich(2, 3, grid->RichEdit());
  EXPECT_EQ(grid->RichEdit()->Text(), plain);
  // RTF written elsewhere, one byte per character.
  grid->SetCells(2, 4, QString::fromLatin1("{\\rtf1\\ansi caf\\'e9 \\'80}"));
  grid->CellToRich(2, 4, grid->RichEdit());
  EXPECT_EQ(grid->RichEdit()->Text(), QString::fromUtf16(u"caf\u00E9 \u0080"));
  // An empty cell clears the rich edit.
  grid->SetCells(2, 5, "");
  grid->CellToRich(2, 5, grid->RichEdit());
  EXPECT_EQ(grid->RichEdit()->Text(), "");
}

TEST_F(RichEditCells, TheRowGrowsWhileTypingButNotWhileLoadingNorPastTheBottom) {
  grid->SizeWhileTyping().Height = true;
  grid->SetCells(1, 1, "{\\rtf1 one\\par two\\par three\\par four}");
  const int before = grid->RowHeights(1);
  OpenAt(1, 1);
  ProcessEvents();
  EXPECT_EQ(grid->RowHeights(1), before);  // the loaded lines grow nothing
  EXPECT_TRUE(log.empty());
  Leave();
  // Typing more lines than the row shows grows it: 10 pixels over the text.
  grid->SetCells(1, 2, "");
  OpenAt(1, 2);
  for (int i = 0; i < 3; ++i) {
    Type(Rich(), "ab");
    PressKey(Rich(), Qt::Key_Return);
  }
  ProcessEvents();
  EXPECT_GT(grid->RowHeights(2), before);
  EXPECT_EQ(grid->RowHeights(2), Rich()->Height() + 1);  // row h + 10, editor h + 9
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(), "row size 2");
  Leave();
  // The last row that fits stays within the grid.
  log.clear();
  const int last = grid->VisibleRowCount();
  grid->SetCells(1, last, "");
  OpenAt(1, last);
  for (int i = 0; i < 12; ++i) {
    Type(Rich(), "ab");
    PressKey(Rich(), Qt::Key_Return);
  }
  ProcessEvents();
  const TRect cell = grid->CellRect(1, last);
  EXPECT_LE(cell.Top + grid->RowHeights(last) - 5, grid->Height());
  Leave();
}

TEST_F(RichEditCells, TabWithGoTabsStoresAndOpensTheNextCell) {
  grid->SetOptions(grid->Options() + goTabs);
  grid->SetCells(1, 1, "");
  OpenAt(1, 1);
  Type(Rich(), "ab");
  PressKey(Rich(), Qt::Key_Tab);
  ProcessEvents();
  EXPECT_TRUE(grid->Cells(1, 1).startsWith("{\\rtf1"));
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_TRUE(Rich()->Visible());
  EXPECT_TRUE(Rich()->Focused());
  PressKey(Rich(), Qt::Key_Escape);
}

TEST(ExRichEdit, AnOwnerThatIsNoGridIsRefused) {
  TForm form(nullptr);
  EXPECT_THROW(TExRichEdit{&form}, EInvalidCast);
}

}  // namespace
