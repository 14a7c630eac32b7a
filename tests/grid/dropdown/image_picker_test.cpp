// The image picker drop-down: items from a folder (pictures and the entries
// that are none) and from an image list, choosing by image index with its
// events, the list keys in the open pop-up and a cancelled close, and the edit
// area's picture or list image.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "grid/dropdown/drop_down_form.h"
#include "grid/dropdown/image_picker_drop_down.h"
#include "platform/os/files.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/form.h"
#include "platform/ui/image_list.h"
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

// Items from the image list: one per picture, after the items there were; the
// list's pictures in the edit area and in the tiles; a freed list is let go.
TEST_F(ImagePickerTest, ItemsFromTheImageList) {
  ip->AddImagesFromImageList();  // no list: nothing
  EXPECT_EQ(ip->Items()->Count(), 0);
  auto* list = new TImageList(form);
  list->SetWidth(12);
  list->SetHeight(10);
  const TColor colours[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF};
  for (TColor c : colours) {
    TBitmap b;
    b.SetSize(12, 10);
    b.Canvas()->Brush()->SetColor(c);
    b.Canvas()->FillRect(Rect(0, 0, 12, 10));
    b.Canvas()->ReleasePainter();
    list->Add(&b);
  }
  AddIndexed(1);
  ip->SetImages(list);
  ip->AddImagesFromImageList();
  ASSERT_EQ(ip->Items()->Count(), 6);
  for (int i = 1; i < 6; ++i) {
    EXPECT_EQ(ip->Items()->Items(i)->ImageIndex(), i - 1);
    EXPECT_EQ(ip->Items()->Items(i)->Caption(), QString());
  }
  ip->SetImageIndex(3);
  EXPECT_EQ(ip->ItemIndex(), 4);
  EXPECT_EQ(ip->ImageIndex(), 3);
  TBitmap shot;
  shot.SetSize(ip->Width(), ip->Height());
  shot.Canvas()->Brush()->SetColor(0xFFFFFF);
  shot.Canvas()->FillRect(Rect(0, 0, shot.Width(), shot.Height()));
  ip->PaintSelectedImage(shot.Canvas());
  const TRect e = ip->EditRectangle();
  EXPECT_EQ(shot.Canvas()->Pixel((e.Left + e.Right) / 2, (e.Top + e.Bottom) / 2), TColor(0x00FFFF));
  // The open list's tiles hold the list's pictures.
  ip->ShowDropDown();
  TExCustomItemSelector* s = ip->ItemSelector();
  EXPECT_EQ(s->Images(), list);
  TCustomItemSelector* panel = s->Panel();
  const TRect r = panel->GetItemRect(2);
  EXPECT_GE(r.Bottom - r.Top, 10);
  TBitmap tile;
  tile.SetSize(panel->Width(), panel->Height());
  panel->PaintTo(tile.Canvas(), 0, 0);
  bool green = false;
  for (int x = r.Left; x < r.Right && !green; ++x)
    for (int y = r.Top; y < r.Bottom && !green; ++y) green = tile.Canvas()->Pixel(x, y) == TColor(0x00FF00);
  EXPECT_TRUE(green);
  ip->HideDropDown(true);
  delete list;
  EXPECT_EQ(ip->Images(), nullptr);
  EXPECT_EQ(s->Images(), nullptr);
}

}  // namespace
