// The system clipboard's text (stands for the class library's Clipboard with
// HasFormat(CF_TEXT) and AsText).
#pragma once

#include <QString>

class TClipboard {
public:
  bool HasText() const;
  QString AsText() const;
  void SetAsText(const QString& value);
};

TClipboard* Clipboard();
