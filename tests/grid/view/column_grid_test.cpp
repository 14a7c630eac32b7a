// The column grid: its items in step with the columns, headers in step with
// row 0, the column-first answers per editor kind, the size limits and moving.
#include <gtest/gtest.h>

#include <memory>

#include "grid/view/column_grid.h"

namespace {

TEST(ColumnGrid, ItemsStayInStepWithTheColumns) {
  TExColumnGrid g(nullptr);
  EXPECT_EQ(g.Columns()->Count(), 5);
  g.SetColCount(8);
  EXPECT_EQ(g.Columns()->Count(), 8);
  g.HideColumn(2);
  g.HideColumn(6);
  EXPECT_EQ(g.ColCount(), 6);
  EXPECT_EQ(g.Columns()->Count(), 8);  // 6 shown + 2 hidden
  g.SetColCount(5);
  EXPECT_EQ(g.Columns()->Count(), 7);
  g.UnHideColumnsAll();
  EXPECT_EQ(g.ColCount(), 7);
  EXPECT_EQ(g.Columns()->Count(), 7);

  // Adding an item in code widens the grid.
  g.Columns()->Add();
  EXPECT_EQ(g.ColCount(), 8);
}

TEST(ColumnGrid, NewItemTakesThePredecessorsVisuals) {
  TExColumnGrid g(nullptr);
  g.SetColCount(3);
  TGridColumnItem* third = g.Columns()->Items(2);
  third->SetAlignment(taRightJustify);
  third->SetEditor(edComboList);
  third->CheckTrue = "1";
  third->SetBorders({cbTop});
  third->MaxSize = 80;
  third->SetHeader("Third");
  third->ComboItems()->Add("x");
  third->SetColor(clRed);
  g.SetColWidths(2, 77);

  TGridColumnItem* added = g.Columns()->Add();
  EXPECT_EQ(added->Alignment(), taRightJustify);
  EXPECT_EQ(added->Editor(), edComboList);
  EXPECT_EQ(added->CheckTrue, "1");
  EXPECT_EQ(added->Borders(), TCellBorders{cbTop});
  EXPECT_EQ(added->MaxSize, 80);
  EXPECT_EQ(added->Header(), "");
  EXPECT_EQ(added->ComboItems()->Count(), 0);
  EXPECT_EQ(added->Color(), g.Color());
}

TEST(ColumnGrid, HeadersInStepWithRowZero) {
  TExColumnGrid g(nullptr);
  g.Columns()->Items(1)->SetHeader("Name");
  g.Columns()->Items(3)->SetHeader("Two\\nlines");
  EXPECT_EQ(g.GetCellEx(1, 0), "Name");
  EXPECT_EQ(g.GetCellEx(3, 0), "Two\rlines");
  ASSERT_EQ(g.ColumnHeaders()->Count(), 5);
  EXPECT_EQ(g.ColumnHeaders()->Strings(1), "Name");

  // Changing the header list sets the columns' headers.
  g.ColumnHeaders()->Put(2, "Type");
  EXPECT_EQ(g.Columns()->Items(2)->Header(), "Type");
  EXPECT_EQ(g.GetCellEx(2, 0), "Type");

  // Without fixed rows row 0 stays, the list still follows.
  TExColumnGrid plain(nullptr);
  plain.SetFixedRows(0);
  plain.SetCellEx(1, 0, "data");
  plain.Columns()->Items(1)->SetHeader("Head");
  EXPECT_EQ(plain.GetCellEx(1, 0), "data");
  EXPECT_EQ(plain.ColumnHeaders()->Strings(1), "Head");
}

TEST(ColumnGrid, AnswersPerEditorKind) {
  struct Case {
    TEditorType editor;
    bool combo;
    TCellType normalType;
  } cases[] = {
      {edNormal, false, ctEmpty},
      {edComboList, true, ctEmpty},
      {edComboEdit, true, ctEmpty},
      {edDataCheckBox, false, ctDataCheckBox},
  };
  for (const auto& c : cases) {
    TExColumnGrid g(nullptr);
    TGridColumnItem* item = g.Columns()->Items(2);
    item->SetEditor(c.editor);
    item->ComboItems()->Add("A");
    item->DropDownCount = 5;
    EXPECT_EQ(g.HasComboBox(2, 3), c.combo) << c.editor;
    EXPECT_FALSE(g.HasComboBox(2, 0)) << c.editor << " fixed row";
    EXPECT_EQ(g.GetCellType(2, 3), c.normalType) << c.editor;
    EXPECT_EQ(g.GetCellType(2, 0), ctEmpty) << c.editor << " fixed row";
    TEditorType asked = edNormal;
    g.GetComboEditorTypeHook(2, 3, asked);
    EXPECT_EQ(asked, c.editor);
    EXPECT_EQ(g.EditorComboItems()->Count(), 1);
    EXPECT_EQ(g.EditorDropDownCount(), 5);
    bool can = false;
    g.CanEditCell(2, 3, can);
    EXPECT_TRUE(can) << c.editor;
  }
}

TEST(ColumnGrid, DataCheckBoxColumnReadsTheColumnsCheckTexts) {
  TExColumnGrid g(nullptr);
  TGridColumnItem* item = g.Columns()->Items(2);
  item->SetEditor(edDataCheckBox);
  item->CheckTrue = "On";
  g.OnGetCheckTrue = [](TObject*, int, int, QString& v) { v = "event"; };
  QString t;
  g.GetCheckTrue(2, 3, t);
  EXPECT_EQ(t, "On");  // the column wins over the event
  g.SetCellEx(2, 3, "On");
  TCheckBoxState state = cbUnchecked;
  EXPECT_TRUE(g.GetCheckBoxState(2, 3, state));
  EXPECT_EQ(state, cbChecked);
  g.SetCellEx(2, 4, "N");
  EXPECT_TRUE(g.GetCheckBoxState(2, 4, state));
  EXPECT_EQ(state, cbUnchecked);
}

TEST(ColumnGrid, ReadOnlyAndFixedColumns) {
  TExColumnGrid g(nullptr);
  g.Columns()->Items(1)->ReadOnly = true;
  g.Columns()->Items(3)->SetFixed(true);
  bool can = true;
  g.CanEditCell(1, 2, can);
  EXPECT_FALSE(can);
  g.OnCanEditCell = [](TObject*, int, int, bool& c) { c = true; };
  g.CanEditCell(1, 2, can);
  EXPECT_TRUE(can);
  g.OnCanEditCell = nullptr;
  g.CanEditCell(3, 2, can);
  EXPECT_FALSE(can);
  bool fixed = false;
  g.IsFixedCellHook(3, 2, fixed);
  EXPECT_TRUE(fixed);
}

TEST(ColumnGrid, SizeLimits) {
  TExColumnGrid g(nullptr);
  TGridColumnItem* item = g.Columns()->Items(2);
  item->MinSize = 30;
  item->MaxSize = 100;
  item->AutoMinSize = 40;
  struct Case {
    bool autoSize;
    int asked, got;
  } cases[] = {{false, 10, 30}, {false, 150, 100}, {false, 60, 60}, {true, 10, 40}, {true, 150, 150}};
  for (const auto& c : cases) {
    int w = c.asked;
    if (c.autoSize)
      g.UpdateAutoColumnSizeHook(2, w);
    else
      g.UpdateColumnSizeHook(2, w);
    EXPECT_EQ(w, c.got) << c.autoSize << " " << c.asked;
  }
  int w = 5;
  g.UpdateColumnSizeHook(7, w);  // outside the columns: unchanged
  EXPECT_EQ(w, 5);
}

TEST(ColumnGrid, MovingWithAHiddenColumnReportsRealIndexes) {
  TExColumnGrid g(nullptr);
  g.SetColCount(6);
  for (int c = 0; c < 6; ++c) g.Columns()->Items(c)->Name = QStringLiteral("c%1").arg(c);
  g.SetCellEx(2, 1, "two");
  g.HideColumn(0);
  int from = -1, to = -1;
  g.OnAfterColumnMoved = [&](TObject*, int f, int t) {
    from = f;
    to = t;
  };
  g.MoveColumn(1, 3);  // display 1 -> 3 = real 2 -> 4
  EXPECT_EQ(from, 2);
  EXPECT_EQ(to, 4);
  EXPECT_EQ(g.Columns()->Count(), 6);
  EXPECT_EQ(g.Columns()->Items(4)->Name, "c2");
  EXPECT_EQ(g.Columns()->Items(2)->Name, "c3");
  EXPECT_EQ(g.GetCellEx(4, 1), "two");
  EXPECT_EQ(g.GetColumnByName("c5"), g.Columns()->Items(5));
  EXPECT_EQ(g.GetColumnByName("none"), nullptr);
}

TEST(ColumnGrid, FormattedCellsAndVersion) {
  TExColumnGrid g(nullptr);
  g.Columns()->Items(2)->SetFloatFormat("%.3f");
  g.SetCellEx(2, 1, "1.5");
  g.SetCellEx(2, 2, "abc");
  g.Columns()->Items(3)->SetFloatFormat("%d");  // no float format: shown as stored
  g.SetCellEx(3, 1, "2.5");
  EXPECT_EQ(g.GetFormattedCell(2, 1), "1.500");
  EXPECT_EQ(g.GetFormattedCell(2, 2), "abc");
  EXPECT_EQ(g.GetFormattedCell(3, 1), "2.5");
  EXPECT_EQ(g.GetVersionNr(), 50397953);
  EXPECT_EQ(g.GetVersionString(), "3.1.3.1 Aug, 2012");
}

TEST(ColumnGrid, NewCellPropertiesTakeTheColumnsLook) {
  TExColumnGrid g(nullptr);
  TGridColumnItem* item = g.Columns()->Items(2);
  item->SetColor(clRed);
  item->SetAlignment(taRightJustify);
  item->SetHeaderAlignment(taCenter);
  g.SetReadOnly(2, 3, true);  // creates the cell's properties
  EXPECT_EQ(g.Colors(2, 3), clRed);
  EXPECT_EQ(g.Alignments(2, 3), taRightJustify);
  g.SetReadOnly(2, 0, true);
  EXPECT_EQ(g.Colors(2, 0), clNone);  // fixed cells take no brush
  EXPECT_EQ(g.Alignments(2, 0), taCenter);

  TAlignment h = taLeftJustify;
  TVAlignment v = vtaTop;
  g.GetAlignmentHook(2, 4, h, v);
  EXPECT_EQ(h, taRightJustify);
}

TEST(ColumnGrid, LoadingRecordsTheOrganisation) {
  TComponent form(nullptr);
  form.BeginLoading();
  auto* g = new TExColumnGrid(&form);
  g->SetColCount(4);
  g->Columns()->Items(1)->SetHeader("streamed");
  form.EndLoading();
  ASSERT_EQ(g->Columns()->Count(), 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(g->Columns()->Items(i)->DefIdx, i);
  EXPECT_EQ(g->GetCellEx(1, 0), "streamed");
  g->SetColWidths(3, 70);
  EXPECT_EQ(g->Columns()->Items(3)->Width(), 70);
}

}  // namespace
