#include "grid/data/office_files.h"

#include <QFile>
#include <QSet>
#include <cmath>
#include <pugixml.hpp>
#include <sstream>
#include <zip.h>

extern "C" {
#include <freexl.h>
}

#include "grid/view/grid_error.h"
#include "platform/rtl/date_format.h"
#include "platform/rtl/float_text.h"
#include "platform/rtl/locale_settings.h"
#include "platform/rtl/numbers.h"

namespace {

const QString kIncorrect = QStringLiteral("Incorrect XLS file");
const char* const kMainNs = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const char* const kRelNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const char* const kWorksheetType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet";
const char* const kWordNs = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

// Parts larger than this, or more parts than this, are no workbook a grid loads.
constexpr zip_uint64_t kMaxPartSize = 256u * 1024 * 1024;
constexpr zip_int64_t kMaxParts = 20000;
constexpr int kMaxSheetColumns = 16384;
constexpr int kMaxSheetRows = 1048576;

// --- zip packages ---

struct TPackage {
  std::vector<std::pair<QString, QByteArray>> Parts;

  QByteArray* Find(const QString& name) {
    for (auto& p : Parts)
      if (p.first.compare(name, Qt::CaseInsensitive) == 0) return &p.second;
    return nullptr;
  }
  void Set(const QString& name, const QByteArray& data) {
    if (QByteArray* p = Find(name)) *p = data;
    else Parts.push_back({name, data});
  }
  void Remove(const QString& name) {
    std::erase_if(Parts, [&](const auto& p) { return p.first.compare(name, Qt::CaseInsensitive) == 0; });
  }
};

TPackage readPackage(const QByteArray& bytes, const QString& error) {
  zip_error_t ze;
  zip_error_init(&ze);
  zip_source_t* src = zip_source_buffer_create(bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0, &ze);
  if (!src) throw Exception(error);
  zip_t* za = zip_open_from_source(src, ZIP_RDONLY, &ze);
  zip_error_fini(&ze);
  if (!za) {
    zip_source_free(src);
    throw Exception(error);
  }
  TPackage pkg;
  const zip_int64_t n = zip_get_num_entries(za, 0);
  bool ok = n >= 0 && n <= kMaxParts;
  zip_uint64_t total = 0;
  QSet<QString> names;
  for (zip_int64_t i = 0; ok && i < n; ++i) {
    zip_stat_t st;
    if (zip_stat_index(za, static_cast<zip_uint64_t>(i), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE) ||
        !(st.valid & ZIP_STAT_NAME) || st.size > kMaxPartSize || (total += st.size) > 2 * kMaxPartSize) {
      ok = false;
      break;
    }
    const QString name = QString::fromUtf8(st.name);
    if (name.endsWith(u'/')) continue;
    // Two parts of one name (names compare without case in a package) leave it
    // open which one a reader sees and which one a writer replaces.
    const QString key = name.toCaseFolded();
    if (names.contains(key)) {
      ok = false;
      break;
    }
    names.insert(key);
    zip_file_t* f = zip_fopen_index(za, static_cast<zip_uint64_t>(i), 0);
    if (!f) {
      ok = false;
      break;
    }
    QByteArray data(static_cast<qsizetype>(st.size), Qt::Uninitialized);
    const zip_int64_t got = zip_fread(f, data.data(), st.size);
    zip_fclose(f);
    if (got != static_cast<zip_int64_t>(st.size)) {
      ok = false;
      break;
    }
    pkg.Parts.push_back({name, data});
  }
  zip_discard(za);
  if (!ok) throw Exception(error);
  return pkg;
}

QByteArray writePackage(const TPackage& pkg) {
  zip_error_t ze;
  zip_error_init(&ze);
  zip_source_t* src = zip_source_buffer_create(nullptr, 0, 0, &ze);
  if (!src) throw Exception(QStringLiteral("Cannot make the zip archive"));
  zip_source_keep(src);
  zip_t* za = zip_open_from_source(src, ZIP_TRUNCATE, &ze);
  zip_error_fini(&ze);
  if (!za) {
    zip_source_free(src);
    throw Exception(QStringLiteral("Cannot make the zip archive"));
  }
  bool ok = true;
  for (const auto& [name, data] : pkg.Parts) {
    zip_source_t* part = zip_source_buffer(za, data.constData(), static_cast<zip_uint64_t>(data.size()), 0);
    const QByteArray utf8 = name.toUtf8();
    if (!part || zip_file_add(za, utf8.constData(), part, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) < 0) {
      if (part) zip_source_free(part);
      ok = false;
      break;
    }
  }
  if (!ok || zip_close(za) != 0) {
    if (ok) zip_discard(za);
    zip_source_free(src);
    throw Exception(QStringLiteral("Cannot make the zip archive"));
  }
  QByteArray out;
  if (zip_source_open(src) == 0) {
    zip_source_seek(src, 0, SEEK_END);
    const zip_int64_t size = zip_source_tell(src);
    zip_source_seek(src, 0, SEEK_SET);
    if (size > 0) {
      out.resize(static_cast<qsizetype>(size));
      if (zip_source_read(src, out.data(), static_cast<zip_uint64_t>(size)) != size) out.clear();
    }
    zip_source_close(src);
  }
  zip_source_free(src);
  if (out.isEmpty()) throw Exception(QStringLiteral("Cannot make the zip archive"));
  return out;
}

// --- XML parts ---

QString localName(const pugi::xml_node& n) {
  const QString name = QString::fromUtf8(n.name());
  const qsizetype colon = name.indexOf(u':');
  return colon < 0 ? name : name.mid(colon + 1);
}

pugi::xml_node child(const pugi::xml_node& n, const char* local) {
  for (const pugi::xml_node& c : n.children())
    if (c.type() == pugi::node_element && localName(c) == QLatin1String(local)) return c;
  return {};
}

std::vector<pugi::xml_node> children(const pugi::xml_node& n, const char* local) {
  std::vector<pugi::xml_node> out;
  for (const pugi::xml_node& c : n.children())
    if (c.type() == pugi::node_element && localName(c) == QLatin1String(local)) out.push_back(c);
  return out;
}

QString attr(const pugi::xml_node& n, const char* local) {
  for (const pugi::xml_attribute& a : n.attributes()) {
    QString name = QString::fromUtf8(a.name());
    const qsizetype colon = name.indexOf(u':');
    if (colon >= 0) {
      if (name.startsWith(QLatin1String("xmlns"))) continue;
      name = name.mid(colon + 1);
    }
    if (name == QLatin1String(local)) return QString::fromUtf8(a.value());
  }
  return {};
}

void loadPart(pugi::xml_document& doc, const QByteArray& data, const QString& error) {
  if (!doc.load_buffer(data.constData(), static_cast<size_t>(data.size()), pugi::parse_default | pugi::parse_ws_pcdata_single))
    throw Exception(error);
}

QByteArray savedPart(const pugi::xml_document& doc) {
  std::ostringstream out;
  doc.save(out, "", pugi::format_raw, pugi::encoding_utf8);
  return QByteArray::fromStdString(out.str());
}

// The prefix (with its colon) that a document binds to a namespace; empty for
// the default namespace.
QString prefixOf(const pugi::xml_node& root, const char* ns) {
  for (const pugi::xml_attribute& a : root.attributes()) {
    const QString name = QString::fromUtf8(a.name());
    if (QString::fromUtf8(a.value()) != QLatin1String(ns)) continue;
    if (name == QLatin1String("xmlns")) return {};
    if (name.startsWith(QLatin1String("xmlns:"))) return name.mid(6) + u':';
  }
  return QStringLiteral("?");  // not bound
}

// A part's path from a relationship target, relative to the folder of the part
// the relationships belong to.
QString resolveTarget(const QString& base, const QString& target) {
  if (target.startsWith(u'/')) return target.mid(1);
  QStringList parts = base.split(u'/');
  parts.removeLast();
  for (const QString& p : target.split(u'/')) {
    if (p == QLatin1String("..")) {
      if (!parts.isEmpty()) parts.removeLast();
    } else if (p != QLatin1String(".") && !p.isEmpty()) {
      parts.append(p);
    }
  }
  return parts.join(u'/');
}

QString relsOf(const QString& part) {
  const qsizetype slash = part.lastIndexOf(u'/');
  return part.left(slash + 1) + QStringLiteral("_rels/") + part.mid(slash + 1) + QStringLiteral(".rels");
}

// --- workbooks ---

struct TSheetEntry {
  QString Name;
  QString Part;
};

struct TWorkbookParts {
  QString Workbook;  // the workbook part
  std::vector<TSheetEntry> Sheets;
  int ActiveTab = 0;
  QString SharedStrings, Styles;
};

TWorkbookParts workbookParts(TPackage& pkg) {
  TWorkbookParts wp;
  wp.Workbook = QStringLiteral("xl/workbook.xml");
  if (QByteArray* rels = pkg.Find(QStringLiteral("_rels/.rels"))) {
    pugi::xml_document doc;
    loadPart(doc, *rels, kIncorrect);
    for (const pugi::xml_node& r : children(doc.document_element(), "Relationship"))
      if (attr(r, "Type").endsWith(QLatin1String("/officeDocument"))) wp.Workbook = resolveTarget(QString(), attr(r, "Target"));
  }
  QByteArray* wb = pkg.Find(wp.Workbook);
  if (!wb) throw Exception(kIncorrect);
  QHash<QString, QString> targets;
  QHash<QString, QString> types;
  if (QByteArray* rels = pkg.Find(relsOf(wp.Workbook))) {
    pugi::xml_document doc;
    loadPart(doc, *rels, kIncorrect);
    for (const pugi::xml_node& r : children(doc.document_element(), "Relationship")) {
      const QString id = attr(r, "Id"), target = resolveTarget(wp.Workbook, attr(r, "Target")), type = attr(r, "Type");
      targets.insert(id, target);
      if (type.endsWith(QLatin1String("/sharedStrings"))) wp.SharedStrings = target;
      if (type.endsWith(QLatin1String("/styles"))) wp.Styles = target;
    }
  }
  pugi::xml_document doc;
  loadPart(doc, *wb, kIncorrect);
  const pugi::xml_node root = doc.document_element();
  if (const pugi::xml_node view = child(child(root, "bookViews"), "workbookView"))
    wp.ActiveTab = StrToIntDef(attr(view, "activeTab"), 0);
  for (const pugi::xml_node& s : children(child(root, "sheets"), "sheet"))
    wp.Sheets.push_back({attr(s, "name"), targets.value(attr(s, "id"))});
  return wp;
}

// The sheet of a name (the last of that name), or the active one; -1 when none.
int sheetIndex(const TWorkbookParts& wp, const QString& name) {
  if (name.isEmpty()) return wp.Sheets.empty() ? -1 : std::clamp(wp.ActiveTab, 0, static_cast<int>(wp.Sheets.size()) - 1);
  int found = -1;
  for (size_t i = 0; i < wp.Sheets.size(); ++i)
    if (wp.Sheets[i].Name == name) found = static_cast<int>(i);
  return found;
}

// "B12" -> (12, 2); (0, 0) when it is no cell reference.
std::pair<int, int> cellRef(const QString& ref) {
  qsizetype i = 0;
  while (i < ref.size() && ref[i].isLetter() && ref[i].unicode() < 128) ++i;
  const int col = LettersToColumn(ref.left(i));
  bool ok = false;
  const int row = ref.mid(i).toInt(&ok);
  if (!ok || col <= 0 || row <= 0 || row > kMaxSheetRows) return {0, 0};
  return {row, col};
}

// Whether a number format shows dates or times.
bool isDateFormat(int id, const QString& code) {
  if ((id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) || (id >= 50 && id <= 58)) return true;
  if (code.isEmpty()) return false;
  QString c;
  bool quoted = false, bracket = false;
  for (qsizetype i = 0; i < code.size(); ++i) {
    const QChar ch = code[i];
    if (ch == u'"') quoted = !quoted;
    else if (!quoted && ch == u'[') bracket = true;
    else if (!quoted && ch == u']') bracket = false;
    else if (!quoted && !bracket && ch == u'\\') ++i;
    else if (!quoted && !bracket) c += ch.toLower();
  }
  c.remove(QLatin1String("general"));
  for (QChar ch : c)
    if (ch == u'd' || ch == u'm' || ch == u'y' || ch == u'h' || ch == u's') return true;
  return false;
}

// A date serial as the spreadsheet shows it in the short date format, a time
// serial in the long time format (their day numbers are the same as TDateTime's).
QString dateText(double serial) {
  const double day = std::floor(serial);
  const TFormatSettings fs = FormatSettings();
  if (serial == day) return FormatDateTimeText(fs.ShortDateFormat, serial);
  if (day == 0) return FormatDateTimeText(LongTimeFormat(), serial);
  return FormatDateTimeText(fs.ShortDateFormat + u' ' + LongTimeFormat(), serial);
}

QString numberText(double v) { return FloatToStrGeneral(v); }

QStringList sharedStrings(TPackage& pkg, const QString& part) {
  QStringList out;
  QByteArray* data = part.isEmpty() ? pkg.Find(QStringLiteral("xl/sharedStrings.xml")) : pkg.Find(part);
  if (!data) return out;
  pugi::xml_document doc;
  loadPart(doc, *data, kIncorrect);
  for (const pugi::xml_node& si : children(doc.document_element(), "si")) {
    QString text;
    if (const pugi::xml_node t = child(si, "t")) text = QString::fromUtf8(t.child_value());
    for (const pugi::xml_node& r : children(si, "r")) text += QString::fromUtf8(child(r, "t").child_value());
    out.append(text);
  }
  return out;
}

// Per cell style: whether its number format shows dates.
std::vector<bool> dateStyles(TPackage& pkg, const QString& part) {
  std::vector<bool> out;
  QByteArray* data = part.isEmpty() ? pkg.Find(QStringLiteral("xl/styles.xml")) : pkg.Find(part);
  if (!data) return out;
  pugi::xml_document doc;
  loadPart(doc, *data, kIncorrect);
  const pugi::xml_node root = doc.document_element();
  QHash<int, QString> codes;
  for (const pugi::xml_node& f : children(child(root, "numFmts"), "numFmt"))
    codes.insert(StrToIntDef(attr(f, "numFmtId"), -1), attr(f, "formatCode"));
  for (const pugi::xml_node& xf : children(child(root, "cellXfs"), "xf")) {
    const int id = StrToIntDef(attr(xf, "numFmtId"), 0);
    out.push_back(isDateFormat(id, codes.value(id)));
  }
  return out;
}

QString usedRangeAddress(int c1, int r1, int c2, int r2) {
  if (c1 == c2 && r1 == r2) return QStringLiteral("$%1$%2").arg(ColumnLetters(c1)).arg(r1);
  return QStringLiteral("$%1$%2:$%3$%4").arg(ColumnLetters(c1)).arg(r1).arg(ColumnLetters(c2)).arg(r2);
}

// --- writing a worksheet ---

const char* const kContentTypes =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/xl/workbook.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
    "<Override PartName=\"/xl/styles.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>"
    "</Types>";

TPackage newWorkbook() {
  TPackage pkg;
  pkg.Set(QStringLiteral("[Content_Types].xml"), kContentTypes);
  pkg.Set(QStringLiteral("_rels/.rels"),
          "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
          "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
          "<Relationship Id=\"rId1\" "
          "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
          "Target=\"xl/workbook.xml\"/></Relationships>");
  pkg.Set(QStringLiteral("xl/workbook.xml"),
          "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
          "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
          "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
          "<bookViews><workbookView activeTab=\"0\"/></bookViews><sheets/></workbook>");
  pkg.Set(QStringLiteral("xl/_rels/workbook.xml.rels"),
          "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
          "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
          "<Relationship Id=\"rId1\" "
          "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
          "Target=\"styles.xml\"/></Relationships>");
  pkg.Set(QStringLiteral("xl/styles.xml"),
          "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
          "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
          "<fonts count=\"1\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font></fonts>"
          "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
          "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
          "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
          "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>"
          "<cellXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/></cellXfs>"
          "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>"
          "</styleSheet>");
  return pkg;
}

// A worksheet named Name is added to the workbook; its part.
QString addSheet(TPackage& pkg, TWorkbookParts& wp, const QString& name) {
  int n = 1;
  while (pkg.Find(QStringLiteral("xl/worksheets/sheet%1.xml").arg(n))) ++n;
  const QString part = QStringLiteral("xl/worksheets/sheet%1.xml").arg(n);
  pkg.Set(part,
          "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
          "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
          "<dimension ref=\"A1\"/><sheetData/></worksheet>");

  // The relationship, under an identifier not yet taken.
  const QString relsPart = relsOf(wp.Workbook);
  if (!pkg.Find(relsPart))
    pkg.Set(relsPart, "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"/>");
  pugi::xml_document rels;
  loadPart(rels, *pkg.Find(relsPart), kIncorrect);
  QStringList ids;
  for (const pugi::xml_node& r : children(rels.document_element(), "Relationship")) ids.append(attr(r, "Id"));
  int k = 1;
  while (ids.contains(QStringLiteral("rId%1").arg(k))) ++k;
  const QString id = QStringLiteral("rId%1").arg(k);
  pugi::xml_node rel = rels.document_element().append_child("Relationship");
  rel.append_attribute("Id").set_value(id.toUtf8().constData());
  rel.append_attribute("Type").set_value(kWorksheetType);
  const QString folder = wp.Workbook.left(wp.Workbook.lastIndexOf(u'/') + 1);
  const QString target = part.startsWith(folder) ? part.mid(folder.size()) : u'/' + part;
  rel.append_attribute("Target").set_value(target.toUtf8().constData());
  pkg.Set(relsPart, savedPart(rels));

  // The sheet in the workbook, with the next free sheet number.
  pugi::xml_document wb;
  loadPart(wb, *pkg.Find(wp.Workbook), kIncorrect);
  pugi::xml_node root = wb.document_element();
  QString r = prefixOf(root, kRelNs);
  if (r == QLatin1String("?")) {
    root.append_attribute("xmlns:r").set_value(kRelNs);
    r = QStringLiteral("r:");
  }
  const QString main = prefixOf(root, kMainNs) == QLatin1String("?") ? QString() : prefixOf(root, kMainNs);
  pugi::xml_node sheets = child(root, "sheets");
  if (!sheets) sheets = root.append_child((main + QStringLiteral("sheets")).toUtf8().constData());
  int sheetId = 0;
  for (const pugi::xml_node& s : children(sheets, "sheet")) sheetId = std::max(sheetId, StrToIntDef(attr(s, "sheetId"), 0));
  pugi::xml_node sheet = sheets.append_child((main + QStringLiteral("sheet")).toUtf8().constData());
  sheet.append_attribute("name").set_value(name.toUtf8().constData());
  sheet.append_attribute("sheetId").set_value(sheetId + 1);
  sheet.append_attribute((r + QStringLiteral("id")).toUtf8().constData()).set_value(id.toUtf8().constData());
  pkg.Set(wp.Workbook, savedPart(wb));

  // Its content type.
  if (QByteArray* types = pkg.Find(QStringLiteral("[Content_Types].xml"))) {
    pugi::xml_document ct;
    loadPart(ct, *types, kIncorrect);
    pugi::xml_node o = ct.document_element().append_child("Override");
    o.append_attribute("PartName").set_value((u'/' + part).toUtf8().constData());
    o.append_attribute("ContentType").set_value("application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml");
    pkg.Set(QStringLiteral("[Content_Types].xml"), savedPart(ct));
  }
  wp.Sheets.push_back({name, part});
  return part;
}

// The calculation chain is a cache the spreadsheet program rebuilds; cells
// written over may have held formulas it names, so it goes.
void dropCalcChain(TPackage& pkg, const TWorkbookParts& wp) {
  const QString relsPart = relsOf(wp.Workbook);
  if (QByteArray* data = pkg.Find(relsPart)) {
    pugi::xml_document rels;
    loadPart(rels, *data, kIncorrect);
    for (const pugi::xml_node& r : children(rels.document_element(), "Relationship"))
      if (attr(r, "Type").endsWith(QLatin1String("/calcChain"))) {
        pkg.Remove(resolveTarget(wp.Workbook, attr(r, "Target")));
        rels.document_element().remove_child(r);
      }
    pkg.Set(relsPart, savedPart(rels));
  }
  if (QByteArray* types = pkg.Find(QStringLiteral("[Content_Types].xml"))) {
    pugi::xml_document ct;
    loadPart(ct, *types, kIncorrect);
    for (const pugi::xml_node& o : children(ct.document_element(), "Override"))
      if (attr(o, "PartName").endsWith(QLatin1String("calcChain.xml"))) ct.document_element().remove_child(o);
    pkg.Set(QStringLiteral("[Content_Types].xml"), savedPart(ct));
  }
}

// A text that the spreadsheet program would show unchanged as a number.
bool isPlainNumber(const QString& text, double& value) {
  if (text.isEmpty() || text.size() > 17) return false;
  bool ok = false;
  value = text.toDouble(&ok);
  return ok && std::isfinite(value) && QString::number(value, 'g', 15) == text;
}

void writeRows(pugi::xml_document& sheet, int startRow, const std::vector<QStringList>& rows) {
  pugi::xml_node root = sheet.document_element();
  const QString p = prefixOf(root, kMainNs) == QLatin1String("?") ? QString() : prefixOf(root, kMainNs);
  auto name = [&](const char* local) { return (p + QLatin1String(local)).toUtf8(); };
  pugi::xml_node data = child(root, "sheetData");
  if (!data) data = root.append_child(name("sheetData").constData());
  int width = 0;
  for (const QStringList& r : rows) width = std::max(width, static_cast<int>(r.size()));

  for (size_t i = 0; i < rows.size(); ++i) {
    const int rowNumber = startRow + static_cast<int>(i);
    // The row element of that number, made in its place when missing.
    pugi::xml_node row, before;
    for (const pugi::xml_node& r : children(data, "row")) {
      const int n = StrToIntDef(attr(r, "r"), 0);
      if (n == rowNumber) row = r;
      if (n > rowNumber && !before) before = r;
    }
    if (!row) {
      row = before ? data.insert_child_before(name("row").constData(), before) : data.append_child(name("row").constData());
      row.append_attribute("r").set_value(rowNumber);
    }
    row.remove_attribute("spans");
    // Cells of the written columns give way to the new ones.
    for (const pugi::xml_node& c : children(row, "c"))
      if (const auto ref = cellRef(attr(c, "r")); ref.second >= 1 && ref.second <= width) row.remove_child(c);
    const QStringList& texts = rows[i];
    for (int col = static_cast<int>(texts.size()); col >= 1; --col) {
      const QString& text = texts[col - 1];
      if (text.isEmpty()) continue;
      pugi::xml_node next;
      for (const pugi::xml_node& c : children(row, "c"))
        if (cellRef(attr(c, "r")).second > col) {
          next = c;
          break;
        }
      pugi::xml_node cell = next ? row.insert_child_before(name("c").constData(), next) : row.append_child(name("c").constData());
      cell.append_attribute("r").set_value((ColumnLetters(col) + QString::number(rowNumber)).toUtf8().constData());
      double value = 0;
      if (isPlainNumber(text, value)) {
        cell.append_child(name("v").constData()).text().set(text.toUtf8().constData());
      } else {
        cell.append_attribute("t").set_value("inlineStr");
        pugi::xml_node t = cell.append_child(name("is").constData()).append_child(name("t").constData());
        t.append_attribute("xml:space").set_value("preserve");
        t.text().set(text.toUtf8().constData());
      }
    }
  }

  // The used range covers what was there and what was written.
  int c1 = kMaxSheetColumns, r1 = kMaxSheetRows, c2 = 0, r2 = 0;
  for (const pugi::xml_node& r : children(data, "row"))
    for (const pugi::xml_node& c : children(r, "c"))
      if (const auto ref = cellRef(attr(c, "r")); ref.first > 0) {
        r1 = std::min(r1, ref.first);
        r2 = std::max(r2, ref.first);
        c1 = std::min(c1, ref.second);
        c2 = std::max(c2, ref.second);
      }
  const QString ref = c2 == 0 ? QStringLiteral("A1")
                      : c1 == c2 && r1 == r2
                          ? ColumnLetters(c1) + QString::number(r1)
                          : ColumnLetters(c1) + QString::number(r1) + u':' + ColumnLetters(c2) + QString::number(r2);
  pugi::xml_node dim = child(root, "dimension");
  if (!dim) {
    const pugi::xml_node pr = child(root, "sheetPr");
    dim = pr ? root.insert_child_after(name("dimension").constData(), pr)
             : root.prepend_child(name("dimension").constData());
  }
  dim.remove_attribute("ref");
  dim.append_attribute("ref").set_value(ref.toUtf8().constData());
}

// --- documents ---

QByteArray docxTableXml(const TDocTable& t, const QString& w) {
  QString x;
  auto esc = [](QString s) {
    return s.replace(u'&', QLatin1String("&amp;")).replace(u'<', QLatin1String("&lt;")).replace(u'>', QLatin1String("&gt;"));
  };
  if (!t.Text.isEmpty())
    x += QStringLiteral("<%1p><%1r><%1t xml:space=\"preserve\">%2</%1t></%1r></%1p>").arg(w, esc(t.Text));
  int cols = 0;
  for (const QStringList& r : t.Rows) cols = std::max(cols, static_cast<int>(r.size()));
  x += QStringLiteral("<%1tbl><%1tblPr><%1tblW %1w=\"0\" %1type=\"auto\"/><%1tblBorders>").arg(w);
  for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"})
    x += QStringLiteral("<%1%2 %1val=\"single\" %1sz=\"4\" %1space=\"0\" %1color=\"auto\"/>").arg(w, QLatin1String(side));
  x += QStringLiteral("</%1tblBorders></%1tblPr><%1tblGrid>").arg(w);
  for (int c = 0; c < cols; ++c) x += QStringLiteral("<%1gridCol/>").arg(w);
  x += QStringLiteral("</%1tblGrid>").arg(w);
  for (size_t r = 0; r < t.Rows.size(); ++r) {
    x += QStringLiteral("<%1tr>").arg(w);
    for (int c = 0; c < cols; ++c) {
      const QString text = t.Rows[r].value(c);
      const int align = r < t.Alignment.size() && c < static_cast<int>(t.Alignment[r].size()) ? t.Alignment[r][c] : 0;
      x += QStringLiteral("<%1tc><%1tcPr><%1tcW %1w=\"0\" %1type=\"auto\"/></%1tcPr><%1p>").arg(w);
      if (align != 0)
        x += QStringLiteral("<%1pPr><%1jc %1val=\"%2\"/></%1pPr>").arg(w, align == 2 ? QStringLiteral("right") : QStringLiteral("center"));
      x += QStringLiteral("<%1r>").arg(w);
      const QStringList lines = QString(text).remove(u'\r').split(u'\n');
      for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) x += QStringLiteral("<%1br/>").arg(w);
        x += QStringLiteral("<%1t xml:space=\"preserve\">%2</%1t>").arg(w, esc(lines[i]));
      }
      x += QStringLiteral("</%1r></%1p></%1tc>").arg(w);
    }
    x += QStringLiteral("</%1tr>").arg(w);
  }
  x += QStringLiteral("</%1tbl><%1p/>").arg(w);
  return x.toUtf8();
}

// Inserts the parsed fragment's nodes into Parent before Before (at the end when null).
void insertFragment(pugi::xml_node parent, pugi::xml_node before, const QByteArray& fragment, const QString& w) {
  // The fragment parses inside a wrapper that binds the document's prefix.
  const QString prefix = w.isEmpty() ? QString() : w.left(w.size() - 1);
  const QByteArray wrapped = "<wrap " +
                             (prefix.isEmpty() ? QByteArray("xmlns=\"") : ("xmlns:" + prefix.toUtf8() + "=\"")) +
                             kWordNs + "\">" + fragment + "</wrap>";
  pugi::xml_document frag;
  if (!frag.load_buffer(wrapped.constData(), static_cast<size_t>(wrapped.size()))) throw Exception(QStringLiteral("Cannot write the table"));
  for (const pugi::xml_node& n : frag.document_element().children()) {
    if (before) parent.insert_copy_before(n, before);
    else parent.append_copy(n);
  }
}

}  // namespace

QString ColumnLetters(int Col) {
  if (Col < 1 || Col > 18278) return {};
  QString s;
  while (Col > 0) {
    const int d = (Col - 1) % 26;
    s.prepend(QChar(u'A' + d));
    Col = (Col - 1) / 26;
  }
  return s;
}

int LettersToColumn(const QString& Letters) {
  if (Letters.isEmpty() || Letters.size() > 3) return 0;
  int n = 0;
  for (QChar ch : Letters) {
    const char16_t u = ch.toUpper().unicode();
    if (u < u'A' || u > u'Z') return 0;
    n = n * 26 + (u - u'A' + 1);
  }
  return n;
}

TUsedRange ParseUsedRange(const QString& Address) {
  TUsedRange r;
  auto letters = [](const QString& s) {
    qsizetype i = 0;
    while (i < s.size() && s[i] != u'$' && !s[i].isDigit()) ++i;
    return s.left(i);
  };
  auto number = [](const QString& s, int& v) {
    const qsizetype d = s.indexOf(u'$');
    bool ok = false;
    v = (d < 0 ? s : s.mid(d + 1)).toInt(&ok);
    return ok && v >= 1;
  };
  if (Address.contains(u':')) {
    QString L = Address.section(u':', 0, 0).left(255), R = Address.section(u':', 1).left(255);
    if (L.startsWith(u'$')) L.remove(0, 1);
    if (R.startsWith(u'$')) R.remove(0, 1);
    r.Valid = number(L, r.StartRow) && number(R, r.EndRow);
    if (!L.contains(u'$')) {  // rows only
      r.StartCol = 1;
      r.EndCol = 256;
    } else {
      r.StartCol = LettersToColumn(letters(L));
      r.EndCol = LettersToColumn(letters(R));
      r.Valid = r.Valid && r.StartCol > 0 && r.EndCol > 0;
    }
  } else if (!Address.contains(u'$')) {
    r = {true, true, 1, 1, 1, 1};
    return r;
  } else {
    const QString rest = QString(Address).remove(Address.indexOf(u'$'), 1);
    r.Single = true;
    r.StartCol = r.EndCol = LettersToColumn(letters(rest));
    r.Valid = number(rest, r.StartRow) && r.StartCol > 0;
    r.EndRow = r.StartRow;
  }
  r.Valid = r.Valid && r.EndCol >= r.StartCol && r.EndRow >= r.StartRow;
  return r;
}

TWorkbookKind WorkbookKind(const QByteArray& Start) {
  if (Start.startsWith("PK\x03\x04")) return wkXlsx;
  if (Start.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) return wkXls;
  return wkUnknown;
}

QStringList XlsxSheetNames(const QByteArray& Workbook) {
  TPackage pkg = readPackage(Workbook, kIncorrect);
  QStringList names;
  for (const TSheetEntry& s : workbookParts(pkg).Sheets) names.append(s.Name);
  return names;
}

TWorkbookSheet ReadXlsxSheet(const QByteArray& Workbook, const QString& SheetName) {
  TPackage pkg = readPackage(Workbook, kIncorrect);
  const TWorkbookParts wp = workbookParts(pkg);
  const int index = sheetIndex(wp, SheetName);
  if (index < 0) {
    if (!SheetName.isEmpty()) throw EExGridError(QStringLiteral("Excel worksheet ") + SheetName + QStringLiteral(" not found"));
    throw Exception(kIncorrect);
  }
  TWorkbookSheet out;
  out.Name = wp.Sheets[static_cast<size_t>(index)].Name;
  QByteArray* data = pkg.Find(wp.Sheets[static_cast<size_t>(index)].Part);
  if (!data) throw Exception(kIncorrect);
  const QStringList strings = sharedStrings(pkg, wp.SharedStrings);
  const std::vector<bool> dates = dateStyles(pkg, wp.Styles);

  pugi::xml_document doc;
  loadPart(doc, *data, kIncorrect);
  const pugi::xml_node root = doc.document_element();
  int c1 = kMaxSheetColumns, r1 = kMaxSheetRows, c2 = 0, r2 = 0;
  int rowNumber = 0;
  for (const pugi::xml_node& row : children(child(root, "sheetData"), "row")) {
    rowNumber = StrToIntDef(attr(row, "r"), rowNumber + 1);
    int colNumber = 0;
    for (const pugi::xml_node& c : children(row, "c")) {
      auto ref = cellRef(attr(c, "r"));
      if (ref.first == 0) ref = {rowNumber, colNumber + 1};
      colNumber = ref.second;
      if (ref.first < 1 || ref.first > kMaxSheetRows || ref.second < 1 || ref.second > kMaxSheetColumns) continue;
      const QString type = attr(c, "t");
      const QString v = QString::fromUtf8(child(c, "v").child_value());
      QString text;
      bool has = true;
      if (type == QLatin1String("s")) {
        bool ok = false;
        const int i = v.toInt(&ok);
        if (!ok || i < 0 || i >= strings.size()) throw Exception(kIncorrect);
        text = strings[i];
      } else if (type == QLatin1String("inlineStr")) {
        const pugi::xml_node is = child(c, "is");
        text = QString::fromUtf8(child(is, "t").child_value());
        for (const pugi::xml_node& r : children(is, "r")) text += QString::fromUtf8(child(r, "t").child_value());
      } else if (type == QLatin1String("str") || type == QLatin1String("d")) {
        text = v;
      } else if (type == QLatin1String("b")) {
        text = v == QLatin1String("1") ? QStringLiteral("True") : QStringLiteral("False");
      } else if (type == QLatin1String("e")) {
        out.Errors.insert(ref, true);
        has = false;
      } else if (!v.isEmpty()) {
        bool ok = false;
        const double number = v.toDouble(&ok);
        if (!ok) throw Exception(kIncorrect);
        const int style = StrToIntDef(attr(c, "s"), 0);
        const bool date = style >= 0 && style < static_cast<int>(dates.size()) && dates[static_cast<size_t>(style)];
        text = date && number >= 0 && number < 2958466 ? dateText(number) : numberText(number);
      } else {
        has = false;
      }
      if (has && !text.isEmpty()) out.Values.insert(ref, text);
      if (has || !out.Errors.contains(ref)) {
        r1 = std::min(r1, ref.first);
        r2 = std::max(r2, ref.first);
        c1 = std::min(c1, ref.second);
        c2 = std::max(c2, ref.second);
      }
    }
  }
  // The used range: the sheet's own dimension when it reads, else the cells'.
  const QString dim = attr(child(root, "dimension"), "ref");
  const auto a = cellRef(dim.section(u':', 0, 0)), b = cellRef(dim.section(u':', 1, 1).isEmpty() ? dim : dim.section(u':', 1, 1));
  if (a.first > 0 && b.first > 0) out.UsedRange = usedRangeAddress(a.second, a.first, b.second, b.first);
  else if (c2 > 0) out.UsedRange = usedRangeAddress(c1, r1, c2, r2);
  else out.UsedRange = QStringLiteral("$A$1");
  return out;
}

QStringList XlsSheetNames(const QString& FileName) {
  const void* handle = nullptr;
  const QByteArray path = QFile::encodeName(FileName);
  if (freexl_open(path.constData(), &handle) != FREEXL_OK) {
    if (handle) freexl_close(handle);
    throw Exception(kIncorrect);
  }
  QStringList names;
  unsigned count = 0;
  if (freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &count) == FREEXL_OK)
    for (unsigned i = 0; i < count && i < 65535; ++i) {
      const char* name = nullptr;
      if (freexl_get_worksheet_name(handle, static_cast<unsigned short>(i), &name) == FREEXL_OK && name)
        names.append(QString::fromUtf8(name));
    }
  freexl_close(handle);
  return names;
}

TWorkbookSheet ReadXlsSheet(const QString& FileName, const QString& SheetName) {
  const QStringList names = XlsSheetNames(FileName);
  int index = SheetName.isEmpty() ? (names.isEmpty() ? -1 : 0) : static_cast<int>(names.lastIndexOf(SheetName));
  if (index < 0) {
    if (!SheetName.isEmpty()) throw EExGridError(QStringLiteral("Excel worksheet ") + SheetName + QStringLiteral(" not found"));
    throw Exception(kIncorrect);
  }
  const void* handle = nullptr;
  const QByteArray path = QFile::encodeName(FileName);
  if (freexl_open(path.constData(), &handle) != FREEXL_OK) {
    if (handle) freexl_close(handle);
    throw Exception(kIncorrect);
  }
  TWorkbookSheet out;
  out.Name = names[index];
  unsigned rows = 0;
  unsigned short cols = 0;
  bool ok = freexl_select_active_worksheet(handle, static_cast<unsigned short>(index)) == FREEXL_OK &&
            freexl_worksheet_dimensions(handle, &rows, &cols) == FREEXL_OK;
  // The used range runs from the first to the last cell that holds a value, as
  // the spreadsheet program reports it.
  int c1 = 0, r1 = 0, c2 = 0, r2 = 0;
  for (unsigned r = 0; ok && r < rows && r < static_cast<unsigned>(kMaxSheetRows); ++r)
    for (unsigned short c = 0; c < cols; ++c) {
      FreeXL_CellValue cell;
      if (freexl_get_cell_value(handle, r, c, &cell) != FREEXL_OK) {
        ok = false;
        break;
      }
      QString text;
      switch (cell.type) {
        case FREEXL_CELL_INT: text = QString::number(cell.value.int_value); break;
        case FREEXL_CELL_DOUBLE: text = numberText(cell.value.double_value); break;
        case FREEXL_CELL_TEXT:
        case FREEXL_CELL_SST_TEXT:
        case FREEXL_CELL_DATE:
        case FREEXL_CELL_DATETIME:
        case FREEXL_CELL_TIME: text = QString::fromUtf8(cell.value.text_value); break;
        default: break;
      }
      if (text.isEmpty()) continue;
      out.Values.insert({static_cast<int>(r) + 1, c + 1}, text);
      if (r1 == 0) r1 = static_cast<int>(r) + 1;
      c1 = c1 == 0 ? c + 1 : std::min(c1, c + 1);
      r2 = std::max(r2, static_cast<int>(r) + 1);
      c2 = std::max(c2, c + 1);
    }
  freexl_close(handle);
  if (!ok) throw Exception(kIncorrect);
  out.UsedRange = c2 == 0 ? QStringLiteral("$A$1") : usedRangeAddress(c1, r1, c2, r2);
  return out;
}

QByteArray WriteXlsxSheet(const QByteArray& Existing, const TSheetWrite& Write) {
  TPackage pkg = Existing.isEmpty() ? newWorkbook() : readPackage(Existing, kIncorrect);
  TWorkbookParts wp = workbookParts(pkg);
  QString part;
  int startRow = 1;
  if (!Write.SheetName.isEmpty()) {
    static const QString kForbidden = QStringLiteral("[]:*?/\\");
    bool valid = Write.SheetName.size() <= 31;
    for (QChar ch : Write.SheetName) valid = valid && !kForbidden.contains(ch);
    if (!valid) throw EExGridError(QStringLiteral("Excel worksheet name ") + Write.SheetName + QStringLiteral(" is not valid"));
    const int index = sheetIndex(wp, Write.SheetName);
    part = index >= 0 ? wp.Sheets[static_cast<size_t>(index)].Part : addSheet(pkg, wp, Write.SheetName);
  } else if (Write.UseActiveSheet && !wp.Sheets.empty()) {
    part = wp.Sheets[static_cast<size_t>(sheetIndex(wp, QString()))].Part;
  } else {
    part = wp.Sheets.empty() ? addSheet(pkg, wp, QStringLiteral("Sheet1")) : wp.Sheets.front().Part;
  }
  QByteArray* data = pkg.Find(part);
  if (!data) throw Exception(kIncorrect);
  pugi::xml_document sheet;
  loadPart(sheet, *data, kIncorrect);
  if (Write.SheetName.isEmpty() && Write.UseActiveSheet) {
    // The row of the sheet's active cell.
    const pugi::xml_node sel = child(child(child(sheet.document_element(), "sheetViews"), "sheetView"), "selection");
    const auto ref = cellRef(attr(sel, "activeCell"));
    if (ref.first > 0) startRow = ref.first;
  }
  if (startRow - 1 + static_cast<int64_t>(Write.Rows.size()) > kMaxSheetRows)
    throw EExGridError(QStringLiteral("The grid does not fit the worksheet"));
  writeRows(sheet, startRow, Write.Rows);
  pkg.Set(part, savedPart(sheet));
  if (!Existing.isEmpty()) dropCalcChain(pkg, wp);
  return writePackage(pkg);
}

QByteArray WriteDocxTable(const QByteArray& Existing, const TDocTable& Table, bool Append, const QString& Bookmark) {
  const QString error = QStringLiteral("Incorrect document file");
  TPackage pkg;
  if (Existing.isEmpty()) {
    pkg.Set(QStringLiteral("[Content_Types].xml"),
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
            "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
            "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
            "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
            "<Override PartName=\"/word/document.xml\" "
            "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
            "</Types>");
    pkg.Set(QStringLiteral("_rels/.rels"),
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
            "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
            "<Relationship Id=\"rId1\" "
            "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
            "Target=\"word/document.xml\"/></Relationships>");
    pkg.Set(QStringLiteral("word/document.xml"),
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
            "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
            "<w:body><w:sectPr/></w:body></w:document>");
  } else {
    pkg = readPackage(Existing, error);
  }
  QString documentPart = QStringLiteral("word/document.xml");
  if (QByteArray* rels = pkg.Find(QStringLiteral("_rels/.rels"))) {
    pugi::xml_document doc;
    loadPart(doc, *rels, error);
    for (const pugi::xml_node& r : children(doc.document_element(), "Relationship"))
      if (attr(r, "Type").endsWith(QLatin1String("/officeDocument"))) documentPart = resolveTarget(QString(), attr(r, "Target"));
  }
  QByteArray* data = pkg.Find(documentPart);
  if (!data) throw Exception(error);
  pugi::xml_document doc;
  loadPart(doc, *data, error);
  pugi::xml_node root = doc.document_element();
  const QString w = prefixOf(root, kWordNs);
  if (w == QLatin1String("?")) throw Exception(error);
  pugi::xml_node body = child(root, "body");
  if (!body) throw Exception(error);

  pugi::xml_node before;
  if (!Append) {
    before = body.first_child();
  } else {
    // After the body-level block that holds the bookmark, else before the
    // section properties that end the body.
    pugi::xml_node mark;
    if (!Bookmark.isEmpty())
      for (pugi::xml_node n = body.first_child(); n && !mark; n = n.next_sibling()) {
        const auto isMark = [&](const pugi::xml_node& x) {
          return localName(x) == QLatin1String("bookmarkStart") && attr(x, "name") == Bookmark;
        };
        if (isMark(n) || n.find_node(isMark)) mark = n;
      }
    if (mark) before = mark.next_sibling();
    else
      for (pugi::xml_node n = body.last_child(); n; n = n.previous_sibling())
        if (localName(n) == QLatin1String("sectPr")) before = n;
  }
  insertFragment(body, before, docxTableXml(Table, w), w);
  pkg.Set(documentPart, savedPart(doc));
  return writePackage(pkg);
}
