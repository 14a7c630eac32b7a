// Column grid streaming: the column items written to and read from a component
// stream of one TExColumnGridIO object, and the column positions kept in an
// initialisation file ("CP0", "CP1", ... in ColumnSize's key and section).
//
// A stream is read whole into a spare collection first; the grid's columns change
// only when every property was read, so a broken stream leaves them as they were.
#include <QIODevice>
#include <vector>

#include "grid/base/column_positions.h"
#include "grid/base/column_stream.h"
#include "grid/data/column_size.h"
#include "grid/input/edit_link.h"
#include "grid/view/column_grid.h"
#include "platform/os/ini_file.h"
#include "platform/ui/menus.h"

namespace {

static_assert(kColumnStreamAlignments == taCenter + 1);
static_assert(kColumnStreamBorders == cbBottom + 1);
static_assert(kColumnStreamSortStyles == ssAlphaNumericNoCase + 1);

TColumnStreamFont FontRecord(const TFont& f) { return {f.Color(), f.Height(), f.Name(), f.Style()}; }

void ApplyFont(const TColumnStreamFont& r, TFont& f) {
  f.SetColor(r.Color);
  f.SetHeight(r.Height);
  f.SetName(r.Name);
  f.SetStyle(r.Style);
}

TColumnStreamPen PenRecord(const TPen& p) { return {p.Color(), p.Mode(), p.Style(), p.Width()}; }

void ApplyPen(const TColumnStreamPen& r, TPen& p) {
  p.SetColor(r.Color);
  p.SetMode(r.Mode);
  p.SetStyle(r.Style);
  p.SetWidth(r.Width);
}

unsigned BorderBits(TCellBorders b) { return static_cast<unsigned>(b.Bits()); }

TCellBorders BordersOf(unsigned bits) {
  TCellBorders b;
  for (int i = 0; i < kColumnStreamBorders; ++i)
    if (bits & (1u << i)) b.Include(static_cast<TCellBorder>(i));
  return b;
}

QStringList LinesOf(const TStringList& list) {
  QStringList lines;
  for (int i = 0; i < list.Count(); ++i) lines.append(list[i]);
  return lines;
}

TStringList ListOf(const QStringList& lines) {
  TStringList list;
  for (const QString& line : lines) list.Add(line);
  return list;
}

// The item's streamed settings (the width as the item reports it).
TColumnStreamItem RecordOf(const TGridColumnItem& c) {
  TColumnStreamItem r;
  r.AutoMinSize = c.AutoMinSize;
  r.AutoMaxSize = c.AutoMaxSize;
  r.Alignment = c.Alignment();
  r.Borders = BorderBits(c.Borders());
  r.BorderPen = PenRecord(*c.BorderPen());
  r.CheckFalse = c.CheckFalse;
  r.CheckTrue = c.CheckTrue;
  r.Color = c.Color();
  r.ColumnPopup = c.ColumnPopup ? c.ColumnPopup->Name() : QString();
  r.ColumnPopupType = c.ColumnPopupType;
  r.ComboItems = LinesOf(*c.ComboItems());
  r.DropDownCount = c.DropDownCount;
  r.EditLength = c.EditLength;
  r.EditLink = c.EditLink ? c.EditLink->Name() : QString();
  r.EditMask = c.EditMask;
  r.Editor = c.Editor();
  r.Filter = LinesOf(c.Filter()->List());
  r.FilterCaseSensitive = c.FilterCaseSensitive;
  r.Fixed = c.Fixed();
  r.FloatFormat = c.FloatFormat();
  r.Font = FontRecord(*c.Font());
  r.Header = c.Header();
  r.HeaderAlignment = c.HeaderAlignment();
  r.HeaderFont = FontRecord(*c.HeaderFont());
  r.MinSize = c.MinSize;
  r.MaxSize = c.MaxSize;
  r.Name = c.Name;
  r.Password = c.Password();
  r.PrintBorderCustom = c.PrintBorderCustom;
  r.PrintBorders = BorderBits(c.PrintBorders);
  r.PrintBorderPen = PenRecord(*c.PrintBorderPen());
  r.PrintColor = c.PrintColor;
  r.PrintFontCustom = c.PrintFontCustom;
  r.PrintFont = FontRecord(*c.PrintFont());
  r.ReadOnly = c.ReadOnly;
  r.ShowBands = c.ShowBands();
  r.SortStyle = c.SortStyle;
  r.SortPrefix = c.SortPrefix;
  r.SortSuffix = c.SortSuffix;
  r.SpinMax = c.SpinMax;
  r.SpinMin = c.SpinMin;
  r.SpinStep = c.SpinStep;
  r.Tag = c.Tag;
  r.Width = c.Width();
  return r;
}

// Gives an item outside a grid the record's settings (the component references
// are looked up by the grid).
void ApplyRecord(const TColumnStreamItem& r, TGridColumnItem& c) {
  c.AutoMinSize = r.AutoMinSize;
  c.AutoMaxSize = r.AutoMaxSize;
  c.SetAlignment(static_cast<TAlignment>(r.Alignment));
  c.SetBorders(BordersOf(r.Borders));
  ApplyPen(r.BorderPen, *c.BorderPen());
  c.CheckFalse = r.CheckFalse;
  c.CheckTrue = r.CheckTrue;
  c.SetColor(r.Color);
  c.ColumnPopupType = r.ColumnPopupType;
  const TStringList combo = ListOf(r.ComboItems);
  c.SetComboItems(&combo);
  c.DropDownCount = r.DropDownCount;
  c.EditLength = r.EditLength;
  c.EditMask = r.EditMask;
  c.SetEditor(r.Editor);
  const TStringList filter = ListOf(r.Filter);
  c.SetFilter(&filter);
  c.FilterCaseSensitive = r.FilterCaseSensitive;
  c.SetFixed(r.Fixed);
  c.SetFloatFormat(r.FloatFormat);
  ApplyFont(r.Font, *c.Font());
  c.StoreHeader(r.Header);
  c.SetHeaderAlignment(static_cast<TAlignment>(r.HeaderAlignment));
  ApplyFont(r.HeaderFont, *c.HeaderFont());
  c.MinSize = r.MinSize;
  c.MaxSize = r.MaxSize;
  c.Name = r.Name;
  c.SetPassword(r.Password);
  c.PrintBorderCustom = r.PrintBorderCustom;
  c.PrintBorders = BordersOf(r.PrintBorders);
  ApplyPen(r.PrintBorderPen, *c.PrintBorderPen());
  c.PrintColor = r.PrintColor;
  c.PrintFontCustom = r.PrintFontCustom;
  ApplyFont(r.PrintFont, *c.PrintFont());
  c.ReadOnly = r.ReadOnly;
  c.SetShowBands(r.ShowBands);
  c.SortStyle = static_cast<TSortStyle>(r.SortStyle);
  c.SortPrefix = r.SortPrefix;
  c.SortSuffix = r.SortSuffix;
  c.SpinMax = r.SpinMax;
  c.SpinMin = r.SpinMin;
  c.SpinStep = r.SpinStep;
  c.Tag = r.Tag;
  c.SetWidthStored(r.Width);
}

// The component of that name and class on the grid's form, or none.
template <typename T>
T* FindOnForm(TComponent* Owner, const QString& Name) {
  if (Name.isEmpty() || !Owner) return nullptr;
  return dynamic_cast<T*>(Owner->FindComponent(Name));
}

}  // namespace

void TExColumnGrid::SaveColumnsToStream(QIODevice& Stream) {
  // The grid's own items are written (a copy would lose the print flags, which
  // the item's Assign leaves alone).
  std::vector<TColumnStreamItem> records;
  for (int i = 0; i < FColumns->Count(); ++i) records.push_back(RecordOf(*FColumns->Items(i)));
  const QByteArray bytes = WriteColumnStream(records);
  if (Stream.write(bytes) != bytes.size()) throw EFileError(QStringLiteral("Stream write error"));
}

void TExColumnGrid::LoadColumnsFromStream(QIODevice& Stream) {
  // The whole stream is read before any column changes; the settings a stream
  // leaves out are those of a new item.
  TGridColumnCollection io(nullptr);
  io.NoRecursiveUpdate = true;
  const TColumnStreamItem defaults = RecordOf(*io.TCollectionOf<TGridColumnItem>::Add());
  io.Clear();
  const std::vector<TColumnStreamItem> records = ReadColumnStream(Stream.readAll(), defaults);
  for (const TColumnStreamItem& r : records) ApplyRecord(r, *io.TCollectionOf<TGridColumnItem>::Add());

  FColumns->NoRecursiveUpdate = true;
  FColumns->Assign(&io);
  // The grid takes the stream's column count; with too few items for the fixed
  // columns it keeps its own count and the items are brought in step.
  const int columns = FColumns->Count() - NumHiddenColumns();
  if (columns > TStringGrid::FixedCols() && columns != ColCount()) SetColCount(columns);
  else SyncColumns();
  for (int i = 0; i < FColumns->Count() && i < io.Count(); ++i) {
    TGridColumnItem* item = FColumns->Items(i);
    const TGridColumnItem* read = io.Items(i);
    const TColumnStreamItem& record = records[static_cast<size_t>(i)];
    // The item's Assign leaves the print flags and the popup type alone and
    // copies the recorded position, which a stream does not hold: the loaded set
    // is its own order.
    item->PrintBorderCustom = read->PrintBorderCustom;
    item->PrintFontCustom = read->PrintFontCustom;
    item->ColumnPopupType = read->ColumnPopupType;
    item->DefIdx = i;
    item->SetWidth(read->Width());
    if (TStringGrid::FixedRows() > 0) SetCellEx(i, 0, item->Header());
    item->ColumnPopup = FindOnForm<TPopupMenu>(Owner(), record.ColumnPopup);
    item->EditLink = FindOnForm<TEditLink>(Owner(), record.EditLink);
  }
  FColumns->NoRecursiveUpdate = false;
  RebuildHeaderList();
  Invalidate();
}

void TExColumnGrid::SaveColPositions() {
  if (ColumnSize()->Location == clIniFile) SaveColumnPositions(ColumnSize()->Key, ColumnSize()->Section);
  else TExStringGrid::SaveColPositions();
}

void TExColumnGrid::LoadColPositions() {
  if (ColumnSize()->Location == clIniFile) LoadColumnPositions(ColumnSize()->Key, ColumnSize()->Section);
  else TExStringGrid::LoadColPositions();
}

void TExColumnGrid::SaveColumnPositions(const QString& Key, const QString& Section) {
  TMemIniFile ini(Key);
  std::vector<int> places;
  for (int i = 0; i < FColumns->Count(); ++i) places.push_back(FColumns->Items(i)->DefIdx);
  WriteColumnPositions(ini, Section, QStringLiteral("CP"), places);
  ini.UpdateFile();
}

void TExColumnGrid::LoadColumnPositions(const QString& Key, const QString& Section) {
  // 1. Every key must be there, and together they must name each column once;
  // anything else changes nothing.
  const int n = FColumns->Count();
  const std::optional<std::vector<int>> positions =
      ReadColumnPositions(TMemIniFile(Key), Section, QStringLiteral("CP"), n);
  if (!positions) return;
  // 2.
  ResetColumnOrder();
  // 3.
  for (int j = 0; j < n; ++j) FColumns->Items((*positions)[static_cast<size_t>(j)])->DefIdx = j;
  // 4.
  FColumns->ResetOrganization();
  // 5.
  for (int i = 0; i < n; ++i) FColumns->Items(i)->DefIdx = (*positions)[static_cast<size_t>(i)];
}
