#include "app/editor_file/editor_file.h"

#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/strings.h"

#include <vector>

namespace {

void requireOnePerTable(const TEditorFileLayout& layout, size_t tables) {
  if (tables == size_t(layout.Tables.size())) return;
  throw Exception(QStringLiteral("Editor file %1: %2 tables given for %3 in the layout")
                      .arg(layout.RootName)
                      .arg(tables)
                      .arg(layout.Tables.size()));
}

// The table's group below the root for writing: parent groups that an earlier table
// already added are shared, the table's own group is always new.
TXMLNode addGroup(TXMLNode root, const QStringList& path) {
  TXMLNode node = root;
  for (qsizetype i = 0; i < path.size(); ++i) {
    TXMLNode existing = i + 1 < path.size() ? node.ChildByName(path[i]) : TXMLNode();
    node = existing ? existing : node.AddChild(path[i]);
  }
  return node;
}

}  // namespace

bool Editor_Row_Used(const TEditorTableLayout& layout, const TEditorTable& table, int row) {
  if (layout.KeyColumn <= 0) return true;
  const QString key = table.Cell(layout.KeyColumn, row);
  return !(layout.KeyTrimmed ? Trim(key) : key).isEmpty();
}

TXMLNode Begin_Editor_Document(TXMLDocument& doc, const TEditorFileLayout& layout) {
  doc.Clear();
  TXMLNode root = doc.AddRoot(layout.RootName);
  if (!layout.Version.isEmpty()) doc.AddComment(QStringLiteral("SW_VERSION = ") + layout.Version);
  return root;
}

void Write_Editor_Table(TXMLNode root, const TEditorTableLayout& layout, const TEditorTable& table) {
  TXMLNode group = addGroup(root, layout.GroupPath);
  // A row element is new, so each name is appended without a search; a name the
  // layout gives twice keeps its first place and takes the later value.
  std::vector<bool> repeated(size_t(layout.Attributes.size()), false);
  for (qsizetype i = 0; i < layout.Attributes.size(); ++i)
    for (qsizetype j = 0; j < i && !repeated[size_t(i)]; ++j)
      repeated[size_t(i)] = layout.Attributes[j].Name == layout.Attributes[i].Name;
  for (int row = 1; row < table.RowCount() && Editor_Row_Used(layout, table, row); ++row) {
    TXMLNode element = group.AddChild(layout.RowName);
    for (qsizetype i = 0; i < layout.Attributes.size(); ++i) {
      const QString& name = layout.Attributes[i].Name;
      if (name.isEmpty()) continue;
      if (repeated[size_t(i)])
        element.SetAttribute(name, table.Cell(int(i) + 1, row));
      else
        element.AppendAttribute(name, table.Cell(int(i) + 1, row));
    }
  }
}

void Write_Editor_File(TXMLDocument& doc, const QString& path, const TEditorFileLayout& layout,
                       const std::vector<const TEditorTable*>& tables) {
  requireOnePerTable(layout, tables.size());
  TXMLNode root = Begin_Editor_Document(doc, layout);
  for (qsizetype t = 0; t < layout.Tables.size(); ++t) Write_Editor_Table(root, layout.Tables[t], *tables[t]);
  doc.SaveToFile(path);
}

void Reset_Editor_Table(TEditorTable& table) {
  for (int row = 1; row < table.RowCount(); ++row) table.ResetRow(row);
}

TXMLNode Load_Editor_Document(TXMLDocument& doc, const QString& path) {
  if (!FileExists(path)) {
    doc.Clear();
    return {};
  }
  doc.LoadFromFile(path);
  // The first element is the root whatever its name; a comment or declaration
  // that a hand edit put before it is passed over.
  return doc.DocumentElement();
}

TXMLNode Find_Editor_Group(TXMLNode root, const TEditorTableLayout& layout) {
  TXMLNode node = root;
  for (const QString& name : layout.GroupPath) {
    if (!node) break;
    node = node.ChildByName(name);
  }
  return node;
}

void Read_Editor_Row(TXMLNode element, const TEditorTableLayout& layout, TEditorTable& table, int row, bool strict) {
  const TXMLAttributes attributes(element);  // one walk for the row's many looks
  for (qsizetype a = 0; a < layout.Attributes.size(); ++a) {
    const TEditorAttribute& attr = layout.Attributes[a];
    if (attr.Name.isEmpty()) {
      table.SetCell(int(a) + 1, row, attr.Default);
      continue;
    }
    QString value;
    const bool present = attributes.Find(attr.Name, value);
    if (strict && !attr.Guarded && !present) {
      if (layout.GroupPath.isEmpty())
        throw EMissingAttribute(QStringLiteral("Row %1 has no attribute \"%2\".").arg(row).arg(attr.Name));
      throw EMissingAttribute(QStringLiteral("Row %1 of \"%2\" has no attribute \"%3\".")
                                  .arg(row)
                                  .arg(layout.GroupPath.join(u'/'), attr.Name));
    }
    table.SetCell(int(a) + 1, row, present ? value : attr.Guarded ? attr.Default : QString());
  }
}

void Read_Editor_Table(TXMLNode root, const TEditorTableLayout& layout, TEditorTable& table, bool strict) {
  TXMLNode group = Find_Editor_Group(root, layout);
  if (!group) {
    if (!strict) return;
    throw EFileError(QStringLiteral("The element \"%1\" is missing.").arg(layout.GroupPath.join(u'/')));
  }
  const QList<TXMLNode> rows = group.ChildElements();
  for (qsizetype i = 0; i < rows.size() && i + 1 < table.RowCount(); ++i)
    Read_Editor_Row(rows[i], layout, table, int(i) + 1, strict);
}

bool Read_Editor_File(TXMLDocument& doc, const QString& path, const TEditorFileLayout& layout,
                      const std::vector<TEditorTable*>& tables) {
  requireOnePerTable(layout, tables.size());
  for (TEditorTable* table : tables) Reset_Editor_Table(*table);
  TXMLNode root = Load_Editor_Document(doc, path);
  if (!root) return false;
  for (qsizetype t = 0; t < layout.Tables.size(); ++t)
    Read_Editor_Table(root, layout.Tables[t], *tables[t], layout.StrictRead);
  return true;
}

int First_Lost_Row(const TEditorTableLayout& layout, const TEditorTable& table) {
  int gap = 0;
  for (int row = 1; row < table.RowCount(); ++row) {
    if (!Editor_Row_Used(layout, table, row)) {
      if (gap == 0) gap = row;
    } else if (gap != 0) {
      return gap;
    }
  }
  return 0;
}

void Write_Field_File(TXMLDocument& doc, const QString& path, const QString& rootName, const QString& version,
                      const QList<TFieldText>& fields) {
  TXMLNode root = Begin_Editor_Document(doc, TEditorFileLayout{rootName, version, {}, false});
  for (const TFieldText& field : fields) root.AddChild(field.Name).SetText(field.Text);
  doc.SaveToFile(path);
}

QString Field_Text(TXMLNode parent, const QString& name, const QString& def) {
  TXMLNode element = parent.ChildByName(name);
  return element ? element.Text() : def;
}

QString Read_Field_Text(const QString& path, const QString& name, const QString& def) {
  TXMLDocument doc;
  const TXMLNode root = Load_Editor_Document(doc, path);
  return root ? Field_Text(root, name, def) : def;
}

bool Field_Flag(TXMLNode parent, const QString& name) {
  return Field_Text(parent, name, QString()) == QStringLiteral("1");
}

QString Flag_Text(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }
