#include "platform/ui/popup_window.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QRegion>

#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/qt_graphics.h"
#include "platform/ui/widget_host.h"

namespace {

Qt::WindowFlags FlagsOf(TPopupWindowKind kind) {
  if (kind == pwLayeredTool)
    return Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput |
           Qt::WindowDoesNotAcceptFocus;
  return Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;
}

QRegion RegionOf(const std::vector<TPoint>& polygon) {
  QPolygon p;
  for (const TPoint& pt : polygon) p << ToQPoint(pt);
  return QRegion(p, Qt::WindingFill);
}

}  // namespace

TPopupWindow::TPopupWindow(TComponent* AOwner, TPopupWindowKind Kind)
    : TCustomControl(AOwner, new Hosted<QWidget>(TopLevelWidget{}, false)), kind_(Kind) {
  QWidget* w = Widget();
  w->setWindowFlags(FlagsOf(kind_));
  w->setFocusPolicy(Qt::NoFocus);
  w->setAttribute(Qt::WA_ShowWithoutActivating);
  if (kind_ == pwLayeredTool) {
    w->setAttribute(Qt::WA_TranslucentBackground);
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  w->hide();
  SetVisible(false);
}

TPopupWindow::~TPopupWindow() = default;

void TPopupWindow::AttachWidget(TWinControl* AParent) {
  // The parent is only the window this one stays above: the widget stays a
  // window of its own, placed in screen pixels.
  QWidget* w = Widget();
  if (!w) return;
  w->setParent(AParent->Widget(), FlagsOf(kind_));
  w->setGeometry(Left(), Top(), Width(), Height());
  w->setVisible(Visible());
}

void TPopupWindow::SetWindowRegion(const std::vector<TPoint>& Polygon) {
  has_region_ = true;
  frame_region_ = false;
  polygon_ = Polygon;
  ApplyRegion();
}

void TPopupWindow::SetWindowRegion(const TRect& Outer, const TRect& Inner) {
  has_region_ = true;
  frame_region_ = true;
  outer_ = Outer;
  inner_ = Inner;
  ApplyRegion();
}

void TPopupWindow::ClearWindowRegion() {
  has_region_ = false;
  Widget()->clearMask();
}

void TPopupWindow::ApplyRegion() {
  if (frame_region_)
    Widget()->setMask(QRegion(ToQRect(outer_)).subtracted(QRegion(ToQRect(inner_))));
  else
    Widget()->setMask(RegionOf(polygon_));
}

bool TPopupWindow::RegionContains(TPoint P) const {
  if (!PtInRect(ClientRect(), P)) return false;
  if (!has_region_) return true;
  if (frame_region_) return PtInRect(outer_, P) && !PtInRect(inner_, P);
  return RegionOf(polygon_).contains(ToQPoint(P));
}

void TPopupWindow::UpdateLayered(const TBitmap* Image, uint8_t Opacity) {
  opacity_ = Opacity;
  if (!Image || Image->Empty()) {
    layered_.reset();
  } else {
    const QImage& src = Image->Image();
    const QImage bytes = src.convertToFormat(QImage::Format_RGB32);
    // The fourth byte of each pixel is its alpha: read the rows as premultiplied ARGB.
    layered_ = std::make_unique<QImage>(
        QImage(bytes.constBits(), bytes.width(), bytes.height(), bytes.bytesPerLine(),
               QImage::Format_ARGB32_Premultiplied)
            .copy());
  }
  Invalidate();
}

QImage TPopupWindow::LayeredImage() const { return layered_ ? *layered_ : QImage(); }

bool TPopupWindow::TopMost() const {
  const Qt::WindowType type = Widget()->windowType();
  return type == Qt::ToolTip || Widget()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

bool TPopupWindow::TakesMouse() const { return kind_ == pwPopup; }

void TPopupWindow::Paint() {
  QPainter* p = Canvas()->Painter();
  if (kind_ == pwLayeredTool) {
    if (!p || !layered_) return;
    p->setCompositionMode(QPainter::CompositionMode_Source);
    p->fillRect(QRect(0, 0, Width(), Height()), Qt::transparent);
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->setOpacity(opacity_ / 255.0);
    p->drawImage(0, 0, *layered_);
    p->setOpacity(1.0);
    return;
  }
  Canvas()->Brush()->SetColor(Color());
  Canvas()->Brush()->SetStyle(bsSolid);
  Canvas()->FillRect(ClientRect());
  TCustomControl::Paint();
}

// ----- hint window -----

THintWindow::THintWindow(TComponent* AOwner) : TPopupWindow(AOwner, pwPopup) { SetColor(clInfoBk); }

TRect THintWindow::CalcHintRect(int MaxWidth, const QString& AHint) {
  TCanvas* c = MeasureCanvas();
  c->SetFont(Font());
  TRect r = Rect(0, 0, MaxWidth, 0);
  c->DrawText(AHint, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  r.Right += 6;
  r.Bottom += 2;
  return r;
}

void THintWindow::ActivateHint(const TRect& ScreenRect, const QString& AHint) {
  SetCaption(AHint);
  SetBounds(ScreenRect.Left, ScreenRect.Top, ScreenRect.Width(), ScreenRect.Height());
  Show();
  Invalidate();
}

void THintWindow::Paint() {
  TCanvas* c = Canvas();
  c->Brush()->SetColor(Color());
  c->Brush()->SetStyle(bsSolid);
  c->FillRect(ClientRect());
  c->Brush()->SetColor(clBlack);
  c->FrameRect(ClientRect());
  c->Brush()->SetStyle(bsClear);
  TRect r = ClientRect();
  r.Left += 2;
  r.Top += 1;
  c->DrawText(Caption(), r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

// ----- hint windows of other classes -----

namespace {

struct TClassHint {
  std::function<THintWindow*()> maker;
  std::unique_ptr<THintWindow> window;
};

std::vector<std::pair<int, TClassHint>>& ClassHints() {
  static std::vector<std::pair<int, TClassHint>> hints;
  return hints;
}

THintWindow* gShownClassHint = nullptr;

}  // namespace

void RegisterHintWindowClass(int WindowClass, std::function<THintWindow*()> Maker) {
  for (auto& [cls, hint] : ClassHints())
    if (cls == WindowClass) {
      if (gShownClassHint == hint.window.get()) gShownClassHint = nullptr;
      hint.window.reset();
      hint.maker = std::move(Maker);
      return;
    }
  ClassHints().push_back({WindowClass, TClassHint{std::move(Maker), nullptr}});
}

bool ShowClassHint(int WindowClass, TPoint ScreenPos, int MaxWidth, const QString& Hint, TObject* Data) {
  for (auto& [cls, hint] : ClassHints()) {
    if (cls != WindowClass || !hint.maker) continue;
    if (!hint.window) hint.window.reset(hint.maker());
    if (!hint.window) return false;
    if (gShownClassHint && gShownClassHint != hint.window.get()) HideClassHint();
    TRect r = hint.window->CalcHintRectData(MaxWidth > 0 ? MaxWidth : 1008, Hint, Data);
    OffsetRect(r, ScreenPos.X, ScreenPos.Y);
    hint.window->ActivateHintData(r, Hint, Data);
    gShownClassHint = hint.window.get();
    return true;
  }
  return false;
}

THintWindow* ShownClassHint() { return gShownClassHint; }

void HideClassHint() {
  if (!gShownClassHint) return;
  gShownClassHint->ReleaseHandle();
  gShownClassHint = nullptr;
}

// ----- edit balloon tip -----

namespace {

class TBalloonTipWindow : public TPopupWindow {
public:
  TBalloonTipWindow() : TPopupWindow(nullptr, pwPopup) { SetColor(clInfoBk); }
  TEditBalloonTip tip;
  TWinControl* target = nullptr;

  void Aim(TWinControl* t) {
    if (target && target != t) target->RemoveFreeNotification(this);
    target = t;
    if (target) target->FreeNotification(this);
  }

  void Place() {
    TCanvas* c = MeasureCanvas();
    c->SetFont(Font());
    TRect text = Rect(0, 0, 300, 0);
    c->DrawText(tip.Text, text, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    const int titleHeight = tip.Title.isEmpty() ? 0 : c->TextHeight(tip.Title) + 4;
    const int width = std::max(text.Width(), c->TextWidth(tip.Title) + (tip.Icon ? 22 : 0)) + 16;
    const TPoint at = target->ClientToScreen({8, target->Height()});
    SetBounds(at.X, at.Y, width, text.Height() + titleHeight + 12);
  }

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TPopupWindow::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == target) {
      target = nullptr;
      Hide();
      Widget()->hide();
    }
  }

  void Paint() override {
    TCanvas* c = Canvas();
    c->Brush()->SetColor(Color());
    c->Pen()->SetColor(clBlack);
    c->RoundRect(0, 0, Width(), Height(), 8, 8);
    c->Brush()->SetStyle(bsClear);
    int x = 8;
    int y = 6;
    if (tip.Icon > 0 && tip.Icon <= 3) {
      static constexpr TColor kIconColors[] = {clBlue, 0x00A5FF, clRed};
      static constexpr const char16_t* kIconMarks[] = {u"i", u"!", u"x"};
      c->Brush()->SetColor(kIconColors[tip.Icon - 1]);
      c->Brush()->SetStyle(bsSolid);
      c->Pen()->SetColor(kIconColors[tip.Icon - 1]);
      c->Ellipse(x, y, x + 16, y + 16);
      c->Brush()->SetStyle(bsClear);
      c->Font()->SetColor(clWhite);
      TRect mark = Rect(x, y, x + 16, y + 16);
      c->DrawText(QString::fromUtf16(kIconMarks[tip.Icon - 1]), mark, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      x += 22;
    }
    c->Font()->SetColor(clInfoText);
    if (!tip.Title.isEmpty()) {
      c->Font()->SetStyle({fsBold});
      c->TextOut(x, y, tip.Title);
      c->Font()->SetStyle({});
      y += c->TextHeight(tip.Title) + 4;
    }
    TRect r = Rect(8, y, Width() - 8, Height() - 4);
    c->DrawText(tip.Text, r, DT_WORDBREAK | DT_NOPREFIX);
  }
};

TBalloonTipWindow*& BalloonWindow() {
  static TBalloonTipWindow* window = nullptr;
  return window;
}

}  // namespace

bool ShowEditBalloonTip(TWinControl* Target, const TEditBalloonTip& Tip) {
  if (!Target || !Target->Widget()) return false;
  TBalloonTipWindow*& w = BalloonWindow();
  if (!w) w = new TBalloonTipWindow();
  w->tip = Tip;
  w->Aim(Target);
  w->Place();
  w->Show();
  w->Widget()->show();
  w->Invalidate();
  return true;
}

void HideEditBalloonTip() {
  if (TBalloonTipWindow* w = BalloonWindow()) {
    w->Aim(nullptr);
    w->Hide();
    w->Widget()->hide();
  }
}

TWinControl* EditBalloonTarget() {
  TBalloonTipWindow* w = BalloonWindow();
  return w && w->Visible() ? w->target : nullptr;
}

TEditBalloonTip EditBalloonShown() {
  TBalloonTipWindow* w = BalloonWindow();
  return w ? w->tip : TEditBalloonTip{};
}

// ----- window position hook -----

namespace {

class WindowPosFilter : public QObject {
public:
  std::function<void()> hook;

protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if ((e->type() == QEvent::Move || e->type() == QEvent::Resize) && hook) {
      auto* w = qobject_cast<QWidget*>(watched);
      // Pop-up windows (the focus frame itself) do not count.
      if (!w || !w->isWindow()) return false;
      const Qt::WindowType type = w->windowType();
      if (type != Qt::ToolTip && type != Qt::Tool && type != Qt::Popup) hook();
    }
    return false;
  }
};

WindowPosFilter*& PosFilter() {
  static WindowPosFilter* filter = nullptr;
  return filter;
}

}  // namespace

void SetWindowPosHook(std::function<void()> Hook) {
  WindowPosFilter*& f = PosFilter();
  if (!Hook) {
    if (f) f->hook = nullptr;
    return;
  }
  if (!f) {
    f = new WindowPosFilter();
    qApp->installEventFilter(f);
  }
  f->hook = std::move(Hook);
}
