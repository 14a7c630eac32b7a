// Settings of sorting (TSortSettings): which column and direction, the indexed
// (multi-column) sort, how ties, blanks and case are treated, the glyphs and
// colours of the sort row. The sorting itself lives with the grid's data
// operations; this object holds the options and repaints what shows them.
#pragma once

#include <memory>

#include "platform/rtl/object.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/graphics.h"

class TGridSettingsHost;

enum TSortDirection { sdAscending, sdDescending };
enum TIndexSortKey { ikShift, ikCtrl };
enum TSortBlankPosition { blFirst, blLast };
// How two cell texts of a column compare (ordinals 0 to 19).
enum TSortStyle {
  ssAutomatic, ssAlphabetic, ssNumeric, ssDate, ssAlphaNoCase, ssAlphaCase, ssShortDateEU, ssShortDateUS,
  ssCustom, ssFinancial, ssAnsiAlphaCase, ssAnsiAlphaNoCase, ssRaw, ssHTML, ssImages, ssCheckBox,
  ssDateTime, ssTime, ssAlphaNumeric, ssAlphaNumericNoCase
};

class TSortSettings : public TPersistent {
public:
  explicit TSortSettings(TGridSettingsHost* AOwner);
  ~TSortSettings() override;

  // Copies every option, the glyphs and the header colours as plain values;
  // leaves IgnoreCase and SortOnVirtualCells.
  void Assign(const TPersistent* Source) override;

  bool IndexShow = false;
  TColor IndexColor = clYellow;
  TIndexSortKey IndexSortKey = ikShift;
  bool Full = true;
  bool SingleColumn = false;
  bool IgnoreBlanks = false;
  TSortBlankPosition BlankPos = blFirst;
  bool AutoFormat = true;
  TSortDirection Direction = sdAscending;
  bool NormalCellsOnly = false;
  bool FixedCols = false;
  int Column = -1;  // real column of the plain sort; -1 none
  bool AutoColumnMerge = false;
  TSortDirection InitSortDirection = sdAscending;
  bool UndoSort = false;
  bool AutoSortForGrouping = true;
  bool SortOnVirtualCells = true;
  bool IgnoreCase = false;

  // The column sorted on (the name the grid's data operations use for Column).
  int SortColumn() const { return Column; }

  // Repaints the grid when the value changes.
  bool Show() const { return show_; }
  void SetShow(bool value);
  // The fixed row that sorts on a click and shows the glyph; a value not below
  // the grid's fixed row count raises Exception and keeps the old one.
  int Row() const { return row_; }
  void SetRow(int value);

  // Store a changed value and repaint the last fixed row (with fixed rows).
  TColor HeaderColor() const { return headerColor_; }
  void SetHeaderColor(TColor value);
  TColor HeaderColorTo() const { return headerColorTo_; }
  void SetHeaderColorTo(TColor value);
  TColor HeaderMirrorColor() const { return headerMirrorColor_; }
  void SetHeaderMirrorColor(TColor value);
  TColor HeaderMirrorColorTo() const { return headerMirrorColorTo_; }
  void SetHeaderMirrorColorTo(TColor value);

  // The owned glyphs; setting one copies the given bitmap in.
  TBitmap* UpGlyph() const { return upGlyph_.get(); }
  void SetUpGlyph(const TBitmap* value);
  TBitmap* DownGlyph() const { return downGlyph_.get(); }
  void SetDownGlyph(const TBitmap* value);
  TBitmap* IndexUpGlyph() const { return indexUpGlyph_.get(); }
  void SetIndexUpGlyph(const TBitmap* value);
  TBitmap* IndexDownGlyph() const { return indexDownGlyph_.get(); }
  void SetIndexDownGlyph(const TBitmap* value);

  // Flips Direction only.
  void ToggleDirection() { Direction = Direction == sdAscending ? sdDescending : sdAscending; }

  // The sort as a specifier text (grid/data/sort_specifier.cpp): "u3" or "d3"
  // for the plain sort on column 3, "i;" and the index list's text for the
  // indexed sort.
  QString SaveToString() const;
  // Sorts the grid as the text says; an empty text does nothing, a one-character
  // text raises Exception "Invalid sort settings specifier".
  void LoadFromString(const QString& Value);
  // No sort column and an empty index list; the sort row is repainted.
  void Remove();

private:
  void SetHeader(TColor& field, TColor value);

  TGridSettingsHost* owner_;
  bool show_ = false;
  int row_ = 0;
  TColor headerColor_ = clNone;
  TColor headerColorTo_ = clNone;
  TColor headerMirrorColor_ = clNone;
  TColor headerMirrorColorTo_ = clNone;
  std::unique_ptr<TBitmap> upGlyph_;
  std::unique_ptr<TBitmap> downGlyph_;
  std::unique_ptr<TBitmap> indexUpGlyph_;
  std::unique_ptr<TBitmap> indexDownGlyph_;
};
