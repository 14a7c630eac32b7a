// Check boxes and radio buttons: every kind against every state operation
// (result, cell text, event), the click on a read-only cell against the toggle
// in code, CheckAll's events, tri-state cycling and the refused cells.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "grid/view/column_grid.h"
#include "grid/base/control_list.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/check_box.h"

namespace {

enum TKind { kPlain, kData, kVirtual, kTri, kRadio, kNone };

// Column 1 of a column grid is a data check-box column; the other kinds are
// added to cell (2, 1).
struct TCheckCell {
  TExColumnGrid g{nullptr};
  int col = 2, row = 1;
  std::vector<bool> events;
  explicit TCheckCell(TKind kind) {
    g.OnCheckBoxChange = [this](TObject*, int, int, bool state) { events.push_back(state); };
    g.Columns()->Items(1)->SetEditor(edDataCheckBox);
    switch (kind) {
      case kPlain: g.AddCheckBox(col, row, false, false); break;
      case kData: g.AddCheckBox(col, row, false, true); break;
      case kVirtual: col = 1; g.SetCellEx(1, 1, "N"); break;
      case kTri: g.AddCheckBox(col, row, cbUnchecked); break;
      case kRadio: g.AddRadioButton(col, row, false); break;
      case kNone: break;
    }
  }
};

TEST(CheckBox, KindByOperationTable) {
  struct Op {
    const char* name;
    std::function<bool(TCheckCell&)> run;
  };
  const Op ops[] = {
      {"SetCheckBoxState(true)", [](TCheckCell& c) { return c.g.SetCheckBoxState(c.col, c.row, true); }},
      {"ChangeCheckBoxState(true)", [](TCheckCell& c) { return c.g.ChangeCheckBoxState(c.col, c.row, true); }},
      {"ToggleCheckBox", [](TCheckCell& c) { return c.g.ToggleCheckBox(c.col, c.row); }},
  };
  struct Expect {
    bool result;
    const char* text;
    int events;
    bool checked;
  };
  struct Row {
    TKind kind;
    const char* name;
    Expect per[3];
  } table[] = {
      {kPlain, "plain", {{true, "", 0, true}, {true, "", 1, true}, {true, "", 1, true}}},
      {kData, "data", {{true, "Y", 0, true}, {true, "Y", 1, true}, {true, "Y", 1, true}}},
      {kVirtual, "column", {{true, "Y", 0, true}, {true, "Y", 1, true}, {true, "Y", 1, true}}},
      {kTri, "tri-state", {{false, "", 0, false}, {false, "", 0, false}, {true, "", 1, false}}},
      {kRadio, "radio", {{false, "", 0, false}, {false, "", 0, false}, {false, "", 0, false}}},
      {kNone, "none", {{false, "", 0, false}, {false, "", 0, false}, {false, "", 0, false}}},
  };
  for (const Row& row : table)
    for (int i = 0; i < 3; ++i) {
      SCOPED_TRACE(std::string(row.name) + " / " + ops[i].name);
      TCheckCell c(row.kind);
      EXPECT_EQ(ops[i].run(c), row.per[i].result);
      EXPECT_EQ(c.g.GetCellEx(c.col, c.row), row.per[i].text);
      EXPECT_EQ(static_cast<int>(c.events.size()), row.per[i].events);
      EXPECT_EQ(c.g.IsChecked(c.col, c.row), row.per[i].checked);
    }
}

TEST(CheckBox, DataCheckBoxKeepsACheckTextAlreadyThere) {
  TExStringGrid g(nullptr);
  g.SetCellEx(1, 1, "Y");
  g.SetCellEx(1, 2, "maybe");
  g.AddCheckBox(1, 1, false, true);
  g.AddCheckBox(1, 2, false, true);
  EXPECT_EQ(g.GetCellEx(1, 1), "Y");
  EXPECT_TRUE(g.IsChecked(1, 1));
  EXPECT_EQ(g.GetCellEx(1, 2), "N");
}

TEST(CheckBox, StateOfACellWithoutCheckBoxIsLeftAlone) {
  TExStringGrid g(nullptr);
  bool state = true;
  EXPECT_FALSE(g.GetCheckBoxState(1, 1, state));
  EXPECT_TRUE(state);
  EXPECT_FALSE(g.IsChecked(1, 1));
}

TEST(CheckBox, MouseToggleOnAReadOnlyCellAgainstToggleInCode) {
  TExStringGrid g(nullptr);
  g.AddCheckBoxColumn(1, false, false);
  g.SetReadOnly(1, 2, true);
  int events = 0;
  g.OnCheckBoxChange = [&](TObject*, int, int, bool) { ++events; };
  EXPECT_FALSE(g.ToggleCheckBoxHook(1, 2, true));  // the click is refused
  EXPECT_FALSE(g.IsChecked(1, 2));
  EXPECT_TRUE(g.ToggleCheckBox(1, 2));  // code never asks whether the cell is editable
  EXPECT_TRUE(g.IsChecked(1, 2));
  EXPECT_EQ(events, 1);
  g.ControlLook()->CheckAlwaysActive = true;
  EXPECT_TRUE(g.ToggleCheckBoxHook(1, 2, true));
  EXPECT_FALSE(g.IsChecked(1, 2));
  EXPECT_EQ(events, 2);
}

TEST(CheckBox, CheckAllRaisesOneEventPerRealChange) {
  TExColumnGrid g(nullptr);
  g.Columns()->Items(1)->SetEditor(edDataCheckBox);
  for (int r = 1; r < g.RowCount(); ++r) g.SetCellEx(1, r, r % 3 == 0 ? "Y" : "N");
  int events = 0;
  g.OnCheckBoxChange = [&](TObject*, int, int, bool state) {
    EXPECT_TRUE(state);
    ++events;
  };
  g.CheckAll(1);
  EXPECT_EQ(events, 6);  // rows 1..9 less the three that held "Y"
  for (int r = 1; r < g.RowCount(); ++r) EXPECT_EQ(g.GetCellEx(1, r), "Y");
  g.CheckAll(1);
  EXPECT_EQ(events, 6);
  g.OnCheckBoxChange = nullptr;
  g.UnCheckAll(1);
  EXPECT_EQ(g.GetCellEx(1, 5), "N");
}

TEST(CheckBox, TriStateCyclesAndReportsTheRealState) {
  TExStringGrid g(nullptr);
  g.AddCheckBox(1, 1, cbUnchecked);
  std::vector<bool> states;
  g.OnCheckBoxChange = [&](TObject*, int, int, bool state) { states.push_back(state); };
  TCheckBoxState s;
  const TCheckBoxState cycle[] = {cbGrayed, cbChecked, cbUnchecked};
  for (TCheckBoxState expected : cycle) {
    g.ToggleCheckBox(1, 1);
    ASSERT_TRUE(g.GetCheckBoxState(1, 1, s));
    EXPECT_EQ(s, expected);
  }
  EXPECT_EQ(states, (std::vector<bool>{false, true, false}));
}

TEST(CheckBox, CellsOutsideTheGridAreRefused) {
  TExStringGrid g(nullptr);
  for (auto [c, r] : {std::pair{-1, 1}, {1, -1}, {5, 1}, {1, 10}}) {
    EXPECT_THROW(g.AddCheckBox(c, r, true, false), Exception) << c << "," << r;
    EXPECT_THROW(g.AddRadioButton(c, r, true), Exception) << c << "," << r;
  }
  try {
    g.AddCheckBox(9, 1, true, false);
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "Invalid cell");
  }
}

TEST(CheckBox, RadioButtonColumn) {
  TExStringGrid g(nullptr);
  g.AddRadioButtonColumn(2);
  g.SetRadioButtonState(2, 3, true);
  g.SetRadioButtonState(2, 5, true);  // leaves row 3 checked
  EXPECT_TRUE(g.IsRadioButtonChecked(2, 3));
  EXPECT_EQ(g.GetRadioButtonColumnIndex(2), 3);
  g.SetRadioButtonColumnIndex(2, 5);
  EXPECT_FALSE(g.IsRadioButtonChecked(2, 3));
  EXPECT_EQ(g.GetRadioButtonColumnIndex(2), 5);
  EXPECT_TRUE(g.SetRadioButtonHook(2, 7, false));  // a click checks one and clears the others
  EXPECT_EQ(g.GetRadioButtonColumnIndex(2), 7);
  EXPECT_FALSE(g.IsRadioButtonChecked(2, 5));
}

TEST(CheckBox, RemovingADataImageClearsTheTextOnlyForADataImage) {
  TExStringGrid g(nullptr);
  g.SetCellEx(1, 1, "keep");
  g.RemoveDataImage(1, 1);
  EXPECT_EQ(g.GetCellEx(1, 1), "keep");
}

}  // namespace

namespace {

TEST(CheckBox, ControlsPlacedOverCells) {
  TExStringGrid g(nullptr);
  TCheckBox box(nullptr);
  g.SetCellControls(2, 3, &box);
  EXPECT_EQ(g.CellControls(2, 3), &box);
  EXPECT_EQ(g.CellControlCount(), 1);
  EXPECT_EQ(g.ControlList()->Count(), 1);
  const TRect r = g.CellRect(2, 3);
  EXPECT_EQ(box.Left(), r.Left - 1);
  EXPECT_EQ(box.Width(), r.Width() + 1);
  g.SetCellControls(2, 3, &box);  // again: still one
  EXPECT_EQ(g.CellControlCount(), 1);
  EXPECT_EQ(g.ControlList()->Count(), 1);
  g.SetCellControls(2, 3, nullptr);
  EXPECT_EQ(g.CellControls(2, 3), nullptr);
  EXPECT_EQ(g.CellControlCount(), 0);
  EXPECT_EQ(g.ControlList()->Count(), 0);
  g.SetCellControls(2, 3, nullptr);
  EXPECT_EQ(g.CellControlCount(), 0);
  box.SetParent(nullptr);
}

}  // namespace

namespace {

TEST(CheckBox, RemovingADataImageClearsItsIndexText) {
  TExStringGrid g(nullptr);
  g.SetCellEx(1, 2, "3");
  g.CreateCellGraphic(1, 2)->CellType = ctDataImage;
  EXPECT_TRUE(g.HasDataImage(1, 2));
  g.RemoveDataImage(1, 2);
  EXPECT_FALSE(g.HasDataImage(1, 2));
  EXPECT_EQ(g.GetCellEx(1, 2), "");
}

TEST(CheckBox, PreciseHitBoxFollowsTheAlignment) {
  TExStringGrid g(nullptr);
  g.AddCheckBox(2, 2, false, false);
  const TRect r = g.CellRect(2, 2);
  EXPECT_TRUE(g.IsInCheckBox(2, 2, r.Right - 3, r.Bottom - 3));  // any point without precise checking
  g.MouseActions()->PreciseCheckBoxCheck = true;
  EXPECT_TRUE(g.IsInCheckBox(2, 2, r.Left + 3, r.Top + 3));
  EXPECT_FALSE(g.IsInCheckBox(2, 2, r.Right - 3, r.Top + 3));
  g.SetAlignments(2, 2, taRightJustify);
  EXPECT_TRUE(g.IsInCheckBox(2, 2, r.Right - 3, r.Top + 3));
  EXPECT_FALSE(g.IsInCheckBox(3, 2, r.Left + 3, r.Top + 3));  // no check box there
}

}  // namespace
