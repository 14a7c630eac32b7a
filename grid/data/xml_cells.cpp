#include "grid/data/xml_cells.h"

#include <QHash>
#include <pugixml.hpp>

#include "platform/rtl/codepage.h"
#include "platform/rtl/exceptions.h"

namespace {

constexpr int kMaxDepth = 256;

QString fromPugi(const pugi::char_t* s) { return QString::fromUtf8(s); }

// The text of a node and all its descendants, as the XML DOM's Text gives it
// (walked without recursion, however deep the nesting).
QString nodeText(const pugi::xml_node& node) {
  auto isText = [](const pugi::xml_node& n) { return n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata; };
  if (isText(node)) return fromPugi(node.value());
  QString text;
  pugi::xml_node cur = node.first_child();
  while (cur) {
    if (isText(cur)) text += fromPugi(cur.value());
    if (cur.first_child()) {
      cur = cur.first_child();
      continue;
    }
    while (cur != node && !cur.next_sibling()) cur = cur.parent();
    if (cur == node) break;
    cur = cur.next_sibling();
  }
  return text;
}

// "$amp;" of older files is an ampersand.
QString decoded(QString text) { return text.replace(QLatin1String("$amp;"), QLatin1String("&")); }

int childCount(const pugi::xml_node& node) {
  int n = 0;
  for (auto it = node.begin(); it != node.end(); ++it) ++n;
  return n;
}

class TWalk {
public:
  TWalk(const TXmlReadOptions& o, const std::function<QString(int)>& header) : o_(o), header_(header) {
    result.MaxCol = o.FirstCol;
    result.MaxRow = o.FirstRow;
  }

  void Document(const pugi::xml_node& root) {
    int i = 0;
    for (const pugi::xml_node& child : root.children()) {
      colOffset_ = 0;
      level_ = 1;
      if (o_.LevelToRow && i == 0 && !child.first_attribute()) rowOffset_ = -1;
      Walk(child, 1);
      if (!o_.LevelToRow) ++rowOffset_;
      ++i;
    }
  }

  TXmlCells result;

private:
  int col() const { return o_.FirstCol + colOffset_; }
  int row() const { return o_.FirstRow + rowOffset_; }

  void set(int c, int r, const QString& text) {
    if (c < 0 || r < 0) return;
    result.Cells.push_back({c, r, text});
    if (r == 0) row0_[c] = text;
    result.MaxCol = std::max(result.MaxCol, c);
    result.MaxRow = std::max(result.MaxRow, r);
  }
  bool headerEmpty(int c) const {
    const auto it = row0_.find(c);
    return it != row0_.end() ? it->isEmpty() : header_(c).isEmpty();
  }
  void name(const QString& n) {
    if (headerEmpty(col())) set(col(), 0, n);
  }

  void Walk(const pugi::xml_node& node, int depth) {
    if (depth > kMaxDepth) throw Exception(QStringLiteral("XML document nested deeper than %1 elements").arg(kMaxDepth));
    bool movedRow = false;
    if (node.type() == pugi::node_element) {
      int attributes = 0;
      for (const pugi::xml_attribute& a : node.attributes()) {
        if (o_.HeaderNames) name(fromPugi(a.name()));
        set(col(), row(), decoded(fromPugi(a.value())));
        ++colOffset_;
        ++attributes;
      }
      if (o_.LevelToRow && attributes > 0) {
        ++rowOffset_;
        colOffset_ = level_;
        movedRow = true;
      }
    }
    const int children = childCount(node);
    if (children > 1) {
      if (o_.LevelToRow && !movedRow) {
        ++rowOffset_;
        colOffset_ = 0;
      }
      // The level follows the nesting: it is the element's depth again after
      // its children, so that later siblings keep their indent.
      const int kept = level_++;
      for (const pugi::xml_node& child : node.children()) Walk(child, depth + 1);
      level_ = kept;
    } else if (children == 0) {
      set(col(), row(), QString());
      ++colOffset_;
    } else {
      if (o_.HeaderNames && o_.LoadFieldDescr) name(fromPugi(node.name()));
      QString text = decoded(nodeText(node));
      if (o_.QuoteEmptyCells && text == QLatin1String("\"\"")) text.clear();
      set(col(), row(), text);
      ++colOffset_;
    }
  }

  const TXmlReadOptions& o_;
  const std::function<QString(int)>& header_;
  QHash<int, QString> row0_;
  int colOffset_ = 0;
  int rowOffset_ = 0;
  int level_ = 1;
};

// The document as text: a byte-order mark, else the declared encoding.
QString documentText(const QByteArray& bytes) {
  if (bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(bytes.mid(3));
  if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
    const bool little = bytes[0] == '\xFF';
    QString s;
    for (qsizetype i = 2; i + 1 < bytes.size(); i += 2) {
      const auto a = uint8_t(bytes[i]), b = uint8_t(bytes[i + 1]);
      s += QChar(static_cast<char16_t>(little ? a | (b << 8) : (a << 8) | b));
    }
    return s;
  }
  QByteArray encoding;
  if (bytes.startsWith("<?xml")) {
    const qsizetype end = bytes.indexOf("?>");
    const QByteArray decl = bytes.left(end < 0 ? 0 : end);
    const qsizetype at = decl.indexOf("encoding");
    if (at >= 0) {
      qsizetype q = at + 8;
      while (q < decl.size() && decl[q] != '"' && decl[q] != '\'') ++q;
      const qsizetype close = q < decl.size() ? decl.indexOf(decl[q], q + 1) : -1;
      if (close > q) encoding = decl.mid(q + 1, close - q - 1).toLower();
    }
  }
  if (encoding == "iso-8859-1" || encoding == "latin1" || encoding == "iso8859-1") return QString::fromLatin1(bytes);
  if (encoding == "windows-1252" || encoding == "cp1252") return DecodeWindows1252(bytes);
  return QString::fromUtf8(bytes);
}

}  // namespace

QString XmlEscape(const QString& Text) {
  QString out;
  out.reserve(Text.size());
  for (QChar c : Text) {
    switch (c.unicode()) {
      case u'&': out += QLatin1String("&amp;"); break;
      case u'>': out += QLatin1String("&gt;"); break;
      case u'<': out += QLatin1String("&lt;"); break;
      case u'"': out += QLatin1String("&quot;"); break;
      case u'\n':
      case u'\t': out += c; break;
      default:
        if (c.unicode() < 0x20) out += QStringLiteral("&#%1;").arg(c.unicode());
        else out += c;
    }
  }
  return out;
}

QByteArray EncodeXmlDocument(const QString& Document, const QString& Encoding) {
  const QString e = Encoding.toLower();
  if (e == QLatin1String("utf-8") || e == QLatin1String("utf8")) return Document.toUtf8();
  if (e == QLatin1String("utf-16")) {
    QByteArray out("\xFF\xFE", 2);
    for (QChar c : Document) {
      out.append(static_cast<char>(c.unicode() & 0xFF));
      out.append(static_cast<char>(c.unicode() >> 8));
    }
    return out;
  }
  const bool latin1 = e == QLatin1String("iso-8859-1") || e == QLatin1String("latin1");
  const bool ansi = e == QLatin1String("windows-1252") || e == QLatin1String("cp1252");
  QByteArray out;
  const QList<uint> codes = Document.toUcs4();
  for (uint code : codes) {
    if (code < 0x80) {
      out.append(static_cast<char>(code));
      continue;
    }
    if (latin1 && code < 0x100) {
      out.append(static_cast<char>(code));
      continue;
    }
    if (ansi) {
      bool lossless = false;
      const QByteArray b = EncodeWindows1252(QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1), &lossless);
      if (lossless) {
        out.append(b);
        continue;
      }
    }
    out.append(QStringLiteral("&#%1;").arg(code).toLatin1());
  }
  return out;
}

TXmlCells ReadXmlCells(const QByteArray& Bytes, const TXmlReadOptions& Options,
                       const std::function<QString(int Col)>& HeaderText) {
  const QByteArray utf8 = documentText(Bytes).toUtf8();
  pugi::xml_document doc;
  const pugi::xml_parse_result parsed =
      doc.load_buffer(utf8.constData(), static_cast<size_t>(utf8.size()), pugi::parse_default, pugi::encoding_utf8);
  if (!parsed) {
    const qsizetype offset = std::clamp<qsizetype>(parsed.offset, 0, utf8.size());
    const int line = static_cast<int>(utf8.left(offset).count('\n')) + 1;
    throw Exception(QStringLiteral("XMLDOM Parsing error %1 on line %2").arg(static_cast<int>(parsed.status)).arg(line));
  }
  const pugi::xml_node root = doc.document_element();
  if (!root) throw Exception(QStringLiteral("XMLDOM Parsing error %1 on line 1").arg(static_cast<int>(pugi::status_no_document_element)));
  TWalk walk(Options, HeaderText);
  walk.Document(root);
  return std::move(walk.result);
}
