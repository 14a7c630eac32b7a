// The in-place text editor: typed characters by editor kind (accepted or not,
// with or without a beep), pasted texts, and the end of an edit by focus loss.
#include <gtest/gtest.h>

#include "platform/ui/beep.h"
#include "platform/ui/clipboard.h"
#include "tests/grid/input/edit_cycle_fixture.h"

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

struct InplaceEditor : ::testing::Test, EditGridFixture {
  // Opens an editor of the kind on a cell holding Text, with the selection.
  void Open(TEditorType kind, const QString& text, int selStart, int selLength) {
    grid->DefaultEditor = kind;
    grid->SetCells(2, 2, text);
    OpenAt(2, 2);
    ASSERT_TRUE(Editor() && Editor()->Visible());
    ASSERT_TRUE(Editor()->Focused());
    Editor()->SetSelStart(selStart);
    Editor()->SetSelLength(selLength);
  }
  void Close() { PressKey(Editor(), Qt::Key_Escape); }
};

TEST_F(InplaceEditor, TypedCharactersByKind) {
  struct Case {
    TEditorType kind;
    const char* text;
    int selStart, selLength;
    int key;
    Qt::KeyboardModifiers mods;
    const char* result;
    bool beep;
  } cases[] = {
      {edNormal, "ab", 2, 0, Qt::Key_C, Qt::NoModifier, "abc", false},
      {edNumeric, "12", 2, 0, Qt::Key_3, Qt::NoModifier, "123", false},
      {edNumeric, "12", 2, 0, Qt::Key_A, Qt::NoModifier, "12", true},
      {edNumeric, "12", 0, 0, Qt::Key_Minus, Qt::NoModifier, "-12", false},
      {edNumeric, "12", 1, 0, Qt::Key_Minus, Qt::NoModifier, "12", true},
      {edNumeric, "-1", 0, 1, Qt::Key_Minus, Qt::NoModifier, "-1", true},  // even over a selected "-"
      {edPositiveNumeric, "5", 0, 0, Qt::Key_Minus, Qt::NoModifier, "5", true},
      {edFloat, "1", 1, 0, Qt::Key_Period, Qt::NoModifier, "1.", false},
      {edFloat, "1.5", 3, 0, Qt::Key_Period, Qt::NoModifier, "1.5", false},   // second separator: silent
      {edFloat, "1", 1, 0, Qt::Key_Comma, Qt::NoModifier, "1", false},        // thousand separator: silent
      {edFloat, "-1", 0, 1, Qt::Key_Minus, Qt::NoModifier, "-1", false},      // replaces the selected "-"
      {edFloat, "1", 1, 0, Qt::Key_X, Qt::NoModifier, "1", false},            // dropped without a sound
      {edPositiveFloat, "1", 0, 0, Qt::Key_Minus, Qt::NoModifier, "1", false},
      {edUpperCase, "A", 1, 0, Qt::Key_B, Qt::NoModifier, "AB", false},
      {edCapital, "A", 1, 0, Qt::Key_B, Qt::NoModifier, "AB", false},
      {edLowerCase, "a", 1, 0, Qt::Key_B, Qt::ShiftModifier, "ab", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(QString("kind %1 text %2 key %3").arg(c.kind).arg(c.text).arg(c.key).toStdString());
    Open(c.kind, c.text, c.selStart, c.selLength);
    const int beeps = MessageBeepCount();
    PressKey(Editor(), c.key, c.mods);
    EXPECT_EQ(Editor()->Text(), c.result);
    EXPECT_EQ(MessageBeepCount() - beeps, c.beep ? 1 : 0);
    Close();
  }
}

TEST_F(InplaceEditor, LengthLimitAndCtrlA) {
  grid->SetMaxEditLength(3);
  Open(edNormal, "abc", 3, 0);
  const int beeps = MessageBeepCount();
  PressKey(Editor(), Qt::Key_D);
  EXPECT_EQ(Editor()->Text(), "abc");  // dropped without a sound
  Editor()->SetSelStart(1);
  Editor()->SetSelLength(1);
  PressKey(Editor(), Qt::Key_D);
  EXPECT_EQ(Editor()->Text(), "adc");  // a selection is replaced
  PressKey(Editor(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(Editor()->SelLength(), 3);
  EXPECT_EQ(Editor()->Text(), "adc");
  EXPECT_EQ(MessageBeepCount(), beeps);
  Close();
}

TEST_F(InplaceEditor, PastedTextsByKind) {
  struct Case {
    TEditorType kind;
    const char* text;
    const char* pasted;
    const char* result;
  } cases[] = {
      {edNumeric, "", "12\r\n", "12"},          // one trailing line break is dropped
      {edNumeric, "", "1\r\n2", ""},            // a break inside is kept and refused
      {edNumeric, "", "12a", ""},
      {edCapital, "", "abc", "abc"},            // pasting keeps the case typing would change
      {edUpperCase, "", "abc", "ABC"},
      {edFloat, "", "-1.5", "-1.5"},
      {edPositiveFloat, "", "-1.5", ""},
      {edNormal, "", "toolong", ""},            // longer than the limit
  };
  grid->SetMaxEditLength(6);
  for (const Case& c : cases) {
    SCOPED_TRACE(QString("kind %1 pasted %2").arg(c.kind).arg(c.pasted).toStdString());
    Open(c.kind, c.text, 0, 0);
    Clipboard()->SetAsText(c.pasted);
    PressKey(Editor(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(Editor()->Text(), c.result);
    Close();
  }
}

TEST_F(InplaceEditor, PasteEventsMayVetoOrRewrite) {
  grid->OnClipboardBeforePasteCell = [](TObject*, int, int, QString& v, bool&) { v = "rewritten"; };
  grid->OnClipboardAfterPasteCell = [this](TObject*, int c, int r, const QString& v) {
    log.push_back(QString("after %1,%2 %3").arg(c).arg(r).arg(v));
  };
  Open(edNormal, "", 0, 0);
  Clipboard()->SetAsText("x");
  PressKey(Editor(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Editor()->Text(), "rewritten");
  EXPECT_EQ(log, (std::vector<QString>{"after 2,2 rewritten"}));
  grid->OnClipboardPaste = [](TObject*, bool& allow) { allow = false; };
  Editor()->SelectAll();
  PressKey(Editor(), Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(Editor()->Text(), "rewritten");
  Close();
}

TEST_F(InplaceEditor, RefusedEnterAndTabKeepTheEditorOpen) {
  grid->OnCellValidate = [](TObject*, int, int, QString&, bool& valid) { valid = false; };
  for (int key : {Qt::Key_Return, Qt::Key_Tab}) {
    Open(edNormal, "a", 1, 0);
    PressKey(Editor(), Qt::Key_B);
    PressKey(Editor(), key);
    EXPECT_TRUE(Editor()->Visible());
    EXPECT_TRUE(Editor()->Focused());
    EXPECT_EQ(Editor()->Text(), "ab");
    EXPECT_EQ(grid->Cells(2, 2), "a");
    EXPECT_EQ(grid->Col(), 2);
    Close();
  }
}

// The editor is a multi-line edit: where the grid lets a line break be typed,
// it holds one; Up and Down move between its lines before they leave the cell.
TEST_F(InplaceEditor, LineBreaksWhereTheGridAllowsThem) {
  struct Case {
    const char* name;
    bool lineFeedOnEnter, allowCtrlEnter;
    Qt::KeyboardModifiers mods;
    TEditorType kind;
    const char* text;
  } cases[] = {
      {"Enter with LineFeedOnEnter", true, false, Qt::NoModifier, edNormal, "a\r\nb"},
      {"Ctrl+Enter with AllowCtrlEnter in a word-wrapped grid", false, true, Qt::ControlModifier, edNormal,
       "a\r\nb"},
      {"Ctrl+Enter without AllowCtrlEnter", false, false, Qt::ControlModifier, edNormal, "ab"},
      {"a password stays on one line", false, true, Qt::ControlModifier, edPassword, "ab"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->Navigation()->LineFeedOnEnter = c.lineFeedOnEnter;
    grid->Navigation()->AllowCtrlEnter = c.allowCtrlEnter;
    Open(c.kind, "", 0, 0);
    PressKey(Editor(), Qt::Key_A);
    PressKey(Editor(), Qt::Key_Return, c.mods);
    ASSERT_TRUE(Editor()->Visible());
    PressKey(Editor(), Qt::Key_B);
    EXPECT_EQ(Editor()->Text(), QString::fromLatin1(c.text));
    EXPECT_EQ(grid->Row(), 2);
    Close();
  }
  grid->Navigation()->LineFeedOnEnter = false;
  grid->Navigation()->AllowCtrlEnter = false;
}

TEST_F(InplaceEditor, UpAndDownMoveBetweenLinesFirst) {
  Open(edNormal, "one\r\ntwo\r\nthree", 0, 0);
  Editor()->SetSelStart(Editor()->Text().size());  // on the last line
  PressKey(Editor(), Qt::Key_Up);
  EXPECT_EQ(Editor()->LineFromChar(Editor()->CaretPos()), 1);
  PressKey(Editor(), Qt::Key_Up);
  EXPECT_EQ(Editor()->LineFromChar(Editor()->CaretPos()), 0);
  EXPECT_TRUE(Editor()->Visible());
  EXPECT_EQ(grid->Row(), 2);
  PressKey(Editor(), Qt::Key_Down);
  EXPECT_EQ(Editor()->LineFromChar(Editor()->CaretPos()), 1);
  EXPECT_EQ(grid->Row(), 2);
  // From the first line Up leaves the cell.
  PressKey(Editor(), Qt::Key_Up);
  PressKey(Editor(), Qt::Key_Up);
  EXPECT_EQ(grid->Row(), 1);
}

// F2 and a typed character open the editor with the selection EditSelectAll
// asks for: the text selected (typing replaces it), or the caret after it.
TEST_F(InplaceEditor, F2AndTypingFollowEditSelectAll) {
  struct Case {
    bool selectAll;
    int key;
    int selStart, selLength;
    const char* text;
  } cases[] = {
      {true, Qt::Key_F2, 0, 4, "text"},
      {false, Qt::Key_F2, 4, 0, "text"},
      {true, Qt::Key_X, 1, 0, "x"},
      {false, Qt::Key_X, 5, 0, "textx"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "EditSelectAll " << c.selectAll << " key " << c.key);
    grid->Navigation()->EditSelectAll = c.selectAll;
    grid->SetCells(3, 3, "text");
    grid->MoveTo(3, 3);
    grid->SetFocus();
    PressKey(grid, c.key);
    ProcessEvents();
    ASSERT_TRUE(Editor() && Editor()->Visible());
    EXPECT_EQ(Editor()->Text(), QString::fromLatin1(c.text));
    EXPECT_EQ(Editor()->SelStart(), c.selStart);
    EXPECT_EQ(Editor()->SelLength(), c.selLength);
    Close();
  }
  grid->Navigation()->EditSelectAll = true;
}

TEST_F(InplaceEditor, FocusLossValidatesAndSignalsOnce) {
  grid->OnCellValidate = [this](TObject*, int c, int r, QString& v, bool&) {
    log.push_back(QString("validate %1,%2 %3").arg(c).arg(r).arg(v));
  };
  grid->OnEditingDone = [this](TObject*) { log.push_back("editing done"); };
  grid->OnEditCellDone = [this](TObject*, int c, int r) { log.push_back(QString("edit cell done %1,%2").arg(c).arg(r)); };
  Open(edNormal, "x", 1, 0);
  PressKey(Editor(), Qt::Key_Y);
  other->SetFocus();
  ProcessEvents();
  EXPECT_EQ(log, (std::vector<QString>{"validate 2,2 xy", "editing done", "edit cell done 2,2"}));
  EXPECT_EQ(grid->Cells(2, 2), "xy");
  EXPECT_FALSE(Editor()->Visible());
}

}  // namespace

namespace {

struct LeavingKeys : ::testing::Test, EditGridFixture {};

TEST_F(LeavingKeys, LeftAtTheStartStaysAndPageKeysValidateFirst) {
  int validations = 0;
  bool refuse = true;
  grid->OnCellValidate = [&](TObject*, int, int, QString&, bool& valid) {
    ++validations;
    valid = !refuse;
  };
  grid->SetCells(2, 2, "a");
  OpenAt(2, 2);
  PressKey(Editor(), Qt::Key_B);
  Editor()->SetSelStart(0);
  PressKey(Editor(), Qt::Key_Left);
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_TRUE(Editor()->Visible());
  EXPECT_EQ(validations, 0);

  PressKey(Editor(), Qt::Key_PageDown);
  EXPECT_EQ(validations, 1);
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_TRUE(Editor()->Visible());
  EXPECT_EQ(grid->Cells(2, 2), "a");

  refuse = false;
  PressKey(Editor(), Qt::Key_PageDown);
  EXPECT_EQ(validations, 2);
  EXPECT_EQ(grid->Cells(2, 2), "ab");
  EXPECT_GT(grid->Row(), 2);
}

}  // namespace

namespace {

struct CursorWalk : ::testing::Test, EditGridFixture {};

TEST_F(CursorWalk, LeftAndRightAtTheEdgesWalkToTheNeighbourCells) {
  grid->Navigation()->CursorWalkEditor = true;
  grid->Navigation()->CursorWalkAlwaysEdit = false;
  grid->SetCells(2, 2, "ab");
  OpenAt(2, 2);
  Editor()->SetSelStart(0);
  PressKey(Editor(), Qt::Key_Left);
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_FALSE(Editor()->Visible());

  OpenAt(2, 2);
  Editor()->SetSelStart(1);
  PressKey(Editor(), Qt::Key_Right);  // the caret moves to the end first
  EXPECT_EQ(grid->Col(), 2);
  PressKey(Editor(), Qt::Key_Right);
  EXPECT_EQ(grid->Col(), 3);

  // A check box on the left is reached without opening an editor there.
  grid->AddCheckBox(1, 3, cbUnchecked);
  OpenAt(2, 3);
  Editor()->SetSelStart(0);
  PressKey(Editor(), Qt::Key_Left);
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_FALSE(grid->EditModeActive());
}

}  // namespace
