// The column stream: the settings of a column grid's column items written as the
// class library's component stream of one TExColumnGridIO object, whose only
// property Items is a collection with one entry per column item. Each entry holds
// the item's published properties in a fixed order; PrintBorderCustom and
// PrintFontCustom are left out when true, texts and lists when empty, component
// references (the column's pop-up menu and edit link) are written by name.
//
// This unit knows only the records below, not the grid: the column grid turns its
// items into records and back. Reading checks every name, tag, length and value
// and raises EReadError on anything it cannot take, so a broken stream gives no
// records at all.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "grid/base/editor_type.h"
#include "platform/rtl/component_stream.h"
#include "platform/ui/graphics.h"
#include "platform/ui/graphics_objects.h"

// Which clicks open a column's pop-up menu.
enum TColumnPopupType {
  cpFixedCellsRClick, cpFixedCellsLClick, cpNormalCellsRClick, cpNormalCellsLClick, cpAllCellsRClick, cpAllCellsLClick
};

// Sizes of the enumerations kept as numbers in the records (the grid's
// alignment, cell border and sort style types; the grid checks them).
inline constexpr int kColumnStreamAlignments = 3;
inline constexpr int kColumnStreamBorders = 4;
inline constexpr int kColumnStreamSortStyles = 20;
// The most column items a stream may hold (the grid's column limit).
inline constexpr int kColumnStreamMaxItems = 512;
// Column widths are 16-bit values.
inline constexpr int kColumnStreamMaxWidth = 32767;

struct TColumnStreamFont {
  TColor Color = clWindowText;
  int Height = 0;
  QString Name;
  TFontStyles Style;
  bool operator==(const TColumnStreamFont&) const = default;
};

struct TColumnStreamPen {
  TColor Color = clBlack;
  TPenMode Mode = pmCopy;
  TPenStyle Style = psSolid;
  int Width = 1;
  bool operator==(const TColumnStreamPen&) const = default;
};

// One column item's streamed settings. Alignments and the sort style are the
// ordinals of their enumerations, border sets a bit per border.
struct TColumnStreamItem {
  int AutoMinSize = 0;
  int AutoMaxSize = 0;
  int Alignment = 0;
  unsigned Borders = 0;
  TColumnStreamPen BorderPen;
  QString CheckFalse;
  QString CheckTrue;
  TColor Color = clWindow;
  QString ColumnPopup;  // component name; empty for none
  TColumnPopupType ColumnPopupType = cpFixedCellsRClick;
  QStringList ComboItems;
  int DropDownCount = 0;
  int EditLength = 0;
  QString EditLink;  // component name; empty for none
  QString EditMask;
  TEditorType Editor = edNormal;
  QStringList Filter;
  bool FilterCaseSensitive = false;
  bool Fixed = false;
  QString FloatFormat;
  TColumnStreamFont Font;
  QString Header;
  int HeaderAlignment = 0;
  TColumnStreamFont HeaderFont;
  int MinSize = 0;
  int MaxSize = 0;
  QString Name;
  bool Password = false;
  bool PrintBorderCustom = true;
  unsigned PrintBorders = 0;
  TColumnStreamPen PrintBorderPen;
  TColor PrintColor = clWhite;
  bool PrintFontCustom = true;
  TColumnStreamFont PrintFont;
  bool ReadOnly = false;
  bool ShowBands = false;
  int SortStyle = 0;
  QString SortPrefix;
  QString SortSuffix;
  int SpinMax = 0;
  int SpinMin = 0;
  int SpinStep = 0;
  int Tag = 0;
  int Width = 0;
  bool operator==(const TColumnStreamItem&) const = default;
};

// The stream of one TExColumnGridIO object holding Items.
QByteArray WriteColumnStream(const std::vector<TColumnStreamItem>& Items);

// The items of such a stream; a property an entry leaves out keeps its value from
// Defaults. Raises EReadError for anything but a whole, well-formed stream of
// that object (another class, an unknown property, a value of the wrong kind or
// out of range, more than kColumnStreamMaxItems items, bytes missing).
std::vector<TColumnStreamItem> ReadColumnStream(const QByteArray& Bytes, const TColumnStreamItem& Defaults);
