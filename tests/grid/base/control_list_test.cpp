#include "grid/base/control_list.h"

#include "platform/rtl/exceptions.h"
#include "platform/ui/control.h"

#include <gtest/gtest.h>

namespace {

class PaintedLabel : public TGraphicControl {
public:
  explicit PaintedLabel(TComponent* AOwner) : TGraphicControl(AOwner) {}
};

TEST(ControlList, ItemsByCell) {
  TCustomControl a(nullptr), b(nullptr);
  TControlList list;
  list.AddControl(1, 2, &a);
  list.AddControl(3, 4, &b);
  list.AddControl(1, 2, &b);  // a second control in the same cell
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.ControlIndex(1, 2), 0);  // the first match
  EXPECT_EQ(list.ControlIndex(3, 4), 1);
  EXPECT_EQ(list.ControlIndex(2, 1), -1);
  EXPECT_EQ(list.Controls(1)->Control, &b);
  EXPECT_EQ(list.GetControl(2)->X, 1);
  EXPECT_THROW(list.Controls(3), EListError);

  list.RemoveControl(0);  // the item goes, the control stays
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.ControlIndex(1, 2), 1);
  EXPECT_TRUE(a.Widget() != nullptr);
  EXPECT_THROW(list.RemoveControl(5), EListError);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(ControlList, HasHandleFindsWindowedControlsOnly) {
  TCustomControl windowed(nullptr), other(nullptr);
  PaintedLabel painted(nullptr);
  TControlList list;
  list.AddControl(0, 0, &painted);
  EXPECT_FALSE(list.HasHandle(other.Widget()));
  EXPECT_FALSE(list.HasHandle(nullptr));
  list.AddControl(0, 1, &windowed);
  EXPECT_TRUE(list.HasHandle(windowed.Widget()));
  EXPECT_FALSE(list.HasHandle(other.Widget()));
}

}  // namespace
