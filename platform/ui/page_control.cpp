#include "platform/ui/page_control.h"

#include <QTabWidget>

#include "platform/rtl/exceptions.h"
#include "platform/ui/qt_graphics.h"
#include "platform/ui/widget_host.h"

namespace {

QTabWidget* Tabs(const TControl* c) { return static_cast<QTabWidget*>(c->Widget()); }

}  // namespace

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner, new Hosted<QWidget>(false)) {
  SetColor(clBtnFace);
}

TTabSheet::~TTabSheet() {
  Destroying();
  if (page_control_) page_control_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* value) {
  if (page_control_ == value) return;
  if (page_control_) page_control_->RemovePage(this);
  page_control_ = nullptr;
  SetParent(value);
}

void TTabSheet::AttachWidget(TWinControl* AParent) {
  auto* pages = dynamic_cast<TPageControl*>(AParent);
  if (!pages) return TWinControl::AttachWidget(AParent);
  page_control_ = pages;
  pages->InsertPage(this);
}

int TTabSheet::PageIndex() const {
  if (!page_control_) return -1;
  const auto& list = page_control_->pages_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TTabSheet::SetTabVisible(bool value) {
  tab_visible_ = value;
  if (page_control_) page_control_->SyncTab(this);
}

void TTabSheet::CMTextChanged(TMessage& m) {
  if (page_control_) page_control_->SyncTab(this);
  TWinControl::CMTextChanged(m);
}

void TTabSheet::ApplyColor() {
  QWidget* w = Widget();
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, ToQColor(Color()));
  w->setPalette(pal);
  w->setAutoFillBackground(true);
}

TPageControl::TPageControl(TComponent* AOwner) : TWinControl(AOwner, new Hosted<QTabWidget>(true)) {
  SetTabStop(true);
  SetBounds(0, 0, 289, 193);
  QObject::connect(Tabs(this), &QTabWidget::currentChanged, [this](int) {
    if (!updating_ && OnChange) OnChange(this);
  });
}

TPageControl::~TPageControl() {
  QObject::disconnect(Tabs(this), &QTabWidget::currentChanged, nullptr, nullptr);
  for (TTabSheet* page : pages_) page->page_control_ = nullptr;
  pages_.clear();
}

TTabSheet* TPageControl::Pages(int index) const {
  if (index < 0 || index >= PageCount()) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
  return pages_[static_cast<size_t>(index)];
}

TTabSheet* TPageControl::ActivePage() const {
  QWidget* current = Tabs(this)->currentWidget();
  for (TTabSheet* p : pages_)
    if (p->Widget() == current) return p;
  return nullptr;
}

void TPageControl::SetActivePage(TTabSheet* value) {
  if (!value || value->page_control_ != this) return;
  updating_ = true;
  Tabs(this)->setCurrentWidget(value->Widget());
  updating_ = false;
}

int TPageControl::ActivePageIndex() const {
  TTabSheet* page = ActivePage();
  return page ? page->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int value) {
  if (value >= 0 && value < PageCount()) SetActivePage(pages_[static_cast<size_t>(value)]);
}

void TPageControl::InsertPage(TTabSheet* page) {
  pages_.push_back(page);
  updating_ = true;
  Tabs(this)->addTab(page->Widget(), page->Caption());
  updating_ = false;
  SyncTab(page);
}

void TPageControl::RemovePage(TTabSheet* page) {
  std::erase(pages_, page);
  if (QWidget* w = page->Widget()) {
    updating_ = true;
    const int index = Tabs(this)->indexOf(w);
    if (index >= 0) Tabs(this)->removeTab(index);
    updating_ = false;
  }
  page->page_control_ = nullptr;
}

void TPageControl::SyncTab(TTabSheet* page) {
  const int index = Tabs(this)->indexOf(page->Widget());
  if (index < 0) return;
  Tabs(this)->setTabText(index, page->Caption());
  Tabs(this)->setTabVisible(index, page->TabVisible());
}
