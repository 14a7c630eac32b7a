// The system clipboard (stands for the class library's Clipboard: HasFormat,
// AsText, and the formats a program places side by side). Formats are MIME
// types; setting the text empties the clipboard first, and SetData adds one
// more format beside those already there.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class TClipboard {
public:
  bool HasText() const;
  QString AsText() const;
  void SetAsText(const QString& value);
  bool HasFormat(const QString& format) const;
  // The bytes of a format; empty when it is not there.
  QByteArray Data(const QString& format) const;
  // Adds (or replaces) one format, keeping the others.
  void SetData(const QString& format, const QByteArray& data);
  QStringList Formats() const;
  void Clear();
};

TClipboard* Clipboard();
