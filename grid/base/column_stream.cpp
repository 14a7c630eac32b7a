// The column stream's property table: each published property of a column item
// with how it is written and read, in the order the stream keeps them.
#include "grid/base/column_stream.h"

#include <algorithm>
#include <array>

#include "grid/base/enum_names.h"
#include "grid/base/stream_props.h"

namespace {

const QString kClassName = QStringLiteral("TExColumnGridIO");

using W = TComponentWriter;
using R = TComponentReader;
using Item = TColumnStreamItem;

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
static_assert(kAlignments.size() == kColumnStreamAlignments);
static_assert(kBorders.size() == kColumnStreamBorders);
static_assert(kSortStyles.size() == kColumnStreamSortStyles);
static_assert(kEditors.size() == edMaskEditBtn + 1);
static_assert(kPopupTypes.size() == cpAllCellsLClick + 1);
static_assert(kPenStyles.size() == psInsideFrame + 1);
static_assert(kPenModes.size() == pmNotXor + 1);
static_assert(kFontStyles.size() == fsStrikeOut + 1);

using stream_props::IdentIndex;
using stream_props::InvalidValue;
using stream_props::ReadEnum;
using stream_props::WriteBool;
using stream_props::WriteEnum;
using stream_props::WriteInt;
using stream_props::WriteText;

template <size_t N>
void writeSet(W& w, const QString& name, const std::array<const char*, N>& names, unsigned bits) {
  QStringList members;
  for (size_t i = 0; i < N; ++i)
    if (bits & (1u << i)) members.append(QLatin1String(names[i]));
  w.WritePropName(name);
  w.WriteSet(members);
}

template <size_t N>
unsigned readSet(R& r, const std::array<const char*, N>& names) {
  unsigned bits = 0;
  for (const QString& m : r.ReadSet()) bits |= 1u << IdentIndex(names, m);
  return bits;
}

// A component reference: the component's name as an identifier.
void writeReference(W& w, const QString& name, const QString& component) {
  if (component.isEmpty()) return;
  w.WritePropName(name);
  w.WriteIdent(component);
}

void writeFont(W& w, const QString& name, const TColumnStreamFont& f) {
  WriteInt(w, name + QStringLiteral(".Color"), f.Color);
  WriteInt(w, name + QStringLiteral(".Height"), f.Height);
  WriteText(w, name + QStringLiteral(".Name"), f.Name);
  writeSet(w, name + QStringLiteral(".Style"), kFontStyles, static_cast<unsigned>(f.Style.Bits()));
}

void readFont(R& r, TColumnStreamFont& f, const QString& sub) {
  if (sub == QLatin1String("Color")) {
    f.Color = r.ReadInteger();
  } else if (sub == QLatin1String("Height")) {
    f.Height = r.ReadInteger();
  } else if (sub == QLatin1String("Name")) {
    f.Name = r.ReadString();
  } else if (sub == QLatin1String("Style")) {
    const unsigned bits = readSet(r, kFontStyles);
    f.Style = {};
    for (int i = 0; i < static_cast<int>(kFontStyles.size()); ++i)
      if (bits & (1u << i)) f.Style.Include(static_cast<TFontStyle>(i));
  } else {
    InvalidValue();
  }
}

void writePen(W& w, const QString& name, const TColumnStreamPen& p) {
  WriteInt(w, name + QStringLiteral(".Color"), p.Color);
  WriteEnum(w, name + QStringLiteral(".Mode"), kPenModes, p.Mode);
  WriteEnum(w, name + QStringLiteral(".Style"), kPenStyles, p.Style);
  WriteInt(w, name + QStringLiteral(".Width"), p.Width);
}

void readPen(R& r, TColumnStreamPen& p, const QString& sub) {
  if (sub == QLatin1String("Color")) p.Color = r.ReadInteger();
  else if (sub == QLatin1String("Mode")) p.Mode = static_cast<TPenMode>(ReadEnum(r, kPenModes));
  else if (sub == QLatin1String("Style")) p.Style = static_cast<TPenStyle>(ReadEnum(r, kPenStyles));
  else if (sub == QLatin1String("Width")) p.Width = std::clamp(r.ReadInteger(), 0, 255);
  else InvalidValue();
}

// A string list as its lines; an empty list is left out.
void writeLines(W& w, const QString& name, const QStringList& lines) {
  if (lines.isEmpty()) return;
  w.WritePropName(name + QStringLiteral(".Strings"));
  w.WriteListBegin();
  for (const QString& line : lines) w.WriteString(line);
  w.WriteListEnd();
}

QStringList readLines(R& r, const QString& sub) {
  if (sub != QLatin1String("Strings")) InvalidValue();
  QStringList lines;
  r.ReadListBegin();
  while (!r.EndOfList()) lines.append(r.ReadString());
  r.ReadListEnd();
  return lines;
}

// A property without parts (fonts, pens and lists have them) refuses a name
// with a part.
void noPart(const QString& sub) {
  if (!sub.isEmpty()) InvalidValue();
}

// One published property of a column item, in the order it is written. Write
// writes the property (or nothing when it is left out); Read reads its value, Sub
// being the part of the name after "Name." for the fonts, pens and lists.
struct ColumnProperty {
  const char* Name;
  void (*Write)(W&, const QString& name, const Item&);
  void (*Read)(R&, Item&, const QString& sub);
};

#define INT_PROPERTY(P)                                                                \
  {#P, [](W& w, const QString& n, const Item& c) { WriteInt(w, n, c.P); },             \
   [](R& r, Item& c, const QString& s) { noPart(s); c.P = r.ReadInteger(); }}
#define BOOL_PROPERTY(P)                                                               \
  {#P, [](W& w, const QString& n, const Item& c) { WriteBool(w, n, c.P); },            \
   [](R& r, Item& c, const QString& s) { noPart(s); c.P = r.ReadBoolean(); }}
#define TEXT_PROPERTY(P)                                                               \
  {#P, [](W& w, const QString& n, const Item& c) { WriteText(w, n, c.P); },            \
   [](R& r, Item& c, const QString& s) { noPart(s); c.P = r.ReadString(); }}
#define REFERENCE_PROPERTY(P)                                                          \
  {#P, [](W& w, const QString& n, const Item& c) { writeReference(w, n, c.P); },       \
   [](R& r, Item& c, const QString& s) { noPart(s); c.P = r.ReadIdent(); }}
#define ENUM_PROPERTY(P, NAMES, TYPE)                                                  \
  {#P, [](W& w, const QString& n, const Item& c) { WriteEnum(w, n, NAMES, c.P); },     \
   [](R& r, Item& c, const QString& s) { noPart(s); c.P = static_cast<TYPE>(ReadEnum(r, NAMES)); }}
#define SET_PROPERTY(P, NAMES)                                                         \
  {#P, [](W& w, const QString& n, const Item& c) { writeSet(w, n, NAMES, c.P); },      \
   [](R& r, Item& c, const QString& s) { noPart(s); c.P = readSet(r, NAMES); }}
#define FONT_PROPERTY(P)                                                               \
  {#P, [](W& w, const QString& n, const Item& c) { writeFont(w, n, c.P); },            \
   [](R& r, Item& c, const QString& s) { readFont(r, c.P, s); }}
#define PEN_PROPERTY(P)                                                                \
  {#P, [](W& w, const QString& n, const Item& c) { writePen(w, n, c.P); },             \
   [](R& r, Item& c, const QString& s) { readPen(r, c.P, s); }}
#define LINES_PROPERTY(P)                                                              \
  {#P, [](W& w, const QString& n, const Item& c) { writeLines(w, n, c.P); },           \
   [](R& r, Item& c, const QString& s) { c.P = readLines(r, s); }}
// Left out while it has its declared default, true.
#define DEFAULT_TRUE_PROPERTY(P)                                                       \
  {#P, [](W& w, const QString& n, const Item& c) { if (!c.P) WriteBool(w, n, false); }, \
   [](R& r, Item& c, const QString& s) { noPart(s); c.P = r.ReadBoolean(); }}

const ColumnProperty kColumnProperties[] = {
    INT_PROPERTY(AutoMinSize),
    INT_PROPERTY(AutoMaxSize),
    ENUM_PROPERTY(Alignment, kAlignments, int),
    SET_PROPERTY(Borders, kBorders),
    PEN_PROPERTY(BorderPen),
    TEXT_PROPERTY(CheckFalse),
    TEXT_PROPERTY(CheckTrue),
    INT_PROPERTY(Color),
    REFERENCE_PROPERTY(ColumnPopup),
    ENUM_PROPERTY(ColumnPopupType, kPopupTypes, TColumnPopupType),
    LINES_PROPERTY(ComboItems),
    INT_PROPERTY(DropDownCount),
    INT_PROPERTY(EditLength),
    REFERENCE_PROPERTY(EditLink),
    TEXT_PROPERTY(EditMask),
    ENUM_PROPERTY(Editor, kEditors, TEditorType),
    LINES_PROPERTY(Filter),
    BOOL_PROPERTY(FilterCaseSensitive),
    BOOL_PROPERTY(Fixed),
    TEXT_PROPERTY(FloatFormat),
    FONT_PROPERTY(Font),
    TEXT_PROPERTY(Header),
    ENUM_PROPERTY(HeaderAlignment, kAlignments, int),
    FONT_PROPERTY(HeaderFont),
    INT_PROPERTY(MinSize),
    INT_PROPERTY(MaxSize),
    TEXT_PROPERTY(Name),
    BOOL_PROPERTY(Password),
    DEFAULT_TRUE_PROPERTY(PrintBorderCustom),
    SET_PROPERTY(PrintBorders, kBorders),
    PEN_PROPERTY(PrintBorderPen),
    INT_PROPERTY(PrintColor),
    DEFAULT_TRUE_PROPERTY(PrintFontCustom),
    FONT_PROPERTY(PrintFont),
    BOOL_PROPERTY(ReadOnly),
    BOOL_PROPERTY(ShowBands),
    ENUM_PROPERTY(SortStyle, kSortStyles, int),
    TEXT_PROPERTY(SortPrefix),
    TEXT_PROPERTY(SortSuffix),
    INT_PROPERTY(SpinMax),
    INT_PROPERTY(SpinMin),
    INT_PROPERTY(SpinStep),
    INT_PROPERTY(Tag),
    {"Width", [](W& w, const QString& n, const Item& c) { WriteInt(w, n, c.Width); },
     [](R& r, Item& c, const QString& s) {
       noPart(s);
       const int width = r.ReadInteger();
       if (width < 0 || width > kColumnStreamMaxWidth) InvalidValue();
       c.Width = width;
     }},
};

#undef INT_PROPERTY
#undef BOOL_PROPERTY
#undef TEXT_PROPERTY
#undef REFERENCE_PROPERTY
#undef ENUM_PROPERTY
#undef SET_PROPERTY
#undef FONT_PROPERTY
#undef PEN_PROPERTY
#undef LINES_PROPERTY
#undef DEFAULT_TRUE_PROPERTY

void readProperty(R& r, Item& item) {
  const QString name = r.ReadStr();
  for (const ColumnProperty& p : kColumnProperties) {
    const QLatin1String key(p.Name);
    if (name == key) return p.Read(r, item, QString());
    if (name.size() > key.size() + 1 && name.startsWith(key) && name[key.size()] == u'.')
      return p.Read(r, item, name.mid(key.size() + 1));
  }
  throw EReadError(QStringLiteral("Property %1 does not exist").arg(name));
}

}  // namespace

QByteArray WriteColumnStream(const std::vector<TColumnStreamItem>& Items) {
  QByteArray bytes;
  W w(bytes);
  w.WriteSignature();
  w.WriteStr(kClassName);
  w.WriteStr(QString());  // the component name
  w.WritePropName(QStringLiteral("Items"));
  w.WriteCollectionBegin();
  for (const TColumnStreamItem& item : Items) {
    w.WriteListBegin();
    for (const ColumnProperty& p : kColumnProperties) p.Write(w, QLatin1String(p.Name), item);
    w.WriteListEnd();
  }
  w.WriteListEnd();  // the collection
  w.WriteListEnd();  // the object's properties
  w.WriteListEnd();  // its (no) children
  return bytes;
}

std::vector<TColumnStreamItem> ReadColumnStream(const QByteArray& Bytes, const TColumnStreamItem& Defaults) {
  std::vector<TColumnStreamItem> items;
  R r(Bytes);
  r.ReadSignature();
  if (r.ReadStr() != kClassName) throw EReadError(QStringLiteral("Invalid stream format"));
  r.ReadStr();  // the component name
  while (!r.EndOfList()) {
    const QString name = r.ReadStr();
    if (name != QLatin1String("Items")) throw EReadError(QStringLiteral("Property %1 does not exist").arg(name));
    // A second Items property replaces the first, as reading it again would.
    items.clear();
    r.ReadCollectionBegin();
    while (!r.EndOfList()) {
      if (r.NextValue() != vaList) r.ReadInteger();  // an item's optional order number
      r.ReadListBegin();
      if (static_cast<int>(items.size()) >= kColumnStreamMaxItems) InvalidValue();
      items.push_back(Defaults);
      while (!r.EndOfList()) readProperty(r, items.back());
      r.ReadListEnd();
    }
    r.ReadListEnd();
  }
  r.ReadListEnd();
  r.ReadListEnd();
  return items;
}
