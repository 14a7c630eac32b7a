// The push button's behaviour: kinds, clicks by mouse and keys, dialog keys,
// modal results, pop-up menu, accelerator and fade.
#include <gtest/gtest.h>

#include "controls/button/fade_button.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/menus.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/ui_input.h"

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

// Focusable stand-ins for other button-like and radio controls.
class TSpeedButton : public TCustomControl {
public:
  explicit TSpeedButton(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
};
class TRadioButton : public TCustomControl {
public:
  explicit TRadioButton(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
};

struct ButtonForm : ::testing::Test {
  ButtonForm() {
    form = new TForm(nullptr);
    form->SetClientSize(400, 200);
    edit = Place(new TEdit(form), 10, 10);
    ok = Place(new TFadeButton(form), 10, 50);
    ok->SetCaption("OK");
    cancel = Place(new TFadeButton(form), 120, 50);
    cancel->SetCaption("Cancel");
    cancel->SetModalResult(mrCancel);
    ok->OnClick = [this](TObject*) { log.push_back("ok click"); };
    cancel->OnClick = [this](TObject*) {
      log.push_back(QString("cancel click, form result %1").arg(form->ModalResult()));
    };
  }
  ~ButtonForm() override { delete form; }
  template <typename T>
  T* Place(T* c, int x, int y) {
    c->SetParent(form);
    c->SetLeft(x);
    c->SetTop(y);
    return c;
  }
  std::vector<QString> log;
  TForm* form;
  TEdit* edit;
  TFadeButton* ok;
  TFadeButton* cancel;
};

TEST(FadeButtonKinds, KindSetsGlyphsModalResultAndCaption) {
  struct Case {
    TFadeButtonKind kind;
    int modalResult;
    const char16_t* caption;
  } cases[] = {
      {bkOK, 1, u"OK"},          {bkCancel, 2, u"Abbrechen"},   {bkHelp, 0, u"Hilfe"},
      {bkYes, 6, u"Ja"},         {bkNo, 7, u"Nein"},            {bkClose, 0, u"Schließen"},
      {bkAbort, 3, u"Abbrechen"}, {bkRetry, 4, u"Wiederholen"}, {bkIgnore, 5, u"Ignorieren"},
      {bkAll, 12, u"Alle"},
  };
  for (const Case& k : cases) {
    TFadeButton b(nullptr);
    b.SetKind(k.kind);
    EXPECT_EQ(b.Kind(), k.kind);
    EXPECT_EQ(b.ModalResult(), k.modalResult);
    EXPECT_EQ(b.Caption(), QString::fromUtf16(k.caption));
    EXPECT_EQ(b.NumGlyphs(), 2);
    EXPECT_EQ(b.Glyph()->Width(), 2 * b.Glyph()->Height());
    // Setting the modal result afterwards makes the button custom again.
    b.SetModalResult(k.modalResult);
    EXPECT_EQ(b.Kind(), bkCustom);
  }
}

TEST(FadeButtonKinds, DefaultsAndDerivedProperties) {
  TForm form(nullptr);
  form.Font()->SetName("Verdana");
  TFadeButton b(&form);
  EXPECT_EQ(b.Width(), 100);
  EXPECT_EQ(b.Height(), 23);
  EXPECT_EQ(b.LightColor(), 0xFFFFFF);
  EXPECT_EQ(b.ShadowColor(), 0x808080);
  EXPECT_EQ(b.ColorWhenDown(), clNone);
  EXPECT_EQ(b.HotTrackColor(), clNone);
  EXPECT_EQ(b.Color(), clBtnFace);
  EXPECT_EQ(b.Alignment(), taCenter);
  EXPECT_EQ(b.Style(), bsNormal);
  EXPECT_TRUE(b.TabStop());
  EXPECT_FALSE(b.Default() || b.Cancel() || b.SlowDecease() || b.WordWrap());
  EXPECT_EQ(b.HotTrackFont()->Name(), "Verdana");  // copied from the owning form

  TBitmap strip(64, 16);
  b.SetKind(bkOK);
  b.SetGlyph(&strip);
  EXPECT_EQ(b.NumGlyphs(), 4);
  EXPECT_EQ(b.Kind(), bkCustom);
  b.SetGlyph(nullptr);
  EXPECT_EQ(b.NumGlyphs(), 0);
  EXPECT_TRUE(b.Glyph()->Empty());

  b.SetColorStyle(lcsBlue);
  EXPECT_EQ(b.ColorStyle(), lcsCustom);
  EXPECT_EQ(b.Style(), bsModern);
  EXPECT_EQ(b.Color(), 0xFF8000);
  EXPECT_EQ(b.LightColor(), 0xFFFF00);
  b.SetColorStyle(lcsQuicken);
  EXPECT_EQ(b.Style(), bsQuicken);
  EXPECT_EQ(b.Font()->Color(), 0xFFFFFF);
  EXPECT_EQ(b.ColorWhenDown(), 0xAD6529);
}

TEST_F(ButtonForm, ModalFormClosesWithCancelAfterOnClick) {
  ScriptedUi ui;
  form->OnClose = [this](TObject*, TCloseAction&) { log.push_back("close"); };
  ui.ExpectModal("TForm", [this](TForm*) { MouseClick(cancel, 5, 5); });
  EXPECT_EQ(form->ShowModal(), mrCancel);
  EXPECT_EQ(log, (std::vector<QString>{"cancel click, form result 0", "close"}));
}

TEST_F(ButtonForm, PressMoveReleaseOverTheButtonClicksReleaseElsewhereDoesNot) {
  form->Show();
  MousePress(ok, 5, 5);
  EXPECT_TRUE(ok->Pressed());
  EXPECT_TRUE(ok->Focused());  // the press takes the focus
  MouseMoveTo(ok, 60, 10, Qt::LeftButton);
  MouseRelease(ok, 60, 10);
  EXPECT_EQ(log, (std::vector<QString>{"ok click"}));
  EXPECT_FALSE(ok->Pressed());

  log.clear();
  MousePress(ok, 5, 5);
  MouseMoveTo(ok, 150, 10, Qt::LeftButton);
  MouseRelease(ok, 150, 10);
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(ok->Pressed());

  // A right press neither presses nor clicks; a disabled button ignores the mouse.
  MouseClick(ok, 5, 5);
  log.clear();
  MousePress(ok, 5, 5, Qt::RightButton);
  MouseRelease(ok, 5, 5, Qt::RightButton);
  ok->SetEnabled(false);
  MouseClick(ok, 5, 5);
  EXPECT_TRUE(log.empty());
  form->Hide();
}

TEST_F(ButtonForm, EnterAndSpaceClickTheFocusedButtonOnKeyUp) {
  form->Show();
  ok->SetFocus();
  KeyDownOnly(ok, Qt::Key_Return);
  EXPECT_TRUE(ok->Pressed());
  EXPECT_TRUE(log.empty());
  KeyUpOnly(ok, Qt::Key_Return);
  EXPECT_EQ(log, (std::vector<QString>{"ok click"}));
  PressKey(ok, Qt::Key_Space);
  EXPECT_EQ(log.size(), 2u);
  // A release whose press went elsewhere (Enter closing a dialog, its release then
  // reaching the button focused afterwards) clicks nothing.
  KeyUpOnly(ok, Qt::Key_Return);
  EXPECT_EQ(log.size(), 2u);
  form->Hide();
}

TEST_F(ButtonForm, DialogKeysReachDefaultAndCancelButtonsUnlessAButtonHasTheFocus) {
  auto* speed = Place(new TSpeedButton(form), 10, 100);
  auto* radio = Place(new TRadioButton(form), 60, 100);
  ok->SetDefault(true);
  cancel->SetCancel(true);
  form->Show();

  struct Case {
    TWinControl* focus;
    int key;
    Qt::KeyboardModifiers mods;
    std::vector<QString> expected;
  } cases[] = {
      {edit, Qt::Key_Return, Qt::NoModifier, {"ok click"}},
      {edit, Qt::Key_Escape, Qt::NoModifier, {"cancel click, form result 0"}},
      {edit, Qt::Key_Return, Qt::ShiftModifier, {}},  // a shift key is down
      {radio, Qt::Key_Return, Qt::NoModifier, {"ok click"}},
      {speed, Qt::Key_Return, Qt::NoModifier, {}},  // a button-like control keeps Enter
      {cancel, Qt::Key_Return, Qt::NoModifier, {"cancel click, form result 0"}},  // the focused button clicks
  };
  for (const Case& k : cases) {
    log.clear();
    form->SetModalResult(mrNone);
    k.focus->SetFocus();
    ASSERT_EQ(form->ActiveControl(), k.focus);
    PressKey(k.focus, k.key, k.mods);
    EXPECT_EQ(log, k.expected) << k.focus->ClassName().toStdString() << " key " << k.key;
  }
  EXPECT_EQ(form->ModalResult(), mrCancel);  // the cancel button set it
  form->Hide();
}

TEST_F(ButtonForm, AcceleratorClicks) {
  ok->SetCaption("&Save");
  form->Show();
  edit->SetFocus();
  PressKey(edit, Qt::Key_S, Qt::AltModifier);
  EXPECT_EQ(log, (std::vector<QString>{"ok click"}));
  form->Hide();
}

TEST_F(ButtonForm, ClickRaisesOnClickThenSetsTheModalResultThenPopsUpTheMenu) {
  ScriptedUi ui;
  auto* menu = new TPopupMenu(form);
  menu->OnPopup = [this](TObject*) { log.push_back(QString("popup, form result %1").arg(form->ModalResult())); };
  ok->SetModalResult(mrOk);
  ok->SetPopupMenu(menu);
  ok->OnClick = [this](TObject*) { log.push_back(QString("click, form result %1").arg(form->ModalResult())); };
  ui.ExpectPopup(-1);
  ok->Click();
  EXPECT_EQ(log, (std::vector<QString>{"click, form result 0", "popup, form result 1"}));
  delete menu;
  EXPECT_EQ(ok->PopupMenu(), nullptr);
}

TEST_F(ButtonForm, HotTrackOnEnterAndFadeAfterLeave) {
  form->Show();
  ok->SetHotTrackColor(clYellow);
  int entered = 0, left = 0;
  ok->OnMouseEnter = [&](TObject*) { ++entered; };
  ok->OnMouseExit = [&](TObject*) { ++left; };
  MouseEnter(ok);
  EXPECT_TRUE(ok->CursorOnButton());
  EXPECT_EQ(ok->HotTrackStep(), 8);
  MouseLeave(ok);
  EXPECT_EQ(ok->HotTrackStep(), 0);  // at once without slow fading
  EXPECT_FALSE(ok->Fading());
  EXPECT_EQ(entered, 1);
  EXPECT_EQ(left, 1);

  ok->SetSlowDecease(true);
  MouseEnter(ok);
  MouseLeave(ok);
  EXPECT_TRUE(ok->Fading());
  EXPECT_EQ(ok->HotTrackStep(), 8);
  for (int step = 7; step >= 0; --step) {
    ok->FadeStep();
    EXPECT_EQ(ok->HotTrackStep(), step);
  }
  EXPECT_FALSE(ok->Fading());
  MouseEnter(ok);
  MouseLeave(ok);
  ok->SetSlowDecease(false);  // stops the fade and drops the hot colour
  EXPECT_FALSE(ok->Fading());
  EXPECT_EQ(ok->HotTrackStep(), 0);

  ok->SetEnabled(false);
  MouseEnter(ok);  // a disabled button does not light up
  EXPECT_FALSE(ok->CursorOnButton());
  form->Hide();
}

TEST_F(ButtonForm, HoverLookEndsWhenTheFormHidesUnderTheMouse) {
  // A dialog closed by a click on its Cancel button: the window goes, the mouse
  // never leaves the button, and the next showing must not open with it lit.
  form->Show();
  int left = 0;
  cancel->OnMouseExit = [&](TObject*) { ++left; };
  MouseEnter(cancel);
  ASSERT_EQ(cancel->HotTrackStep(), 8);
  form->Hide();
  EXPECT_FALSE(cancel->CursorOnButton());
  EXPECT_EQ(cancel->HotTrackStep(), 0);
  form->Show();
  EXPECT_FALSE(cancel->CursorOnButton());
  EXPECT_EQ(cancel->HotTrackStep(), 0);
  form->Hide();  // no second leave for a mouse that already left
  EXPECT_EQ(left, 0);  // the exit event is for a visible button only
}

}  // namespace
