#include "grid/view/tree_settings.h"

#include "grid/view/settings_host.h"

TCellNode::TCellNode(TGridSettingsHost* AOwner)
    : owner_(AOwner), expandGlyph_(std::make_unique<TBitmap>()), contractGlyph_(std::make_unique<TBitmap>()) {}

TCellNode::~TCellNode() = default;

void TCellNode::Repaint() {
  if (owner_) owner_->HostInvalidate();
}

void TCellNode::SetNodeType(TNodeType value) {
  if (nodeType_ == value) return;
  nodeType_ = value;
  Repaint();
}

void TCellNode::SetNodeIndent(int value) {
  if (nodeIndent_ == value) return;
  nodeIndent_ = value;
  Repaint();
}

void TCellNode::SetShowTree(bool value) {
  if (showTree_ == value) return;
  showTree_ = value;
  Repaint();
}

void TCellNode::SetShowTreeFull(bool value) {
  if (showTreeFull_ == value) return;
  showTreeFull_ = value;
  Repaint();
}

void TCellNode::SetTreeColor(TColor value) {
  if (treeColor_ == value) return;
  treeColor_ = value;
  Repaint();
}

void TCellNode::SetExpandGlyph(const TBitmap* value) {
  if (value) expandGlyph_->Assign(*value);
}

void TCellNode::SetContractGlyph(const TBitmap* value) {
  if (value) contractGlyph_->Assign(*value);
}

void TCellNode::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TCellNode*>(Source);
  if (!s || s == this) return;
  Color = s->Color;
  ExpandOne = s->ExpandOne;
  NodeColor = s->NodeColor;
  nodeType_ = s->nodeType_;
  nodeIndent_ = s->nodeIndent_;
  showTree_ = s->showTree_;
  showTreeFull_ = s->showTreeFull_;
  treeColor_ = s->treeColor_;
  expandGlyph_->Assign(*s->expandGlyph_);
  contractGlyph_->Assign(*s->contractGlyph_);
}
