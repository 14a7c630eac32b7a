// The track-bar and memo drop-downs: the track bar's keys, clamping and mouse
// drag; the memo's edit text, its keys in the pop-up and what a cancelled or an
// accepted close keeps.
#include <gtest/gtest.h>

#include "grid/dropdown/drop_down_form.h"
#include "grid/dropdown/memo_drop_down.h"
#include "grid/dropdown/track_bar_drop_down.h"
#include "platform/ui/form.h"
#include "platform/ui/track_bar.h"
#include "tests/support/ui_input.h"

namespace {

class TrackBarTest : public ::testing::Test {
protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(50, 50, 400, 200);
    dd = new TExTrackBarDropDown(form);
    dd->SetParent(form);
    form->Show();
  }
  void TearDown() override { delete form; }
  TForm* form = nullptr;
  TExTrackBarDropDown* dd = nullptr;
};

TEST_F(TrackBarTest, DownAndUpStepWithinTheRange) {
  EXPECT_EQ(dd->EditText(), QStringLiteral("0"));
  int changes = 0;
  dd->OnTrackChange = [&](TObject*) { ++changes; };
  for (int i = 1; i <= 12; ++i) SendMessage(dd, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(dd->Position(), 10);
  EXPECT_EQ(dd->EditText(), QStringLiteral("10"));
  EXPECT_EQ(changes, 10);
  for (int i = 1; i <= 12; ++i) SendMessage(dd, WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(dd->Position(), 0);
  EXPECT_EQ(dd->EditText(), QStringLiteral("0"));
}

TEST_F(TrackBarTest, MaxClampsThePosition) {
  dd->SetPosition(8);
  dd->SetMax(5);
  EXPECT_EQ(dd->Position(), 5);
  EXPECT_EQ(dd->TrackBar()->Position(), 5);
}

// A drag moves by the distance divided by the page size; a page size of 0
// moves nothing.
TEST_F(TrackBarTest, DragOverTheEdit) {
  MousePress(dd, 20, 5);
  MouseMoveTo(dd, 30, 5, Qt::LeftButton);
  MouseRelease(dd, 30, 5);
  EXPECT_EQ(dd->Position(), 5);
  dd->HideDropDown(false);  // the press also opened the pop-up
  dd->SetPageSize(0);
  MousePress(dd, 20, 5);
  MouseMoveTo(dd, 60, 5, Qt::LeftButton);
  MouseRelease(dd, 60, 5);
  EXPECT_EQ(dd->Position(), 5);
}

// The pop-up accepts on deactivation; it is as wide as the edit.
TEST_F(TrackBarTest, PopupAcceptsOnDeactivation) {
  dd->ShowDropDown();
  EXPECT_EQ(dd->DropDownForm()->Width(), dd->Width());
  EXPECT_EQ(dd->DropDownForm()->Height(), 40 + 2);  // the track bar inside the border, no header or footer
  EXPECT_FALSE(dd->DropDownForm()->CancelOnDeActivate);
  // The arrow keys of the track bar stay with it (no dialog keys) and the edit follows.
  PressKey(dd->TrackBar(), Qt::Key_Right);
  EXPECT_EQ(dd->EditText(), QStringLiteral("1"));
  dd->TrackBar()->SetPosition(7);
  dd->DropDownForm()->ActivationChanged(false, false);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->EditText(), QStringLiteral("7"));
}

class MemoTest : public ::testing::Test {
protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(50, 50, 400, 200);
    dd = new TExMemoDropDown(form);
    dd->SetParent(form);
    form->Show();
  }
  void TearDown() override { delete form; }
  void SetLines(const QString& text) {
    TStringList l;
    l.SetText(text);
    dd->SetMemoText(l);
  }
  TForm* form = nullptr;
  TExMemoDropDown* dd = nullptr;
};

TEST_F(MemoTest, EditShowsFirstLineOrAll) {
  dd->SetEditorEnabled(false);
  SetLines(QStringLiteral("first\nsecond"));
  EXPECT_EQ(dd->EditText(), QStringLiteral("first..."));
  SetLines(QString(200, u'x'));
  EXPECT_TRUE(dd->EditText().endsWith(QStringLiteral("...")));
  EXPECT_LT(dd->EditText().size(), 200);
  dd->SetEditorEnabled(true);
  SetLines(QStringLiteral("first\nsecond"));
  EXPECT_TRUE(dd->EditText().startsWith(QStringLiteral("first")));
  EXPECT_EQ(dd->MemoLines(), QStringLiteral("first\r\nsecond"));
  dd->SetText(QStringLiteral("typed"));
  EXPECT_EQ(dd->MemoLines(), QStringLiteral("typed"));
}

// Escape in the memo closes cancelled and keeps the lines; a click elsewhere
// stores what was typed; Enter stays in the memo.
TEST_F(MemoTest, EscapeKeepsDeactivationStores) {
  SetLines(QStringLiteral("one"));
  dd->ShowDropDown();
  TMemo* memo = dd->Memo();
  memo->SetLinesText(QStringLiteral("changed"));
  PressKey(memo, Qt::Key_Return);
  EXPECT_TRUE(dd->DroppedDown());
  PressKey(memo, Qt::Key_Escape);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->MemoLines(), QStringLiteral("one"));
  dd->ShowDropDown();
  memo->SetLinesText(QStringLiteral("new\r\nlines"));
  dd->DropDownForm()->ActivationChanged(false, false);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->MemoLines(), QStringLiteral("new\r\nlines"));
}

}  // namespace
