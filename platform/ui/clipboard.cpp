#include "platform/ui/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

bool TClipboard::HasText() const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasText();
}

QString TClipboard::AsText() const { return QGuiApplication::clipboard()->text(); }

void TClipboard::SetAsText(const QString& value) { QGuiApplication::clipboard()->setText(value); }

TClipboard* Clipboard() {
  static TClipboard clipboard;
  return &clipboard;
}
