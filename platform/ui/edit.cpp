#include "platform/ui/edit.h"

#include <QWidget>
#include <climits>

#include "platform/ui/clipboard.h"
#include "platform/ui/edit_engine.h"
#include "platform/ui/qt_graphics.h"
#include "platform/ui/ui_service.h"
#include "platform/ui/widget_host.h"

namespace {

// The edit control's own context menu: its entries and the message each sends.
struct MenuEntry {
  const char* caption;
  unsigned message;  // WM_NULL: select all
};
constexpr MenuEntry kMenu[] = {
    {"&Undo", WM_UNDO},   {"-", WM_NULL},        {"Cu&t", WM_CUT}, {"&Copy", WM_COPY},
    {"&Paste", WM_PASTE}, {"&Delete", WM_CLEAR}, {"-", WM_NULL},   {"Select &All", WM_NULL},
};

// The text of a single-line edit ends at the first line break.
QString FirstLine(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i)
    if (text[i] == u'\r' || text[i] == u'\n') return text.left(i);
  return text;
}

Qt::Alignment QtAlignment(TAlignment a) {
  return a == taRightJustify ? Qt::AlignRight : a == taCenter ? Qt::AlignHCenter : Qt::AlignLeft;
}

}  // namespace

TEdit::TEdit(TComponent* AOwner) : TWinControl(AOwner, MakeEditHost(false)) {
  engine_ = MakeEditEngine(Host(), [this] { TextChanged(); });
  SetControlStyle(TControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight});
  SetTabStop(true);
  SetBounds(0, 0, 121, 21);
  ApplyColor();
}

TEdit::~TEdit() = default;

void TEdit::RecreateEditWidget() {
  WidgetHost* host = MakeEditHost(OnManyLines());
  std::unique_ptr<EditEngine> next = MakeEditEngine(host, [this] { TextChanged(); });
  recreating_ = true;
  next->SetText(engine_->Text());
  next->Select(engine_->Anchor(), engine_->Caret());
  next->SetReadOnly(engine_->ReadOnly());
  next->SetModified(engine_->Modified());
  next->SetAlignment(QtAlignment(alignment_));
  next->SetFrame(border_style_ != bsNone);
  next->SetWordWrap(word_wrap_);
  if (!next->MultiLine()) next->SetPasswordChar(password_char_);
  if (!next->MultiLine()) next->SetInputMask(input_mask_);
  recreating_ = false;
  std::unique_ptr<EditEngine> old = std::move(engine_);
  engine_ = std::move(next);
  ReplaceWidget(host);  // destroys the old widget, which the old engine refers to
  old.reset();
  ApplyEditRect();
}

bool TEdit::OnManyLines() const { return multi_line_ && password_char_.isNull(); }

void TEdit::TextChanged() {
  if (recreating_) return;
  NotifyParent(EN_CHANGE);
}

QString TEdit::GetText() const { return engine_ ? engine_->Text() : QString(); }

QString TEdit::DisplayText() const { return engine_ ? engine_->DisplayText() : QString(); }

void TEdit::SetInputMask(const QString& qtMask) {
  input_mask_ = qtMask;
  engine_->SetInputMask(qtMask);
}

void TEdit::StoreText(const QString& value) {
  ++code_changes_;
  engine_->SetText(value);
  --code_changes_;
}

void TEdit::Change() {
  if (OnChange) OnChange(this);
}

void TEdit::SetMaxLength(int value) { max_length_ = std::max(0, value); }

bool TEdit::ReadOnly() const { return engine_->ReadOnly(); }

void TEdit::SetReadOnly(bool value) { engine_->SetReadOnly(value); }

void TEdit::SetPasswordChar(QChar value) {
  if (value == password_char_) return;
  const bool manyLines = OnManyLines();
  password_char_ = value;
  if (OnManyLines() != manyLines) RecreateEditWidget();
  else engine_->SetPasswordChar(value);
}

void TEdit::SetMultiLine(bool value) {
  if (value == multi_line_) return;
  const bool manyLines = OnManyLines();
  multi_line_ = value;
  if (OnManyLines() != manyLines) RecreateEditWidget();
}

void TEdit::SetWordWrap(bool value) {
  word_wrap_ = value;
  engine_->SetWordWrap(value);
}

void TEdit::SetAlignment(TAlignment value) {
  alignment_ = value;
  engine_->SetAlignment(QtAlignment(value));
}

bool TEdit::Modified() const { return engine_->Modified(); }

void TEdit::SetModified(bool value) { engine_->SetModified(value); }

void TEdit::SetBorderStyle(TFormBorderStyle value) {
  border_style_ = value;
  engine_->SetFrame(value != bsNone);
}

int TEdit::SelStart() const { return engine_->SelStart(); }

void TEdit::SetSelStart(int value) {
  const int pos = std::clamp(value, 0, static_cast<int>(Text().size()));
  engine_->Select(pos, pos);
}

int TEdit::SelLength() const { return engine_->SelLength(); }

void TEdit::SetSelLength(int value) {
  const int start = SelStart();
  engine_->Select(start, std::clamp(start + value, 0, static_cast<int>(Text().size())));
}

QString TEdit::SelText() const { return engine_->SelText(); }

void TEdit::SetSelText(const QString& value) {
  ++code_changes_;
  engine_->Insert(value);
  --code_changes_;
}

void TEdit::SelectAll() { engine_->SelectAll(); }

int TEdit::CaretPos() const { return engine_->Caret(); }

int TEdit::CharFromPos(TPoint p) const { return engine_->CharFromPos(p); }

int TEdit::LineCount() const { return engine_->LineCount(); }

int TEdit::LineFromChar(int pos) const { return engine_->LineFromChar(pos); }

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
  if (!has_edit_rect_ || !engine_) return;
  const TRect c = ClientRect();
  engine_->SetMargins(std::max(0, edit_rect_.Left - c.Left), std::max(0, edit_rect_.Top - c.Top),
                      std::max(0, c.Right - edit_rect_.Right), std::max(0, c.Bottom - edit_rect_.Bottom));
}

bool TEdit::CanUndo() const { return engine_->CanUndo(); }

int TEdit::RoomLeft() const {
  if (max_length_ <= 0 || HasInputMask()) return INT_MAX;
  return max_length_ - static_cast<int>(Text().size()) + SelLength();
}

void TEdit::ReplaceSelectionByUser(const QString& text) { engine_->Insert(text); }

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
// messages, Enter and Ctrl+Enter break lines in the multi-line style, and typing
// stops at the length limit.
void TEdit::DefaultHandler(TMessage& m) {
  if (m.Msg == WM_CHAR) {
    switch (m.CharCode()) {
      case 3: Perform(WM_COPY); return;    // Ctrl+C
      case 22: Perform(WM_PASTE); return;  // Ctrl+V
      case 24: Perform(WM_CUT); return;    // Ctrl+X
      case 26: Perform(WM_UNDO); return;   // Ctrl+Z
      default: break;
    }
    if (m.CharCode() == 10 || m.CharCode() == 13) {
      if (!OnManyLines() || ReadOnly()) return;
      if ((m.CharCode() == 13 && !want_returns_) || RoomLeft() < 2) return;
      ReplaceSelectionByUser(QStringLiteral("\r\n"));
      return;
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
  const QString text = OnManyLines() ? Clipboard()->AsText() : FirstLine(Clipboard()->AsText());
  const int room = RoomLeft();
  if (room <= 0 && !text.isEmpty()) return;
  ReplaceSelectionByUser(text.left(std::max(0, room)));
}

void TEdit::WMClear(TMessage&) {
  if (ReadOnly()) return;
  ReplaceSelectionByUser(QString());
}

void TEdit::WMUndo(TMessage&) {
  if (!ReadOnly()) engine_->Undo();
}

void TEdit::WMContextMenu(TMessage& m) {
  if (PopupMenu()) return TWinControl::WMContextMenu(m);
  m.Result = 1;
  const bool ro = ReadOnly();
  const bool plain = password_char_.isNull();
  const bool sel = SelLength() > 0;
  const bool enabled[] = {CanUndo() && !ro, false, sel && !ro && plain, sel && plain, !ro && Clipboard()->HasText(),
                          sel && !ro,       false, !Text().isEmpty() && SelLength() < Text().size()};
  TPopupRequest request;
  request.Position = {m.XPos(), m.YPos()};
  for (size_t i = 0; i < std::size(kMenu); ++i)
    request.Items.push_back({QString::fromLatin1(kMenu[i].caption), enabled[i]});
  const int chosen = UserInterface()->TrackPopupMenu(request);
  if (chosen < 0 || chosen >= static_cast<int>(std::size(kMenu)) || !enabled[chosen]) return;
  if (kMenu[chosen].message == WM_NULL) return SelectAll();
  Perform(kMenu[chosen].message);
}

void TEdit::CMEnter(TMessage& m) {
  // As the class library's edit: the whole text, unless a mouse press brought the
  // focus (it places the caret) or the edit holds many lines.
  if (auto_select_ && !ControlState().Contains(csLButtonDown) && !multi_line_) SelectAll();
  TWinControl::CMEnter(m);
}

void TEdit::WMGetDlgCode(TMessage& m) {
  m.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
  if (OnManyLines() && want_returns_) m.Result |= DLGC_WANTALLKEYS;
}

void TEdit::ApplyColor() {
  QWidget* w = Widget();
  if (!w) return;
  QPalette pal = w->palette();
  pal.setColor(QPalette::Base, ToQColor(Color()));
  w->setPalette(pal);
}
