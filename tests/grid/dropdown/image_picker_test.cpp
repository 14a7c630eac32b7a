// The image picker drop-down: items from a folder (pictures and the entries
// that are none), choosing by image index with its events, the list keys in
// the open pop-up and a cancelled close, and the edit area's picture.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "grid/dropdown/drop_down_form.h"
#include "grid/dropdown/image_picker_drop_down.h"
#include "platform/os/files.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/form.h"
#include "platform/ui/shapes.h"
#include "tests/support/ui_input.h"

namespace {

class ImagePickerTest : public ::testing::Test {
protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(50, 50, 400, 300);
    ip = new TExImagePickerDropDown(form);
    ip->SetParent(form);
    ip->OnChange = [this](TObject*) { events.push_back("change"); };
    ip->OnSelect = [this](TObject*) { events.push_back("select"); };
    form->Show();
  }
  void TearDown() override { delete form; }
  void AddIndexed(int n) {
    for (int i = 0; i < n; ++i) {
      TImageItem* item = ip->Items()->Add();
      item->SetImageIndex(i);
      item->SetCaption(QStringLiteral("Image %1").arg(i));
    }
  }
  TForm* form = nullptr;
  TExImagePickerDropDown* ip = nullptr;
  std::vector<std::string> events;
};

TEST_F(ImagePickerTest, ItemsFromAFolder) {
  QTemporaryDir dir;
  for (const char* name : {"b.bmp", "a.bmp"}) {
    TBitmap b;
    b.SetSize(8, 6);
    b.Canvas()->Brush()->SetColor(0x0000FF);
    b.Canvas()->FillRect(Rect(0, 0, 8, 6));
    b.Canvas()->ReleasePainter();
    b.SaveToFile(PathJoin(dir.path(), QString::fromLatin1(name)));
  }
  WriteFileWhole(PathJoin(dir.path(), QStringLiteral("note.txt")), "not a picture");
  ip->AddImagesFromFolder(dir.path() + QStringLiteral("/*.bmp"), true);
  ASSERT_EQ(ip->Items()->Count(), 2);
  EXPECT_EQ(ip->Items()->Items(0)->Caption(), QStringLiteral("a.bmp"));
  EXPECT_EQ(ip->Items()->Items(0)->Image()->Width(), 8);
  // Every entry: ".", "..", the pictures and the text file; the ones that are
  // no picture stay empty.
  ip->AddImagesFromFolder(dir.path() + QStringLiteral("/*"), true);
  ASSERT_EQ(ip->Items()->Count(), 2 + 5);
  int empty = 0;
  for (int i = 2; i < 7; ++i) empty += ip->Items()->Items(i)->Image()->Width() == 0 ? 1 : 0;
  EXPECT_EQ(empty, 3);
  ip->AddImagesFromFolder(dir.path() + QStringLiteral("/missing/*"), true);
  EXPECT_EQ(ip->Items()->Count(), 7);
}

TEST_F(ImagePickerTest, ChoosingByImageIndex) {
  AddIndexed(5);
  ip->SetImageIndex(3);
  EXPECT_EQ(ip->ItemIndex(), 3);
  EXPECT_EQ(ip->ImageIndex(), 3);
  EXPECT_EQ(events, (std::vector<std::string>{"change", "select"}));
  ip->SetItemIndex(3);  // unchanged: nothing
  EXPECT_EQ(events.size(), 2u);
  ip->SetImageIndex(7);  // no item: none chosen, both events
  EXPECT_EQ(ip->ItemIndex(), -1);
  EXPECT_EQ(ip->ImageIndex(), -1);
  EXPECT_EQ(events.size(), 4u);
  ip->SetItemIndex(5);  // beyond the items
  EXPECT_EQ(ip->ItemIndex(), -1);
}

// Keys of the open list move its selection; Esc gives the index of the opening back.
TEST_F(ImagePickerTest, PopupKeysAndCancel) {
  AddIndexed(5);
  ip->SetItemIndex(1);
  ip->ShowDropDown();
  EXPECT_EQ(ip->ItemSelector()->Items()->Count(), 5);
  EXPECT_EQ(ip->ItemSelector()->ItemIndex(), 1);
  SendMessage(ip, WM_KEYDOWN, VK_DOWN, 0);
  SendMessage(ip, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_TRUE(ip->DroppedDown());
  EXPECT_EQ(ip->ItemIndex(), 3);
  SendMessage(ip, WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ(ip->ItemIndex(), 4);
  ip->HideDropDown(true);
  EXPECT_EQ(ip->ItemIndex(), 1);
  // Closed: the arrows step the picker's own choice.
  SendMessage(ip, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(ip->ItemIndex(), 2);
  // A click on a tile picks it and closes.
  ip->ShowDropDown();
  TCustomItemSelector* panel = ip->ItemSelector()->Panel();
  const TRect r = panel->GetItemRect(4);
  MouseClick(panel, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  EXPECT_FALSE(ip->DroppedDown());
  EXPECT_EQ(ip->ItemIndex(), 4);
}

TEST_F(ImagePickerTest, EditAreaPicture) {
  AddIndexed(2);
  TBitmap shot;
  shot.SetSize(ip->Width(), ip->Height());
  shot.Canvas()->Brush()->SetColor(0x00FF00);
  shot.Canvas()->FillRect(Rect(0, 0, shot.Width(), shot.Height()));
  ip->SetItemIndex(0);
  ip->PaintSelectedImage(shot.Canvas());  // an empty picture: blank
  const TRect e = ip->EditRectangle();
  const TPoint mid{(e.Left + e.Right) / 2, (e.Top + e.Bottom) / 2};
  EXPECT_EQ(shot.Canvas()->Pixel(mid.X, mid.Y), TColor(0x00FF00));
  TPicture red;
  red.Bitmap()->SetSize(4, 4);
  red.Bitmap()->Canvas()->Brush()->SetColor(0x0000FF);
  red.Bitmap()->Canvas()->FillRect(Rect(0, 0, 4, 4));
  red.Bitmap()->Canvas()->ReleasePainter();
  ip->Items()->Items(1)->SetImage(&red);
  ip->SetItemIndex(1);
  ip->PaintSelectedImage(shot.Canvas());
  EXPECT_EQ(shot.Canvas()->Pixel(mid.X, mid.Y), TColor(0x0000FF));  // centred in the edit
}

}  // namespace
