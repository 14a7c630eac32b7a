// The XML document class the program reads and writes its files with (stands for
// the class library's DOM document): load a file, take the document's first node as
// the root, find children by name, read and write attributes and element texts, add
// elements and a comment after the root, and save the whole document.
#pragma once

#include <QList>
#include <QString>
#include <QVarLengthArray>
#include <cstring>
#include <memory>

namespace pugi {
class xml_document;
class xml_node;
}  // namespace pugi

// True when every character of the text is one an XML 1.0 document can hold: tab,
// line feed, carriage return, U+0020 to U+D7FF, U+E000 to U+FFFD, and the
// characters beyond U+FFFF (as surrogate pairs). Control characters, U+FFFE,
// U+FFFF and unpaired surrogates make it false.
bool IsXmlText(const QString& text);

// A handle on one element of a TXMLDocument; a null handle stands for "no node".
// Handles stay valid while the element is in its document.
class TXMLNode {
public:
  TXMLNode() = default;

  bool IsNull() const { return node_ == nullptr; }
  explicit operator bool() const { return !IsNull(); }

  QString NodeName() const;

  // Element text (the text of the element's first text child); empty when none.
  QString Text() const;
  void SetText(const QString& value);

  bool HasAttribute(const QString& name) const;
  // The attribute's value; an absent attribute reads as the empty text.
  QString Attribute(const QString& name) const;
  // The attribute's value, or `def` when the element has no such attribute.
  QString AttributeDef(const QString& name, const QString& def) const;
  void SetAttribute(const QString& name, const QString& value);
  // The same looks for a name given as plain ASCII text, without converting the
  // name; FindAttribute tells whether the attribute is there and gives its value
  // in one look.
  bool HasAttribute(const char* name) const;
  QString Attribute(const char* name) const;
  bool FindAttribute(const char* name, QString& value) const;
  // Adds an attribute without looking for one of the same name first: for an
  // element just made, whose attribute names are known to differ.
  void AppendAttribute(QStringView name, const QString& value);

  // First child element with this name; a null handle when there is none.
  TXMLNode ChildByName(const QString& name) const;
  // All child elements in document order.
  QList<TXMLNode> ChildElements() const;
  TXMLNode AddChild(const QString& name);
  void RemoveChildren();

private:
  friend class TXMLDocument;
  friend class TXMLAttributes;
  explicit TXMLNode(void* node) : node_(node) {}
  pugi::xml_node pugi() const;
  void* node_ = nullptr;  // pugi::xml_node_struct*
};

// One element's attributes taken in one walk, for many looks by ASCII name (a
// table row read field by field): a look compares lengths before bytes instead of
// walking the element's attribute list again. As with TXMLNode's looks, the first
// attribute of a name counts. Valid while the element is unchanged.
class TXMLAttributes {
public:
  explicit TXMLAttributes(const TXMLNode& node);

  bool Has(const char* name) const { return find(name) != nullptr; }
  // The attribute's value; an absent attribute reads as the empty text.
  QString Value(const char* name) const;
  // Whether the attribute is there, and its value.
  bool Find(const char* name, QString& value) const;
  // The attribute's value as the document holds it (UTF-8), null when absent.
  const char* Utf8(const char* name) const;
  // The same looks for a name held as text (a table layout's column names), without
  // converting the name when it is plain ASCII.
  bool Has(QStringView name) const { return find(name) != nullptr; }
  bool Find(QStringView name, QString& value) const;

private:
  struct TItem {
    const char* Name;
    size_t Length;
    const char* Value;
  };
  const TItem* find(const char* name) const { return find(name, std::strlen(name)); }
  const TItem* find(const char* name, size_t length) const;
  const TItem* find(QStringView name) const;
  QVarLengthArray<TItem, 24> items_;
};

class TXMLDocument {
public:
  TXMLDocument();
  ~TXMLDocument();
  TXMLDocument(const TXMLDocument&) = delete;
  TXMLDocument& operator=(const TXMLDocument&) = delete;

  // Loads the whole file, comments kept. Raises EFileError with the reason when the
  // file cannot be read, is larger than kMax_Input_File_Size or is not well-formed;
  // the document is then empty.
  void LoadFromFile(const QString& path);
  // Same, for a file allowed to be up to `maxSize` bytes.
  void LoadFromFile(const QString& path, qsizetype maxSize);
  // Same, from text in memory.
  void LoadFromText(const QString& text);

  // Removes every node of the document.
  void Clear();

  // The document's first node, taken as the root whatever its name (a null handle
  // when the document is empty or its first node is no element).
  TXMLNode Root() const;
  // The first element at document level, skipping comments and declarations.
  TXMLNode DocumentElement() const;

  // Adds an element at document level (the root of a new document).
  TXMLNode AddRoot(const QString& name);
  // Adds a comment at document level after the last node (after the root).
  void AddComment(const QString& text);

  // Writes the whole document, without declaration, indented; replaces the file
  // through a temporary file and a rename. Raises EFileError when it cannot.
  void SaveToFile(const QString& path) const;
  QString SaveToText() const;

private:
  std::unique_ptr<pugi::xml_document> doc_;
};
