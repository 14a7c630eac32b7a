#include "platform/ui/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

const QMimeData* Current() { return QGuiApplication::clipboard()->mimeData(); }

}  // namespace

bool TClipboard::HasText() const {
  const QMimeData* data = Current();
  return data && data->hasText();
}

QString TClipboard::AsText() const { return QGuiApplication::clipboard()->text(); }

void TClipboard::SetAsText(const QString& value) { QGuiApplication::clipboard()->setText(value); }

bool TClipboard::HasFormat(const QString& format) const {
  const QMimeData* data = Current();
  return data && data->hasFormat(format);
}

QByteArray TClipboard::Data(const QString& format) const {
  const QMimeData* data = Current();
  return data ? data->data(format) : QByteArray();
}

void TClipboard::SetData(const QString& format, const QByteArray& data) {
  auto* next = new QMimeData;
  if (const QMimeData* now = Current())
    for (const QString& f : now->formats())
      if (f != format) next->setData(f, now->data(f));
  next->setData(format, data);
  QGuiApplication::clipboard()->setMimeData(next);
}

QStringList TClipboard::Formats() const {
  const QMimeData* data = Current();
  return data ? data->formats() : QStringList();
}

void TClipboard::Clear() { QGuiApplication::clipboard()->clear(); }

TClipboard* Clipboard() {
  static TClipboard clipboard;
  return &clipboard;
}
