#include "app/editor_file/editor_file.h"

#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/strings.h"

namespace {

bool rowUsed(const TEditorTableLayout& layout, const TEditorTable& table, int row) {
  return !Trim(table.Cell(layout.KeyColumn, row)).isEmpty();
}

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

TXMLNode findGroup(TXMLNode root, const QStringList& path) {
  TXMLNode node = root;
  for (const QString& name : path) {
    if (!node) break;
    node = node.ChildByName(name);
  }
  return node;
}

}  // namespace

TXMLNode Begin_Editor_Document(TXMLDocument& doc, const TEditorFileLayout& layout) {
  doc.Clear();
  TXMLNode root = doc.AddRoot(layout.RootName);
  if (!layout.Version.isEmpty()) doc.AddComment(QStringLiteral("SW_VERSION = ") + layout.Version);
  return root;
}

void Write_Editor_Table(TXMLNode root, const TEditorTableLayout& layout, const TEditorTable& table) {
  TXMLNode group = addGroup(root, layout.GroupPath);
  for (int row = 1; row < table.RowCount() && rowUsed(layout, table, row); ++row) {
    TXMLNode element = group.AddChild(layout.RowName);
    for (qsizetype i = 0; i < layout.Attributes.size(); ++i)
      element.SetAttribute(layout.Attributes[i].Name, table.Cell(int(i) + 1, row));
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

void Read_Editor_Table(TXMLNode root, const TEditorTableLayout& layout, TEditorTable& table, bool strict) {
  TXMLNode group = findGroup(root, layout.GroupPath);
  if (!group) {
    if (!strict) return;
    throw EFileError(QStringLiteral("The element \"%1\" is missing.").arg(layout.GroupPath.join(u'/')));
  }
  const QList<TXMLNode> rows = group.ChildElements();
  for (qsizetype i = 0; i < rows.size() && i + 1 < table.RowCount(); ++i) {
    const int row = int(i) + 1;
    for (qsizetype a = 0; a < layout.Attributes.size(); ++a) {
      const TEditorAttribute& attr = layout.Attributes[a];
      if (strict && !attr.Guarded && !rows[i].HasAttribute(attr.Name))
        throw EFileError(QStringLiteral("Row %1 of \"%2\" has no attribute \"%3\".")
                             .arg(row)
                             .arg(layout.GroupPath.join(u'/'), attr.Name));
      table.SetCell(int(a) + 1, row, rows[i].AttributeDef(attr.Name, attr.Guarded ? attr.Default : QString()));
    }
  }
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
    if (!rowUsed(layout, table, row)) {
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

bool Field_Flag(TXMLNode parent, const QString& name) {
  return Field_Text(parent, name, QString()) == QStringLiteral("1");
}

QString Flag_Text(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }
