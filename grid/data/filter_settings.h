// Settings of row filtering: one condition (TFilterData), the grid's list of
// conditions (TFilter) and the look of the filter drop-down lists
// (TFilterDropDown). Applying the conditions to rows lives with the grid's data
// operations.
#pragma once

#include <QString>
#include <memory>

#include "grid/base/filter_rows.h"  // the operations, texts and methods
#include "platform/rtl/collection.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/graphics.h"
#include "platform/ui/graphics_objects.h"

class TGridSettingsHost;

// Which columns get automatic filter lists: from the first normal column, or all.
enum TFilterDropDownColumns { fdNormal, fdAll };

class TFilterData : public TCollectionItem {
public:
  explicit TFilterData(TCollection* Collection) : TCollectionItem(Collection) {}

  // Copies Column, Condition, CaseSensitive, Data, Prefix, Suffix and Operation
  // (not Method).
  void Assign(const TPersistent* Source) override;

  int16_t Column = 0;
  QString Condition;
  bool CaseSensitive = true;
  QString Prefix;
  QString Suffix;
  TFilterOperation Operation = foSHORT;
  TFilterCells Data = fcVirtual;
  TFilterMethod Method = fmExpression;
};

class TFilter : public TCollectionOf<TFilterData> {
public:
  explicit TFilter(TGridSettingsHost* AOwner) : owner_(AOwner) {}

  // A new condition joined by AND, or by nothing when it is the only one.
  TFilterData* Add();
  // A new condition at the end, joined as the plain collection makes it (foSHORT);
  // the index is not used.
  TFilterData* Insert(int Index);
  // The first condition of the column, added (by Add) when there is none.
  TFilterData* GetColFilter(int Col);
  bool HasFilter(int Col) const;
  // Deletes every condition of the column and repaints its cell in row 0.
  void RemoveColumnFilter(int Col);

  TGridSettingsHost* Grid() const { return owner_; }

private:
  TGridSettingsHost* owner_;
};

class TFilterDropDown : public TPersistent {
public:
  TFilterDropDown();
  ~TFilterDropDown() override;

  // Copies Color, ColumnWidth, Font, Height, Width and both glyphs (not AutoSize).
  void Assign(const TPersistent* Source) override;

  bool AutoSize = false;
  TColor Color = clWindow;
  bool ColumnWidth = false;  // the list takes the cell's width
  int Height = 150;
  int Width = 150;

  TFont* Font() const { return font_.get(); }
  void SetFont(const TFont* value);
  // The filter button's glyphs, inactive and active; a change raises OnChange.
  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(const TBitmap* value);
  TBitmap* GlyphActive() const { return glyphActive_.get(); }
  void SetGlyphActive(const TBitmap* value);

  TNotifyEvent OnChange;

private:
  void GlyphChanged();

  std::unique_ptr<TFont> font_;
  std::unique_ptr<TBitmap> glyph_;
  std::unique_ptr<TBitmap> glyphActive_;
};
