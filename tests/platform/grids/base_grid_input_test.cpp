// The base string grid's input paths: scroll messages and their hooks, the wheel,
// column sizing and moving by mouse, range selection by mouse, and the in-place
// editor protocol.
#include "platform/grids/inplace_edit.h"
#include "platform/grids/string_grid.h"

#include <gtest/gtest.h>

namespace {

// An editor that only remembers what the grid asked of it.
class FakeEditor : public TInplaceEdit {
public:
  explicit FakeEditor(TStringGrid* grid) : TInplaceEdit(grid) {}
  void ShowAt(const TRect& r, bool) override {
    visible = true;
    at = r;
  }
  void HideControl() override { visible = false; }
  bool ControlVisible() const override { return visible; }
  QString EditText() const override { return text; }
  void SetEditText(const QString& t) override { text = t; }
  void SetMaxLength(int length) override { maxLength = length; }
  bool visible = false;
  TRect at;
  QString text;
  int maxLength = -1;
};

class InputGrid : public TStringGrid {
public:
  InputGrid() : TStringGrid(nullptr) {
    SetScrollBars(ssNone);
    SetBounds(0, 0, 200, 100);
    SetColCount(10);
    SetRowCount(20);
    SetDefaultColWidth(40);
    SetDefaultRowHeight(20);
    SetGridLineWidth(0);
  }
  bool swallowVertical = false;
  FakeEditor* editor = nullptr;
  using TStringGrid::ShowEditor;
  using TStringGrid::HideEditor;
  using TStringGrid::GridState;
  void Down(int x, int y, TShiftState s = {}) { MouseDown(mbLeft, s, x, y); }
  void Move(int x, int y) { MouseMove({ssLeft}, x, y); }
  void Up(int x, int y) { MouseUp(mbLeft, {}, x, y); }
  bool WheelDown() { return DoMouseWheelDown({}, Point(0, 0)); }

protected:
  void WMVScroll(TMessage& Message) override {
    if (!swallowVertical) TStringGrid::WMVScroll(Message);
  }
  TInplaceEdit* CreateEditor() override { return editor = new FakeEditor(this); }
  int GetEditLimit() override { return 12; }

public:
  ~InputGrid() override { delete editor; }
};

TEST(BaseGridInput, ScrollMessagesAndTheirHook) {
  InputGrid g;
  // 100 px: fixed row 20, then 4 rows; the last top row that fills is 16.
  struct Case { int code, pos, top; } cases[] = {
      {SB_LINEDOWN, 0, 2}, {SB_PAGEDOWN, 0, 6}, {SB_LINEUP, 0, 5}, {SB_BOTTOM, 0, 16},
      {SB_LINEDOWN, 0, 16}, {SB_THUMBPOSITION, 9, 9}, {SB_THUMBTRACK, 3, 9}, {SB_PAGEUP, 0, 5}, {SB_TOP, 0, 1}};
  for (const auto& c : cases) {
    g.Perform(WM_VSCROLL, c.code | (c.pos << 16), 0);
    EXPECT_EQ(g.TopRow(), c.top) << c.code;
  }
  g.SetOptions(g.Options() + goThumbTracking);
  g.Perform(WM_VSCROLL, SB_THUMBTRACK | (3 << 16), 0);
  EXPECT_EQ(g.TopRow(), 3);
  g.swallowVertical = true;
  g.Perform(WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(g.TopRow(), 3);
  g.Perform(WM_HSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(g.LeftCol(), 2);
}

TEST(BaseGridInput, WheelMovesTheCursorOneRow) {
  InputGrid g;
  EXPECT_TRUE(g.WheelDown());
  EXPECT_EQ(g.Row(), 2);
  g.SetRow(19);
  g.WheelDown();
  EXPECT_EQ(g.Row(), 19);
}

TEST(BaseGridInput, ColumnSizingAndMovingByMouse) {
  InputGrid g;
  g.SetOptions(g.Options() + goColSizing + goColMoving);
  // Column 1 ends at x = 80; a press 2 pixels left of it in the fixed row sizes it.
  g.Down(78, 5);
  EXPECT_EQ(g.GridState(), gsColSizing);
  g.Move(95, 5);
  g.Up(95, 5);
  EXPECT_EQ(g.ColWidths(1), 57);
  EXPECT_EQ(g.GridState(), gsNormal);
  // A press inside a header cell moves the column to where it is released.
  g.SetCells(1, 3, "moved");
  g.Down(60, 5);
  EXPECT_EQ(g.GridState(), gsColMoving);
  g.Move(150, 5);
  g.Up(150, 5);
  EXPECT_EQ(g.Cells(3, 3), "moved");
  EXPECT_EQ(g.ColWidths(3), 57);
  // Sizing rows needs goRowSizing.
  g.Down(10, 39);
  EXPECT_EQ(g.GridState(), gsNormal);
  g.Up(10, 39);
}

TEST(BaseGridInput, MouseSelectsARange) {
  InputGrid g;
  g.Down(50, 30);  // cell (1, 1)
  g.Move(130, 70);  // drag to (3, 3)
  g.Up(130, 70);
  EXPECT_EQ(g.Col(), 1);
  EXPECT_EQ(g.Row(), 1);
  EXPECT_EQ(g.Selection(), (TGridRect{1, 1, 3, 3}));
  g.Down(10, 10);  // a fixed cell does not move the cursor
  g.Up(10, 10);
  EXPECT_EQ(g.Col(), 1);
}

TEST(BaseGridInput, EditorProtocol) {
  InputGrid g;
  g.SetOptions(g.Options() + goEditing + goAlwaysShowEditor);
  g.SetCells(2, 2, "two");
  g.SetCol(2);
  g.SetRow(2);
  QString editedAt;
  g.OnSetEditText = [&](TObject*, int c, int r, const QString& v) { editedAt = QString("%1,%2=%3").arg(c).arg(r).arg(v); };
  g.ShowEditor();
  ASSERT_NE(g.editor, nullptr);
  EXPECT_TRUE(g.EditorMode());
  EXPECT_TRUE(g.editor->visible);
  EXPECT_EQ(g.editor->text, "two");
  EXPECT_EQ(g.editor->maxLength, 12);
  EXPECT_EQ(g.editor->at, g.CellRect(2, 2));
  g.editor->text = "changed";
  g.SetCol(3);  // moving on writes the edit back and reloads the editor
  EXPECT_EQ(g.Cells(2, 2), "changed");
  EXPECT_EQ(editedAt, "2,2=changed");
  EXPECT_EQ(g.editor->at, g.CellRect(3, 2));
  EXPECT_EQ(g.editor->text, "");
  g.HideEditor();
  EXPECT_FALSE(g.editor->visible);
  EXPECT_FALSE(g.EditorMode());
  g.SetOptions(g.Options() - goEditing);
  g.ShowEditor();  // not editable: nothing shows
  EXPECT_FALSE(g.editor->visible);
}

}  // namespace
