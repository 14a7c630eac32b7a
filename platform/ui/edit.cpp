#include "platform/ui/edit.h"

#include <QLineEdit>
#include <climits>
#include <QProxyStyle>

#include "platform/ui/clipboard.h"
#include "platform/ui/qt_graphics.h"
#include "platform/ui/ui_service.h"
#include "platform/ui/widget_host.h"

namespace {

QLineEdit* LineEdit(const TControl* c) { return static_cast<QLineEdit*>(c->Widget()); }

// The look of the application's style with another password character (the
// line edit asks its style for it).
class PasswordCharStyle : public QProxyStyle {
public:
  explicit PasswordCharStyle(QChar ch) : ch_(ch) {}
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* ret) const override {
    if (hint == SH_LineEdit_PasswordCharacter) return ch_.unicode();
    return QProxyStyle::styleHint(hint, option, widget, ret);
  }

private:
  QChar ch_;
};

// The edit control's own context menu: its entries and the message each sends.
struct MenuEntry {
  const char* caption;
  unsigned message;  // WM_NULL: select all
};
constexpr MenuEntry kMenu[] = {
    {"&Undo", WM_UNDO}, {"-", WM_NULL},     {"Cu&t", WM_CUT},        {"&Copy", WM_COPY},
    {"&Paste", WM_PASTE}, {"&Delete", WM_CLEAR}, {"-", WM_NULL}, {"Select &All", WM_NULL},
};

// The text of a single-line edit ends at the first line break.
QString FirstLine(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i)
    if (text[i] == u'\r' || text[i] == u'\n') return text.left(i);
  return text;
}

}  // namespace

TEdit::TEdit(TComponent* AOwner) : TWinControl(AOwner, new Hosted<QLineEdit>(true)) {
  SetControlStyle(TControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight});
  SetTabStop(true);
  SetBounds(0, 0, 121, 21);
  QLineEdit* edit = LineEdit(this);
  edit->setMaxLength(32767);
  edit->setContextMenuPolicy(Qt::DefaultContextMenu);
  QObject::connect(edit, &QLineEdit::textChanged, [this](const QString&) { NotifyParent(EN_CHANGE); });
  ApplyColor();
}

TEdit::~TEdit() = default;

QString TEdit::GetText() const { return LineEdit(this)->text(); }

void TEdit::StoreText(const QString& value) {
  ++code_changes_;
  LineEdit(this)->setText(value);
  --code_changes_;
}

void TEdit::Change() {
  if (OnChange) OnChange(this);
}

void TEdit::SetMaxLength(int value) { max_length_ = std::max(0, value); }

bool TEdit::ReadOnly() const { return LineEdit(this)->isReadOnly(); }

void TEdit::SetReadOnly(bool value) { LineEdit(this)->setReadOnly(value); }

void TEdit::SetPasswordChar(QChar value) {
  if (value == password_char_) return;
  password_char_ = value;
  QLineEdit* edit = LineEdit(this);
  QStyle* old = edit->style();
  if (value.isNull()) {
    edit->setEchoMode(QLineEdit::Normal);
    edit->setStyle(nullptr);
  } else {
    auto* style = new PasswordCharStyle(value);
    style->setParent(edit);  // freed with the widget
    edit->setStyle(style);
    edit->setEchoMode(QLineEdit::Password);
  }
  if (auto* previous = dynamic_cast<PasswordCharStyle*>(old)) previous->deleteLater();
}

void TEdit::SetAlignment(TAlignment value) {
  alignment_ = value;
  const Qt::Alignment a = value == taRightJustify ? Qt::AlignRight : value == taCenter ? Qt::AlignHCenter : Qt::AlignLeft;
  LineEdit(this)->setAlignment(a | Qt::AlignVCenter);
}

bool TEdit::Modified() const { return LineEdit(this)->isModified(); }

void TEdit::SetModified(bool value) { LineEdit(this)->setModified(value); }

void TEdit::SetBorderStyle(TFormBorderStyle value) {
  border_style_ = value;
  LineEdit(this)->setFrame(value != bsNone);
}

int TEdit::SelStart() const {
  QLineEdit* e = LineEdit(this);
  return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
}

void TEdit::SetSelStart(int value) {
  LineEdit(this)->deselect();
  LineEdit(this)->setCursorPosition(value);
}

int TEdit::SelLength() const { return static_cast<int>(LineEdit(this)->selectedText().size()); }

void TEdit::SetSelLength(int value) { LineEdit(this)->setSelection(SelStart(), value); }

QString TEdit::SelText() const { return LineEdit(this)->selectedText(); }

void TEdit::SetSelText(const QString& value) {
  ++code_changes_;
  LineEdit(this)->insert(value);
  --code_changes_;
}

void TEdit::SelectAll() { LineEdit(this)->selectAll(); }

int TEdit::CaretPos() const { return LineEdit(this)->cursorPosition(); }

int TEdit::CharFromPos(TPoint p) const { return LineEdit(this)->cursorPositionAt(ToQPoint(p)); }

TRect TEdit::EditRect() const { return has_edit_rect_ ? edit_rect_ : ClientRect(); }

void TEdit::SetEditRect(const TRect& r) {
  has_edit_rect_ = true;
  edit_rect_ = r;
  ApplyEditRect();
}

void TEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  ApplyEditRect();
}

void TEdit::ApplyEditRect() {
  if (!has_edit_rect_) return;
  const TRect c = ClientRect();
  LineEdit(this)->setTextMargins(std::max(0, edit_rect_.Left - c.Left), std::max(0, edit_rect_.Top - c.Top),
                                 std::max(0, c.Right - edit_rect_.Right), std::max(0, c.Bottom - edit_rect_.Bottom));
}

bool TEdit::CanUndo() const { return LineEdit(this)->isUndoAvailable(); }

int TEdit::RoomLeft() const {
  if (max_length_ <= 0) return INT_MAX;
  return max_length_ - static_cast<int>(Text().size()) + SelLength();
}

void TEdit::ReplaceSelectionByUser(const QString& text) {
  QLineEdit* edit = LineEdit(this);
  if (text.isEmpty()) {
    if (edit->hasSelectedText()) edit->del();
    return;
  }
  edit->insert(text);
}

void TEdit::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND: return CNCommand(m);
    case WM_COPY: return WMCopy(m);
    case WM_CUT: return WMCut(m);
    case WM_PASTE: return WMPaste(m);
    case WM_CLEAR: return WMClear(m);
    case WM_UNDO: return WMUndo(m);
    default: return TWinControl::Dispatch(m);
  }
}

void TEdit::CNCommand(TMessage& m) {
  if (NotifyCode(m.WParam) == EN_CHANGE) Change();
}

// The edit control's own key work: the clipboard keys become the clipboard
// messages, and typing stops at the length limit.
void TEdit::DefaultHandler(TMessage& m) {
  if (m.Msg == WM_CHAR) {
    switch (m.CharCode()) {
      case 3: Perform(WM_COPY); return;    // Ctrl+C
      case 22: Perform(WM_PASTE); return;  // Ctrl+V
      case 24: Perform(WM_CUT); return;    // Ctrl+X
      case 26: Perform(WM_UNDO); return;   // Ctrl+Z
      default: break;
    }
    if (m.CharCode() >= 32 && RoomLeft() < 1) return;
  } else if (m.Msg == WM_KEYDOWN) {
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (m.CharCode() == VK_INSERT && shift && !ctrl) return void(Perform(WM_PASTE));
    if (m.CharCode() == VK_INSERT && ctrl && !shift) return void(Perform(WM_COPY));
    if (m.CharCode() == VK_DELETE && shift && !ctrl) return void(Perform(WM_CUT));
  }
  TWinControl::DefaultHandler(m);
}

void TEdit::WMCopy(TMessage&) {
  if (!password_char_.isNull() || SelLength() == 0) return;
  Clipboard()->SetAsText(SelText());
}

void TEdit::WMCut(TMessage&) {
  if (!password_char_.isNull() || ReadOnly() || SelLength() == 0) return;
  Clipboard()->SetAsText(SelText());
  ReplaceSelectionByUser(QString());
}

void TEdit::WMPaste(TMessage&) {
  if (ReadOnly() || !Clipboard()->HasText()) return;
  const QString text = FirstLine(Clipboard()->AsText());
  const int room = RoomLeft();
  if (room <= 0 && !text.isEmpty()) return;
  ReplaceSelectionByUser(text.left(std::max(0, room)));
}

void TEdit::WMClear(TMessage&) {
  if (ReadOnly()) return;
  ReplaceSelectionByUser(QString());
}

void TEdit::WMUndo(TMessage&) {
  if (!ReadOnly()) LineEdit(this)->undo();
}

void TEdit::WMContextMenu(TMessage& m) {
  if (PopupMenu()) return TWinControl::WMContextMenu(m);
  m.Result = 1;
  const bool ro = ReadOnly();
  const bool plain = password_char_.isNull();
  const bool sel = SelLength() > 0;
  const bool enabled[] = {CanUndo() && !ro, false,          sel && !ro && plain, sel && plain,
                          !ro && Clipboard()->HasText(), sel && !ro, false, !Text().isEmpty() && SelLength() < Text().size()};
  TPopupRequest request;
  request.Position = {m.XPos(), m.YPos()};
  for (size_t i = 0; i < std::size(kMenu); ++i) request.Items.push_back({QString::fromLatin1(kMenu[i].caption), enabled[i]});
  const int chosen = UserInterface()->TrackPopupMenu(request);
  if (chosen < 0 || chosen >= static_cast<int>(std::size(kMenu)) || !enabled[chosen]) return;
  if (kMenu[chosen].message == WM_NULL) return SelectAll();
  Perform(kMenu[chosen].message);
}

void TEdit::WMGetDlgCode(TMessage& m) { m.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL; }

void TEdit::ApplyColor() {
  QPalette pal = Widget()->palette();
  pal.setColor(QPalette::Base, ToQColor(Color()));
  Widget()->setPalette(pal);
}
