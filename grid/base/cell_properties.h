// Per-cell properties that the cell store keeps beside each cell's text: the
// cell's look (colours, font, alignment, word wrap), its read-only flag and editor
// kind, the merge information of merged blocks, the objects attached to it and the
// number of the paint pass in which its block was last painted.
#pragma once

#include <QString>
#include <cstdint>
#include <typeinfo>

#include "grid/base/editor_type.h"
#include "platform/rtl/object.h"
#include "platform/ui/graphics.h"
#include "platform/ui/graphics_objects.h"
#include "platform/ui/control.h"

class TBaseGrid;

enum TVAlignment { vtaTop, vtaCenter, vtaBottom };
enum TCellGradientDirection { GradientVertical, GradientHorizontal };
enum TColumnCalcType { acNONE, acSUM, acAVG, acCOUNT, acMIN, acMAX, acSPREAD, acCUSTOM, acDISTINCT, acSTDDEV };

// A cell graphic that the cell store frees together with its cell's properties
// when it frees a range of cells (the grid control's cell graphic derives from it;
// any other object put in GraphicObject is left to its owner).
class TStoreOwnedGraphic : public TPersistent {};

class TCellProperties final : public TPersistent {
public:
  // Marks the grid as having cell properties.
  TCellProperties(TBaseGrid* grid, int col, int row);

  // Copies the look, the merge fields, the owner cell, the cell object and the
  // control; leaves OwnerGrid, GraphicObject, BrushColorTo, GradientDirection,
  // PaintID, CalcType and CalcObject as they are.
  void Assign(const TPersistent* Source) override;

  // The base cell of (c, r) from this cell's own merge fields.
  TPoint GetBaseCell(int c, int r) const;

  // These four repaint the owner cell; Alignment only stores.
  TColor BrushColor() const { return brushColor_; }
  void SetBrushColor(TColor value);
  TColor BrushColorTo() const { return brushColorTo_; }
  void SetBrushColorTo(TColor value);
  TVAlignment VAlignment() const { return vAlignment_; }
  void SetVAlignment(TVAlignment value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value) { alignment_ = value; }

  // The fields go from the widest to the narrowest, so that the object has no
  // holes: a grid keeps one for every cell given a look of its own.
  TBaseGrid* OwnerGrid;
  uintptr_t CellObject = 0;
  TObject* GraphicObject = nullptr;
  TObject* CalcObject = nullptr;
  TControl* Control = nullptr;
  QString FontName;
  TFontStyles FontStyle;
  int OwnerCol;
  int OwnerRow;
  TBrushStyle BrushStyle = bsSolid;
  int FontSize = 0;
  TColor FontColor = clNone;
  int CellSpanY = -1;
  int CellSpanX = -1;
  int BorderWidth = 0;
  TColor BorderColor = 0;
  int PaintID = 0;
  TColumnCalcType CalcType = acNONE;
  int NodeLevel = 0;
  TCellGradientDirection GradientDirection = GradientVertical;

private:
  TColor brushColor_ = clNone;
  TColor brushColorTo_ = clNone;
  TAlignment alignment_ = taLeftJustify;
  TVAlignment vAlignment_ = vtaTop;

public:
  TEditorType Editor = edNormal;
  bool IsBaseCell = true;
  bool ReadOnly = false;

private:
  bool wordWrap_;

  void RepaintOwnerCell();
};

// The object in a cell's slot as cell properties, or null when it is something
// else. The class has no descendants, so comparing the object's type is enough;
// cell lookups run this for every cell read, where a full cast costs more.
inline TCellProperties* AsCellProperties(TObject* object) {
  return object && typeid(*object) == typeid(TCellProperties) ? static_cast<TCellProperties*>(object) : nullptr;
}
