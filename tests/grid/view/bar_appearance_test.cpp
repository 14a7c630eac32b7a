// The drop-down header and footer appearances: only Visible notifies, button
// changes reach OnButtonsChanged, Assign copies within one class only.
#include <gtest/gtest.h>

#include "grid/dropdown/header_footer_settings.h"

namespace {

TEST(BarAppearance, DefaultsAndNotifications) {
  THeaderAppearance header(nullptr);
  TFooterAppearance footer(nullptr);
  EXPECT_TRUE(header.Visible());
  EXPECT_EQ(header.Height, 22);
  EXPECT_EQ(header.Color, clSilver);
  EXPECT_EQ(header.ColorTo, clWhite);
  EXPECT_EQ(header.ButtonAlignment, baRight);
  EXPECT_EQ(header.Font()->Name(), "Tahoma");
  EXPECT_TRUE(footer.SizeGrip);

  int changes = 0, buttons = 0;
  header.OnChange = [&](TObject*) { ++changes; };
  header.OnButtonsChanged = [&](TObject*) { ++buttons; };
  header.SetVisible(true);
  header.Height = 40;
  EXPECT_EQ(changes, 0);
  header.SetVisible(false);
  EXPECT_EQ(changes, 1);

  THeaderButton* b = header.Buttons()->Add();  // adding reports nothing
  EXPECT_EQ(buttons, 0);
  EXPECT_EQ(b->ImageIndex, -1);
  EXPECT_TRUE(b->Enabled());
  b->Height = 5;
  b->ImageIndex = 2;
  EXPECT_EQ(buttons, 0);
  b->SetCaption("OK");
  b->SetWidth(30);
  b->SetEnabled(false);
  EXPECT_EQ(buttons, 3);
}

TEST(BarAppearance, AssignSameClassOnly) {
  TFooterAppearance source(nullptr), target(nullptr);
  source.Caption = "x";
  source.SizeGrip = false;
  source.SetVisible(false);
  TFooterButton* b = source.Buttons()->Add();
  b->ModalResult = 2;
  b->SetCaption("Cancel");
  int changes = 0;
  target.OnChange = [&](TObject*) { ++changes; };
  target.Assign(&source);
  EXPECT_EQ(target.Caption, "x");
  EXPECT_FALSE(target.SizeGrip);
  EXPECT_EQ(changes, 1);  // Visible through its setter
  ASSERT_EQ(target.Buttons()->Count(), 1);
  EXPECT_EQ(target.Buttons()->Items(0)->ModalResult, 2);
  EXPECT_EQ(target.Buttons()->Items(0)->Caption(), "Cancel");

  THeaderAppearance header(nullptr);
  header.Caption = "keep";
  header.Assign(&source);  // another class: nothing, no error
  EXPECT_EQ(header.Caption, "keep");

  THeaderAppearance colours(nullptr);
  colours.Color = clRed;
  colours.Caption = "no";
  header.AssignColors(&colours);
  EXPECT_EQ(header.Color, clRed);
  EXPECT_EQ(header.Caption, "keep");
}

}  // namespace
