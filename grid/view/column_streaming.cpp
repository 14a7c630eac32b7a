// Column grid streaming: the column items written to and read from a component
// stream of one TExColumnGridIO object, and the column positions kept in an
// initialisation file ("CP0", "CP1", ... in ColumnSize's key and section).
//
// A stream is read whole into a spare collection first; the grid's columns change
// only when every property was read, so a broken stream leaves them as they were.
#include <QIODevice>
#include <algorithm>
#include <array>
#include <vector>

#include "grid/base/enum_names.h"
#include "grid/data/column_size.h"
#include "grid/view/column_grid.h"
#include "platform/os/ini_file.h"
#include "platform/rtl/component_stream.h"
#include "platform/ui/menus.h"

namespace {

const QString kClassName = QStringLiteral("TExColumnGridIO");
// The grid keeps at most this many columns; a stream with more items is refused.
constexpr int kMaxColumnItems = 512;
// Column widths are 16-bit values.
constexpr int kMaxColumnWidth = 32767;

using W = TComponentWriter;
using R = TComponentReader;

constexpr auto& kAlignments = kAlignmentNames;
constexpr std::array kBorders{"cbTop", "cbLeft", "cbRight", "cbBottom"};
constexpr auto& kFontStyles = kFontStyleNames;
constexpr auto& kPenStyles = kPenStyleNames;
constexpr std::array kPenModes{"pmCopy", "pmNot", "pmXor", "pmNotXor"};
constexpr std::array kPopupTypes{"cpFixedCellsRClick", "cpFixedCellsLClick", "cpNormalCellsRClick",
                                 "cpNormalCellsLClick", "cpAllCellsRClick", "cpAllCellsLClick"};
constexpr std::array kSortStyles{
    "ssAutomatic", "ssAlphabetic", "ssNumeric", "ssDate", "ssAlphaNoCase", "ssAlphaCase", "ssShortDateEU",
    "ssShortDateUS", "ssCustom", "ssFinancial", "ssAnsiAlphaCase", "ssAnsiAlphaNoCase", "ssRaw", "ssHTML",
    "ssImages", "ssCheckBox", "ssDateTime", "ssTime", "ssAlphaNumeric", "ssAlphaNumericNoCase"};
constexpr auto& kEditors = kEditorNames;
static_assert(kSortStyles.size() == ssAlphaNumericNoCase + 1);
static_assert(kEditors.size() == edMaskEditBtn + 1);
static_assert(kPopupTypes.size() == cpAllCellsLClick + 1);
static_assert(kPenStyles.size() == psInsideFrame + 1);
static_assert(kPenModes.size() == pmNotXor + 1);

[[noreturn]] void invalidValue() { throw EReadError(QStringLiteral("Invalid property value")); }

template <size_t N>
int identIndex(const std::array<const char*, N>& names, const QString& ident) {
  for (size_t i = 0; i < N; ++i)
    if (ident == QLatin1String(names[i])) return static_cast<int>(i);
  invalidValue();
}

template <size_t N, typename E>
void writeEnum(W& w, const QString& name, const std::array<const char*, N>& names, E value) {
  w.WritePropName(name);
  w.WriteIdent(QLatin1String(names[static_cast<size_t>(value)]));
}

template <size_t N, typename E>
E readEnum(R& r, const std::array<const char*, N>& names) {
  return static_cast<E>(identIndex(names, r.ReadIdent()));
}

template <size_t N, typename E>
void writeSet(W& w, const QString& name, const std::array<const char*, N>& names, TSet<E> set) {
  QStringList members;
  for (size_t i = 0; i < N; ++i)
    if (set.Contains(static_cast<E>(i))) members.append(QLatin1String(names[i]));
  w.WritePropName(name);
  w.WriteSet(members);
}

template <size_t N, typename E>
TSet<E> readSet(R& r, const std::array<const char*, N>& names) {
  TSet<E> set;
  for (const QString& m : r.ReadSet()) set.Include(static_cast<E>(identIndex(names, m)));
  return set;
}

void writeInt(W& w, const QString& name, int v) {
  w.WritePropName(name);
  w.WriteInteger(v);
}
void writeBool(W& w, const QString& name, bool v) {
  w.WritePropName(name);
  w.WriteBoolean(v);
}
void writeText(W& w, const QString& name, const QString& v) {
  if (v.isEmpty()) return;
  w.WritePropName(name);
  w.WriteString(v);
}

void writeFont(W& w, const QString& name, const TFont& f) {
  writeInt(w, name + QStringLiteral(".Color"), static_cast<int>(f.Color()));
  writeInt(w, name + QStringLiteral(".Height"), f.Height());
  writeText(w, name + QStringLiteral(".Name"), f.Name());
  writeSet(w, name + QStringLiteral(".Style"), kFontStyles, f.Style());
}

void readFont(R& r, TFont& f, const QString& sub) {
  if (sub == QLatin1String("Color")) f.SetColor(static_cast<TColor>(r.ReadInteger()));
  else if (sub == QLatin1String("Height")) f.SetHeight(r.ReadInteger());
  else if (sub == QLatin1String("Name")) f.SetName(r.ReadString());
  else if (sub == QLatin1String("Style")) f.SetStyle(readSet<kFontStyles.size(), TFontStyle>(r, kFontStyles));
  else invalidValue();
}

void writePen(W& w, const QString& name, const TPen& p) {
  writeInt(w, name + QStringLiteral(".Color"), static_cast<int>(p.Color()));
  writeEnum(w, name + QStringLiteral(".Mode"), kPenModes, p.Mode());
  writeEnum(w, name + QStringLiteral(".Style"), kPenStyles, p.Style());
  writeInt(w, name + QStringLiteral(".Width"), p.Width());
}

void readPen(R& r, TPen& p, const QString& sub) {
  if (sub == QLatin1String("Color")) p.SetColor(static_cast<TColor>(r.ReadInteger()));
  else if (sub == QLatin1String("Mode")) p.SetMode(readEnum<kPenModes.size(), TPenMode>(r, kPenModes));
  else if (sub == QLatin1String("Style")) p.SetStyle(readEnum<kPenStyles.size(), TPenStyle>(r, kPenStyles));
  else if (sub == QLatin1String("Width")) p.SetWidth(std::clamp(r.ReadInteger(), 0, 255));
  else invalidValue();
}

// A string list as its lines; an empty list is left out.
void writeLines(W& w, const QString& name, const TStringList& lines) {
  if (lines.Count() == 0) return;
  w.WritePropName(name + QStringLiteral(".Strings"));
  w.WriteListBegin();
  for (int i = 0; i < lines.Count(); ++i) w.WriteString(lines[i]);
  w.WriteListEnd();
}

TStringList readLines(R& r, const QString& sub) {
  if (sub != QLatin1String("Strings")) invalidValue();
  TStringList lines;
  r.ReadListBegin();
  while (!r.EndOfList()) lines.Add(r.ReadString());
  r.ReadListEnd();
  return lines;
}

// What the reader fills besides the item itself: the popup menu is looked up by
// name once the grid is known.
struct ReadItem {
  QString PopupName;
};

// One published property of a column item, in the order it is written. Write
// writes the property (or nothing when it is left out); Read reads its value, Sub
// being the part of the name after "Name." for the fonts, pens and lists.
struct ColumnProperty {
  const char* Name;
  void (*Write)(W&, const QString& name, const TGridColumnItem&);
  void (*Read)(R&, TGridColumnItem&, ReadItem&, const QString& sub);
};

#define INT_PROPERTY(P)                                                                     \
  {#P, [](W& w, const QString& n, const TGridColumnItem& c) { writeInt(w, n, c.P); },       \
   [](R& r, TGridColumnItem& c, ReadItem&, const QString&) { c.P = r.ReadInteger(); }}
#define BOOL_PROPERTY(P)                                                                    \
  {#P, [](W& w, const QString& n, const TGridColumnItem& c) { writeBool(w, n, c.P); },      \
   [](R& r, TGridColumnItem& c, ReadItem&, const QString&) { c.P = r.ReadBoolean(); }}
#define TEXT_PROPERTY(P)                                                                    \
  {#P, [](W& w, const QString& n, const TGridColumnItem& c) { writeText(w, n, c.P); },      \
   [](R& r, TGridColumnItem& c, ReadItem&, const QString&) { c.P = r.ReadString(); }}

const ColumnProperty kColumnProperties[] = {
    INT_PROPERTY(AutoMinSize),
    INT_PROPERTY(AutoMaxSize),
    {"Alignment", [](W& w, const QString& n, const TGridColumnItem& c) { writeEnum(w, n, kAlignments, c.Alignment()); },
     [](R& r, TGridColumnItem& c, ReadItem&, const QString&) {
       c.SetAlignment(readEnum<kAlignments.size(), TAlignment>(r, kAlignments));
     }},
    {"Borders", [](W& w, const QString& n, const TGridColumnItem& c) { writeSet(w, n, kBorders, c.Borders()); },
     [](R& r, TGridColumnItem& c, ReadItem&, const QString&) {
       c.SetBorders(readSet<kBorders.size(), TCellBorder>(r, kBorders));
     }},
    {"BorderPen", [](W& w, const QString& n, const TGridColumnItem& c) { writePen(w, n, *c.BorderPen()); },
     [](R& r, TGridColumnItem& c, ReadItem&, const QString& sub) { readPen(r, *c.BorderPen(), sub); }},
    TEXT_PROPERTY(CheckFalse),
    TEXT_PROPERTY(CheckTrue),
    {"Color", [](W& w, const QString& n, const TGridColumnItem& c) { writeInt(w, n, static_cast<int>(c.Color())); },
     [](R& r, TGridColumnItem& c, ReadItem&, const QString&) { c.SetColor(static_cast<TColor>(r.ReadInteger())); }},
    {"ColumnPopup",
     [](W& w, const QString& n, const TGridColumnItem& c) {
       if (!c.ColumnPopup || c.ColumnPopup->Name().isEmpty()) return;
       w.WritePropName(n);
       w.WriteIdent(c.ColumnPopup->Name());
     },
     [](R& r, TGridColumnItem&, ReadItem& extra, const QString&) { extra.PopupName = r.ReadIdent(); }},
    {"ColumnPopupType",
     [](W& w, const QString& n, const TGridColumnItem& c) { writeEnum(w, n, kPopupTypes, c.ColumnPopupType); },
     [](R& r, TGridColumnItem& c, ReadItem&, const QString&) {
       c.ColumnPopupType = readEnum<kPopupTypes.size(), TColumnPopupType>(r, kPopupTypes);
     }},
    {"ComboItems", [](W& w, const QString& n, const TGridColumnItem& c) { writeLines(w, n, *c.ComboItems()); },
     [](R& r, TGridColumnItem& c, ReadItem&, const QString& sub) {
       const TStringList lines = readLines(r, sub);
       c.SetComboItems(&lines);
     }},
    INT_PROPERTY(DropDownCount),
    INT_PROPERTY(EditLength),
    TEXT_PROPERTY(EditMask),
    {"Editor", [](W& w, const QString& n, const TGridColumnItem& c) { writeEnum(w, n, kEditors, c.Editor()); },
     [](R& r, TGridColumnItem& c, ReadItem&, const QString&) {
       c.SetEditor(readEnum<kEditors.size(), TEditorType>(r, kEditors));
     }},
    {"Filter", [](W& w, const QString& n, const TGridColumnItem& c) { writeLines(w, n, c.Filter()->List()); },
     [](R& r, TGridColumnItem& c, ReadItem&, const QString& sub) {
       const TStringList lines = readLines(r, sub);
       c.SetFilter(&lines);
     }},
    BOOL_PROPERTY(FilterCaseSensitive),
    {"Fixed", [](W& w, const QString& n, const TGridColumnItem& c) { writeBool(w, n, c.Fixed()); },
     [](R& r, TGridColumnItem& c, ReadItem&, const QString&) { c.SetFixed(r.ReadBoolean()); }},
    {"FloatFormat", [](W& w, const QString& n, const TGridColumnItem& c) { writeText(w, n, c.FloatFormat()); },
     [](R& r, TGridColumnItem& c, ReadItem&, const QString&) { c.SetFloatFormat(r.ReadString()); }},
    {"Font", [](W& w, const QString& n, const TGridColumnItem& c) { writeFont(w, n, *c.Font()); },
     [](R& r, TGridColumnItem& c, ReadItem&, const QString& sub) { readFont(r, *c.Font(), sub); }},
    {"Header", [](W& w, const QString& n, const TGridColumnItem& c) { writeText(w, n, c.Header()); },
     [](R& r, TGridColumnItem& c, ReadItem&, const QString&) { c.StoreHeader(r.ReadString()); }},
    {"HeaderAlignment",
     [](W& w, const QString& n, const TGridColumnItem& c) { writeEnum(w, n, kAlignments, c.HeaderAlignment()); },
     [](R& r, TGridColumnItem& c, ReadItem&, const QString&) {
       c.SetHeaderAlignment(readEnum<kAlignments.size(), TAlignment>(r, kAlignments));
     }},
    {"HeaderFont", [](W& w, const QString& n, const TGridColumnItem& c) { writeFont(w, n, *c.HeaderFont()); },
     [](R& r, TGridColumnItem& c, ReadItem&, const QString& sub) { readFont(r, *c.HeaderFont(), sub); }},
    INT_PROPERTY(MinSize),
    INT_PROPERTY(MaxSize),
    TEXT_PROPERTY(Name),
    {"Password", [](W& w, const QString& n, const TGridColumnItem& c) { writeBool(w, n, c.Password()); },
     [](R& r, TGridColumnItem& c, ReadItem&, const QString&) { c.SetPassword(r.ReadBoolean()); }},
    {"PrintBorderCustom",
     [](W& w, const QString& n, const TGridColumnItem& c) {
       if (!c.PrintBorderCustom) writeBool(w, n, false);
     },
     [](R& r, TGridColumnItem& c, ReadItem&, const QString&) { c.PrintBorderCustom = r.ReadBoolean(); }},
    {"PrintBorders", [](W& w, const QString& n, const TGridColumnItem& c) { writeSet(w, n, kBorders, c.PrintBorders); },
     [](R& r, TGridColumnItem& c, ReadItem&, const QString&) {
       c.PrintBorders = readSet<kBorders.size(), TCellBorder>(r, kBorders);
     }},
    {"PrintBorderPen", [](W& w, const QString& n, const TGridColumnItem& c) { writePen(w, n, *c.PrintBorderPen()); },
     [](R& r, TGridColumnItem& c, ReadItem&, const QString& sub) { readPen(r, *c.PrintBorderPen(), sub); }},
    {"PrintColor", [](W& w, const QString& n, const TGridColumnItem& c) { writeInt(w, n, static_cast<int>(c.PrintColor)); },
     [](R& r, TGridColumnItem& c, ReadItem&, const QString&) { c.PrintColor = static_cast<TColor>(r.ReadInteger()); }},
    {"PrintFontCustom",
     [](W& w, const QString& n, const TGridColumnItem& c) {
       if (!c.PrintFontCustom) writeBool(w, n, false);
     },
     [](R& r, TGridColumnItem& c, ReadItem&, const QString&) { c.PrintFontCustom = r.ReadBoolean(); }},
    {"PrintFont", [](W& w, const QString& n, const TGridColumnItem& c) { writeFont(w, n, *c.PrintFont()); },
     [](R& r, TGridColumnItem& c, ReadItem&, const QString& sub) { readFont(r, *c.PrintFont(), sub); }},
    BOOL_PROPERTY(ReadOnly),
    {"ShowBands", [](W& w, const QString& n, const TGridColumnItem& c) { writeBool(w, n, c.ShowBands()); },
     [](R& r, TGridColumnItem& c, ReadItem&, const QString&) { c.SetShowBands(r.ReadBoolean()); }},
    {"SortStyle", [](W& w, const QString& n, const TGridColumnItem& c) { writeEnum(w, n, kSortStyles, c.SortStyle); },
     [](R& r, TGridColumnItem& c, ReadItem&, const QString&) {
       c.SortStyle = readEnum<kSortStyles.size(), TSortStyle>(r, kSortStyles);
     }},
    TEXT_PROPERTY(SortPrefix),
    TEXT_PROPERTY(SortSuffix),
    INT_PROPERTY(SpinMax),
    INT_PROPERTY(SpinMin),
    INT_PROPERTY(SpinStep),
    INT_PROPERTY(Tag),
    {"Width", [](W& w, const QString& n, const TGridColumnItem& c) { writeInt(w, n, c.Width()); },
     [](R& r, TGridColumnItem& c, ReadItem&, const QString&) {
       const int width = r.ReadInteger();
       if (width < 0 || width > kMaxColumnWidth) invalidValue();
       c.SetWidthStored(width);
     }},
};

#undef INT_PROPERTY
#undef BOOL_PROPERTY
#undef TEXT_PROPERTY

void readProperty(R& r, TGridColumnItem& item, ReadItem& extra) {
  const QString name = r.ReadStr();
  for (const ColumnProperty& p : kColumnProperties) {
    const QLatin1String key(p.Name);
    if (name == key) return p.Read(r, item, extra, QString());
    if (name.size() > key.size() + 1 && name.startsWith(key) && name[key.size()] == u'.')
      return p.Read(r, item, extra, name.mid(key.size() + 1));
  }
  throw EReadError(QStringLiteral("Property %1 does not exist").arg(name));
}

}  // namespace

// The object a column stream holds: the column items, outside any grid, so that
// reading them changes nothing until the grid takes them over.
class TExColumnGridIO {
public:
  TGridColumnCollection Items{nullptr};
  std::vector<ReadItem> Extras;

  static void Write(W& w, const TGridColumnCollection& Items) {
    w.WriteSignature();
    w.WriteStr(kClassName);
    w.WriteStr(QString());
    w.WritePropName(QStringLiteral("Items"));
    w.WriteCollectionBegin();
    for (int i = 0; i < Items.Count(); ++i) {
      w.WriteListBegin();
      for (const ColumnProperty& p : kColumnProperties) p.Write(w, QLatin1String(p.Name), *Items.Items(i));
      w.WriteListEnd();
    }
    w.WriteListEnd();  // the collection
    w.WriteListEnd();  // the object's properties
    w.WriteListEnd();  // its (no) children
  }

  void Read(R& r) {
    r.ReadSignature();
    if (r.ReadStr() != kClassName) throw EReadError(QStringLiteral("Invalid stream format"));
    r.ReadStr();  // the component name
    while (!r.EndOfList()) {
      const QString name = r.ReadStr();
      if (name != QLatin1String("Items")) throw EReadError(QStringLiteral("Property %1 does not exist").arg(name));
      r.ReadCollectionBegin();
      while (!r.EndOfList()) {
        if (r.NextValue() != vaList) r.ReadInteger();  // an item's optional order number
        r.ReadListBegin();
        if (Items.Count() >= kMaxColumnItems) throw EReadError(QStringLiteral("Invalid property value"));
        TGridColumnItem* item = Items.TCollectionOf<TGridColumnItem>::Add();
        Extras.emplace_back();
        while (!r.EndOfList()) readProperty(r, *item, Extras.back());
        r.ReadListEnd();
      }
      r.ReadListEnd();
    }
    r.ReadListEnd();
    r.ReadListEnd();
  }
};

void TExColumnGrid::SaveColumnsToStream(QIODevice& Stream) {
  // The grid's own items are written (a copy would lose the print flags, which
  // the item's Assign leaves alone).
  QByteArray bytes;
  TComponentWriter w(bytes);
  TExColumnGridIO::Write(w, *FColumns);
  if (Stream.write(bytes) != bytes.size()) throw EFileError(QStringLiteral("Stream write error"));
}

void TExColumnGrid::LoadColumnsFromStream(QIODevice& Stream) {
  TExColumnGridIO io;
  io.Items.NoRecursiveUpdate = true;
  const QByteArray bytes = Stream.readAll();
  TComponentReader r(bytes);
  io.Read(r);  // raises before any column changes
  FColumns->NoRecursiveUpdate = true;
  FColumns->Assign(&io.Items);
  // The grid takes the stream's column count; with too few items for the fixed
  // columns it keeps its own count and the items are brought in step.
  const int columns = FColumns->Count() - NumHiddenColumns();
  if (columns > TStringGrid::FixedCols() && columns != ColCount()) SetColCount(columns);
  else SyncColumns();
  TComponent* owner = Owner();
  for (int i = 0; i < FColumns->Count() && i < io.Items.Count(); ++i) {
    TGridColumnItem* item = FColumns->Items(i);
    const TGridColumnItem* read = io.Items.Items(i);
    // The item's Assign leaves the print flags and the popup type alone and
    // copies the recorded position, which a stream does not hold: the loaded set
    // is its own order.
    item->PrintBorderCustom = read->PrintBorderCustom;
    item->PrintFontCustom = read->PrintFontCustom;
    item->ColumnPopupType = read->ColumnPopupType;
    item->DefIdx = i;
    item->SetWidth(read->Width());
    if (TStringGrid::FixedRows() > 0) SetCellEx(i, 0, item->Header());
    const QString& popup = io.Extras[static_cast<size_t>(i)].PopupName;
    item->ColumnPopup = popup.isEmpty() || !owner ? nullptr : dynamic_cast<TPopupMenu*>(owner->FindComponent(popup));
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
  for (int i = 0; i < FColumns->Count(); ++i)
    ini.WriteInteger(Section, QStringLiteral("CP%1").arg(i), FColumns->Items(i)->DefIdx);
  ini.UpdateFile();
}

void TExColumnGrid::LoadColumnPositions(const QString& Key, const QString& Section) {
  // 1. Every key must be there, and together they must name each column once;
  // anything else changes nothing.
  const TMemIniFile ini(Key);
  const int n = FColumns->Count();
  std::vector<int> positions(static_cast<size_t>(n));
  std::vector<bool> seen(static_cast<size_t>(n), false);
  for (int j = 0; j < n; ++j) {
    const int k = ini.ReadInteger(Section, QStringLiteral("CP%1").arg(j), -1);
    if (k < 0 || k >= n || seen[static_cast<size_t>(k)]) return;
    seen[static_cast<size_t>(k)] = true;
    positions[static_cast<size_t>(j)] = k;
  }
  // 2.
  ResetColumnOrder();
  // 3.
  for (int j = 0; j < n; ++j) FColumns->Items(positions[static_cast<size_t>(j)])->DefIdx = j;
  // 4.
  FColumns->ResetOrganization();
  // 5.
  for (int i = 0; i < n; ++i) FColumns->Items(i)->DefIdx = positions[static_cast<size_t>(i)];
}
