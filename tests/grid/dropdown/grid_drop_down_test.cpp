// The grid drop-down and its list: the list filled from the items with the
// item index in each row's column-0 object, lookup and narrowing from the edit
// and from the list, the height that shows whole rows, proportional column
// widths, Enter, Escape and the mouse rules of choosing, grid mode, a sort by
// header click that keeps the chosen item, and the forwarded list events.
#include <gtest/gtest.h>

#include "grid/dropdown/drop_down_form.h"
#include "grid/dropdown/grid_drop_down.h"
#include "grid/dropdown/multi_column_rules.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "tests/support/ui_input.h"

namespace {

using grid_drop_down::TCustomExGridDropDown;
using grid_drop_down::TExColGrid;
using namespace grid_drop_down;

class GridDropDownTest : public ::testing::Test {
protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(50, 50, 500, 400);
    other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(10, 200, 100, 21);
    dd = new TCustomExGridDropDown(form);
    dd->SetParent(form);
    dd->SetBounds(10, 10, 200, 21);
    for (const char* h : {"Name", "Code", "Note"}) dd->Columns()->Add()->Header = QString::fromLatin1(h);
    dd->Columns()->Items(0)->Width = 100;
    dd->Columns()->Items(1)->Width = 50;
    dd->Columns()->Items(2)->Width = 50;
    AddItems({"Alpha", "Beta", "Bravo"});
    form->Show();
    dd->SetFocus();
  }
  void TearDown() override { delete form; }
  void AddItems(std::initializer_list<const char*> names) {
    dd->BeginUpdate();
    int i = dd->Items()->Count();
    for (const char* n : names) {
      TDropDownItem* item = dd->Items()->Add();
      item->Text().Add(QString::fromLatin1(n));
      item->Text().Add(QString::number(100 + i++));
    }
    dd->EndUpdate();
    dd->Loaded();
  }
  void Type(TControl* c, const char* chars) {
    for (const char* k = chars; *k; ++k) PressKey(c, Qt::Key_A + (*k - 'a'));
  }
  QString Selected() { return dd->EditText().mid(dd->SelStart(), dd->SelLength()); }
  TExColGrid* List() { return dd->GetExColGrid(); }
  TForm* form = nullptr;
  TEdit* other = nullptr;
  TCustomExGridDropDown* dd = nullptr;
};

TEST_F(GridDropDownTest, DefaultsAndStyles) {
  EXPECT_EQ(dd->Version(), QStringLiteral("6.0.1.1"));
  // The Luna preset's header font with the class's own header and line colours.
  EXPECT_EQ(dd->HeaderColor, 0xFFFFFFu);
  EXPECT_EQ(dd->HeaderColorTo, 0x808080u);
  EXPECT_EQ(dd->HeaderFont()->Color(), 0x723708u);
  EXPECT_EQ(dd->LineColor, 0xF1EDEBu);
  EXPECT_EQ(dd->FixedLineColor, 0xD1BBA4u);
  EXPECT_EQ(dd->Navigation()->HomeEndKey, heFirstLastRow);
  EXPECT_EQ(List()->Navigation()->HomeEndKey, heFirstLastRow);
  EXPECT_EQ(dd->DropDownHeight(), 200);
  EXPECT_EQ(dd->ItemIndex(), -1);
  dd->HeaderColor = 0x123456;
  dd->LineColor = 0x654321;
  dd->SetComponentStyle(tsOffice2010Blue);  // the Office 2010 styles keep the colours
  EXPECT_EQ(dd->HeaderColor, 0x123456u);
  EXPECT_EQ(dd->LineColor, 0x654321u);
  dd->SetComponentStyle(tsOffice2003Blue);
  EXPECT_EQ(dd->HeaderColor, 0xD68759u);
  dd->SetStyle(dsDropDownList);
  EXPECT_FALSE(dd->EditorEnabled());
  dd->SetStyle(dsDropDown);
  EXPECT_TRUE(dd->EditorEnabled());
}

// Rows 0 to 3; captions in row 0 with the object -1; the item index as the
// object of column 0; an item with one text leaves the other cells empty.
TEST_F(GridDropDownTest, FillFromItems) {
  TExColGrid* L = List();
  ASSERT_EQ(L->RowCount(), 4);
  EXPECT_EQ(L->ColCount(), 3);
  EXPECT_EQ(L->Cells(0, 0), QStringLiteral("Name"));
  EXPECT_EQ(L->Cells(2, 0), QStringLiteral("Note"));
  const int objects[] = {-1, 0, 1, 2};
  for (int r = 0; r < 4; ++r) EXPECT_EQ(static_cast<int>(static_cast<intptr_t>(L->GetObjectEx(0, r))), objects[r]) << r;
  for (int c = 0; c < 3; ++c) EXPECT_EQ(static_cast<intptr_t>(L->GetObjectEx(c, 0)), -1) << c;
  EXPECT_EQ(L->Cells(1, 2), QStringLiteral("101"));
  EXPECT_EQ(L->Cells(2, 2), QString());
  TDropDownItem* one = dd->Items()->Add();
  one->Text().Add(QStringLiteral("Solo"));
  L->FillFromItems();
  EXPECT_EQ(L->Cells(0, 4), QStringLiteral("Solo"));
  EXPECT_EQ(L->Cells(1, 4), QString());
  EXPECT_EQ(dd->ItemOfRow(4), 3);
  EXPECT_EQ(dd->RowOfItem(3), 4);
}

// b: Beta with eta selected; r: Bravo with avo selected (type-ahead, then the lookup).
TEST_F(GridDropDownTest, LookupInTheEdit) {
  dd->SetText(QString());
  Type(dd, "b");
  EXPECT_EQ(dd->EditText(), QStringLiteral("Beta"));
  EXPECT_EQ(Selected(), QStringLiteral("eta"));
  EXPECT_EQ(dd->ItemIndex(), 1);
  Type(dd, "r");
  EXPECT_EQ(dd->EditText(), QStringLiteral("Bravo"));
  EXPECT_EQ(Selected(), QStringLiteral("avo"));
  EXPECT_EQ(dd->ItemIndex(), 2);
  EXPECT_EQ(dd->LookupEntry(), QStringLiteral("br"));
  // No entry starts with brx: the entry stays (drop-down style) and the index too.
  Type(dd, "x");
  EXPECT_EQ(dd->ItemIndex(), 2);
  EXPECT_EQ(dd->LookupEntry(), QStringLiteral("brx"));
  // The navigation keys empty the entry.
  PressKey(dd, Qt::Key_Up);
  EXPECT_EQ(dd->LookupEntry(), QString());
  EXPECT_EQ(dd->ItemIndex(), 1);
}

// Drop-down list: every key searches; a key that extends the entry to no match
// starts a new search with itself alone.
TEST_F(GridDropDownTest, DropDownListRestartsTheSearch) {
  dd->SetStyle(dsDropDownList);
  Type(dd, "al");
  EXPECT_EQ(dd->LookupEntry(), QStringLiteral("al"));
  EXPECT_EQ(dd->EditText(), QStringLiteral("Alpha"));
  Type(dd, "b");
  EXPECT_EQ(dd->LookupEntry(), QStringLiteral("b"));
  EXPECT_EQ(dd->EditText(), QStringLiteral("Beta"));
  EXPECT_EQ(dd->ItemIndex(), 1);
  Type(dd, "q");  // nothing starts with q either: the entry empties
  EXPECT_EQ(dd->LookupEntry(), QString());
  // Home and End choose the first and the last item only in this style.
  PressKey(dd, Qt::Key_End);
  EXPECT_EQ(dd->ItemIndex(), 2);
  PressKey(dd, Qt::Key_Home);
  EXPECT_EQ(dd->ItemIndex(), 0);
  dd->SetStyle(dsDropDown);
  PressKey(dd, Qt::Key_End);
  EXPECT_EQ(dd->ItemIndex(), 0);
}

// Narrowing filters the list to the rows that contain the entry; Backspace
// shortens the entry without touching the filter; entering the control again
// shows every row. A click then chooses by the row's item, not its position.
TEST_F(GridDropDownTest, NarrowDownFiltersTheList) {
  dd->LookupMethod = lmNarrowDown;
  dd->SetText(QString());
  Type(dd, "r");
  Type(dd, "a");
  TExColGrid* L = List();
  ASSERT_EQ(L->RowCount(), 2);
  EXPECT_EQ(L->Cells(0, 1), QStringLiteral("Bravo"));
  EXPECT_EQ(dd->EditText(), QStringLiteral("Bravo"));
  EXPECT_EQ(Selected(), QStringLiteral("avo"));
  PressKey(dd, Qt::Key_Backspace);
  EXPECT_EQ(dd->LookupEntry(), QStringLiteral("r"));
  EXPECT_EQ(L->RowCount(), 2);
  other->SetFocus();
  dd->SetFocus();
  EXPECT_EQ(L->RowCount(), 4);
  EXPECT_EQ(dd->LookupEntry(), QString());
  // Narrowing from the open list; a click chooses by the row's item.
  dd->ShowDropDown();
  Type(L, "ra");
  ASSERT_EQ(L->RowCount(), 2);
  EXPECT_EQ(dd->ItemOfRow(1), 2);
  const TRect row = L->CellRect(0, 1);
  MouseClick(L, row.Left + 5, row.Top + 5);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 2);
  EXPECT_EQ(dd->EditText(), QStringLiteral("Bravo"));
  // Opening a list narrowed from the edit refills it and keeps it narrowed;
  // the rows the filter hid come back once, without copies.
  ProcessEvents();  // the form is active again after the pop-up
  other->SetFocus();
  dd->SetFocus();
  EXPECT_EQ(dd->LookupEntry(), QString());
  Type(dd, "et");
  ASSERT_EQ(L->RowCount(), 2);
  dd->ShowDropDown();
  ASSERT_EQ(L->RowCount(), 2);
  EXPECT_EQ(L->Cells(0, 1), QStringLiteral("Beta"));
  EXPECT_EQ(dd->ItemOfRow(1), 1);
  dd->HideDropDown(true);
  ProcessEvents();
  other->SetFocus();
  dd->SetFocus();
  EXPECT_EQ(L->RowCount(), 4);
  EXPECT_EQ(L->AllRowCount(), 4);
}

TEST_F(GridDropDownTest, LookupNoneOnlyTypes) {
  dd->LookupMethod = lmNone;
  dd->ShowDropDown();
  const int row = List()->Row();
  dd->HideDropDown(false);
  dd->SetText(QString());
  Type(dd, "zz");
  EXPECT_EQ(dd->EditText(), QStringLiteral("zz"));
  EXPECT_EQ(dd->LookupEntry(), QString());
  EXPECT_EQ(List()->Row(), row);
}

// 200 requested with a 22-pixel header: 22 + 25 + 6 x 22 + 6.
TEST_F(GridDropDownTest, PopupGeometry) {
  EXPECT_EQ(SnapDropDownHeight(200, 22, 25, 22, 6), 185);
  dd->DropDownHeader()->SetVisible(true);
  dd->DropDownHeader()->Height = 22;
  dd->DropDownFooter()->SetVisible(false);
  dd->ShowDropDown();
  TExColGrid* L = List();
  EXPECT_EQ(dd->DropDownForm()->Height(), 185);
  EXPECT_EQ(L->RowHeights(0), 25);
  EXPECT_EQ(L->DefaultRowHeight(), 22);
  EXPECT_FALSE(dd->DropDownForm()->CancelOnDeActivate);
  EXPECT_TRUE(L->Options().Contains(goRowSelect));
  EXPECT_FALSE(L->Options().Contains(goEditing));
  const std::vector<int> expected = ScaleColumnWidths({100, 50, 50}, dd->DropDownForm()->Width());
  for (int i = 0; i < 3; ++i) EXPECT_EQ(L->ColWidths(i), expected[i]) << i;
  EXPECT_EQ(dd->Columns()->Items(0)->Width, 100);
}

// Incremental search in the open list, the wheel, clicks and Enter.
TEST_F(GridDropDownTest, ChoosingInTheList) {
  int selects = 0;
  dd->OnSelect = [&](TObject*) { ++selects; };
  dd->SetItemIndex(0);
  dd->ShowDropDown();
  TExColGrid* L = List();
  EXPECT_EQ(L->Row(), 1);
  Type(L, "br");
  EXPECT_EQ(L->Row(), 3);
  EXPECT_EQ(dd->ItemIndex(), 2);
  Type(L, "x");
  EXPECT_EQ(dd->LookupEntry(), QString());
  // A check-box cell and a right click choose nothing; the wheel only moves.
  L->AddCheckBox(1, 2, false, false);
  const TRect box = L->CellRect(1, 2);
  MouseClick(L, (box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
  EXPECT_TRUE(dd->DroppedDown());
  const TRect first = L->CellRect(0, 1);
  MousePress(L, first.Left + 5, first.Top + 5, Qt::RightButton);
  MouseRelease(L, first.Left + 5, first.Top + 5, Qt::RightButton);
  EXPECT_TRUE(dd->DroppedDown());
  EXPECT_EQ(selects, 0);
  // Enter chooses the current row and leaves the cursor on it.
  L->SetRow(2);
  PressKey(L, Qt::Key_Return);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(L->Row(), 2);
  EXPECT_EQ(dd->ItemIndex(), 1);
  EXPECT_EQ(selects, 1);
}

// With HoverRow the list paints the row under the mouse in the hover colour
// (its empty cells show it plainly); the colour follows the mouse and leaves
// with it. Without HoverRow nothing changes.
TEST_F(GridDropDownTest, HoverRowFollowsTheMouse) {
  const TColor hover = 0x40C0F0;
  dd->HoverRow = true;
  dd->HoverRowColor = hover;
  dd->SetItemIndex(0);
  dd->ShowDropDown();
  ProcessEvents();
  TExColGrid* L = List();
  ASSERT_TRUE(L->HoverRow);
  auto noteOf = [&](int row) {  // a point in the empty "Note" cell of a row
    const TRect r = L->CellRect(2, row);
    return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  };
  auto shown = [&](int row) {  // the list painted as it stands
    const TPoint p = noteOf(row);
    TBitmap picture(L->Width(), L->Height());
    L->PaintTo(picture.Canvas(), 0, 0);
    return picture.Canvas()->Pixel(p.X, p.Y);
  };
  const TColor plain = shown(3);
  ASSERT_NE(plain, hover);
  for (int row : {2, 3}) {
    const TPoint p = noteOf(row);
    MouseMoveTo(L, p.X, p.Y);
    ProcessEvents();
    EXPECT_EQ(shown(row), hover) << row;
    EXPECT_NE(shown(5 - row), hover) << row;
  }
  MouseLeave(L);
  ProcessEvents();
  EXPECT_EQ(shown(3), plain);
  dd->HideDropDown(true);
  dd->HoverRow = false;
  dd->ShowDropDown();
  ProcessEvents();
  const TPoint p = noteOf(2);
  MouseMoveTo(L, p.X, p.Y);
  ProcessEvents();
  EXPECT_NE(shown(2), hover);
}

TEST_F(GridDropDownTest, EnterAndEscape) {
  AddItems({"Charlie", "Delta", "Echo"});
  dd->SetItemIndex(5);
  dd->ShowDropDown();
  EXPECT_EQ(List()->Row(), 6);
  PressKey(List(), Qt::Key_Return);
  EXPECT_EQ(dd->ItemIndex(), 5);
  EXPECT_EQ(dd->EditText(), QStringLiteral("Echo"));
  // A cancelled close puts the item from before back.
  dd->ShowDropDown();
  PressKey(List(), Qt::Key_Up);
  EXPECT_EQ(dd->ItemIndex(), 4);
  dd->HideDropDown(true);
  EXPECT_EQ(dd->ItemIndex(), 5);
  EXPECT_EQ(dd->EditText(), QStringLiteral("Echo"));
  // Enter in the edit takes the item of the typed text; Escape the one of the text.
  dd->SetTextUnformatted(QStringLiteral("beta"));
  PressKey(dd, Qt::Key_Return);
  EXPECT_EQ(dd->ItemIndex(), 1);
  EXPECT_EQ(dd->EditText(), QStringLiteral("Beta"));
  dd->SetTextUnformatted(QStringLiteral("Gamma"));
  PressKey(dd, Qt::Key_Escape);
  EXPECT_EQ(dd->ItemIndex(), -1);
}

// Item mode: after a header-click sort the chosen item is the current row again.
TEST_F(GridDropDownTest, SortKeepsTheChosenItem) {
  dd->Items()->Clear();
  AddItems({"Charlie", "Alpha", "Beta"});
  dd->Sorting = gsSingleColumn;
  dd->SetItemIndex(0);
  dd->ShowDropDown();
  TExColGrid* L = List();
  ASSERT_TRUE(L->SortSettings()->Show());
  EXPECT_EQ(L->Row(), 1);
  const TRect header = L->CellRect(0, 0);
  MouseClick(L, header.Left + 10, header.Top + 5);
  EXPECT_EQ(L->Cells(0, 1), QStringLiteral("Alpha"));
  EXPECT_EQ(L->Cells(0, 3), QStringLiteral("Charlie"));
  EXPECT_EQ(L->Row(), 3);
  EXPECT_EQ(dd->ItemIndex(), 0);
  PressKey(L, Qt::Key_Up);
  PressKey(L, Qt::Key_Return);
  EXPECT_EQ(dd->ItemIndex(), 2);
  EXPECT_EQ(dd->EditText(), QStringLiteral("Beta"));
}

// Grid mode: the application's cells; the index is a list row less the fixed row.
TEST_F(GridDropDownTest, GridMode) {
  dd->UseItems = false;
  dd->Items()->Clear();
  TExColGrid* L = List();
  L->SetColCount(2);
  L->SetRowCount(5);
  const char* names[] = {"Alpha", "Beta", "Bravo", "Charlie"};
  for (int r = 1; r <= 4; ++r) {
    L->Cells(0, r);
    L->SetCells(0, r, QString::fromLatin1(names[r - 1]));
    L->SetCells(1, r, QString::number(r));
  }
  dd->SetText(QString());
  Type(dd, "br");
  EXPECT_EQ(dd->ItemIndex(), 2);
  EXPECT_EQ(dd->EditText(), QStringLiteral("Bravo"));
  QString text;
  int row = -1;
  EXPECT_TRUE(dd->FindLookupMatch(QStringLiteral("ch"), text, row));
  EXPECT_EQ(row, 4);
  EXPECT_EQ(text, QStringLiteral("Charlie"));
  EXPECT_FALSE(dd->FindLookupMatch(QString(), text, row));
  // Opening finds the edit text's row; the columns follow the list's.
  dd->ShowDropDown();
  EXPECT_EQ(L->Row(), 3);
  EXPECT_GE(dd->Columns()->Count(), 2);
  EXPECT_EQ(L->Cells(0, 1), QStringLiteral("Alpha"));  // the cells stay the application's
  PressKey(L, Qt::Key_Down);
  EXPECT_EQ(dd->ItemIndex(), 3);
  EXPECT_EQ(dd->EditText(), QStringLiteral("Charlie"));
  PressKey(L, Qt::Key_Return);
  EXPECT_EQ(dd->ItemIndex(), 3);
  EXPECT_EQ(dd->GetItemCount(), 4);
}

// The list's events come out of the drop-down, with the columns' looks first.
TEST_F(GridDropDownTest, ForwardedEvents) {
  dd->Columns()->Items(1)->Alignment = taRightJustify;
  dd->Columns()->Items(1)->Color = 0x00FF00;
  TObject* sender = nullptr;
  TAlignment seen = taLeftJustify;
  dd->OnGridGetAlignment = [&](TObject* S, int, int, TAlignment& H, TVAlignment&) {
    sender = S;
    seen = H;
  };
  bool blocked = false;
  dd->OnGridAnchorClick = [&](TObject*, int, int, const QString&, bool&) {
    blocked = dd->DropDownForm()->BlockActivate;
  };
  TObject* topLeftSender = nullptr;
  dd->OnGridTopLeftChanged = [&](TObject* S) { topLeftSender = S; };
  QString floatFormat = QStringLiteral("%g");
  dd->OnGridGetFloatFormat = [&](TObject*, int, int, bool&, QString& F) { floatFormat = F; };
  TObject* keySender = nullptr;
  dd->OnGridKeyDown = [&](TObject* S, int&, TShiftState) { keySender = S; };
  dd->ShowDropDown();
  TExColGrid* L = List();
  EXPECT_FALSE(L->OnCustomCellDraw);  // wired only when set before the opening
  TAlignment h = taLeftJustify;
  TVAlignment v = vtaTop;
  L->OnGetAlignment(L, 1, 1, h, v);
  EXPECT_EQ(sender, L);
  EXPECT_EQ(seen, taRightJustify);
  TBrush brush;
  TFont font;
  L->OnGetCellColor(L, 1, 1, TGridDrawState(), &brush, &font);
  EXPECT_EQ(brush.Color(), 0x00FF00u);
  bool autoHandle = true;
  L->OnAnchorClick(L, 1, 0, QStringLiteral("x"), autoHandle);
  EXPECT_TRUE(blocked);
  EXPECT_FALSE(dd->DropDownForm()->BlockActivate);
  L->OnTopLeftChanged(L);
  EXPECT_EQ(topLeftSender, dd);
  bool isFloat = true;
  QString f = QStringLiteral("%.2f");
  L->OnGetFloatFormat(L, 0, 1, isFloat, f);
  EXPECT_EQ(floatFormat, QString());
  PressKey(L, Qt::Key_Down);
  EXPECT_EQ(keySender, dd);
  dd->HideDropDown(false);
  dd->OnGridCustomCellDraw = [](TObject*, TCanvas*, int, int, TGridDrawState, TRect, bool) {};
  dd->ShowDropDown();
  EXPECT_TRUE(static_cast<bool>(L->OnCustomCellDraw));
}

}  // namespace
