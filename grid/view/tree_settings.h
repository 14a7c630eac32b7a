// Settings of the tree nodes in rows (TCellNode): colours, node glyph kind and
// indent, the expand and contract glyphs and the tree lines. Changes of the
// drawn look repaint the grid when the value differs.
#pragma once

#include <memory>

#include "platform/rtl/object.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/graphics.h"

class TGridSettingsHost;

enum TNodeType { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

class TCellNode : public TPersistent {
public:
  explicit TCellNode(TGridSettingsHost* AOwner);
  ~TCellNode() override;

  // Copies every property (the glyphs as bitmap copies), without repainting.
  void Assign(const TPersistent* Source) override;

  TColor Color = 0xC0C0C0;
  bool ExpandOne = false;
  TColor NodeColor = clBlack;

  TNodeType NodeType() const { return nodeType_; }
  void SetNodeType(TNodeType value);
  int NodeIndent() const { return nodeIndent_; }
  void SetNodeIndent(int value);
  bool ShowTree() const { return showTree_; }
  void SetShowTree(bool value);
  bool ShowTreeFull() const { return showTreeFull_; }
  void SetShowTreeFull(bool value);
  TColor TreeColor() const { return treeColor_; }
  void SetTreeColor(TColor value);

  // The owned glyphs; setting one copies the given bitmap in.
  TBitmap* ExpandGlyph() const { return expandGlyph_.get(); }
  void SetExpandGlyph(const TBitmap* value);
  TBitmap* ContractGlyph() const { return contractGlyph_.get(); }
  void SetContractGlyph(const TBitmap* value);

private:
  void Repaint();

  TGridSettingsHost* owner_;
  TNodeType nodeType_ = cnXP;
  int nodeIndent_ = 12;
  bool showTree_ = true;
  bool showTreeFull_ = true;
  TColor treeColor_ = clGray;
  std::unique_ptr<TBitmap> expandGlyph_;
  std::unique_ptr<TBitmap> contractGlyph_;
};
