#include "gateway/bank1_project_file.h"

#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"

TXMLNode Load_Project_File(TXMLDocument& doc, const QString& path) {
  doc.Clear();
  if (path.isEmpty() || !FileExists(path)) return {};
  doc.LoadFromFile(path);  // EFileError names the file and the parser's reason
  // The root is the first element: a declaration or comment before it is tolerated.
  TXMLNode root = doc.DocumentElement();
  if (root.IsNull())
    throw EFileError(QStringLiteral("The file \"%1\" holds no root element.").arg(path));
  return root;
}

TXMLNode Required_Group(const TXMLNode& parent, const QString& name, const QString& path) {
  TXMLNode group = parent.ChildByName(name);
  if (group.IsNull())
    throw EFileError(QStringLiteral("The file \"%1\" lacks the element \"%2\".").arg(path, name));
  return group;
}

QList<TXMLNode> Table_Rows(const TXMLNode& group, int maxRows, const QString& path) {
  QList<TXMLNode> rows = group.ChildElements();
  if (rows.size() > maxRows)
    throw EFileError(QStringLiteral("The file \"%1\": \"%2\" holds %3 rows, more than the %4 its editor takes.")
                         .arg(path, group.NodeName())
                         .arg(rows.size())
                         .arg(maxRows));
  return rows;
}

void Refuse_Table_Row(const QString& path, const TXMLNode& group, int row, const QString& what) {
  throw EFileError(QStringLiteral("The file \"%1\": row %2 of \"%3\" %4.").arg(path).arg(row).arg(group.NodeName(), what));
}
