#include "platform/ui/labels.h"

#include <QLabel>
#include <QRegularExpression>

#include "platform/ui/qt_graphics.h"
#include "platform/ui/widget_host.h"

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetControlStyle(ControlStyle() + csOpaque);
  SetParentColor(true);
  SetBounds(0, 0, 65, 17);
}

unsigned TLabel::TextFlags() const {
  unsigned flags = DT_EXPANDTABS;
  if (alignment_ == taRightJustify) flags |= DT_RIGHT;
  if (alignment_ == taCenter) flags |= DT_CENTER;
  if (word_wrap_) flags |= DT_WORDBREAK;
  if (!show_accel_char_) flags |= DT_NOPREFIX;
  return flags;
}

void TLabel::Paint() {
  TCanvas* c = Canvas();
  if (!transparent_) {
    c->Brush()->SetColor(Color());
    c->FillRect(ClientRect());
  }
  c->Brush()->SetStyle(bsClear);
  c->Font()->Assign(*Font());
  if (!Enabled()) c->Font()->SetColor(clGrayText);
  TRect r = ClientRect();
  const QString text = Caption();
  if (layout_ != tlTop) {
    TRect measured = r;
    c->DrawText(text, measured, TextFlags() | DT_CALCRECT);
    const int offset = layout_ == tlCenter ? (r.Height() - measured.Height()) / 2 : r.Height() - measured.Height();
    OffsetRect(r, 0, offset);
  }
  c->DrawText(text, r, TextFlags());
}

void TLabel::AdjustBounds() {
  if (!auto_size_ || ComponentState().Contains(csLoading)) return;
  TCanvas* c = MeasureCanvas();
  c->Font()->Assign(*Font());
  TRect r = Rect(0, 0, word_wrap_ ? Width() : 0x7FFF, 0);
  const QString text = Caption().isEmpty() ? QStringLiteral(" ") : Caption();
  c->DrawText(text, r, TextFlags() | DT_CALCRECT);
  int left = Left();
  if (!word_wrap_ && alignment_ == taRightJustify) left += Width() - r.Width();
  if (!word_wrap_ && alignment_ == taCenter) left += (Width() - r.Width()) / 2;
  SetBounds(left, Top(), word_wrap_ ? Width() : r.Width(), r.Height());
}

void TLabel::SetAlignment(TAlignment value) {
  alignment_ = value;
  Invalidate();
}

void TLabel::SetLayout(TTextLayout value) {
  layout_ = value;
  Invalidate();
}

void TLabel::SetAutoSize(bool value) {
  auto_size_ = value;
  AdjustBounds();
}

void TLabel::SetWordWrap(bool value) {
  word_wrap_ = value;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}

void TLabel::SetShowAccelChar(bool value) {
  show_accel_char_ = value;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetFocusControl(TWinControl* value) {
  focus_control_ = value;
  if (value) value->FreeNotification(this);
}

void TLabel::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == focus_control_) focus_control_ = nullptr;
}

void TLabel::CMTextChanged(TMessage& m) {
  TGraphicControl::CMTextChanged(m);
  AdjustBounds();
}

void TLabel::CMFontChanged(TMessage& m) {
  TGraphicControl::CMFontChanged(m);
  AdjustBounds();
}

void TLabel::CMDialogChar(TMessage& m) {
  if (!focus_control_ || !Enabled() || !show_accel_char_) return;
  if (!IsAccel(QChar(static_cast<char16_t>(m.CharCode())), Caption())) return;
  if (!focus_control_->CanFocus()) return;
  focus_control_->SetFocus();
  m.Result = 1;
}

QString LinkCaptionToHtml(const QString& caption) {
  static const QRegularExpression anchor(QStringLiteral("<a(\\s[^>]*)?>(.*?)</a>"),
                                         QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression href(QStringLiteral("href\\s*=\\s*\"([^\"]*)\""),
                                       QRegularExpression::CaseInsensitiveOption);
  QString html;
  int at = 0;
  auto it = anchor.globalMatch(caption);
  while (it.hasNext()) {
    const QRegularExpressionMatch m = it.next();
    html += caption.mid(at, m.capturedStart() - at).toHtmlEscaped();
    const QRegularExpressionMatch h = href.match(m.captured(1));
    const QString target = h.hasMatch() ? h.captured(1) : m.captured(2);
    html += QStringLiteral("<a href=\"") + target.toHtmlEscaped() + QStringLiteral("\">") +
            m.captured(2).toHtmlEscaped() + QStringLiteral("</a>");
    at = static_cast<int>(m.capturedEnd());
  }
  html += caption.mid(at).toHtmlEscaped();
  return html;
}

namespace {

QLabel* LabelOf(const TControl* c) { return static_cast<QLabel*>(static_cast<QWidget*>(c->Widget())); }

}  // namespace

TLinkLabel::TLinkLabel(TComponent* AOwner) : TWinControl(AOwner, new Hosted<QLabel>(true)) {
  QLabel* label = LabelOf(this);
  label->setTextFormat(Qt::RichText);
  label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  label->setOpenExternalLinks(false);
  label->setFocusPolicy(Qt::NoFocus);
  QObject::connect(label, &QLabel::linkActivated, [this](const QString& link) {
    if (OnLinkClick) OnLinkClick(this, link, sltURL);
  });
  SetParentColor(true);
  SetBounds(0, 0, 53, 17);
}

void TLinkLabel::SetAutoSize(bool value) {
  auto_size_ = value;
  AdjustBounds();
}

void TLinkLabel::AdjustBounds() {
  if (!auto_size_) return;
  const QSize hint = LabelOf(this)->sizeHint();
  SetBounds(Left(), Top(), hint.width(), hint.height());
}

void TLinkLabel::CMTextChanged(TMessage& m) {
  LabelOf(this)->setText(LinkCaptionToHtml(Caption()));
  TWinControl::CMTextChanged(m);
  AdjustBounds();
}

void TLinkLabel::CMFontChanged(TMessage& m) {
  TWinControl::CMFontChanged(m);
  AdjustBounds();
}
