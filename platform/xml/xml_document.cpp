#include "platform/xml/xml_document.h"

#include <cstring>

#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"

#include <pugixml.hpp>
#include <algorithm>
#include <sstream>

namespace {

// Names and values are mostly plain ASCII, which is its own UTF-8: those are
// copied across without the intermediate byte array.
std::string utf8(const QString& s) {
  const qsizetype n = s.size();
  const QChar* chars = s.constData();
  std::string out;
  out.resize(size_t(n));
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t u = chars[i].unicode();
    if (u >= 0x80) return s.toStdString();
    out[size_t(i)] = char(u);
  }
  return out;
}
QString fromUtf8(const char* s) { return QString::fromUtf8(s); }

// A blank-only element text (a field typed as blanks) is kept, so it reads back as written.
constexpr unsigned kParseOptions =
    pugi::parse_default | pugi::parse_comments | pugi::parse_declaration | pugi::parse_ws_pcdata_single;

}  // namespace

bool IsXmlText(const QString& text) {
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t u = text[i].unicode();
    if (u == 0x9 || u == 0xA || u == 0xD) continue;
    if (u < 0x20 || u == 0xFFFE || u == 0xFFFF) return false;
    if (QChar::isHighSurrogate(u)) {
      if (i + 1 >= n || !QChar::isLowSurrogate(text[i + 1].unicode())) return false;
      ++i;
      continue;
    }
    if (QChar::isLowSurrogate(u)) return false;
  }
  return true;
}

pugi::xml_node TXMLNode::pugi() const {
  return pugi::xml_node(static_cast<pugi::xml_node_struct*>(node_));
}

QString TXMLNode::NodeName() const { return IsNull() ? QString() : fromUtf8(pugi().name()); }

QString TXMLNode::Text() const { return IsNull() ? QString() : fromUtf8(pugi().text().get()); }

void TXMLNode::SetText(const QString& value) {
  if (IsNull()) return;
  pugi().text().set(utf8(value).c_str());
}

bool TXMLNode::HasAttribute(const QString& name) const {
  return !IsNull() && pugi().attribute(utf8(name).c_str());
}

QString TXMLNode::Attribute(const QString& name) const { return AttributeDef(name, QString()); }

QString TXMLNode::AttributeDef(const QString& name, const QString& def) const {
  if (IsNull()) return def;
  pugi::xml_attribute a = pugi().attribute(utf8(name).c_str());
  return a ? fromUtf8(a.value()) : def;
}

bool TXMLNode::HasAttribute(const char* name) const { return !IsNull() && pugi().attribute(name); }

QString TXMLNode::Attribute(const char* name) const {
  QString value;
  FindAttribute(name, value);
  return value;
}

bool TXMLNode::FindAttribute(const char* name, QString& value) const {
  const pugi::xml_attribute a = IsNull() ? pugi::xml_attribute() : pugi().attribute(name);
  value = a ? fromUtf8(a.value()) : QString();
  return bool(a);
}

TXMLAttributes::TXMLAttributes(const TXMLNode& node) {
  if (node.IsNull()) return;
  for (const pugi::xml_attribute& a : node.pugi().attributes())
    items_.append({a.name(), std::strlen(a.name()), a.value()});
}

const TXMLAttributes::TItem* TXMLAttributes::find(const char* name, size_t length) const {
  for (const TItem& item : items_)
    if (item.Length == length && std::memcmp(item.Name, name, length) == 0) return &item;
  return nullptr;
}

const TXMLAttributes::TItem* TXMLAttributes::find(QStringView name) const {
  const size_t length = static_cast<size_t>(name.size());
  for (QChar c : name)
    if (c.unicode() >= 0x80) {
      const QByteArray bytes = name.toUtf8();
      return find(bytes.constData(), static_cast<size_t>(bytes.size()));
    }
  // Plain ASCII: the name's characters are its UTF-8 bytes.
  for (const TItem& item : items_) {
    if (item.Length != length) continue;
    size_t i = 0;
    while (i < length && static_cast<unsigned char>(item.Name[i]) == name[qsizetype(i)].unicode()) ++i;
    if (i == length) return &item;
  }
  return nullptr;
}

bool TXMLAttributes::Find(QStringView name, QString& value) const {
  const TItem* item = find(name);
  value = item ? fromUtf8(item->Value) : QString();
  return item != nullptr;
}

QString TXMLAttributes::Value(const char* name) const {
  const TItem* item = find(name);
  return item ? fromUtf8(item->Value) : QString();
}

const char* TXMLAttributes::Utf8(const char* name) const {
  const TItem* item = find(name);
  return item ? item->Value : nullptr;
}

bool TXMLAttributes::Find(const char* name, QString& value) const {
  const TItem* item = find(name);
  value = item ? fromUtf8(item->Value) : QString();
  return item != nullptr;
}

void TXMLNode::AppendAttribute(QStringView name, const QString& value) {
  if (IsNull()) return;
  // An ASCII name of usual length is passed from the stack.
  char buffer[64];
  const qsizetype n = name.size();
  bool ascii = n < qsizetype(sizeof buffer);
  for (qsizetype i = 0; ascii && i < n; ++i) {
    const char16_t u = name[i].unicode();
    ascii = u != 0 && u < 0x80;
    buffer[i] = char(u);
  }
  if (ascii) {
    buffer[n] = '\0';
    pugi().append_attribute(buffer).set_value(utf8(value).c_str());
  } else {
    pugi().append_attribute(name.toUtf8().constData()).set_value(utf8(value).c_str());
  }
}

void TXMLNode::SetAttribute(const QString& name, const QString& value) {
  if (IsNull()) return;
  const std::string n = utf8(name);
  pugi::xml_attribute a = pugi().attribute(n.c_str());
  if (!a) a = pugi().append_attribute(n.c_str());
  a.set_value(utf8(value).c_str());
}

TXMLNode TXMLNode::ChildByName(const QString& name) const {
  if (IsNull()) return {};
  return TXMLNode(pugi().child(utf8(name).c_str()).internal_object());
}

QList<TXMLNode> TXMLNode::ChildElements() const {
  QList<TXMLNode> list;
  if (IsNull()) return list;
  for (pugi::xml_node n = pugi().first_child(); n; n = n.next_sibling())
    if (n.type() == pugi::node_element) list.append(TXMLNode(n.internal_object()));
  return list;
}

TXMLNode TXMLNode::AddChild(const QString& name) {
  if (IsNull()) return {};
  return TXMLNode(pugi().append_child(utf8(name).c_str()).internal_object());
}

void TXMLNode::RemoveChildren() {
  if (!IsNull()) pugi().remove_children();
}

TXMLDocument::TXMLDocument() : doc_(std::make_unique<pugi::xml_document>()) {}
TXMLDocument::~TXMLDocument() = default;

void TXMLDocument::LoadFromFile(const QString& path) { LoadFromFile(path, kMax_Input_File_Size); }

void TXMLDocument::LoadFromFile(const QString& path, qsizetype maxSize) {
  doc_->reset();
  // Files come from outside: one beyond the size cap is refused before parsing.
  const QByteArray bytes = ReadFileWhole(path, maxSize);
  pugi::xml_parse_result r = doc_->load_buffer(bytes.constData(), static_cast<size_t>(bytes.size()), kParseOptions);
  if (r) return;
  doc_->reset();
  throw EFileError(QStringLiteral("Cannot load \"%1\": %2").arg(path, fromUtf8(r.description())));
}

void TXMLDocument::LoadFromText(const QString& text) {
  doc_->reset();
  const std::string s = utf8(text);
  pugi::xml_parse_result r = doc_->load_buffer(s.data(), s.size(), kParseOptions, pugi::encoding_utf8);
  if (r) return;
  doc_->reset();
  throw EFileError(QStringLiteral("Cannot read XML: %1").arg(fromUtf8(r.description())));
}

void TXMLDocument::Clear() { doc_->reset(); }

TXMLNode TXMLDocument::Root() const {
  pugi::xml_node first = doc_->first_child();
  if (!first || first.type() != pugi::node_element) return {};
  return TXMLNode(first.internal_object());
}

TXMLNode TXMLDocument::DocumentElement() const { return TXMLNode(doc_->document_element().internal_object()); }

TXMLNode TXMLDocument::AddRoot(const QString& name) {
  return TXMLNode(doc_->append_child(utf8(name).c_str()).internal_object());
}

void TXMLDocument::AddComment(const QString& text) {
  doc_->append_child(pugi::node_comment).set_value(utf8(text).c_str());
}

QString TXMLDocument::SaveToText() const {
  std::ostringstream out;
  doc_->save(out, "  ", pugi::format_default | pugi::format_no_declaration, pugi::encoding_utf8);
  return QString::fromStdString(out.str());
}

namespace {

// Collects what pugixml writes.
struct TByteWriter : pugi::xml_writer {
  QByteArray Bytes;
  void write(const void* data, size_t size) override { Bytes.append(static_cast<const char*>(data), qsizetype(size)); }
};

}  // namespace

void TXMLDocument::SaveToFile(const QString& path) const {
  TByteWriter out;
  doc_->save(out, "  ", pugi::format_default | pugi::format_no_declaration, pugi::encoding_utf8);
  // Plain ASCII is its own UTF-8 and is written as it stands; other text goes
  // through the document's text, which is what makes any byte sequence that is
  // not UTF-8 (a hostile file read in) valid UTF-8 again.
  const bool ascii = std::all_of(out.Bytes.cbegin(), out.Bytes.cend(), [](char c) { return (c & 0x80) == 0; });
  WriteFileWhole(path, ascii ? out.Bytes : QString::fromUtf8(out.Bytes).toUtf8());
}
