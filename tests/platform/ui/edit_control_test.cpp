// The edit control as the in-place editors use it: the paste table (keys, context
// menu, interception), the length limit and the selection, the cause of a change,
// the parent's EN_CHANGE notification, the password character and the text
// rectangle.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "platform/ui/clipboard.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/ui_service.h"
#include "tests/support/ui_input.h"

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

// Answers the pop-up menus with a chosen index and keeps what they offered.
class MenuProbe : public TUserInterfaceService {
public:
  explicit MenuProbe(int choose) : choose_(choose), previous_(UserInterface()) { SetUserInterface(this); }
  ~MenuProbe() override { SetUserInterface(previous_ == this ? nullptr : previous_); }
  std::vector<TPopupRequest> menus;
  int ShowMessageBox(const TMessageBoxRequest&) override { ADD_FAILURE() << "message box"; return 0; }
  bool RunFileDialog(TFileDialogRequest&) override { ADD_FAILURE() << "file dialog"; return false; }
  void RunModal(TForm*) override { ADD_FAILURE() << "modal form"; }
  int TrackPopupMenu(const TPopupRequest& request) override {
    menus.push_back(request);
    return choose_;
  }

private:
  int choose_;
  TUserInterfaceService* previous_;
};

// An edit that logs its clipboard messages and may keep them from the base.
class TLoggingEdit : public TEdit {
public:
  explicit TLoggingEdit(TComponent* owner) : TEdit(owner) {}
  std::vector<QString> log;
  bool swallowPaste = false;

protected:
  void WMPaste(TMessage& m) override {
    log.push_back("paste");
    if (!swallowPaste) TEdit::WMPaste(m);
  }
  void WMCopy(TMessage& m) override {
    log.push_back("copy");
    TEdit::WMCopy(m);
  }
  void WMCut(TMessage& m) override {
    log.push_back("cut");
    TEdit::WMCut(m);
  }
};

struct EditFixture : ::testing::Test {
  EditFixture() {
    form = new TForm(nullptr);
    form->SetClientSize(300, 200);
    edit = new TLoggingEdit(form);
    edit->SetParent(form);
  }
  ~EditFixture() override { delete form; }
  void Select(const QString& text, int start, int length) {
    edit->SetText(text);
    edit->SetSelStart(start);
    edit->SetSelLength(length);
  }
  TForm* form;
  TLoggingEdit* edit;
};

struct PasteCase {
  const char* text;
  int selStart, selLength, maxLength;
  const char* clipboard;
  bool readOnly;
  const char* result;
  int caret;
};

TEST_F(EditFixture, PasteTable) {
  const PasteCase cases[] = {
      {"abc", 1, 0, 0, "XY", false, "aXYbc", 3},
      {"abc", 1, 1, 0, "XY", false, "aXYc", 3},       // replaces the selection
      {"abc", 3, 0, 5, "XYZ", false, "abcXY", 5},     // cut to the room left
      {"abc", 3, 0, 3, "X", false, "abc", 3},         // full: nothing
      {"abc", 1, 1, 3, "XYZ", false, "aXc", 2},       // the selection makes room
      {"ab", 2, 0, 0, "12\r\n34", false, "ab12", 4},  // one line only
      {"abc", 1, 0, 0, "XY", true, "abc", 1},         // read-only
  };
  for (const PasteCase& c : cases) {
    edit->SetReadOnly(c.readOnly);
    edit->SetMaxLength(c.maxLength);
    Select(QString::fromLatin1(c.text), c.selStart, c.selLength);
    Clipboard()->SetAsText(QString::fromLatin1(c.clipboard));
    PressKey(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->Text(), QString::fromLatin1(c.result)) << c.text << " + " << c.clipboard;
    EXPECT_EQ(edit->CaretPos(), c.caret) << c.text << " + " << c.clipboard;
  }
}

TEST_F(EditFixture, ClipboardKeysAndTheContextMenuSendInterceptableMessages) {
  Select("hello", 0, 2);
  PressKey(edit, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(Clipboard()->AsText(), "he");
  PressKey(edit, Qt::Key_Insert, Qt::ControlModifier);
  PressKey(edit, Qt::Key_Delete, Qt::ShiftModifier);
  EXPECT_EQ(edit->Text(), "llo");
  PressKey(edit, Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(edit->Text(), "hello");
  edit->swallowPaste = true;
  PressKey(edit, Qt::Key_V, Qt::ControlModifier);
  {
    MenuProbe menu(4);  // "&Paste"
    edit->Perform(WM_CONTEXTMENU, 0, MakeLParam(10, 10));
    ASSERT_EQ(menu.menus.size(), 1u);
  }
  EXPECT_EQ(edit->Text(), "hello");  // both pastes kept from the base
  EXPECT_EQ(edit->log, (std::vector<QString>{"copy", "copy", "cut", "paste", "paste", "paste"}));
  edit->swallowPaste = false;
  edit->SetSelStart(5);
  Clipboard()->SetAsText("!");
  MenuProbe menu(4);
  edit->Perform(WM_CONTEXTMENU, 0, MakeLParam(10, 10));
  EXPECT_EQ(edit->Text(), "hello!");
}

TEST_F(EditFixture, ContextMenuOffersOnlyWhatApplies) {
  edit->SetPasswordChar(u'*');
  Select("secret", 0, 6);
  Clipboard()->SetAsText("x");
  MenuProbe menu(-1);
  edit->Perform(WM_CONTEXTMENU, 0, MakeLParam(10, 10));
  ASSERT_EQ(menu.menus.size(), 1u);
  const auto& items = menu.menus[0].Items;
  ASSERT_EQ(items.size(), 8u);
  EXPECT_EQ(items[2].Caption, "Cu&t");
  EXPECT_FALSE(items[2].Enabled);  // a password is never cut or copied
  EXPECT_FALSE(items[3].Enabled);
  EXPECT_TRUE(items[4].Enabled);
  EXPECT_TRUE(items[5].Enabled);
  EXPECT_FALSE(items[7].Enabled);  // all selected already
  PressKey(edit, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(Clipboard()->AsText(), "x");
}

TEST_F(EditFixture, LengthLimitStopsTypingButNotCode) {
  edit->SetMaxLength(3);
  for (int k : {Qt::Key_A, Qt::Key_B, Qt::Key_C, Qt::Key_D}) PressKey(edit, k);
  EXPECT_EQ(edit->Text(), "abc");
  Select("abc", 1, 1);
  PressKey(edit, Qt::Key_X);  // a selection is replaced
  EXPECT_EQ(edit->Text(), "axc");
  edit->SetText("abcdef");  // set in code: kept whole
  EXPECT_EQ(edit->Text(), "abcdef");
  edit->SetSelStart(6);
  PressKey(edit, Qt::Key_G);
  EXPECT_EQ(edit->Text(), "abcdef");
  PressKey(edit, Qt::Key_Backspace);
  EXPECT_EQ(edit->Text(), "abcde");
}

TEST_F(EditFixture, SelectionAndCaret) {
  Select("abcdef", 2, 3);
  EXPECT_EQ(edit->SelStart(), 2);
  EXPECT_EQ(edit->SelLength(), 3);
  EXPECT_EQ(edit->SelText(), "cde");
  EXPECT_EQ(edit->CaretPos(), 5);
  edit->SetSelText("X");
  EXPECT_EQ(edit->Text(), "abXf");
  EXPECT_EQ(edit->SelLength(), 0);
  EXPECT_EQ(edit->SelStart(), 3);
  edit->SelectAll();
  EXPECT_EQ(edit->SelLength(), 4);
  EXPECT_EQ(edit->CharFromPos(Point(0, 5)), 0);
  EXPECT_EQ(edit->CharFromPos(Point(edit->Width() - 1, 5)), 4);
}

TEST_F(EditFixture, ChangeTellsTheUserFromCode) {
  std::vector<bool> byUser;
  edit->OnChange = [&](TObject*) { byUser.push_back(edit->ChangedByUser()); };
  PressKey(edit, Qt::Key_A);
  edit->SetText("code");
  edit->SetSelText("!");
  Clipboard()->SetAsText("p");
  PressKey(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(byUser, (std::vector<bool>{true, false, false, true}));
}

// A parent that logs its children's notifications and may keep them.
class TNotifiedPanel : public TCustomControl {
public:
  explicit TNotifiedPanel(TComponent* owner) : TCustomControl(owner) {}
  std::vector<int> codes;
  bool keep = false;

protected:
  void WMCommand(TMessage& m) override {
    codes.push_back(NotifyCode(m.WParam));
    if (!keep) TCustomControl::WMCommand(m);
  }
};

TEST_F(EditFixture, ParentSeesEnChangeBeforeTheEditRunsChange) {
  auto* panel = new TNotifiedPanel(form);
  panel->SetParent(form);
  auto* child = new TEdit(form);
  child->SetParent(panel);
  int changes = 0;
  child->OnChange = [&](TObject*) { ++changes; };
  PressKey(child, Qt::Key_A);
  EXPECT_EQ(panel->codes, std::vector<int>{EN_CHANGE});
  EXPECT_EQ(changes, 1);
  panel->keep = true;  // a parent that keeps the notification
  child->SetText("b");
  EXPECT_EQ(panel->codes.size(), 2u);
  EXPECT_EQ(changes, 1);
}

TEST_F(EditFixture, PasswordCharacterBorderAndTextRectangle) {
  auto* line = static_cast<QLineEdit*>(edit->Widget());
  edit->SetText("abc");
  edit->SetPasswordChar(u'#');
  EXPECT_EQ(line->displayText(), "###");
  edit->SetPasswordChar(u'x');
  EXPECT_EQ(line->displayText(), "xxx");
  edit->SetPasswordChar(QChar());
  EXPECT_EQ(line->displayText(), "abc");
  edit->SetBorderStyle(bsNone);
  EXPECT_FALSE(line->hasFrame());
  edit->SetBounds(0, 0, 100, 20);
  EXPECT_EQ(edit->EditRect(), Rect(0, 0, 100, 20));
  edit->SetEditRect(Rect(3, 3, 98, 20));
  EXPECT_EQ(edit->EditRect(), Rect(3, 3, 98, 20));
  EXPECT_EQ(line->textMargins(), QMargins(3, 3, 2, 0));
  edit->SetWidth(120);  // the rectangle stays put when the edit grows
  EXPECT_EQ(line->textMargins(), QMargins(3, 3, 22, 0));
}

TEST_F(EditFixture, MultiLineStyleKeepsTheTextAndCountsLineBreaksAsTwo) {
  edit->SetText("ab");
  edit->SetSelStart(1);
  edit->SetMaxLength(20);
  edit->SetMultiLine(true);
  EXPECT_TRUE(edit->Widget()->inherits("QPlainTextEdit"));
  EXPECT_EQ(edit->Text(), "ab");
  EXPECT_EQ(edit->CaretPos(), 1);
  std::vector<bool> byUser;
  edit->OnChange = [&](TObject*) { byUser.push_back(edit->ChangedByUser()); };
  PressKey(edit, Qt::Key_Return);  // no line break without WantReturns
  EXPECT_EQ(edit->Text(), "ab");
  PressKey(edit, Qt::Key_Return, Qt::ControlModifier);  // Ctrl+Enter always breaks
  EXPECT_EQ(edit->Text(), "a\r\nb");
  EXPECT_EQ(edit->CaretPos(), 3);
  edit->SetWantReturns(true);
  edit->SetSelStart(4);
  PressKey(edit, Qt::Key_Return);
  PressKey(edit, Qt::Key_C);
  EXPECT_EQ(edit->Text(), "a\r\nb\r\nc");
  EXPECT_EQ(byUser, (std::vector<bool>{true, true, true}));
  EXPECT_EQ(edit->LineCount(), 3);
  EXPECT_EQ(edit->LineFromChar(0), 0);
  EXPECT_EQ(edit->LineFromChar(3), 1);
  EXPECT_EQ(edit->LineFromChar(8), 2);
  edit->SetSelStart(3);
  edit->SetSelLength(3);
  EXPECT_EQ(edit->SelText(), "b\r\n");
  Clipboard()->SetAsText("x\r\ny");
  PressKey(edit, Qt::Key_V, Qt::ControlModifier);  // pasted lines are kept
  EXPECT_EQ(edit->Text(), "a\r\nx\r\nyc");
  edit->SetText("1\n2\r3");  // every kind of break becomes CR LF
  EXPECT_EQ(edit->Text(), "1\r\n2\r\n3");
  edit->SetPasswordChar(u'*');  // a password stays on one line
  EXPECT_TRUE(edit->Widget()->inherits("QLineEdit"));
  edit->SetPasswordChar(QChar());
  EXPECT_TRUE(edit->Widget()->inherits("QPlainTextEdit"));
}

TEST_F(EditFixture, NewWindowKeepsFocusAndChildren) {
  form->Show();
  auto* child = new TEdit(form);
  child->SetParent(edit);
  child->SetBounds(2, 2, 10, 10);
  edit->SetFocus();
  ASSERT_TRUE(edit->Focused());
  edit->SetMultiLine(true);
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(child->Widget()->parentWidget(), edit->Widget());
  EXPECT_EQ(child->Widget()->geometry(), QRect(2, 2, 10, 10));
  form->Hide();
}

TEST_F(EditFixture, WordWrapBreaksLongLinesAtTheWidth) {
  form->Show();
  edit->SetMultiLine(true);
  edit->SetBounds(0, 0, 60, 80);
  edit->SetText("one two three four five six seven");
  edit->SetWordWrap(true);
  ProcessEvents();
  EXPECT_GT(edit->LineCount(), 1);
  edit->SetWordWrap(false);
  ProcessEvents();
  EXPECT_EQ(edit->LineCount(), 1);
  form->Hide();
}

}  // namespace

// A disabled edit shows its text greyed (an address field greyed by a DHCP choice
// must look unavailable), and shows it in its font colour again once enabled.
TEST_F(EditFixture, DisabledTextIsDrawnGrey) {
  edit->SetBounds(0, 0, 120, 24);
  Select("WWWWWW", 0, 0);  // no highlighted selection: the text in its own colours
  const auto darkest = [&] {
    const QImage image = edit->Widget()->grab().toImage();
    int best = 255 * 3;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 4; x < image.width() - 4; ++x) {
        const QColor c = image.pixelColor(x, y);
        if (y > 3 && y < image.height() - 4) best = std::min(best, c.red() + c.green() + c.blue());
      }
    return best;
  };
  EXPECT_LT(darkest(), 3 * 60);
  edit->SetEnabled(false);
  EXPECT_GT(darkest(), 3 * 90);
  edit->SetEnabled(true);
  EXPECT_LT(darkest(), 3 * 60);
}
