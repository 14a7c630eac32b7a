// The detail drop-down: type-ahead completion from the captions, Enter and
// Escape, the list lookup once the pop-up was opened, the list keys, a
// cancelled close, the rows' list images and the notes drawn as mini-HTML.
#include <gtest/gtest.h>

#include <algorithm>

#include "grid/dropdown/detail_drop_down.h"
#include "grid/dropdown/drop_down_form.h"
#include "grid/dropdown/item_selector.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/form.h"
#include "platform/ui/image_list.h"
#include "tests/support/ui_input.h"

namespace {

class DetailTest : public ::testing::Test {
protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(50, 50, 400, 300);
    dd = new TExDetailDropDown(form);
    dd->SetParent(form);
    for (const char* c : {"Apple", "Apricot", "Banana"}) {
      TDetailItem* item = dd->Items()->Add();
      item->SetCaption(QString::fromLatin1(c));
      item->Notes = QStringLiteral("<b>fruit</b>");
    }
    dd->OnSelect = [this](TObject*) { ++selects; };
    dd->OnChange = [this](TObject*) { ++changes; };
    form->Show();
    dd->SetFocus();
  }
  void TearDown() override { delete form; }
  void Type(const char* chars) {
    for (const char* c = chars; *c; ++c) PressKey(dd, Qt::Key_A + (*c - 'a'));
  }
  QString Selected() const {
    TEdit* e = dd;
    return dd->EditText().mid(e->SelStart(), e->SelLength());
  }
  TForm* form = nullptr;
  TExDetailDropDown* dd = nullptr;
  int selects = 0, changes = 0;
};

TEST_F(DetailTest, TypeAheadCompletion) {
  Type("ap");
  EXPECT_EQ(dd->EditText(), QStringLiteral("apple"));  // the letters as typed, the tail completed
  EXPECT_EQ(Selected(), QStringLiteral("ple"));
  EXPECT_EQ(selects, 0);
  EXPECT_EQ(dd->ItemIndex(), 0);
  Type("r");
  EXPECT_EQ(dd->EditText(), QStringLiteral("apricot"));
  EXPECT_EQ(Selected(), QStringLiteral("icot"));
  EXPECT_EQ(dd->ItemIndex(), 1);
  // After Backspace no completion until another key.
  PressKey(dd, Qt::Key_Backspace);
  EXPECT_EQ(dd->EditText(), QStringLiteral("apr"));
  // A caption longer than 255 characters completes at most 255 of its tail.
  dd->Items()->Add()->SetCaption(QStringLiteral("Z") + QString(300, u'z'));
  dd->SetTextUnformatted(QString());
  Type("z");
  EXPECT_EQ(dd->EditText().size(), 1 + 255);
}

TEST_F(DetailTest, MatchCaseCompletesNothing) {
  dd->MatchCase = true;
  Type("ap");
  EXPECT_EQ(dd->EditText(), QStringLiteral("ap"));
  EXPECT_EQ(dd->ItemIndex(), -1);
}

TEST_F(DetailTest, EnterAndEscape) {
  dd->SetTextUnformatted(QStringLiteral("Cherry"));
  PressKey(dd, Qt::Key_Return);  // no caption equals it
  EXPECT_EQ(dd->ItemIndex(), -1);
  EXPECT_EQ(selects, 0);
  dd->SetTextUnformatted(QStringLiteral("Apricot"));
  PressKey(dd, Qt::Key_Return);
  EXPECT_EQ(dd->ItemIndex(), 1);
  EXPECT_EQ(selects, 1);
  dd->SetItemIndex(0);
  dd->SetTextUnformatted(QStringLiteral("Banana"));
  PressKey(dd, Qt::Key_Escape);  // Esc takes the item whose caption is the text
  EXPECT_EQ(dd->ItemIndex(), 2);
  dd->SetItemIndex(-1);
  EXPECT_EQ(dd->EditText(), QString());
  dd->SetItemIndex(3);  // beyond the items
  EXPECT_EQ(dd->ItemIndex(), -1);
}

// The open list keeps the arrows; a cancelled close restores the item.
TEST_F(DetailTest, PopupKeysAndCancel) {
  dd->SetItemIndex(0);
  dd->ShowDropDown();
  ASSERT_TRUE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemSelector()->Items()->Count(), 3);
  EXPECT_EQ(dd->DropDownForm()->Width(), dd->Width());
  TEdit* e = dd;
  SendMessage(dd, WM_KEYDOWN, VK_DOWN, 0);
  SendMessage(dd, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_TRUE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 2);
  EXPECT_EQ(dd->EditText(), QStringLiteral("Banana"));
  EXPECT_EQ(e->SelLength(), 6);  // all selected
  dd->HideDropDown(true);
  EXPECT_EQ(dd->ItemIndex(), 0);
  // Picking with the mouse closes and takes the caption.
  dd->ShowDropDown();
  TCustomItemSelector* panel = dd->ItemSelector()->Panel();
  const TRect r = panel->GetItemRect(1);
  MouseClick(panel, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 1);
  EXPECT_EQ(dd->EditText(), QStringLiteral("Apricot"));
}

// Once the list exists, a letter first looks the item up in the list.
TEST_F(DetailTest, ListLookupAfterOpening) {
  dd->ShowDropDown();
  dd->HideDropDown(false);
  dd->SetFocus();
  const int before = selects;
  KeyDownOnly(dd, Qt::Key_B);
  EXPECT_EQ(dd->ItemIndex(), 2);
  EXPECT_GT(selects, before);
}

// Each channel within 40 of the colour's (anti-aliased text keeps its core).
bool Near(TColor a, TColor b) {
  for (int shift : {0, 8, 16})
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 40) return false;
  return true;
}

// A row without an own picture shows its image of Images; its notes are
// mini-HTML (a colour tag colours them).
TEST_F(DetailTest, ListImagesAndHtmlNotes) {
  auto* list = new TImageList(form);
  TBitmap green;
  green.SetSize(16, 16);
  green.Canvas()->Brush()->SetColor(0x00FF00);
  green.Canvas()->FillRect(Rect(0, 0, 16, 16));
  green.Canvas()->ReleasePainter();
  list->Add(&green);
  dd->SetImages(list);
  dd->Items()->Items(0)->SetImageIndex(0);
  dd->Items()->Items(0)->Notes = QStringLiteral("<font color=\"#FF0000\">red note</font>");
  dd->ShowDropDown();
  TCustomItemSelector* panel = dd->ItemSelector()->Panel();
  ASSERT_TRUE(panel);
  TBitmap shot;
  shot.SetSize(panel->Width(), panel->Height());
  panel->PaintTo(shot.Canvas(), 0, 0);
  auto found = [&](int index, TColor colour) {
    const TRect r = panel->GetItemRect(index);
    for (int x = r.Left; x < r.Right; ++x)
      for (int y = r.Top; y < r.Bottom; ++y)
        if (Near(shot.Canvas()->Pixel(x, y), colour)) return true;
    return false;
  };
  EXPECT_TRUE(found(0, TColor(0x00FF00)));   // the list image
  EXPECT_TRUE(found(0, TColor(0x0000FF)));   // the red notes
  EXPECT_FALSE(found(1, TColor(0x00FF00)));  // no image index: no image
  EXPECT_FALSE(found(1, TColor(0x0000FF)));
  dd->HideDropDown(true);
}

// The notes under a caption are drawn by the mini-HTML renderer: a colour tag
// shows in its colour and no tag text is drawn.
TEST_F(DetailTest, NotesAreDrawnAsMiniHtml) {
  dd->Items()->Items(1)->Notes = QStringLiteral("<FONT COLOR=\"clred\">WWWW</FONT>");
  dd->NotesFont()->SetColor(clBlack);
  dd->ItemHeight = 40;  // room for the notes' line under the caption
  dd->ShowDropDown();
  TCustomItemSelector* panel = dd->ItemSelector()->Panel();
  ASSERT_NE(panel, nullptr);
  TBitmap b(panel->Width(), panel->Height());
  panel->PaintTo(b.Canvas(), 0, 0);
  auto redIn = [&](const TRect& r) {
    int n = 0;
    for (int y = std::max(0, r.Top); y < std::min(r.Bottom, b.Height()); ++y)
      for (int x = std::max(0, r.Left); x < std::min(r.Right, b.Width()); ++x) n += b.Canvas()->Pixel(x, y) == clRed;
    return n;
  };
  EXPECT_GT(redIn(panel->GetItemRect(1)), 5);
  EXPECT_EQ(redIn(panel->GetItemRect(0)), 0);  // bold notes in black
  dd->HideDropDown(false);
}

}  // namespace
