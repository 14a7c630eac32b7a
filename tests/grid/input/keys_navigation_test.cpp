// The grid's keys: a key x settings table (Home and End by HomeEndKey, edges,
// wrapping, cells that report themselves fixed, scroll-only keys, appending on
// Down), Enter and F2 swallowed on read-only cells, Space on a data check box,
// and typing that opens the editor with the typed (or replaced) character.
#include <gtest/gtest.h>

#include <functional>

#include "platform/grids/inplace_edit.h"
#include "platform/rtl/locale_settings.h"
#include "tests/grid/input/keys_grid_fixture.h"

namespace {

struct KeyCase {
  const char* name;
  std::function<void(InputGrid&)> setup;
  int startCol, startRow;
  int key;
  Qt::KeyboardModifiers mods;
  const char* cell;  // "col,row" after the key
  int keyDowns;
};

TEST(KeysNavigation, KeyBySettingsTable) {
  auto none = [](InputGrid&) {};
  auto he = [](THomeEndAction a) { return [a](InputGrid& t) { t.g->Navigation()->HomeEndKey = a; }; };
  auto advance = [](TCursorAdvance a) { return [a](InputGrid& t) { t.g->Navigation()->CursorAdvance = a; }; };
  auto fixedCell = [](int col, int row) {
    return [col, row](InputGrid& t) {
      t.g->OnIsFixedCell = [col, row](TObject*, int r, int c, bool& fixed) { fixed = c == col && r == row; };
    };
  };
  const KeyCase cases[] = {
      {"Home: first column", none, 3, 4, Qt::Key_Home, Qt::NoModifier, "1,4", 1},
      {"End: last column", none, 3, 4, Qt::Key_End, Qt::NoModifier, "5,4", 1},
      {"Ctrl+Home: first cell", none, 3, 4, Qt::Key_Home, Qt::ControlModifier, "1,1", 1},
      {"Home, first-last cell", he(heFirstLastCell), 3, 4, Qt::Key_Home, Qt::NoModifier, "1,1", 1},
      {"End, first-last cell", he(heFirstLastCell), 3, 4, Qt::Key_End, Qt::NoModifier, "5,7", 1},
      {"Home, first-last row", he(heFirstLastRow), 3, 4, Qt::Key_Home, Qt::NoModifier, "3,1", 1},
      {"End, first-last row", he(heFirstLastRow), 3, 4, Qt::Key_End, Qt::NoModifier, "3,7", 1},
      {"End, first-last row, floating footer, 3 rows",
       [](InputGrid& t) {
         t.g->Navigation()->HomeEndKey = heFirstLastRow;
         t.g->SetRowCount(3);
         t.g->FloatingFooter()->SetVisible(true);
       },
       3, 1, Qt::Key_End, Qt::NoModifier, "3,1", 1},
      {"Right at the last column stays", none, 5, 4, Qt::Key_Right, Qt::NoModifier, "5,4", 1},
      {"Left at the first column stays", none, 1, 4, Qt::Key_Left, Qt::NoModifier, "1,4", 1},
      {"caLoop: Right wraps in the row", advance(caLoop), 5, 4, Qt::Key_Right, Qt::NoModifier, "1,4", 1},
      {"caSnake: Right wraps to the next row", advance(caSnake), 5, 4, Qt::Key_Right, Qt::NoModifier, "1,5", 1},
      {"caSnake: Down wraps to the next column", advance(caSnake), 3, 7, Qt::Key_Down, Qt::NoModifier, "4,1", 1},
      {"caLoop: Left wraps to the last column", advance(caLoop), 1, 4, Qt::Key_Left, Qt::NoModifier, "5,4", 1},
      {"Left over a fixed cell", fixedCell(2, 4), 3, 4, Qt::Key_Left, Qt::NoModifier, "1,4", 1},
      {"Right over a fixed cell", fixedCell(4, 4), 3, 4, Qt::Key_Right, Qt::NoModifier, "5,4", 1},
      {"Down over a fixed cell", fixedCell(3, 5), 3, 4, Qt::Key_Down, Qt::NoModifier, "3,6", 1},
      {"Without skipping the fixed cell stops the cursor",
       [fixedCell](InputGrid& t) {
         fixedCell(2, 4)(t);
         t.g->Navigation()->SkipFixedCells = false;
       },
       3, 4, Qt::Key_Left, Qt::NoModifier, "3,4", 1},
      {"Scroll only: Down keeps the cursor", [](InputGrid& t) { t.g->Navigation()->MoveScrollOnly = true; }, 3,
       4, Qt::Key_Down, Qt::NoModifier, "3,4", 0},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.name);
    InputGrid t;
    c.setup(t);
    t.Go(c.startCol, c.startRow);
    t.keyDowns = 0;
    t.Key(c.key, c.mods);
    EXPECT_EQ(t.Cell().toStdString(), std::string(c.cell));
    EXPECT_EQ(t.keyDowns, c.keyDowns);
  }
}

TEST(KeysNavigation, ScrollOnlyMovesTheTopRowAndAppendOnArrowDownAddsARow) {
  {
    InputGrid t(6, 60);
    t.g->Navigation()->MoveScrollOnly = true;
    t.Go(2, 3);
    const int top = t.g->TopRow();
    t.Key(Qt::Key_Down);
    EXPECT_EQ(t.g->TopRow(), top + 1);
    EXPECT_EQ(t.g->Row(), 3);
  }
  {
    InputGrid t;
    t.g->Navigation()->AppendOnArrowDown = true;
    int added = -1;
    t.g->OnAutoAddRow = [&](TObject*, int r) { added = r; };
    t.g->SetCells(2, 7, QStringLiteral("left behind"));
    t.Go(2, 7);
    t.Key(Qt::Key_Down);
    EXPECT_EQ(t.g->RowCount(), 9);
    EXPECT_EQ(added, 8);
    EXPECT_EQ(t.g->Row(), 8);
    EXPECT_EQ(t.g->Cells(2, 8), QString());
  }
  {
    InputGrid t;
    t.g->Navigation()->AppendOnArrowDown = true;
    t.g->OnCanAddRow = [](TObject*, bool& can) { can = false; };
    t.Go(2, 7);
    t.Key(Qt::Key_Down);
    EXPECT_EQ(t.g->RowCount(), 8);
  }
}

// Enter and F2 on a cell that cannot be edited raise OnKeyDown and are used up:
// no editor opens; on an editable cell F2 opens it.
TEST(KeysNavigation, EnterAndF2OnReadOnlyCellsAreSwallowed) {
  struct Case {
    const char* name;
    bool editing;
    bool readOnly;
    int key;
    bool editor;
  } cases[] = {
      {"Enter, read-only", true, true, Qt::Key_Return, false},
      {"F2, read-only", true, true, Qt::Key_F2, false},
      {"Enter, no editing", false, false, Qt::Key_Return, false},
      {"F2, editable", true, false, Qt::Key_F2, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InputGrid t;
    if (c.editing) t.g->SetOptions(t.g->Options() + goEditing);
    if (c.readOnly) t.g->OnCanEditCell = [](TObject*, int, int, bool& can) { can = false; };
    t.Go(2, 3);
    t.keyDowns = 0;
    t.Key(c.key);
    EXPECT_EQ(t.g->EditorMode(), c.editor);
    EXPECT_EQ(t.keyDowns, 1);
    EXPECT_EQ(t.Cell(), QStringLiteral("2,3"));
  }
}

TEST(KeysNavigation, EnterOnANonEditableCellReachesAKeyPreviewForm) {
  InputGrid t;
  t.form->SetKeyPreview(true);
  int formKeys = 0;
  t.form->OnKeyDown = [&](TObject*, int& key, TShiftState) {
    if (key == VK_RETURN) ++formKeys;
  };
  t.Go(2, 3);
  t.Key(Qt::Key_Return);
  EXPECT_EQ(formKeys, 1);
  EXPECT_FALSE(t.g->EditorMode());
}

// Space on a data check box: OnCheckBoxChange, then OnCheckBoxClick with the
// new state; a read-only column toggles nothing unless CheckAlwaysActive.
TEST(KeysNavigation, SpaceOnADataCheckBox) {
  struct Case {
    const char* name;
    bool readOnly;
    bool alwaysActive;
    const char* events;
    const char* text;
  } cases[] = {
      {"editable", false, false, "change 2,3 1|click 2,3 1", "Y"},
      {"read-only", true, false, "", "N"},
      {"read-only, always active", true, true, "change 2,3 1|click 2,3 1", "Y"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InputGrid t;
    t.g->Columns()->Items(2)->SetEditor(edDataCheckBox);
    t.g->SetOptions(t.g->Options() + goEditing);
    t.g->SetCells(2, 3, QStringLiteral("N"));
    if (c.readOnly) t.g->OnCanEditCell = [](TObject*, int, int, bool& can) { can = false; };
    t.g->ControlLook()->CheckAlwaysActive = c.alwaysActive;
    t.g->OnCheckBoxChange = [&](TObject*, int col, int row, bool s) {
      t.log << QStringLiteral("change %1,%2 %3").arg(col).arg(row).arg(s);
    };
    t.g->OnCheckBoxClick = [&](TObject*, int col, int row, bool s) {
      t.log << QStringLiteral("click %1,%2 %3").arg(col).arg(row).arg(s);
    };
    t.Go(2, 3);
    t.Key(Qt::Key_Space);
    EXPECT_EQ(t.log.join(u'|'), QString::fromLatin1(c.events));
    EXPECT_EQ(t.g->Cells(2, 3), QString::fromLatin1(c.text));
    EXPECT_FALSE(t.g->EditorMode());
  }
}

TEST(KeysNavigation, KeyUpClearsTheSearchTextExceptAfterHome) {
  InputGrid t;
  t.Go(3, 3);
  t.g->SearchInc = QStringLiteral("ab");
  t.Key(Qt::Key_Home);
  EXPECT_EQ(t.g->SearchInc, QStringLiteral("ab"));
  t.Key(Qt::Key_End);
  EXPECT_EQ(t.g->SearchInc, QString());
}

TEST(KeysNavigation, CtrlASelectsEveryNormalCellAndFocusesTheLastOne) {
  InputGrid t;
  t.Go(2, 2);
  t.Key(Qt::Key_A, Qt::ControlModifier);
  const TGridRect s = t.g->Selection();
  EXPECT_EQ((TGridRect{1, 1, 5, 7}), (TGridRect{std::min(s.Left, s.Right), std::min(s.Top, s.Bottom),
                                                 std::max(s.Left, s.Right), std::max(s.Top, s.Bottom)}));
  EXPECT_EQ(t.Cell(), QStringLiteral("5,7"));
}

// --- typed characters ---

TEST(KeysTyping, ACharacterOpensTheEditorWithThatCharacter) {
  struct Case {
    const char* name;
    QChar replaceWith;  // null: the handler keeps the key
    const char* editorText;
  } cases[] = {
      {"typed", QChar(), "a"},
      {"replaced by the handler", QChar(u'b'), "b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InputGrid t;
    t.g->SetOptions(t.g->Options() + goEditing);
    t.g->SetCells(2, 3, QStringLiteral("old"));
    int presses = 0;
    TObject* sender = nullptr;
    t.g->OnKeyPress = [&](TObject* s, QChar& key) {
      ++presses;
      sender = s;
      if (!c.replaceWith.isNull()) key = c.replaceWith;
    };
    t.Go(2, 3);
    t.Key(Qt::Key_A);
    // The grid's own step sees the key first; the editor then hands the
    // character to the grid's key-press step as the class library's editor does.
    EXPECT_GE(presses, 1);
    EXPECT_EQ(sender, t.g);
    ASSERT_TRUE(t.g->EditorMode());
    ASSERT_NE(t.g->InplaceEditor(), nullptr);
    EXPECT_EQ(t.g->InplaceEditor()->EditText(), QString::fromLatin1(c.editorText));
  }
}

TEST(KeysTyping, CharactersThatOpenNoEditor) {
  struct Case {
    const char* name;
    std::function<void(InputGrid&)> setup;
    int key;
    int presses;
  } cases[] = {
      {"check-box cell", [](InputGrid& t) { t.g->Columns()->Items(2)->SetEditor(edDataCheckBox); }, Qt::Key_A, 1},
      {"read-only cell", [](InputGrid& t) { t.g->OnCanEditCell = [](TObject*, int, int, bool& can) { can = false; }; },
       Qt::Key_A, 1},
      {"CONTROL cell", [](InputGrid& t) { t.g->SetCells(2, 3, QStringLiteral("<CONTROL TYPE=\"EDIT\" ID=\"e\">")); },
       Qt::Key_A, 0},
      {"handler clears the key", [](InputGrid& t) { t.g->OnKeyPress = [](TObject*, QChar& k) { k = QChar(); }; },
       Qt::Key_A, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InputGrid t;
    t.g->SetOptions(t.g->Options() + goEditing);
    int presses = 0;
    t.g->OnKeyPress = [&](TObject*, QChar&) { ++presses; };
    c.setup(t);
    t.Go(2, 3);
    t.Key(c.key);
    EXPECT_EQ(presses, c.presses);
    EXPECT_FALSE(t.g->EditorMode());
  }
}

// Characters by message: Backspace opens the editor (emptied), Tab, Escape and
// a character above 255 do not (they take the class library's way).
TEST(KeysTyping, CharacterTable) {
  struct Case {
    const char* name;
    int ch;
    bool editor;
  } cases[] = {
      {"Backspace", 8, true},
      {"Tab", 9, false},
      {"Escape", 27, false},
      {"Cyrillic letter", 0x0416, false},
      {"Latin-1 letter", 0xE9, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InputGrid t;
    t.g->SetOptions(t.g->Options() + goEditing);
    t.g->SetCells(2, 3, QStringLiteral("old"));
    int presses = 0;
    t.g->OnKeyPress = [&](TObject*, QChar&) { ++presses; };
    t.Go(2, 3);
    t.g->Perform(WM_CHAR, c.ch, 0);
    ProcessEvents();
    EXPECT_EQ(t.g->EditorMode(), c.editor);
    EXPECT_GE(presses, 1);
    if (c.editor && c.ch == 8) {
      EXPECT_EQ(t.g->InplaceEditor()->EditText(), QString());
    }
  }
}

// With ExcelStyleDecimalSeparator the keypad's decimal key types the user's
// separator; the main keyboard's full stop stays a full stop.
TEST(KeysTyping, KeypadDecimalKeyTypesTheUserSeparator) {
  TFormatSettings comma;
  comma.DecimalSeparator = u',';
  SetFormatSettings(comma);
  InputGrid t;
  t.g->SetOptions(t.g->Options() + goEditing);
  t.g->ExcelStyleDecimalSeparator = true;
  QChar seen;
  t.g->OnKeyPress = [&](TObject*, QChar& key) { seen = key; };
  t.Go(2, 3);
  t.g->Perform(WM_CHAR, '.', KF_KEYPAD);
  EXPECT_EQ(seen, QChar(u','));
  t.g->Perform(WM_CHAR, '.', 0);
  EXPECT_EQ(seen, QChar(u'.'));
  SetFormatSettings(std::nullopt);
}

}  // namespace
