// Balloons (alone or on check boxes and radio buttons) and radio groups: adding,
// reading and removing them, the item list and index, the advance with its wrap.
#include <gtest/gtest.h>

#include "grid/view/ex_string_grid.h"
#include "platform/rtl/string_list.h"

namespace {

enum TStart { kEmpty, kCheckBox, kDataCheckBox, kRadioButton, kBalloon, kComment };

struct BalloonCell {
  TExStringGrid g{nullptr};
  explicit BalloonCell(TStart start) {
    switch (start) {
      case kEmpty: break;
      case kCheckBox: g.AddCheckBox(2, 1, true, false); break;
      case kDataCheckBox: g.AddCheckBox(2, 1, true, true); break;
      case kRadioButton: g.AddRadioButton(2, 1, true); break;
      case kBalloon: g.AddBalloon(2, 1, "first", "text", biInfo); break;
      case kComment: g.AddComment(2, 1, "note"); break;
    }
  }
};

}  // namespace

TEST(Balloons, AddKeepsTheCarrierAndRemoveLeavesIt) {
  struct Case {
    TStart start;
    bool isBalloon;       // IsBalloon after AddBalloon
    QString title;        // the title it reports
    bool hasBalloon;      // a balloon graphic of its own
    bool hasCheckBox;     // the check box is still there
    bool afterRemove;     // IsBalloon after RemoveBalloon
    bool checkAfterRemove;
  } cases[] = {
      {kEmpty, true, "title", true, false, false, false},
      {kCheckBox, true, "title", false, true, false, true},
      {kDataCheckBox, true, "title", false, true, false, true},
      {kRadioButton, true, "title", false, false, false, false},
      {kBalloon, true, "first", true, false, false, false},  // the first texts stay
      {kComment, false, "", false, false, false, false},
  };
  for (const Case& c : cases) {
    BalloonCell cell(c.start);
    TExStringGrid& g = cell.g;
    g.AddBalloon(2, 1, "title", "body", biWarning);
    QString title, text;
    TBalloonIcon icon = biNone;
    EXPECT_EQ(g.IsBalloon(2, 1, title, text, icon), c.isBalloon) << c.start;
    EXPECT_EQ(title, c.title) << c.start;
    EXPECT_EQ(g.HasBalloon(2, 1), c.hasBalloon) << c.start;
    EXPECT_EQ(g.HasCheckBox(2, 1), c.hasCheckBox) << c.start;
    if (c.start == kRadioButton) EXPECT_TRUE(g.HasRadioButton(2, 1));
    if (c.start == kComment) {
      QString comment;
      EXPECT_TRUE(g.IsComment(2, 1, comment));
    }
    g.RemoveBalloon(2, 1);
    EXPECT_EQ(g.IsBalloon(2, 1, title, text, icon), c.afterRemove) << c.start;
    EXPECT_EQ(g.HasCheckBox(2, 1), c.checkAfterRemove) << c.start;
    EXPECT_FALSE(g.HasBalloon(2, 1));
  }
}

TEST(Balloons, IsBalloonReadsTheCellItselfAndLeavesOutputsWithoutOne) {
  TExStringGrid g(nullptr);
  g.AddCheckBox(1, 1, false, false);
  g.AddBalloon(1, 1, "T", "X", biError);
  QString title = "keep", text = "keep";
  TBalloonIcon icon = biInfo;
  EXPECT_FALSE(g.IsBalloon(3, 3, title, text, icon));
  EXPECT_EQ(title, "keep");
  EXPECT_EQ(icon, biInfo);
  EXPECT_TRUE(g.IsBalloon(1, 1, title, text, icon));
  EXPECT_EQ(text, "X");
  EXPECT_EQ(icon, biError);
  // A second balloon on the check box replaces the first one's texts.
  g.AddBalloon(1, 1, "T2", "X2", biInfo);
  EXPECT_TRUE(g.IsBalloon(1, 1, title, text, icon));
  EXPECT_EQ(title, "T2");
  // Removing the check box takes its balloon along.
  g.RemoveCheckBox(1, 1);
  EXPECT_FALSE(g.IsBalloon(1, 1, title, text, icon));
}

TEST(RadioGroups, CreateAddAndRead) {
  TExStringGrid g(nullptr);
  TStringList* items = g.CreateRadio(1, 1, 0, 1);
  ASSERT_NE(items, nullptr);
  items->Add("one");
  items->Add("two");
  EXPECT_TRUE(g.IsRadio(1, 1));
  EXPECT_EQ(g.GetRadioStrings(1, 1), items);
  int idx = -5;
  EXPECT_TRUE(g.GetRadioIdx(1, 1, idx));
  EXPECT_EQ(idx, 1);
  TCellVAlign va;
  TCellHAlign ha;
  bool drawText;
  int h, w;
  TCellGraphic* gr = g.GetCellGraphicLayout(1, 1, va, ha, drawText, h, w);
  ASSERT_NE(gr, nullptr);
  EXPECT_FALSE(gr->CellBoolean);  // DirRadio 0: stacked
  EXPECT_EQ(gr->CellAngle, 0);

  TStringList own;
  own.Add("a");
  own.Add("b");
  own.Add("c");
  g.AddRadio(2, 1, 1, -1, &own);
  TCellGraphic* side = g.GetCellGraphicLayout(2, 1, va, ha, drawText, h, w);
  EXPECT_TRUE(side->CellBoolean);  // side by side
  EXPECT_EQ(side->CellAngle, 3);
  EXPECT_EQ(g.GetRadioStrings(2, 1), &own);
  g.RemoveRadio(2, 1);  // the caller's list is not freed
  EXPECT_EQ(own.Count(), 3);
  EXPECT_FALSE(g.IsRadio(2, 1));

  // Another graphic: the index is read, the answer is false.
  g.AddCheckBox(3, 1, false, false);
  idx = 7;
  EXPECT_FALSE(g.GetRadioIdx(3, 1, idx));
  EXPECT_EQ(idx, 0);
  idx = 7;
  EXPECT_FALSE(g.GetRadioIdx(4, 4, idx));
  EXPECT_EQ(idx, 7);
  EXPECT_EQ(g.GetRadioStrings(3, 1), nullptr);
}

TEST(RadioGroups, AdvanceWrapsAndWritesTheItem) {
  struct Case {
    int index;           // the group's index at the start
    const char* text;    // the cell's text at the start
    int indexAfter;
    const char* textAfter;
  } cases[] = {
      {0, "", 1, "two"},
      {2, "", 0, "one"},           // the last item wraps to the first
      {-1, "two", 2, "three"},     // no index: the item after the text
      {-1, "none", 0, "one"},      // a text not in the list: the first
      {-2, "three", -2, "one"},    // text-driven: the index stays, the text moves on
  };
  for (const Case& c : cases) {
    TExStringGrid g(nullptr);
    TStringList* items = g.CreateRadio(1, 1, 0, c.index);
    items->Add("one");
    items->Add("two");
    items->Add("three");
    g.SetCells(1, 1, c.text);
    g.AdvanceRadioCell(1, 1, false);
    int idx = 99;
    g.GetRadioIdx(1, 1, idx);
    EXPECT_EQ(idx, c.indexAfter) << c.index << " " << c.text;
    EXPECT_EQ(g.Cells(1, 1), c.textAfter) << c.index << " " << c.text;
  }
}

TEST(RadioGroups, AdvanceByKeyAsksCanEditAndAnEmptyListChangesNothing) {
  TExStringGrid g(nullptr);
  TStringList* items = g.CreateRadio(1, 1, 0, 0);
  items->Add("one");
  items->Add("two");
  g.SetReadOnly(1, 1, true);
  g.AdvanceRadioCell(1, 1, true);
  EXPECT_EQ(g.Cells(1, 1), "");
  g.ControlLook()->RadioAlwaysActive = true;
  g.AdvanceRadioCell(1, 1, true);
  EXPECT_EQ(g.Cells(1, 1), "two");

  g.CreateRadio(2, 1, 0, 0);
  g.SetCells(2, 1, "kept");
  EXPECT_NO_THROW(g.AdvanceRadioCell(2, 1, false));
  EXPECT_EQ(g.Cells(2, 1), "kept");
}

TEST(RadioGroups, SetIndexMinusOneClearsTheText) {
  TExStringGrid g(nullptr);
  TStringList* items = g.CreateRadio(1, 1, 1, 0);
  items->Add("x");
  g.SetCells(1, 1, "x");
  EXPECT_TRUE(g.SetRadioIdx(1, 1, 0));
  EXPECT_EQ(g.Cells(1, 1), "x");
  EXPECT_TRUE(g.SetRadioIdx(1, 1, -1));
  EXPECT_EQ(g.Cells(1, 1), "");
  EXPECT_FALSE(g.SetRadioIdx(3, 3, 1));
  g.AddCheckBox(3, 1, false, false);
  EXPECT_FALSE(g.SetRadioIdx(3, 1, 2));  // any graphic takes it; only a group answers true
}
