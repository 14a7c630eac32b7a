// The grid's settings kept outside the form: the column states line, the column
// widths and positions under ColumnSize's key and section (an initialisation
// file, or the current user's settings store), the visual properties file and
// the print settings section. Everything read is checked and converted before
// the grid changes.
#include <functional>
#include <vector>

#include "grid/base/line_breaks.h"
#include "grid/data/settings_text.h"
#include "grid/data/text_file.h"
#include "grid/view/ex_string_grid.h"
#include "platform/os/files.h"
#include "platform/os/ini_file.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/color_names.h"

namespace {

using G = TExStringGrid;

constexpr std::array kControlStyleNames{"csClassic", "csFlat", "csWinXP", "csKestrel", "csVOD", "csGlyph", "csTheme"};
constexpr std::array kLookNames{"glStandard", "glSoft", "glClassic", "glVOD", "glXP",
                                "glListView", "glVista", "glWin7", "glOffice2007"};
constexpr std::array kBackGroundDisplayNames{"bdTile", "bdFixed", "bdGradientHorz", "bdGradientVert"};
constexpr std::array kBackGroundCellsNames{"bcNormal", "bcFixed", "bcAll"};
static_assert(kControlStyleNames.size() == csTheme + 1);
static_assert(kLookNames.size() == glCustom);
static_assert(kBackGroundDisplayNames.size() == bdGradientVert + 1);
static_assert(kBackGroundCellsNames.size() == bcAll + 1);

// One line of the visual properties file: how it is written, and how it is
// read: converted first (which may raise), applied afterwards.
struct TVisualProp {
  QString Key;
  std::function<QString(G&)> Write;
  std::function<std::function<void(G&)>(const TVisualPropsText&, const QString&)> Read;
};

TVisualProp colorProp(const char* key, std::function<TColor(G&)> get, std::function<void(G&, TColor)> set) {
  return {QLatin1String(key), [get](G& g) { return ColorToString(get(g)); },
          [set](const TVisualPropsText& f, const QString& k) {
            const TColor c = f.Color(k);
            return std::function<void(G&)>([set, c](G& g) { set(g, c); });
          }};
}

TVisualProp boolProp(const char* key, std::function<bool(G&)> get, std::function<void(G&, bool)> set) {
  return {QLatin1String(key), [get](G& g) { return BoolText(get(g)); },
          [set](const TVisualPropsText& f, const QString& k) {
            const bool v = f.Bool(k);
            return std::function<void(G&)>([set, v](G& g) { set(g, v); });
          }};
}

TVisualProp intProp(const char* key, std::function<int(G&)> get, std::function<void(G&, int)> set) {
  return {QLatin1String(key), [get](G& g) { return QString::number(get(g)); },
          [set](const TVisualPropsText& f, const QString& k) {
            const int v = f.Integer(k);
            return std::function<void(G&)>([set, v](G& g) { set(g, v); });
          }};
}

// An enumeration written by name; a name that matches none leaves it unchanged.
template <size_t N>
TVisualProp enumProp(const char* key, const std::array<const char*, N>& names, std::function<int(G&)> get,
                     std::function<void(G&, int)> set) {
  return {QLatin1String(key),
          [get, &names](G& g) {
            const int v = get(g);
            return v >= 0 && v < static_cast<int>(N) ? QString(QLatin1String(names[v])) : QString();
          },
          [set, &names](const TVisualPropsText& f, const QString& k) {
            const int v = f.Enum(k, names);
            return std::function<void(G&)>([set, v](G& g) {
              if (v >= 0) set(g, v);
            });
          }};
}

// A font as its colour, style, size and name lines.
void addFont(std::vector<TVisualProp>& props, const QString& prefix, std::function<TFont*(G&)> font) {
  const QString c = prefix + QStringLiteral(".Color"), st = prefix + QStringLiteral(".Style"),
                sz = prefix + QStringLiteral(".Size"), nm = prefix + QStringLiteral(".Name");
  props.push_back({c, [font](G& g) { return ColorToString(font(g)->Color()); },
                   [font](const TVisualPropsText& f, const QString& k) {
                     const TColor v = f.Color(k);
                     return std::function<void(G&)>([font, v](G& g) { font(g)->SetColor(v); });
                   }});
  props.push_back({st,
                   [font](G& g) { return FontStyleText(static_cast<unsigned>(font(g)->Style().Bits())); },
                   [font](const TVisualPropsText& f, const QString& k) {
                     const unsigned bits = f.FontStyle(k);
                     return std::function<void(G&)>([font, bits](G& g) {
                       TFontStyles s;
                       for (int i = fsBold; i <= fsStrikeOut; ++i)
                         if (bits & (1u << i)) s.Include(static_cast<TFontStyle>(i));
                       font(g)->SetStyle(s);
                     });
                   }});
  props.push_back({sz, [font](G& g) { return QString::number(font(g)->Size()); },
                   [font](const TVisualPropsText& f, const QString& k) {
                     const int v = f.Integer(k);
                     if (v < -1000 || v > 1000) throw EConvertError(QStringLiteral("'%1' is not a font size (%2)").arg(v).arg(k));
                     return std::function<void(G&)>([font, v](G& g) { font(g)->SetSize(v); });
                   }});
  props.push_back({nm, [font](G& g) { return font(g)->Name(); },
                   [font](const TVisualPropsText& f, const QString& k) {
                     const QString v = f.Value(k);
                     return std::function<void(G&)>([font, v](G& g) { font(g)->SetName(v); });
                   }});
}

const std::vector<TVisualProp>& visualProps() {
  static const std::vector<TVisualProp> props = [] {
    std::vector<TVisualProp> p;
    p.push_back(colorProp("Color", [](G& g) { return g.Color(); }, [](G& g, TColor c) { g.SetColor(c); }));
    p.push_back(colorProp("HintColor", [](G& g) { return g.HintColor; }, [](G& g, TColor c) { g.HintColor = c; }));
    p.push_back(colorProp("SelectionColor", [](G& g) { return g.SelectionColor(); },
                          [](G& g, TColor c) { g.SetSelectionColor(c); }));
    p.push_back(colorProp("SelectionColorTo", [](G& g) { return g.SelectionColorTo(); },
                          [](G& g, TColor c) { g.SetSelectionColorTo(c); }));
    p.push_back(colorProp("SelectionMirrorColor", [](G& g) { return g.SelectionMirrorColor(); },
                          [](G& g, TColor c) { g.SetSelectionMirrorColor(c); }));
    p.push_back(colorProp("SelectionMirrorColorTo", [](G& g) { return g.SelectionMirrorColorTo(); },
                          [](G& g, TColor c) { g.SetSelectionMirrorColorTo(c); }));
    p.push_back(colorProp("SelectionTextColor", [](G& g) { return g.SelectionTextColor(); },
                          [](G& g, TColor c) { g.SetSelectionTextColor(c); }));
    p.push_back(colorProp("URLColor", [](G& g) { return g.URLColor; }, [](G& g, TColor c) { g.SetURLColor(c); }));
    p.push_back(boolProp("URLShow", [](G& g) { return g.URLShow; }, [](G& g, bool v) { g.SetURLShow(v); }));
    p.push_back(boolProp("URLShowInText", [](G& g) { return g.URLShowInText; },
                         [](G& g, bool v) { g.SetURLShowInText(v); }));
    p.push_back(colorProp("ScrollColor", [](G& g) { return g.ScrollColor; }, [](G& g, TColor c) {
      g.ScrollColor = c;
      g.Invalidate();
    }));
    p.push_back(colorProp("ActiveRowColor", [](G& g) { return g.ActiveRowColor(); },
                          [](G& g, TColor c) { g.SetActiveRowColor(c); }));
    p.push_back(boolProp("ActiveRowShow", [](G& g) { return g.ActiveRowShow(); },
                         [](G& g, bool v) { g.SetActiveRowShow(v); }));
    p.push_back(boolProp("ActiveCellShow", [](G& g) { return g.ActiveCellShow(); },
                         [](G& g, bool v) { g.SetActiveCellShow(v); }));
    addFont(p, QStringLiteral("Font"), [](G& g) { return g.Font(); });
    p.push_back(colorProp("ActiveCellColor", [](G& g) { return g.ActiveCellColor(); },
                          [](G& g, TColor c) { g.SetActiveCellColor(c); }));
    p.push_back(colorProp("ActiveCellColorTo", [](G& g) { return g.ActiveCellColorTo(); },
                          [](G& g, TColor c) { g.SetActiveCellColorTo(c); }));
    addFont(p, QStringLiteral("ActiveCellFont"), [](G& g) { return g.ActiveCellFont(); });
    addFont(p, QStringLiteral("FixedFont"), [](G& g) { return g.FixedFont(); });
    p.push_back(colorProp("Balloon.BackgroundColor", [](G& g) { return g.Balloon()->BackgroundColor; },
                          [](G& g, TColor c) { g.Balloon()->BackgroundColor = c; }));
    p.push_back(colorProp("Balloon.TextColor", [](G& g) { return g.Balloon()->TextColor; },
                          [](G& g, TColor c) { g.Balloon()->TextColor = c; }));
    p.push_back(intProp("Balloon.Transparency", [](G& g) { return g.Balloon()->Transparency; },
                        [](G& g, int v) { g.Balloon()->Transparency = v; }));
    p.push_back(colorProp("Bands.PrimaryColor", [](G& g) { return g.Bands()->PrimaryColor(); },
                          [](G& g, TColor c) { g.Bands()->SetPrimaryColor(c); }));
    p.push_back(colorProp("Bands.SecondaryColor", [](G& g) { return g.Bands()->SecondaryColor(); },
                          [](G& g, TColor c) { g.Bands()->SetSecondaryColor(c); }));
    p.push_back(boolProp("Bands.Active", [](G& g) { return g.Bands()->Active(); },
                         [](G& g, bool v) { g.Bands()->SetActive(v); }));
    p.push_back(colorProp("SortSettings.IndexColor", [](G& g) { return g.SortSettings()->IndexColor; },
                          [](G& g, TColor c) { g.SortSettings()->IndexColor = c; }));
    p.push_back(colorProp("FloatingFooter.Color", [](G& g) { return g.FloatingFooter()->Color(); },
                          [](G& g, TColor c) { g.FloatingFooter()->SetColor(c); }));
    p.push_back(intProp("ControlLook.CheckSize", [](G& g) { return g.ControlLook()->CheckSize; },
                        [](G& g, int v) { g.ControlLook()->SetCheckSize(v); }));
    p.push_back(colorProp("ControlLook.Color", [](G& g) { return g.ControlLook()->Color; },
                          [](G& g, TColor c) { g.ControlLook()->SetColor(c); }));
    p.push_back(colorProp("ControlLook.CommentColor", [](G& g) { return g.ControlLook()->CommentColor; },
                          [](G& g, TColor c) { g.ControlLook()->SetCommentColor(c); }));
    p.push_back(enumProp("ControlLook.ControlStyle", kControlStyleNames,
                         [](G& g) { return static_cast<int>(g.ControlLook()->ControlStyle); },
                         [](G& g, int v) { g.ControlLook()->SetControlStyle(static_cast<TGridControlStyle>(v)); }));
    p.push_back(colorProp("ControlLook.FixedGradientFrom", [](G& g) { return g.ControlLook()->FixedGradientFrom; },
                          [](G& g, TColor c) {
                            g.ControlLook()->FixedGradientFrom = c;
                            g.Invalidate();
                          }));
    p.push_back(colorProp("ControlLook.FixedGradientTo", [](G& g) { return g.ControlLook()->FixedGradientTo; },
                          [](G& g, TColor c) {
                            g.ControlLook()->FixedGradientTo = c;
                            g.Invalidate();
                          }));
    p.push_back(intProp("ControlLook.RadioSize", [](G& g) { return g.ControlLook()->RadioSize; },
                        [](G& g, int v) { g.ControlLook()->SetRadioSize(v); }));
    p.push_back(boolProp("ControlLook.FlatButton", [](G& g) { return g.ControlLook()->FlatButton; },
                         [](G& g, bool v) { g.ControlLook()->SetFlatButton(v); }));
    p.push_back(colorProp("ControlLook.ProgressBorderColor",
                          [](G& g) { return g.ControlLook()->ProgressBorderColor; },
                          [](G& g, TColor c) { g.ControlLook()->ProgressBorderColor = c; }));
    p.push_back(boolProp("ControlLook.ProgressXP", [](G& g) { return g.ControlLook()->ProgressXP; },
                         [](G& g, bool v) {
                           g.ControlLook()->ProgressXP = v;
                           g.Invalidate();
                         }));
    p.push_back(enumProp("Look", kLookNames, [](G& g) { return static_cast<int>(g.Look()); },
                         [](G& g, int v) { g.SetLook(static_cast<TGridLook>(v)); }));
    p.push_back(colorProp("SearchFooter.Color", [](G& g) { return g.SearchFooter()->Color(); },
                          [](G& g, TColor c) { g.SearchFooter()->SetColor(c); }));
    p.push_back(colorProp("SearchFooter.ColorTo", [](G& g) { return g.SearchFooter()->ColorTo(); },
                          [](G& g, TColor c) { g.SearchFooter()->SetColorTo(c); }));
    p.push_back(colorProp("Grouping.HeaderColor", [](G& g) { return g.Grouping()->HeaderColor; },
                          [](G& g, TColor c) { g.Grouping()->HeaderColor = c; }));
    p.push_back(colorProp("Grouping.HeaderColorTo", [](G& g) { return g.Grouping()->HeaderColorTo; },
                          [](G& g, TColor c) { g.Grouping()->HeaderColorTo = c; }));
    p.push_back(colorProp("Grouping.HeaderTextColor", [](G& g) { return g.Grouping()->HeaderTextColor; },
                          [](G& g, TColor c) { g.Grouping()->HeaderTextColor = c; }));
    p.push_back(boolProp("Grouping.HeaderUnderline", [](G& g) { return g.Grouping()->HeaderUnderline; },
                         [](G& g, bool v) { g.Grouping()->HeaderUnderline = v; }));
    p.push_back(colorProp("Grouping.HeaderLineColor", [](G& g) { return g.Grouping()->HeaderLineColor; },
                          [](G& g, TColor c) { g.Grouping()->HeaderLineColor = c; }));
    p.push_back(intProp("Grouping.HeaderLineWidth", [](G& g) { return g.Grouping()->HeaderLineWidth; },
                        [](G& g, int v) { g.Grouping()->HeaderLineWidth = v; }));
    p.push_back(colorProp("Grouping.SummaryColor", [](G& g) { return g.Grouping()->SummaryColor; },
                          [](G& g, TColor c) { g.Grouping()->SummaryColor = c; }));
    p.push_back(colorProp("Grouping.SummaryColorTo", [](G& g) { return g.Grouping()->SummaryColorTo; },
                          [](G& g, TColor c) { g.Grouping()->SummaryColorTo = c; }));
    p.push_back(colorProp("Grouping.SummaryTextColor", [](G& g) { return g.Grouping()->SummaryTextColor; },
                          [](G& g, TColor c) { g.Grouping()->SummaryTextColor = c; }));
    p.push_back(boolProp("Grouping.SummaryLine", [](G& g) { return g.Grouping()->SummaryLine; },
                         [](G& g, bool v) { g.Grouping()->SummaryLine = v; }));
    p.push_back(colorProp("Grouping.SummaryLineColor", [](G& g) { return g.Grouping()->SummaryLineColor; },
                          [](G& g, TColor c) { g.Grouping()->SummaryLineColor = c; }));
    p.push_back(intProp("Grouping.SummaryLineWidth", [](G& g) { return g.Grouping()->SummaryLineWidth; },
                        [](G& g, int v) { g.Grouping()->SummaryLineWidth = v; }));
    p.push_back(colorProp("GridLineColor", [](G& g) { return g.GridLineColor(); },
                          [](G& g, TColor c) { g.SetGridLineColor(c); }));
    p.push_back(colorProp("GridFixedLineColor", [](G& g) { return g.GridFixedLineColor(); },
                          [](G& g, TColor c) { g.SetGridFixedLineColor(c); }));
    p.push_back(intProp("BackGround.Top", [](G& g) { return g.BackGround()->Top(); },
                        [](G& g, int v) { g.BackGround()->SetTop(v); }));
    p.push_back(intProp("BackGround.Left", [](G& g) { return g.BackGround()->Left(); },
                        [](G& g, int v) { g.BackGround()->SetLeft(v); }));
    p.push_back(enumProp("BackGround.Display", kBackGroundDisplayNames,
                         [](G& g) { return static_cast<int>(g.BackGround()->Display()); },
                         [](G& g, int v) { g.BackGround()->SetDisplay(static_cast<TBackGroundDisplay>(v)); }));
    p.push_back(enumProp("BackGround.Cells", kBackGroundCellsNames,
                         [](G& g) { return static_cast<int>(g.BackGround()->Cells()); },
                         [](G& g, int v) { g.BackGround()->SetCells(static_cast<TBackGroundCells>(v)); }));
    p.push_back(colorProp("BackGround.Color", [](G& g) { return g.BackGround()->Color(); },
                          [](G& g, TColor c) { g.BackGround()->SetColor(c); }));
    p.push_back(colorProp("BackGround.ColorTo", [](G& g) { return g.BackGround()->ColorTo(); },
                          [](G& g, TColor c) { g.BackGround()->SetColorTo(c); }));
    return p;
  }();
  return props;
}

// --- print settings ---

QString yesNo(bool v) { return v ? QStringLiteral("Y") : QStringLiteral("N"); }
bool readYes(const TMemIniFile& ini, const QString& section, const char* key, bool def) {
  return ini.ReadString(section, QLatin1String(key), yesNo(def)) == QLatin1String("Y");
}

void writeFont(TMemIniFile& ini, const QString& section, const QString& prefix, const TFont& f) {
  ini.WriteString(section, prefix + QStringLiteral("Name"), f.Name());
  ini.WriteInteger(section, prefix + QStringLiteral("Size"), f.Size());
  int bits = 0;
  for (int i = fsBold; i <= fsStrikeOut; ++i)
    if (f.Style().Contains(static_cast<TFontStyle>(i))) bits |= 1 << i;
  ini.WriteInteger(section, prefix + QStringLiteral("Style"), bits);
  ini.WriteInteger(section, prefix + QStringLiteral("Color"), f.Color());
}

void readFont(const TMemIniFile& ini, const QString& section, const QString& prefix, TFont& f) {
  f.SetName(ini.ReadString(section, prefix + QStringLiteral("Name"), QStringLiteral("Arial")));
  const int size = ini.ReadInteger(section, prefix + QStringLiteral("Size"), 10);
  if (size >= 1 && size <= 1000) f.SetSize(size);
  // The stored style is the font's style (bits not stored are cleared).
  const int bits = ini.ReadInteger(section, prefix + QStringLiteral("Style"), 0);
  TFontStyles style;
  for (int i = fsBold; i <= fsStrikeOut; ++i)
    if (bits & (1 << i)) style.Include(static_cast<TFontStyle>(i));
  f.SetStyle(style);
  f.SetColor(ini.ReadInteger(section, prefix + QStringLiteral("Color"), 0));
}

TPrintPosition readPosition(const TMemIniFile& ini, const QString& section, const char* key) {
  const int v = ini.ReadInteger(section, QLatin1String(key), 0);
  return v >= 1 && v <= 6 ? static_cast<TPrintPosition>(v) : ppNone;
}

}  // namespace

// --- the column states line ---

QString TExStringGrid::ColumnStatesToString() {
  TColumnStates s;
  s.Count = ColCount() + NumHiddenColumns();
  for (int i = 0; i < s.Count; ++i) s.Widths.push_back(i < ColCount() ? ColWidths(i) : DefaultColWidth());
  for (int i = 0; i < s.Count; ++i) s.Order.push_back(i < FColumnOrder->Count() ? (*FColumnOrder)[i] : i);
  for (int i = 0; i < s.Count; ++i) s.Visible.push_back(!IsHiddenColumn(i));
  return FormatColumnStates(s);
}

void TExStringGrid::StringToColumnStates(const QString& Value) {
  TColumnStates s;
  if (!ParseColumnStates(Value, s)) return;
  TUpdateBatch batch(*this);
  FColumnOrder->Clear();
  UnHideColumnsAll();
  SetColCount(s.Count);
  if (!s.Order.empty()) {
    // The inverse of the stored order moves the columns into it.
    std::vector<int> inverse(s.Order.size());
    for (size_t i = 0; i < s.Order.size(); ++i) inverse[static_cast<size_t>(s.Order[i])] = static_cast<int>(i);
    for (int p : inverse) FColumnOrder->Add(p);
    ResetColumnOrder();
    FColumnOrder->Clear();
    for (int p : s.Order) FColumnOrder->Add(p);
  }
  for (int i = s.Count - 1; i >= 0; --i)
    if (!s.Visible[static_cast<size_t>(i)]) HideColumn(i);
  const bool stretch = FColumnSize->Stretch();
  if (stretch) {
    const int sc = FColumnSize->StretchColumn == -1 ? ColCount() - 1 : FColumnSize->StretchColumn;
    if (sc >= 0 && sc < ColCount()) SetDefaultColWidth(ColWidths(sc));
  }
  FColumnSize->SetStretch(false);
  for (int i = 0; i < ColCount(); ++i) SetColWidths(i, s.Widths[static_cast<size_t>(i)]);
  FColumnSize->SetStretch(stretch);
}

// --- column widths in the settings store (the positions: column_keys.cpp) ---

void TExStringGrid::SaveColSizes() {
  const QString file = ColumnStoreFile(*FColumnSize);
  if (file.isEmpty() || Designing()) return;
  TMemIniFile ini(file);
  for (int i = 0; i < ColCount(); ++i) ini.WriteInteger(FColumnSize->Section, QStringLiteral("Col%1").arg(i), ColWidths(i));
  WriteColumnStore(ini, *FColumnSize);
}

void TExStringGrid::LoadColSizes() {
  const QString file = ColumnStoreFile(*FColumnSize);
  if (file.isEmpty() || Designing()) return;
  const TMemIniFile ini(file);
  // Widths outside what a column takes leave every width as it is.
  std::vector<int> widths;
  for (int i = 0; i < ColCount(); ++i) {
    const int w = ini.ReadInteger(FColumnSize->Section, QStringLiteral("Col%1").arg(i), ColWidths(i));
    if (w < 0 || w > 32767) return;
    widths.push_back(w);
  }
  for (int i = 0; i < ColCount(); ++i)
    if (ColWidths(i) != widths[static_cast<size_t>(i)]) SetColWidths(i, widths[static_cast<size_t>(i)]);
}

// --- the visual properties file ---

void TExStringGrid::SaveVisualProps(const QString& FileName) {
  QStringList lines;
  for (const TVisualProp& p : visualProps()) lines.append(p.Key + u'=' + p.Write(*this));
  try {
    WriteFileWhole(FileName, EncodeTextLines(lines, teAnsi));
  } catch (const EFileError&) {
    throw Exception(QStringLiteral("Cannot Create ") + FileName);
  }
}

void TExStringGrid::LoadVisualProps(const QString& FileName) {
  QStringList lines;
  try {
    lines = ReadTextFileLines(FileName);
  } catch (const EFileError&) {
    throw Exception(QStringLiteral("Cannot open file ") + FileName);
  }
  const TVisualPropsText file(lines);
  std::vector<std::function<void(G&)>> setters;
  for (const TVisualProp& p : visualProps()) setters.push_back(p.Read(file, p.Key));
  TUpdateBatch batch(*this);
  for (const auto& set : setters) set(*this);
  Invalidate();
}

// --- the print settings section ---

void TExStringGrid::SavePrintSettings(const QString& Key, const QString& Section) {
  TMemIniFile ini(Key);
  const TPrintSettings& ps = *FPrintSettings;
  const QString& s = Section;
  ini.WriteInteger(s, QStringLiteral("ColumnSpacing"), ps.ColumnSpacing);
  ini.WriteInteger(s, QStringLiteral("RowSpacing"), ps.RowSpacing);
  ini.WriteInteger(s, QStringLiteral("TitleSpacing"), ps.TitleSpacing);
  ini.WriteInteger(s, QStringLiteral("FixedHeight"), ps.FixedHeight);
  ini.WriteInteger(s, QStringLiteral("FixedWidth"), ps.FixedWidth);
  ini.WriteString(s, QStringLiteral("Centered"), yesNo(ps.Centered));
  ini.WriteString(s, QStringLiteral("NoAutoSize"), yesNo(ps.NoAutoSize));
  ini.WriteString(s, QStringLiteral("UseFixedHeight"), yesNo(ps.UseFixedHeight));
  ini.WriteString(s, QStringLiteral("UseFixedWidth"), yesNo(ps.UseFixedWidth));
  ini.WriteString(s, QStringLiteral("RepeatFixedRows"), yesNo(ps.RepeatFixedRows));
  ini.WriteString(s, QStringLiteral("RepeatFixedCols"), yesNo(ps.RepeatFixedCols));
  ini.WriteString(s, QStringLiteral("UseDisplFont"), yesNo(ps.UseDisplayFont));
  ini.WriteString(s, QStringLiteral("UseDefOrientation"), yesNo(ps.UseDefaultOrientation));
  ini.WriteInteger(s, QStringLiteral("Borders"), ps.Borders);
  ini.WriteInteger(s, QStringLiteral("BorderColor"), ps.BorderColor);
  ini.WriteInteger(s, QStringLiteral("BorderStyle"), ps.BorderStyle);
  ini.WriteInteger(s, QStringLiteral("Date"), ps.Date);
  ini.WriteInteger(s, QStringLiteral("PageNr"), ps.PageNr);
  ini.WriteInteger(s, QStringLiteral("Title"), ps.Title);
  ini.WriteInteger(s, QStringLiteral("Time"), ps.Time);
  ini.WriteString(s, QStringLiteral("DateFormat"), ps.DateFormat);
  ini.WriteString(s, QStringLiteral("TitleText"), ps.TitleText);
  ini.WriteInteger(s, QStringLiteral("FooterSize"), ps.FooterSize);
  ini.WriteInteger(s, QStringLiteral("HeaderSize"), ps.HeaderSize);
  ini.WriteInteger(s, QStringLiteral("LeftSize"), ps.LeftSize);
  ini.WriteInteger(s, QStringLiteral("RightSize"), ps.RightSize);
  ini.WriteInteger(s, QStringLiteral("FitToPage"), ps.FitToPage);
  writeFont(ini, s, QStringLiteral("Font"), *ps.Font());
  writeFont(ini, s, QStringLiteral("HeaderFont"), *ps.HeaderFont());
  writeFont(ini, s, QStringLiteral("FooterFont"), *ps.FooterFont());
  ini.WriteString(s, QStringLiteral("PageNumSep"), ps.PageNumSep);
  ini.WriteString(s, QStringLiteral("PageSuffix"), ps.PageSuffix);
  ini.WriteString(s, QStringLiteral("PagePrefix"), ps.PagePrefix);
  ini.WriteInteger(s, QStringLiteral("Orientation"), ps.Orientation);
  ini.WriteString(s, QStringLiteral("TitleLines"), LineBreaksToEscape(ps.TitleLines()->Text()));
  ini.WriteString(s, QStringLiteral("PrintGraphics"), yesNo(ps.PrintGraphics));
  ini.UpdateFile();
}

void TExStringGrid::LoadPrintSettings(const QString& Key, const QString& Section) {
  const TMemIniFile ini(Key);
  TPrintSettings& ps = *FPrintSettings;
  const QString& s = Section;
  ps.ColumnSpacing = ini.ReadInteger(s, QStringLiteral("ColumnSpacing"), 20);
  ps.RowSpacing = ini.ReadInteger(s, QStringLiteral("RowSpacing"), 20);
  ps.TitleSpacing = ini.ReadInteger(s, QStringLiteral("TitleSpacing"), 20);
  ps.FixedHeight = ini.ReadInteger(s, QStringLiteral("FixedHeight"), 0);
  ps.FixedWidth = ini.ReadInteger(s, QStringLiteral("FixedWidth"), 0);
  ps.Centered = readYes(ini, s, "Centered", true);
  ps.NoAutoSize = readYes(ini, s, "NoAutoSize", false);
  ps.UseFixedHeight = readYes(ini, s, "UseFixedHeight", false);
  ps.UseFixedWidth = readYes(ini, s, "UseFixedWidth", false);
  ps.RepeatFixedRows = readYes(ini, s, "RepeatFixedRows", false);
  ps.RepeatFixedCols = readYes(ini, s, "RepeatFixedCols", false);
  ps.UseDisplayFont = readYes(ini, s, "UseDisplFont", false);
  ps.UseDefaultOrientation = readYes(ini, s, "UseDefOrientation", false);
  const int borders = ini.ReadInteger(s, QStringLiteral("Borders"), 0);
  if (borders >= pbNoborder && borders <= pbCustom) ps.Borders = static_cast<TPrintBorders>(borders);
  ps.BorderColor = ini.ReadInteger(s, QStringLiteral("BorderColor"), 0);
  const int penStyle = ini.ReadInteger(s, QStringLiteral("BorderStyle"), 0);
  if (penStyle >= psSolid && penStyle <= psInsideFrame) ps.BorderStyle = static_cast<TPenStyle>(penStyle);
  ps.Date = readPosition(ini, s, "Date");
  ps.PageNr = readPosition(ini, s, "PageNr");
  ps.Title = readPosition(ini, s, "Title");
  ps.Time = readPosition(ini, s, "Time");
  ps.DateFormat = ini.ReadString(s, QStringLiteral("DateFormat"), QString());
  ps.TitleText = ini.ReadString(s, QStringLiteral("TitleText"), QString());
  ps.FooterSize = ini.ReadInteger(s, QStringLiteral("FooterSize"), 100);
  ps.HeaderSize = ini.ReadInteger(s, QStringLiteral("HeaderSize"), 100);
  ps.LeftSize = ini.ReadInteger(s, QStringLiteral("LeftSize"), 100);
  ps.RightSize = ini.ReadInteger(s, QStringLiteral("RightSize"), 100);
  const int fit = ini.ReadInteger(s, QStringLiteral("FitToPage"), 0);
  if (fit >= fpNever && fit <= fpCustom) ps.FitToPage = static_cast<TFitToPage>(fit);
  readFont(ini, s, QStringLiteral("Font"), *ps.Font());
  readFont(ini, s, QStringLiteral("HeaderFont"), *ps.HeaderFont());
  readFont(ini, s, QStringLiteral("FooterFont"), *ps.FooterFont());
  ps.PageNumSep = ini.ReadString(s, QStringLiteral("PageNumSep"), QString());
  ps.PageSuffix = ini.ReadString(s, QStringLiteral("PageSuffix"), QString());
  ps.PagePrefix = ini.ReadString(s, QStringLiteral("PagePrefix"), QString());
  const int orientation = ini.ReadInteger(s, QStringLiteral("Orientation"), 0);
  if (orientation == poPortrait || orientation == poLandscape) ps.Orientation = static_cast<TPrinterOrientation>(orientation);
  ps.TitleLines()->SetText(EscapeToLineBreaks(ini.ReadString(s, QStringLiteral("TitleLines"), QString())));
  ps.PrintGraphics = readYes(ini, s, "PrintGraphics", false);
}
