#include "platform/os/serial_ports.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

constexpr const char* kFamilies[] = {"ttyS", "ttyUSB", "ttyACM"};

// The port number of `name` in `family` ("ttyUSB12" -> 12); -1 when it is none.
int portNumber(const QString& name, const QString& family) {
  if (!name.startsWith(family) || name.size() == family.size() || name.size() - family.size() > 4) return -1;
  int n = 0;
  for (qsizetype i = family.size(); i < name.size(); ++i) {
    if (name[i] < u'0' || name[i] > u'9') return -1;
    n = n * 10 + (name[i].unicode() - u'0');
  }
  return n;
}

// A port counts when it opens, or when it exists but is refused as not permitted
// or busy.
bool portPresent(const QString& path) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd >= 0) {
    ::close(fd);
    return true;
  }
  return errno == EACCES || errno == EBUSY;
}

}  // namespace

QStringList ProbeSerialPorts(const QString& deviceFolder) {
  const QStringList names = QDir(deviceFolder).entryList(QDir::System | QDir::Files | QDir::Hidden);
  QStringList result;
  for (const char* familyName : kFamilies) {
    const QString family = QLatin1String(familyName);
    std::vector<std::pair<int, QString>> found;
    for (const QString& name : names) {
      const int n = portNumber(name, family);
      if (n >= 0) found.emplace_back(n, name);
    }
    std::sort(found.begin(), found.end());
    for (const auto& [n, name] : found) {
      const QString path = deviceFolder + u'/' + name;
      if (portPresent(path)) result.append(path);
    }
  }
  return result;
}
