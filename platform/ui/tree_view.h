// The class library's tree view (stands for TTreeView with its TTreeNodes and
// TTreeNode) over QTreeWidget: nodes with a text, a picture index into the view's
// pictures and a data reference, added as top-level nodes or as children, expanded
// or collapsed; one selected node. OnClick follows the user's mouse clicks only
// (selecting a node in code raises nothing). OnCustomDrawItem is asked for every
// node as it is drawn and may set the canvas font's colour.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "platform/ui/control.h"

class QTreeWidgetItem;
class TBitmap;
class TCanvas;
class TTreeView;

class TTreeNode {
public:
  QString Text() const;
  void SetText(const QString& value);
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int value);
  void* Data = nullptr;

  TTreeNode* Parent() const { return parent_; }
  int Count() const { return int(children_.size()); }
  TTreeNode* Item(int index) const;
  TTreeNode* GetFirstChild() const { return children_.empty() ? nullptr : children_.front(); }
  // Depth below the top level (0 for a top-level node).
  int Level() const;
  TTreeView* TreeView() const { return view_; }

  bool Expanded() const;
  void SetExpanded(bool value);
  void Expand(bool Recurse);
  void Collapse(bool Recurse);

private:
  friend class TTreeNodes;
  friend class TTreeView;
  TTreeNode(TTreeView* view, TTreeNode* parent, QTreeWidgetItem* item) : view_(view), parent_(parent), item_(item) {}
  TTreeView* view_;
  TTreeNode* parent_;
  QTreeWidgetItem* item_;
  std::vector<TTreeNode*> children_;
  int image_index_ = -1;
};

class TTreeNodes {
public:
  // Adds a node at the end of the level of `Sibling` (the top level for nullptr).
  TTreeNode* Add(TTreeNode* Sibling, const QString& S);
  // Adds a node as the last child of `Parent` (a top-level node for nullptr).
  TTreeNode* AddChild(TTreeNode* Parent, const QString& S);
  void Clear();
  // Every node, at all levels.
  int Count() const { return int(all_.size()); }
  TTreeNode* GetFirstNode() const { return top_.empty() ? nullptr : top_.front(); }
  // The top-level nodes.
  const std::vector<TTreeNode*>& TopNodes() const { return top_; }
  void BeginUpdate();
  void EndUpdate();

private:
  friend class TTreeView;
  explicit TTreeNodes(TTreeView* view) : view_(view) {}
  TTreeNode* Make(TTreeNode* parent, const QString& text);
  TTreeView* view_;
  std::vector<std::unique_ptr<TTreeNode>> all_;
  std::vector<TTreeNode*> top_;
};

enum TCustomDrawStateFlag { cdsSelected, cdsFocused, cdsHot };
using TCustomDrawState = TSet<TCustomDrawStateFlag>;
using TTVCustomDrawItemEvent =
    std::function<void(TObject* Sender, TTreeNode* Node, TCustomDrawState State, bool& DefaultDraw)>;

class TTreeView : public TWinControl {
public:
  explicit TTreeView(TComponent* AOwner);
  ~TTreeView() override;

  TTreeNodes* Items() { return items_.get(); }
  TTreeNode* Selected() const;
  void SetSelected(TTreeNode* value);
  // The node under a client point, nullptr for none.
  TTreeNode* GetNodeAt(int X, int Y) const;
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool value) { read_only_ = value; }

  // The pictures the nodes' ImageIndex chooses from (stands for the image list);
  // the bitmaps are copied.
  void AddImage(const TBitmap& picture);
  int ImageCount() const;

  // The canvas whose font OnCustomDrawItem sets for the node being drawn.
  TCanvas* Canvas() { return canvas_.get(); }

  TTVCustomDrawItemEvent OnCustomDrawItem;

  // --- platform ---
  // The node's font colour as OnCustomDrawItem sets it (the view's font colour
  // when nothing is set): what drawing the node would use.
  TColor Node_Text_Color(TTreeNode* node);
  TTreeNode* NodeOf(const QTreeWidgetItem* item) const;

protected:
  void WMGetDlgCode(TMessage& Message) override;
  void ApplyColor() override;

private:
  friend class TTreeNode;
  friend class TTreeNodes;
  std::unique_ptr<TTreeNodes> items_;
  std::unique_ptr<TCanvas> canvas_;
  struct Pictures;
  std::unique_ptr<Pictures> pictures_;
  bool read_only_ = false;
  void ApplyImage(TTreeNode* node);
};
