#include "app/shell/language_pages.h"

#include "app/language/language.h"
#include "platform/os/files.h"
#include "platform/rtl/strings.h"

#include <algorithm>

namespace {

// `fileName` in `folder`: the exact name, else one differing only in letter case.
QString findPicture(const QString& folder, const QString& fileName) {
  const QString exact = PathJoin(folder, fileName);
  if (FileExists(exact)) return exact;
  for (const QString& n : ListFiles(folder, QStringLiteral(".bmp")))
    if (n.compare(fileName, Qt::CaseInsensitive) == 0) return PathJoin(folder, n);
  return QString();
}

}  // namespace

QStringList Create_Lang_List(const QString& folder) {
  if (folder.isEmpty()) return {};
  return ListFiles(folder, QStringLiteral(".lng"));
}

QStringList Create_Lang_List(const QStringList& folders) {
  QStringList names;
  for (const QString& folder : folders)
    for (const QString& name : Create_Lang_List(folder)) {
      const bool known = std::any_of(names.begin(), names.end(), [&](const QString& n) {
        return n.compare(name, Qt::CaseInsensitive) == 0;
      });
      if (!known) names.append(name);
    }
  std::stable_sort(names.begin(), names.end(),
                   [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
  return names;
}

int Lang_Page_Count(int count) { return count <= 0 ? 0 : (count + kLang_Slots - 1) / kLang_Slots; }

TLangPageView Lang_Page_View(int count, int page) {
  TLangPageView v;
  v.Pages = Lang_Page_Count(count);
  if (count <= 0) return v;  // nothing to choose: no slot, no page button
  // 2. The page buttons.
  v.PrevVisible = page != 1;
  v.NextVisible = page != v.Pages;
  // 3. The slots: as many as languages on this page, at least slot 1.
  v.First = kLang_Slots * (page - 1);
  v.Count = std::clamp(count - v.First, 0, kLang_Slots);
  v.SlotsVisible = std::max(v.Count, 1);
  return v;
}

int Lang_Page_Step(int showPage, int pages, bool next) {
  if (next) return pages >= showPage + 1 ? showPage + 1 : showPage;
  return showPage > 1 ? showPage - 1 : showPage;
}

QString Lang_Page_Counter(int page, int pages) {
  return Lang_Text(305) + IntToStr(page) + Lang_Text(306) + IntToStr(pages);
}

QString Lang_Name_Of(const QString& fileName) { return fileName.left(std::max<qsizetype>(0, fileName.size() - 4)); }

QString Lang_Flag_Picture(const QString& folder, const QString& name) {
  return Lang_Flag_Picture(QStringList{folder}, name);
}

QString Lang_Flag_Picture(const QStringList& folders, const QString& name) {
  for (const QString& fileName : {name + QStringLiteral(".bmp"), QStringLiteral("DefaultFlag.bmp")})
    for (const QString& folder : folders)
      if (const QString flag = findPicture(folder, fileName); !flag.isEmpty()) return flag;
  return QString();
}
