// The drop-down edit: its defaults, the keys that open and close the pop-up,
// the reopen guard on an injected clock, the pop-up's place against a fake
// screen, the order of the opening and closing events, the cancelled close,
// the veto, typing through the control, the styles, the label and the border.
#include <gtest/gtest.h>

#include <QStringList>

#include "grid/dropdown/drop_down_button.h"
#include "grid/dropdown/drop_down_form.h"
#include "grid/dropdown/ex_button.h"
#include "grid/dropdown/ex_drop_down.h"
#include "platform/os/clock.h"
#include "platform/rtl/locale_settings.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/edit.h"
#include "platform/ui/labels.h"
#include "platform/ui/screen_metrics.h"
#include "tests/support/ui_input.h"

namespace {

class FakeScreen : public TScreenMetrics {
public:
  int height = 1024;
  TRect work = Rect(0, 0, 1280, 1024);
  int PrimaryScreenHeight() const override { return height; }
  TRect WorkAreaNear(TPoint) const override { return work; }
};

class DropDownTest : public ::testing::Test {
protected:
  void SetUp() override {
    SetClock(&clock);
    SetScreenMetrics(&screen);
    clock.Advance(10000);
    form = new TForm(nullptr);
    form->SetBounds(100, 100, 500, 300);
    dd = new TExCustomDropDown(form);
    dd->SetParent(form);
    dd->SetBounds(10, 20, 200, 21);
    dd->OnBeforeDropDown = [this](TObject*) { events << QStringLiteral("BeforeDropDown"); };
    dd->OnDropDown = [this](TObject*, bool& accept) {
      events << QStringLiteral("DropDown");
      accept = accept_drop;
    };
    dd->OnBeforeDropUp = [this](TObject*) { events << QStringLiteral("BeforeDropUp"); };
    dd->OnDropUp = [this](TObject*, bool cancelled) {
      events << QStringLiteral("DropUp %1 %2").arg(cancelled).arg(dd->DroppedDown());
    };
    form->Show();
  }
  void TearDown() override {
    delete form;
    SetKeyboardState({});
    SetScreenMetrics(nullptr);
    SetClock(nullptr);
  }
  bool Open() const { return dd->DropDownForm()->Visible(); }
  TPoint EditOnScreen() const { return form->ClientToScreen({dd->Left(), dd->Top()}); }
  void Key(int vk, TShiftState state = {}) {
    SetKeyboardState(state);
    SendMessage(dd, WM_KEYDOWN, vk, 0);
    SetKeyboardState({});
  }

  TManualClock clock;
  FakeScreen screen;
  TForm* form = nullptr;
  TExCustomDropDown* dd = nullptr;
  QStringList events;
  bool accept_drop = true;
};

TEST_F(DropDownTest, NewControlDefaults) {
  TExCustomDropDown fresh(nullptr);
  EXPECT_EQ(fresh.Width(), 200);
  EXPECT_EQ(fresh.Height(), 21);
  EXPECT_EQ(fresh.DropDownButtonWidth(), 17);
  EXPECT_EQ(fresh.Button()->Width(), 17);
  EXPECT_EQ(fresh.Version(), QStringLiteral("1.2.1.4"));
  EXPECT_EQ(fresh.DropDownColor, static_cast<TColor>(0xF3E5DA));
  EXPECT_EQ(fresh.DropDownColorTo, static_cast<TColor>(0xF0DED0));
  EXPECT_EQ(fresh.DropDownBorderColor, clNone);
  EXPECT_EQ(fresh.DropDownHeader()->Color, static_cast<TColor>(0xFFEFE3));
  EXPECT_EQ(fresh.DropDownHeader()->ColorTo, static_cast<TColor>(0xFFD2AF));
  EXPECT_EQ(fresh.DropDownHeader()->Font()->Color(), static_cast<TColor>(0x723708));
  EXPECT_FALSE(fresh.DroppedDown());
}

// Opening and closing raise their events in order; the close reports whether
// it was cancelled, with DroppedDown already off.
TEST_F(DropDownTest, OpenAndCloseEventOrder) {
  dd->ShowDropDown();
  EXPECT_TRUE(Open());
  EXPECT_TRUE(dd->DroppedDown());
  dd->HideDropDown(false);
  dd->ShowDropDown();
  dd->HideDropDown(true);
  EXPECT_EQ(events, (QStringList{"BeforeDropDown", "DropDown", "BeforeDropUp", "DropUp 0 0", "BeforeDropDown",
                                 "DropDown", "BeforeDropUp", "DropUp 1 0"}));
  EXPECT_FALSE(Open());
}

TEST_F(DropDownTest, VetoKeepsItClosed) {
  accept_drop = false;
  dd->ShowDropDown();
  EXPECT_EQ(events, (QStringList{"BeforeDropDown", "DropDown"}));
  EXPECT_FALSE(Open());
  EXPECT_FALSE(dd->DroppedDown());
  dd->SetReadOnly(true);
  accept_drop = true;
  events.clear();
  dd->ShowDropDown();
  EXPECT_TRUE(events.isEmpty());  // a read-only drop-down never opens
}

// A cancelled close writes back the text of the last SetText; an accepted one
// keeps what the pop-up wrote.
TEST_F(DropDownTest, CancelRestoresText) {
  dd->SetText(QStringLiteral("before"));
  dd->ShowDropDown();
  dd->SetTextUnformatted(QStringLiteral("picked"));
  dd->HideDropDown(true);
  EXPECT_EQ(dd->Text(), QStringLiteral("before"));
  dd->ShowDropDown();
  dd->SetTextUnformatted(QStringLiteral("picked"));
  dd->HideDropDown(false);
  EXPECT_EQ(dd->Text(), QStringLiteral("picked"));
}

// The pop-up (200 x 46: the edit's width, header, footer and border) below or
// above the edit, and shifted left into the work area.
TEST_F(DropDownTest, PlacementAgainstFakeScreen) {
  const TPoint p = EditOnScreen();
  struct Case {
    const char* name;
    TDropPosition pos;
    int screenHeight;
    TRect work;
    int left, top;
  };
  const Case cases[] = {
      {"down", dpDown, 1024, Rect(0, 0, 1280, 1024), p.X, p.Y + 20},
      {"down at the bottom", dpDown, p.Y + 10, Rect(0, 0, 1280, 1024), p.X, p.Y + 20},
      {"up", dpUp, 1024, Rect(0, 0, 1280, 1024), p.X, p.Y - 46},
      {"auto with room", dpAuto, p.Y + 47, Rect(0, 0, 1280, 1024), p.X, p.Y + 20},
      {"auto at the bottom", dpAuto, p.Y + 46, Rect(0, 0, 1280, 1024), p.X, p.Y - 46},
      {"shifted left", dpDown, 1024, Rect(0, 0, p.X + 150, 1024), p.X + 150 - 200, p.Y + 20},
      {"no shift left of 0", dpDown, 1024, Rect(-1280, 0, p.X + 150, 1024), p.X, p.Y + 20},
  };
  for (const Case& c : cases) {
    screen.height = c.screenHeight;
    screen.work = c.work;
    dd->DropPosition = c.pos;
    dd->SetDropDownWidth(0);  // forget the remembered size
    dd->SetDropDownHeight(1);
    dd->SetDropDownHeight(0);
    dd->ShowDropDown();
    TDropDownForm* f = dd->DropDownForm();
    EXPECT_EQ(f->Left(), c.left) << c.name;
    EXPECT_EQ(f->Top(), c.top) << c.name;
    EXPECT_EQ(f->Width(), 200) << c.name;
    EXPECT_EQ(f->Height(), 46) << c.name;
    dd->HideDropDown(false);
  }
}

// The size the user gave the pop-up comes back at the next opening, until the
// drop-down's own size is set.
TEST_F(DropDownTest, RemembersUserSize) {
  dd->ShowDropDown();
  dd->DropDownForm()->SizeByUser(260, 120);
  dd->DropDownForm()->SizeByUser(20, 20);  // never below 80 x 50
  EXPECT_EQ(dd->DropDownForm()->Width(), 80);
  dd->DropDownForm()->SizeByUser(260, 120);
  dd->HideDropDown(false);
  dd->ShowDropDown();
  EXPECT_EQ(dd->DropDownForm()->Width(), 260);
  EXPECT_EQ(dd->DropDownForm()->Height(), 120);
  dd->HideDropDown(false);
  dd->SetDropDownWidth(150);
  dd->SetDropDownHeight(90);
  dd->ShowDropDown();
  EXPECT_EQ(dd->DropDownForm()->Width(), 150);
  EXPECT_EQ(dd->DropDownForm()->Height(), 90);
}

// Alt+Up/Down and F4 toggle, Enter accepts and Escape cancels the open pop-up,
// with typing on or off.
TEST_F(DropDownTest, KeysOpenAndClose) {
  struct Case {
    bool editor;
    bool startOpen;
    int key;
    bool alt;
    bool open;
    const char* closeEvent;
  };
  const Case cases[] = {
      {true, false, VK_DOWN, true, true, nullptr},   {true, true, VK_UP, true, false, "DropUp 0 0"},
      {true, false, VK_F4, false, true, nullptr},    {true, true, VK_F4, false, false, "DropUp 0 0"},
      {true, true, VK_RETURN, false, false, "DropUp 0 0"}, {true, true, VK_ESCAPE, false, false, "DropUp 1 0"},
      {false, false, VK_F4, false, true, nullptr},   {false, true, VK_RETURN, false, false, "DropUp 0 0"},
      {false, true, VK_ESCAPE, false, false, "DropUp 1 0"}, {false, false, VK_DOWN, true, true, nullptr},
      {true, false, VK_DOWN, false, false, nullptr},
  };
  for (const Case& c : cases) {
    dd->SetEditorEnabled(c.editor);
    if (c.startOpen) dd->ShowDropDown();
    events.clear();
    Key(c.key, c.alt ? TShiftState{ssAlt} : TShiftState{});
    EXPECT_EQ(Open(), c.open) << "key " << c.key << " editor " << c.editor;
    if (c.closeEvent) {
      EXPECT_TRUE(events.contains(QString::fromLatin1(c.closeEvent))) << "key " << c.key;
    }
    dd->HideDropDown(false);
  }
}

// A real Alt+Down from the keyboard (a system key) opens the pop-up once.
TEST_F(DropDownTest, AltDownFromKeyboard) {
  PressKey(dd, Qt::Key_Down, Qt::AltModifier);
  EXPECT_TRUE(Open());
  EXPECT_EQ(events.count(QStringLiteral("DropDown")), 1);
}

// Losing activation closes the pop-up; a button click within 250 ms of that
// does not reopen it, a later one does.
TEST_F(DropDownTest, ReopenGuard) {
  dd->ButtonClick();
  EXPECT_TRUE(Open());
  dd->DropDownForm()->ActivationChanged(false, false);
  EXPECT_FALSE(Open());
  EXPECT_TRUE(events.contains(QStringLiteral("DropUp 1 0")));  // cancelled: CancelOnDeActivate
  const int64_t closedAt = clock.TickCount();
  EXPECT_EQ(dd->DropDownForm()->DeActivateTime(), closedAt);
  clock.Advance(250);
  dd->ButtonClick();
  EXPECT_FALSE(Open());
  clock.Advance(1);
  dd->ButtonClick();
  EXPECT_TRUE(Open());
  // Activation moving to a window of the pop-up's own keeps it open.
  dd->DropDownForm()->ActivationChanged(false, true);
  EXPECT_TRUE(Open());
}

// The inner speed button clicks on a left release wherever the pointer is.
TEST_F(DropDownTest, ButtonReleaseOpens) {
  TExDropDownSpeedButton* b = dd->Button()->InnerButton();
  MousePress(b, 3, 3);
  MouseRelease(b, 300, 300);
  EXPECT_TRUE(Open());
  dd->HideDropDown(false);
  clock.Advance(1000);
  MousePress(b, 3, 3, Qt::RightButton);
  MouseRelease(b, 3, 3, Qt::RightButton);
  EXPECT_FALSE(Open());
}

// Escape in the edit selects the value and goes on to the parent once, as
// key-down and key-up: from the special-key check with the default handling,
// from the character without it.
TEST_F(DropDownTest, EscapeForwardedToParent) {
  QStringList parentKeys;
  form->OnKeyDown = [&](TObject*, int& key, TShiftState) { parentKeys << QString::number(key); };
  dd->SetText(QStringLiteral("abc"));
  dd->TEdit::SetSelStart(1);
  PressKey(dd, Qt::Key_Escape);
  ProcessEvents();
  EXPECT_EQ(parentKeys, QStringList{QString::number(VK_ESCAPE)});
  EXPECT_EQ(dd->TEdit::SelLength(), 3);
  dd->DefaultHandling = false;
  parentKeys.clear();
  PressKey(dd, Qt::Key_Escape);
  ProcessEvents();
  EXPECT_EQ(parentKeys, QStringList{QString::number(VK_ESCAPE)});
}

// Typed keys go through the entry rules; replacing the whole value raises no
// change for that key, emptying it by Backspace raises one.
TEST_F(DropDownTest, TypingThroughTheControl) {
  SetFormatSettings(TFormatSettings{});
  dd->SetEditType(etMoney);
  dd->SetText(QString());
  int changes = 0;
  dd->OnChange = [&](TObject*) { ++changes; };
  dd->TEdit::SetSelStart(1);
  for (int key : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4}) PressKey(dd, key);
  EXPECT_EQ(dd->EditText(), QStringLiteral("1,234"));  // "0" first: "01" regroups as "1"
  EXPECT_EQ(dd->TEdit::SelStart(), 5);
  changes = 0;
  dd->SelectAll();
  PressKey(dd, Qt::Key_7);
  EXPECT_EQ(dd->EditText(), QStringLiteral("7"));
  EXPECT_EQ(changes, 0);
  dd->SelectAll();
  PressKey(dd, Qt::Key_Backspace);
  EXPECT_EQ(dd->EditText(), QString());
  EXPECT_EQ(changes, 1);
  PressKey(dd, Qt::Key_A);  // refused
  EXPECT_EQ(dd->EditText(), QString());
  SetFormatSettings(std::nullopt);
}

TEST_F(DropDownTest, EditorDisabledDropsTyping) {
  dd->SetEditorEnabled(false);
  dd->SetText(QStringLiteral("x"));
  PressKey(dd, Qt::Key_A);
  EXPECT_EQ(dd->Text(), QStringLiteral("x"));
  MouseClick(dd, 5, 5);  // a click anywhere opens the pop-up
  EXPECT_TRUE(Open());
}

// The preset tables: a few rows, the untouched custom style, the swapped Vista
// footer and the Vista checked border mended to a real colour.
TEST_F(DropDownTest, StylePresets) {
  dd->DropDownBorderColor = 0x123456;
  dd->SetComponentStyle(tsOffice2003Blue);
  EXPECT_EQ(dd->DropDownBorderColor, static_cast<TColor>(0x123456));
  EXPECT_EQ(dd->DropDownHeader()->BorderColor, static_cast<TColor>(0x000000));
  EXPECT_EQ(dd->DropDownFooter()->BorderColor, static_cast<TColor>(0x962D00));
  EXPECT_EQ(dd->ButtonAppearance()->ColorHot(), static_cast<TColor>(0xEBFDFF));
  dd->SetComponentStyle(tsWindowsVista);
  EXPECT_EQ(dd->DropDownFooter()->Color, static_cast<TColor>(0xFFFAF0));
  EXPECT_EQ(dd->DropDownFooter()->ColorTo, static_cast<TColor>(0xFFFDF9));
  EXPECT_EQ(dd->DropDownHeader()->Color, static_cast<TColor>(0xFFFDF9));
  EXPECT_EQ(dd->ButtonAppearance()->BorderColorChecked(), static_cast<TColor>(0xFEDF9A));
  EXPECT_EQ(dd->GetComponentStyle(), tsWindowsVista);
  const TColor header = dd->DropDownHeader()->Color, popup = dd->DropDownColor;
  const TColor hot = dd->ButtonAppearance()->ColorHot();
  dd->SetComponentStyle(tsCustom);
  EXPECT_EQ(dd->GetComponentStyle(), tsCustom);
  EXPECT_EQ(dd->DropDownHeader()->Color, header);
  EXPECT_EQ(dd->DropDownColor, popup);
  EXPECT_EQ(dd->ButtonAppearance()->ColorHot(), hot);
  dd->SetSelectionColorStyle(scWindows7);
  EXPECT_EQ(dd->SelectionColor, static_cast<TColor>(0xFCEBDC));
  dd->SetSelectionColorStyle(scCustom);
  EXPECT_EQ(dd->SelectionColorTo, static_cast<TColor>(0xFCDBC1));
}

TEST(LabelPlacement, Positions) {
  const TRect edit = Bounds(100, 50, 200, 21);
  const struct {
    TLabelPosition pos;
    TPoint at;
  } cases[] = {
      {lpLeftTop, {100 - 40 - 3, 50}},  {lpLeftCenter, {57, 54}},      {lpLeftBottom, {57, 58}},
      {lpTopLeft, {100, 34}},           {lpBottomLeft, {100, 74}},     {lpLeftCenterLeft, {97, 54}},
      {lpTopCenter, {180, 34}},          {lpRightCenter, {303, 54}},    {lpRighBottom, {303, 58}},
      {lpTopRight, {300 - 40, 34}},     {lpBottomRight, {260, 74}},
  };
  for (const auto& c : cases) {
    const TPoint p = LabelPlacement(c.pos, edit, 40, 40, 13, 3);
    EXPECT_EQ(p.X, c.at.X) << c.pos;
    EXPECT_EQ(p.Y, c.at.Y) << c.pos;
  }
}

TEST_F(DropDownTest, LabelFollowsTheEdit) {
  dd->SetLabelMargin(4);
  dd->SetLabelPosition(lpLeftCenter);
  dd->SetLabelCaption(QStringLiteral("Name"));
  TLabel* label = dd->Label();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Parent(), form);
  EXPECT_EQ(label->Left() + label->Width(), dd->Left() - 4);
  EXPECT_EQ(label->Top(), dd->Top() + (dd->Height() - label->Height()) / 2);
  dd->SetBounds(150, 60, 200, 21);
  EXPECT_EQ(label->Left() + label->Width(), 146);
}

// The frame: the border colour, the focus colour while focused, the disabled
// grey, nothing with only a focus colour while unfocused.
TEST_F(DropDownTest, BorderColours) {
  auto* other = new TEdit(form);
  other->SetParent(form);
  other->SetBounds(10, 100, 100, 21);
  TBitmap b;
  auto frameAt = [&]() {
    b.SetSize(dd->Width(), dd->Height());
    b.Canvas()->Brush()->SetColor(clWhite);
    b.Canvas()->FillRect(Rect(0, 0, dd->Width(), dd->Height()));
    dd->DrawBorder(b.Canvas());
    return b.Canvas()->Pixel(0, dd->Height() / 2);
  };
  dd->SetBorderColor(clRed);
  dd->FocusBorderColor = clBlue;
  other->SetFocus();
  ProcessEvents();
  ASSERT_FALSE(dd->Focused());
  EXPECT_EQ(frameAt(), clRed);
  dd->SetFocus();
  ProcessEvents();
  ASSERT_TRUE(dd->Focused());
  EXPECT_EQ(frameAt(), clBlue);
  other->SetFocus();
  ProcessEvents();
  dd->SetBorderColor(clNone);
  EXPECT_EQ(frameAt(), clWhite);
  dd->SetEnabled(false);
  EXPECT_EQ(frameAt(), static_cast<TColor>(0xC0C0C0));
}

}  // namespace
