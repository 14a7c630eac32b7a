#include "platform/ui/system_icons.h"

#include "platform/ui/bitmap.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QMimeDatabase>
#include <QPainter>
#include <vector>

namespace {

struct TIconEntry {
  QString Key;
  QIcon Icon;
};

std::vector<TIconEntry>& iconList() {
  static std::vector<TIconEntry> list;
  return list;
}

int indexOf(const QString& key, const QIcon& icon) {
  std::vector<TIconEntry>& list = iconList();
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i].Key == key) return static_cast<int>(i);
  list.push_back({key, icon});
  return static_cast<int>(list.size() - 1);
}

QIcon genericIcon(QAbstractFileIconProvider::IconType type) {
  static QFileIconProvider provider;
  return provider.icon(type);
}

}  // namespace

int SystemIconIndex(const QString& path) {
  const QFileInfo info(path);
  if (info.exists() && info.isDir()) return indexOf(QStringLiteral("folder"), genericIcon(QAbstractFileIconProvider::Folder));

  const QMimeType mime = QMimeDatabase().mimeTypeForFile(path, info.exists() ? QMimeDatabase::MatchDefault
                                                                              : QMimeDatabase::MatchExtension);
  const QString name = mime.isValid() ? mime.iconName() : QString();
  QIcon icon = name.isEmpty() ? QIcon() : QIcon::fromTheme(name);
  if (icon.isNull()) icon = QIcon::fromTheme(mime.genericIconName());
  if (icon.isNull()) return indexOf(QStringLiteral("file"), genericIcon(QAbstractFileIconProvider::File));
  return indexOf(QStringLiteral("mime:") + name, icon);
}

int SystemIconSize(bool large) { return large ? 32 : 16; }

bool SystemIconBitmap(int index, bool large, TBitmap& bitmap) {
  const std::vector<TIconEntry>& list = iconList();
  if (index < 0 || static_cast<size_t>(index) >= list.size()) return false;
  const int size = SystemIconSize(large);
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    list[static_cast<size_t>(index)].Icon.paint(&painter, 0, 0, size, size);
  }
  bitmap.SetImage(image);
  return true;
}
