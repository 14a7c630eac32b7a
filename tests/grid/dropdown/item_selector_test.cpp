// The item selector: tiles laid out in rows of Columns, selection and hot
// tracking with disabled items refused by the navigation keys, the lookup
// by the start of a caption, and mini-HTML captions measured and drawn.
#include "grid/dropdown/item_selector.h"

#include <gtest/gtest.h>

#include "platform/rtl/exceptions.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/form.h"

namespace {

class SelectorTest : public ::testing::Test {
protected:
  void SetUp() override {
    form = new TForm(nullptr);
    host = new TExCustomItemSelector(form);
    host->SetParent(form);
    host->SetBounds(0, 0, 300, 200);
    host->OnItemSelect = [this](TObject*) { ++selects; };
  }
  void TearDown() override { delete form; }
  void Fill(std::initializer_list<const char*> captions) {
    for (const char* c : captions) host->Items()->Add()->SetCaption(QString::fromUtf8(c));
    host->UpdateSelectorPanel();
  }
  TForm* form = nullptr;
  TExCustomItemSelector* host = nullptr;
  int selects = 0;
};

TEST_F(SelectorTest, NoItems) {
  host->UpdateSelectorPanel();
  int w = 0, h = 0;
  host->GetSelectorPanelSize(w, h);
  EXPECT_EQ(w, 100);
  EXPECT_EQ(h, 50);
  EXPECT_EQ(host->GetVisibleItemCount(), 0);
  host->SelectNext();
  EXPECT_EQ(host->ItemIndex(), -1);
  EXPECT_FALSE(host->LookupItem(QStringLiteral("A")));
}

// Five tiles in two columns: rows of 2, 2 and 1, touching, inside a 2-pixel margin.
TEST_F(SelectorTest, FiveItemsInTwoColumns) {
  host->SetColumns(2);
  Fill({"One", "Two", "Three", "Four", "Five"});
  const TRect first = host->Panel()->GetItemRect(0);
  const int cx = first.Right - first.Left, cy = first.Bottom - first.Top;
  ASSERT_GT(cx, 0);
  ASSERT_GT(cy, 0);
  const TPoint expected[] = {{2, 2}, {2 + cx, 2}, {2, 2 + cy}, {2 + cx, 2 + cy}, {2, 2 + 2 * cy}};
  for (int i = 0; i < 5; ++i) {
    const TRect r = host->Panel()->GetItemRect(i);
    EXPECT_EQ(r.Left, expected[i].X) << i;
    EXPECT_EQ(r.Top, expected[i].Y) << i;
  }
  int w = 0, h = 0;
  host->GetSelectorPanelSize(w, h);
  EXPECT_EQ(w, 2 + 2 * cx + 2);
  EXPECT_EQ(h, 2 + 3 * cy + 2);
  EXPECT_EQ(host->Panel()->ItemAtXY(2 + cx, 2 + cy), 3);
  EXPECT_EQ(host->Panel()->ItemAtXY(2 + 2 * cx, 2), -1);  // right edges are outside
  host->SetColumns(0);
  EXPECT_EQ(host->Columns(), 2);
  EXPECT_EQ(host->Panel()->GetItemRect(5).Left, -1);
}

// Tile size: caption width plus 4, inner margins 4 on each side.
TEST_F(SelectorTest, TileSizeFromCaptionOrEvent) {
  Fill({"Wide caption"});
  TSize size{0, 0};
  host->Panel()->GetItemSize(size);
  EXPECT_EQ(host->Panel()->GetItemRect(0).Right - host->Panel()->GetItemRect(0).Left, size.cx);
  host->OnItemSize = [](TObject*, TSize& s) { s = {40, 30}; };
  host->UpdateSelectorPanel();
  EXPECT_EQ(host->Panel()->GetItemRect(0).Bottom, 2 + 30);
  host->SetSelectorType(stColor);
  host->OnItemSize = nullptr;
  host->Items()->Items(0)->SetCaption(QString());
  host->Panel()->GetItemSize(size);
  EXPECT_EQ(size.cx, 8 + 14);  // the colour box and the margins
  EXPECT_EQ(size.cy, 8 + 14);
}

// A caption is a mini-HTML text: the tile is sized by its layout (bold is
// wider, a colour tag takes no room) and the caption drawn in its colours.
TEST_F(SelectorTest, MiniHtmlCaptions) {
  form->Show();
  Fill({"WWWW"});
  TSize plain{0, 0}, bold{0, 0}, coloured{0, 0};
  host->Panel()->GetItemSize(plain);
  host->Items()->Items(0)->SetCaption(QStringLiteral("<B>WWWW</B>"));
  host->UpdateSelectorPanel();
  host->Panel()->GetItemSize(bold);
  host->Items()->Items(0)->SetCaption(QStringLiteral("<FONT COLOR=\"clred\">WWWW</FONT>"));
  host->UpdateSelectorPanel();
  host->Panel()->GetItemSize(coloured);
  EXPECT_GT(bold.cx, plain.cx);
  EXPECT_EQ(coloured, plain);
  TCustomItemSelector* panel = host->Panel();
  TBitmap b(panel->Width(), panel->Height());
  panel->PaintTo(b.Canvas(), 0, 0);
  const TRect r = panel->GetItemRect(0);
  int red = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) red += b.Canvas()->Pixel(x, y) == clRed;
  EXPECT_GT(red, 5);
}

// Moves go one index at a time; a disabled item refuses the move and the
// selection stays; selecting the selected item fires again; too large an
// index is ignored.
TEST_F(SelectorTest, NavigationAndDisabledItems) {
  Fill({"A", "B", "C", "D"});
  host->Items()->Items(2)->Enabled = false;
  host->SelectNext();
  EXPECT_EQ(host->ItemIndex(), 0);
  host->SelectNext();
  EXPECT_EQ(host->ItemIndex(), 1);
  host->SelectNext();
  EXPECT_EQ(host->ItemIndex(), 1);
  host->SetItemIndex(2);
  EXPECT_EQ(host->ItemIndex(), 1);
  host->SelectLast();
  EXPECT_EQ(host->ItemIndex(), 3);
  host->SelectNext();
  EXPECT_EQ(host->ItemIndex(), 3);
  selects = 0;
  host->SetItemIndex(3);
  EXPECT_EQ(selects, 1);
  host->SetItemIndex(7);
  EXPECT_EQ(host->ItemIndex(), 3);
  EXPECT_EQ(selects, 1);
  host->SetItemIndex(-1);
  EXPECT_EQ(host->ItemIndex(), -1);
  host->HotNext();
  host->HotNext();
  host->HotNext();
  EXPECT_EQ(host->ItemHot(), 1);
  host->UpdateSelectorPanel();
  EXPECT_EQ(host->ItemHot(), -1);  // every layout clears the hot item
}

// Lookup by the start of the plain, trimmed, upper-cased caption; the letters
// are not upper-cased themselves.
TEST_F(SelectorTest, LookupRules) {
  Fill({"<b>Zulu</b>", "  abacus ", "<i>ABBA</i>"});
  EXPECT_TRUE(host->LookupItem(QStringLiteral("AB")));
  EXPECT_EQ(host->ItemIndex(), 1);
  EXPECT_TRUE(host->LookupItem(QStringLiteral("ZU")));
  EXPECT_EQ(host->ItemIndex(), 0);
  EXPECT_FALSE(host->LookupItem(QStringLiteral("ab")));
  EXPECT_FALSE(host->LookupItem(QString()));
  host->Items()->Items(2)->Enabled = false;
  EXPECT_TRUE(host->LookupItem(QStringLiteral("ABB")));  // found, though the item refuses
  EXPECT_EQ(host->ItemIndex(), 0);
}

TEST(ItemSelectorPanel, InvalidParent) {
  TForm form(nullptr);
  try {
    TCustomItemSelector panel(&form);
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, QStringLiteral("Invalid parent"));
  }
}

TEST(ItemAppearance, ColorStyles) {
  TItemAppearance a(nullptr);
  EXPECT_EQ(a.ColorStyle(), scOffice2007);
  EXPECT_EQ(a.ColorSelected, static_cast<TColor>(0xA6FFFB));
  a.SetColorStyle(scWindows7);
  EXPECT_EQ(a.ColorHot, static_cast<TColor>(0xFCEBDC));
  EXPECT_EQ(a.ColorMirrorHot, clNone);
  a.ColorHot = 0x123456;
  a.SetColorStyle(scCustom);
  EXPECT_EQ(a.ColorHot, static_cast<TColor>(0x123456));
}

}  // namespace
