// The multi-column drop-down: type-ahead in the edit, incremental search in
// the list, the height that shows whole rows, column widths scaled to the
// pop-up, Enter and Escape, navigation keys, and the list's choosing rules
// (a click or Enter chooses, the wheel only moves).
#include <gtest/gtest.h>

#include "grid/dropdown/drop_down_form.h"
#include "grid/dropdown/multi_column_drop_down.h"
#include "grid/dropdown/multi_column_rules.h"
#include "platform/ui/form.h"
#include "tests/support/ui_input.h"

namespace {

TEST(MultiColumnRules, TypeAheadCompletion) {
  const QStringList entries{"Alpha", "Beta", "Bravo"};
  struct Case {
    const char* text;
    int caret;
    bool matchCase;
    int index;
    const char* result;
    int selStart, selEnd;
  };
  const Case cases[] = {
      {"b", 1, false, 1, "beta", 1, 4},      // the letter as typed, the tail from the entry
      {"Br", 2, false, 2, "Bravo", 2, 5},
      {"bx", 2, false, -1, "bx", 2, 2},       // no entry: the text as typed
      {"b", 1, true, -1, "b", 1, 1},          // with case: nothing starts with b
      {"Bxyz", 1, false, 1, "Beta", 1, 4},    // what followed the caret goes
      {"", 0, false, -1, "", 0, 0},
  };
  for (const Case& c : cases) {
    const TTypeAhead t = TypeAheadComplete(entries, QString::fromLatin1(c.text), c.caret, c.matchCase);
    EXPECT_EQ(t.Index, c.index) << c.text;
    if (t.Changed) {
      EXPECT_EQ(t.Text, QString::fromLatin1(c.result)) << c.text;
      EXPECT_EQ(t.SelStart, c.selStart) << c.text;
      EXPECT_EQ(t.SelEnd, c.selEnd) << c.text;
    } else {
      EXPECT_EQ(QString::fromLatin1(c.text), QString::fromLatin1(c.result));
    }
  }
  // The completed tail is at most 255 characters.
  EXPECT_EQ(TypeAheadComplete({QString(300, u'a')}, "a", 1, false).Text.size(), 256);
}

TEST(MultiColumnRules, HeightAndWidths) {
  EXPECT_EQ(SnapDropDownHeight(200, 22, 25, 22), 181);  // 22 + 25 + 6 x 22 + 2
  EXPECT_EQ(SnapDropDownHeight(200, 0, 25, 22), 181);  // 25 + 7 x 22 + 2
  EXPECT_EQ(SnapDropDownHeight(100, 0, 25, 22), 93);   // 25 + 3 x 22 + 2
  EXPECT_EQ(ScaleColumnWidths({100, 50, 50}, 302), (std::vector<int>{150, 75, 75}));
  // The rounding remainder is carried: 10.49 each rounds down until the
  // remainders pass 1.
  EXPECT_EQ(ScaleColumnWidths({10, 10, 10, 10}, 43), (std::vector<int>{10, 10, 11, 10}));
  EXPECT_TRUE(ScaleColumnWidths({}, 100).empty());
  EXPECT_EQ(FindEntryStartingWith({"Alpha", "Beta", "Bravo"}, "BR", false), 2);
  EXPECT_EQ(FindEntryStartingWith({"Alpha", "Beta", "Bravo"}, "br", true), -1);
  EXPECT_EQ(FindEntryStartingWith({"Alpha"}, "", false), -1);
}

class MultiColumnTest : public ::testing::Test {
protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(50, 50, 500, 400);
    dd = new TExMultiColumnDropDown(form);
    dd->SetParent(form);
    for (const char* h : {"Name", "Code", "Note"}) {
      TDropDownColumn* c = dd->Columns()->Add();
      c->Header = QString::fromLatin1(h);
    }
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
  }
  void Type(const char* chars) {
    for (const char* c = chars; *c; ++c) {
      if (*c >= 'a' && *c <= 'z') PressKey(dd, Qt::Key_A + (*c - 'a'));
      else if (*c >= 'A' && *c <= 'Z') PressKey(dd, Qt::Key_A + (*c - 'A'), Qt::ShiftModifier);
    }
  }
  TEdit* Edit() { return dd; }
  QString Selected() { return dd->EditText().mid(Edit()->SelStart(), Edit()->SelLength()); }
  TForm* form = nullptr;
  TExMultiColumnDropDown* dd = nullptr;
};

// b, then r: the key-up takes the stored text with the tail still selected.
TEST_F(MultiColumnTest, TypeAheadInTheEdit) {
  dd->SetText(QString());
  KeyDownOnly(dd, Qt::Key_B);
  EXPECT_EQ(dd->EditText(), QStringLiteral("beta"));
  EXPECT_EQ(Selected(), QStringLiteral("eta"));
  EXPECT_EQ(dd->ItemIndex(), 1);
  KeyUpOnly(dd, Qt::Key_B);
  EXPECT_EQ(dd->EditText(), QStringLiteral("Beta"));
  EXPECT_EQ(Selected(), QStringLiteral("eta"));
  Type("r");
  EXPECT_EQ(dd->EditText(), QStringLiteral("Bravo"));
  EXPECT_EQ(Selected(), QStringLiteral("avo"));
  EXPECT_EQ(dd->ItemIndex(), 2);
  // x: no entry starts with "brx": the text as typed, caret at its end.
  Type("x");
  EXPECT_EQ(dd->EditText(), QStringLiteral("Brx"));
  EXPECT_EQ(Edit()->SelStart(), 3);
  EXPECT_EQ(dd->ItemIndex(), 2);
}

// The Luna preset's header font with the class's own header and line colours.
TEST_F(MultiColumnTest, ColoursAfterConstruction) {
  EXPECT_EQ(dd->HeaderColor, 0xFFFFFFu);
  EXPECT_EQ(dd->HeaderColorTo, 0x808080u);
  EXPECT_EQ(dd->HeaderFont()->Color(), 0x723708u);
  EXPECT_EQ(dd->LineColor, 0xF1EDEBu);
  EXPECT_EQ(dd->FixedLineColor, 0xD1BBA4u);
}

TEST_F(MultiColumnTest, MatchCaseCompletesNothing) {
  dd->MatchCase = true;
  dd->SetText(QString());
  Type("b");
  EXPECT_EQ(dd->EditText(), QStringLiteral("b"));
  EXPECT_EQ(dd->ItemIndex(), -1);
}

TEST_F(MultiColumnTest, EnterAndEscape) {
  dd->SetTextUnformatted(QStringLiteral("beta"));
  PressKey(dd, Qt::Key_Return);
  EXPECT_EQ(dd->EditText(), QStringLiteral("Beta"));
  EXPECT_EQ(dd->ItemIndex(), 1);
  dd->SetTextUnformatted(QStringLiteral("Gamma"));
  PressKey(dd, Qt::Key_Escape);
  EXPECT_EQ(dd->EditText(), QString());
  EXPECT_EQ(dd->ItemIndex(), -1);
}

TEST_F(MultiColumnTest, NavigationAndItemIndex) {
  for (int i = 0; i < 22; ++i) AddItems({"Item"});
  ASSERT_EQ(dd->RowCount(), 25);
  struct Case {
    int from;
    Qt::Key key;
    int to;
  };
  const Case cases[] = {{20, Qt::Key_PageDown, 24}, {5, Qt::Key_PageUp, 0}, {24, Qt::Key_Down, 24},
                        {3, Qt::Key_Up, 2},         {0, Qt::Key_Up, 0},      {-1, Qt::Key_Down, 0}};
  for (const Case& c : cases) {
    dd->SetItemIndex(c.from);
    PressKey(dd, c.key);
    EXPECT_EQ(dd->ItemIndex(), c.to) << c.from << " key " << c.key;
  }
  dd->SetItemIndex(1);
  dd->SetItemIndex(dd->Items()->Count());  // ignored
  EXPECT_EQ(dd->ItemIndex(), 1);
  EXPECT_EQ(dd->EditText(), QStringLiteral("Beta"));
  dd->SetItemIndex(-1);
  EXPECT_EQ(dd->EditText(), QString());
  EXPECT_EQ(dd->GetItemIndex(QStringLiteral("Bravo")), 2);
  EXPECT_EQ(dd->GetItemIndex(QStringLiteral("bravo")), -1);
}

// The pop-up shows whole rows; the list takes the items and scales the columns.
TEST_F(MultiColumnTest, PopupGeometry) {
  dd->DropDownHeader()->SetVisible(true);
  dd->DropDownHeader()->Height = 22;
  dd->DropDownFooter()->SetVisible(false);
  dd->ShowDropDown();
  TExColGrid* list = dd->List();
  EXPECT_EQ(dd->DropDownForm()->Height(), 181);
  EXPECT_EQ(list->RowCount(), 4);
  EXPECT_EQ(list->FixedRows(), 1);
  EXPECT_EQ(list->RowHeights(0), 25);
  EXPECT_EQ(list->RowHeights(1), 22);
  EXPECT_FALSE(dd->DropDownForm()->CancelOnDeActivate);
  const int w = dd->DropDownForm()->Width();
  const std::vector<int> expected = ScaleColumnWidths({100, 50, 50}, w);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(list->ColWidths(i), expected[i]);
  EXPECT_EQ(dd->Columns()->Items(0)->Width, 100);  // the columns keep their widths
}

TEST_F(MultiColumnTest, ListClickWheelAndSearch) {
  dd->SetItemIndex(0);
  int selects = 0;
  dd->OnSelect = [&](TObject*) { ++selects; };
  dd->ShowDropDown();
  TExColGrid* list = dd->List();
  // Incremental search: b, r moves to Bravo; x restarts with x alone and clears.
  for (Qt::Key k : {Qt::Key_B, Qt::Key_R}) PressKey(list, k);
  EXPECT_EQ(list->Row(), 3);
  EXPECT_EQ(dd->ItemIndex(), 2);
  EXPECT_EQ(dd->LookupEntry(), QStringLiteral("br"));
  PressKey(list, Qt::Key_X);
  EXPECT_EQ(dd->LookupEntry(), QString());
  // The wheel moves the row without choosing; closing by deactivation keeps the item.
  list->SetRow(1);
  dd->SetItemIndex(0);
  list->Perform(WM_MOUSEWHEEL, MakeWParam(0, -120), 0);
  EXPECT_EQ(list->Row(), 2);
  EXPECT_EQ(dd->ItemIndex(), 0);
  EXPECT_FALSE(list->ConfirmSelection());
  // A click on the header row neither chooses nor closes; one on a row does both.
  const TRect header = list->CellRect(0, 0);
  MouseClick(list, header.Left + 5, header.Top + 5);
  EXPECT_TRUE(dd->DroppedDown());
  EXPECT_EQ(selects, 0);
  const TRect row = list->CellRect(0, 2);
  MouseClick(list, row.Left + 5, row.Top + 5);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(selects, 1);
  EXPECT_EQ(dd->ItemIndex(), 1);
  EXPECT_EQ(dd->EditText(), QStringLiteral("Beta"));
}

// A cancelled close puts the item from before back.
TEST_F(MultiColumnTest, CancelRestoresTheItem) {
  dd->SetItemIndex(0);
  dd->ShowDropDown();
  PressKey(dd->List(), Qt::Key_Down);
  EXPECT_EQ(dd->ItemIndex(), 1);
  dd->HideDropDown(true);
  EXPECT_EQ(dd->ItemIndex(), 0);
  EXPECT_EQ(dd->EditText(), QStringLiteral("Alpha"));
  dd->ShowDropDown();
  PressKey(dd->List(), Qt::Key_Down);
  PressKey(dd->List(), Qt::Key_Return);  // Enter chooses
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 1);
}

TEST_F(MultiColumnTest, NoItemsAndWordWrap) {
  dd->Items()->Clear();
  dd->ShowDropDown();
  EXPECT_EQ(dd->List()->RowCount(), 1);
  EXPECT_EQ(dd->List()->FixedRows(), 0);
  dd->HideDropDown(false);
  AddItems({"One", "Two"});
  dd->Columns()->Items(2)->Wordwrap = true;
  dd->ShowDropDown();
  for (int r = 1; r < dd->List()->RowCount(); ++r) EXPECT_GE(dd->List()->RowHeights(r), 24);
}

}  // namespace
