#include "platform/ui/tree_view.h"

#include <QHeaderView>
#include <QIcon>
#include <QPixmap>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include "platform/rtl/exceptions.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/qt_graphics.h"
#include "platform/ui/widget_host.h"

namespace {

constexpr int kNodeRole = Qt::UserRole + 1;

QTreeWidget* Tree(const TControl* c) { return static_cast<QTreeWidget*>(c->Widget()); }

// Draws each node in the colour the view's OnCustomDrawItem gives it.
class NodeDelegate : public QStyledItemDelegate {
public:
  NodeDelegate(TTreeView* view, QObject* parent) : QStyledItemDelegate(parent), view_(view) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem o(option);
    auto* item = static_cast<QTreeWidget*>(view_->Widget())->itemFromIndex(index);
    if (TTreeNode* node = view_->NodeOf(item)) {
      const QColor color = ToQColor(view_->Node_Text_Color(node));
      o.palette.setColor(QPalette::Text, color);
    }
    QStyledItemDelegate::paint(painter, o, index);
  }

private:
  TTreeView* view_;
};

}  // namespace

struct TTreeView::Pictures {
  std::vector<QIcon> icons;
};

// ---------------------------------------------------------------------------
// Nodes

QString TTreeNode::Text() const { return item_->text(0); }

void TTreeNode::SetText(const QString& value) { item_->setText(0, value); }

void TTreeNode::SetImageIndex(int value) {
  image_index_ = value;
  view_->ApplyImage(this);
}

TTreeNode* TTreeNode::Item(int index) const {
  if (index < 0 || index >= Count()) throw EListError(QStringLiteral("Tree node index out of bounds (%1)").arg(index));
  return children_[size_t(index)];
}

int TTreeNode::Level() const {
  int level = 0;
  for (TTreeNode* p = parent_; p; p = p->parent_) ++level;
  return level;
}

bool TTreeNode::Expanded() const { return item_->isExpanded(); }

void TTreeNode::SetExpanded(bool value) { item_->setExpanded(value); }

void TTreeNode::Expand(bool Recurse) {
  item_->setExpanded(true);
  if (Recurse)
    for (TTreeNode* child : children_) child->Expand(true);
}

void TTreeNode::Collapse(bool Recurse) {
  item_->setExpanded(false);
  if (Recurse)
    for (TTreeNode* child : children_) child->Collapse(true);
}

TTreeNode* TTreeNodes::Make(TTreeNode* parent, const QString& text) {
  QTreeWidget* tree = Tree(view_);
  const QSignalBlocker block(tree);
  auto* item = new QTreeWidgetItem(QStringList{text});
  all_.push_back(std::unique_ptr<TTreeNode>(new TTreeNode(view_, parent, item)));
  TTreeNode* node = all_.back().get();
  item->setData(0, kNodeRole, QVariant::fromValue(reinterpret_cast<quintptr>(node)));
  if (parent) {
    parent->item_->addChild(item);
    parent->children_.push_back(node);
  } else {
    tree->addTopLevelItem(item);
    top_.push_back(node);
  }
  return node;
}

TTreeNode* TTreeNodes::Add(TTreeNode* Sibling, const QString& S) { return Make(Sibling ? Sibling->parent_ : nullptr, S); }

TTreeNode* TTreeNodes::AddChild(TTreeNode* Parent, const QString& S) { return Make(Parent, S); }

void TTreeNodes::Clear() {
  QTreeWidget* tree = Tree(view_);
  const QSignalBlocker block(tree);
  tree->clear();
  top_.clear();
  all_.clear();
}

void TTreeNodes::BeginUpdate() { Tree(view_)->setUpdatesEnabled(false); }

void TTreeNodes::EndUpdate() { Tree(view_)->setUpdatesEnabled(true); }

// ---------------------------------------------------------------------------
// The view

TTreeView::TTreeView(TComponent* AOwner)
    : TWinControl(AOwner, new Hosted<QTreeWidget>(true)),
      items_(new TTreeNodes(this)),
      canvas_(std::make_unique<TCanvas>()),
      pictures_(std::make_unique<Pictures>()) {
  SetControlStyle(TControlStyle{csSetCaption, csDoubleClicks, csOpaque});
  SetTabStop(true);
  SetBounds(0, 0, 121, 97);
  QTreeWidget* tree = Tree(this);
  tree->setHeaderHidden(true);
  tree->setColumnCount(1);
  tree->setSelectionMode(QAbstractItemView::SingleSelection);
  tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tree->setItemDelegate(new NodeDelegate(this, tree));
  QObject::connect(tree, &QTreeWidget::itemClicked, [this](QTreeWidgetItem*, int) { Click(); });
  ApplyColor();
}

TTreeView::~TTreeView() {
  // The nodes refer to the widget's items, which the widget frees.
  QTreeWidget* tree = Tree(this);
  const QSignalBlocker block(tree);
  items_->top_.clear();
  items_->all_.clear();
}

TTreeNode* TTreeView::NodeOf(const QTreeWidgetItem* item) const {
  if (!item) return nullptr;
  return reinterpret_cast<TTreeNode*>(item->data(0, kNodeRole).value<quintptr>());
}

TTreeNode* TTreeView::Selected() const { return NodeOf(Tree(this)->currentItem()); }

void TTreeView::SetSelected(TTreeNode* value) {
  QTreeWidget* tree = Tree(this);
  const QSignalBlocker block(tree);
  if (!value) {
    tree->setCurrentItem(nullptr);
    tree->clearSelection();
    return;
  }
  tree->setCurrentItem(value->item_);
}

TTreeNode* TTreeView::GetNodeAt(int X, int Y) const {
  QTreeWidget* tree = Tree(this);
  const QPoint p = tree->viewport()->mapFrom(tree, QPoint(X, Y));
  return NodeOf(tree->itemAt(p));
}

void TTreeView::AddImage(const TBitmap& picture) {
  pictures_->icons.emplace_back(QPixmap::fromImage(picture.MaskedImage()));
  Tree(this)->setIconSize(QSize(picture.Width(), picture.Height()));
}

int TTreeView::ImageCount() const { return int(pictures_->icons.size()); }

void TTreeView::ApplyImage(TTreeNode* node) {
  const int i = node->image_index_;
  node->item_->setIcon(0, i >= 0 && i < ImageCount() ? pictures_->icons[size_t(i)] : QIcon());
}

TColor TTreeView::Node_Text_Color(TTreeNode* node) {
  canvas_->Font()->Assign(*Font());
  bool defaultDraw = true;
  TCustomDrawState state;
  if (Selected() == node) state = state + cdsSelected;
  if (OnCustomDrawItem) OnCustomDrawItem(this, node, state, defaultDraw);
  return canvas_->Font()->Color();
}

void TTreeView::WMGetDlgCode(TMessage& m) { m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }

void TTreeView::ApplyColor() {
  QPalette pal = Widget()->palette();
  pal.setColor(QPalette::Base, ToQColor(Color()));
  Widget()->setPalette(pal);
}
