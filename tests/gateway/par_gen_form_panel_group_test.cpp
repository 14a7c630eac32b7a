// The category panel group of the communication-parameter form: stacking by Top,
// hidden panels, collapsing by the header, and the scroll bar.
#include "gateway/category_panel_group.h"

#include "platform/ui/form.h"
#include "platform/ui/shapes.h"
#include "tests/support/ui_input.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

class PanelGroup : public ::testing::Test {
protected:
  void SetUp() override {
    form_.reset(Create<TForm>(nullptr));
    form_->SetClientSize(300, 400);
    group_ = new TCategoryPanelGroup(form_.get());
    group_->SetParent(form_.get());
    group_->SetBounds(0, 0, 300, 200);
    for (int i = 0; i < 3; ++i) {
      panels_[i] = new TCategoryPanel(form_.get());
      panels_[i]->SetPanelGroup(group_);
      panels_[i]->SetHeight(100 + 10 * i);
    }
    // Ordered by Top: c, a, b.
    panels_[2]->SetTop(0);
    panels_[0]->SetTop(1000);
    panels_[1]->SetTop(2000);
  }

  std::unique_ptr<TForm> form_;
  TCategoryPanelGroup* group_ = nullptr;
  TCategoryPanel* panels_[3] = {};
};

}  // namespace

TEST_F(PanelGroup, StacksVisiblePanelsByTheirTopWithoutGaps) {
  EXPECT_EQ(panels_[2]->Top(), 0);
  EXPECT_EQ(panels_[0]->Top(), 120);
  EXPECT_EQ(panels_[1]->Top(), 220);
  EXPECT_EQ(group_->ContentHeight(), 330);
  panels_[0]->Hide();
  EXPECT_EQ(panels_[1]->Top(), 120);
  EXPECT_EQ(group_->ContentHeight(), 230);
  panels_[0]->Show();
  EXPECT_EQ(panels_[0]->Top(), 120);  // back in its place
  // The surface is the client area below the 24-pixel header.
  EXPECT_EQ(panels_[0]->Surface()->Top(), 24);
  EXPECT_EQ(panels_[0]->Surface()->Height(), 100 - 24);
  // Panels leave room for the scroll bar while one is needed.
  EXPECT_EQ(panels_[0]->Width(), 300 - TCategoryPanelGroup::kScroll_Bar_Width);
  group_->SetBounds(0, 0, 300, 400);
  EXPECT_FALSE(group_->ScrollBarShown());
  EXPECT_EQ(panels_[0]->Width(), 300);
}

TEST_F(PanelGroup, HeaderClickCollapsesAndExpands) {
  MouseClick(panels_[2], 50, 10);
  EXPECT_TRUE(panels_[2]->Collapsed());
  EXPECT_EQ(panels_[2]->Height(), 24);
  EXPECT_FALSE(panels_[2]->Surface()->Visible());
  EXPECT_EQ(panels_[0]->Top(), 24);
  // A height set while collapsed waits for the expansion.
  panels_[2]->SetHeight(150);
  EXPECT_EQ(panels_[2]->Height(), 24);
  MouseClick(panels_[2], 50, 10);
  EXPECT_FALSE(panels_[2]->Collapsed());
  EXPECT_EQ(panels_[2]->Height(), 150);
  EXPECT_EQ(panels_[0]->Top(), 150);
  // A click below the header does nothing.
  MouseClick(panels_[2], 50, 60);
  EXPECT_FALSE(panels_[2]->Collapsed());
}

TEST_F(PanelGroup, ScrollRequestsAndTheScrollBarStayWithinTheContent) {
  const int max = 330 - 200;
  group_->VScroll(TCategoryPanelGroup::SB_LINEDOWN);
  EXPECT_EQ(group_->VertScrollPos(), 8);
  EXPECT_EQ(panels_[2]->Top(), -8);
  group_->VScroll(TCategoryPanelGroup::SB_ENDSCROLL);
  EXPECT_EQ(group_->VertScrollPos(), 8);
  group_->VScroll(TCategoryPanelGroup::SB_PAGEDOWN);
  EXPECT_EQ(group_->VertScrollPos(), max);
  group_->VScroll(TCategoryPanelGroup::SB_LINEUP);
  EXPECT_EQ(group_->VertScrollPos(), max - 8);
  group_->VScroll(TCategoryPanelGroup::SB_TOP);
  EXPECT_EQ(group_->VertScrollPos(), 0);
  // A click on the track below the thumb pages down; dragging the thumb to the end
  // scrolls to the end.
  const int barX = 300 - 5;
  MouseClick(group_, barX, 190);
  EXPECT_EQ(group_->VertScrollPos(), max);
  group_->VScroll(TCategoryPanelGroup::SB_TOP);
  MousePress(group_, barX, 5);
  MouseMoveTo(group_, barX, 400, Qt::LeftButton);
  MouseRelease(group_, barX, 400);
  EXPECT_EQ(group_->VertScrollPos(), max);
  // Shrinking the content pulls the position back.
  panels_[1]->Hide();
  EXPECT_EQ(group_->VertScrollPos(), 220 - 200);
}

TEST_F(PanelGroup, WheelOverTheGroupItsHeadersAndClientAreasIsOffered) {
  std::vector<TPoint> offered;
  group_->OnMouseWheel = [&](TShiftState, int delta, TPoint at) {
    offered.push_back(at);
    return delta < 0;  // only turns towards the user are taken
  };
  const TPoint at = Point(40, 60);
  const intptr_t down = MakeWParam(0, -120);
  const intptr_t up = MakeWParam(0, 120);
  for (TControl* c : std::initializer_list<TControl*>{group_, panels_[0], panels_[0]->Surface()}) {
    EXPECT_EQ(c->Perform(WM_MOUSEWHEEL, down, MakeLParam(at.X, at.Y)), 1);
    c->Perform(WM_MOUSEWHEEL, up, MakeLParam(at.X, at.Y));
  }
  EXPECT_EQ(offered.size(), 6u);
  EXPECT_EQ(offered[0].X, 40);
  EXPECT_EQ(offered[0].Y, 60);
}
