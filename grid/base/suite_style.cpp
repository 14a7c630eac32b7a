#include "grid/base/suite_style.h"

#include <algorithm>

#include "grid/base/os_probes.h"
#include "platform/rtl/exceptions.h"
#include "platform/theme/visual_styles.h"

namespace {

const QString kOffice14 = QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common");
const QString kOffice12 = QStringLiteral("Software\\Microsoft\\Office\\12.0\\Common");

TThemeAnswers& Answers() {
  static TThemeAnswers answers = PlatformThemeAnswers();
  return answers;
}

TThemeNotifier* gNotifier = nullptr;

void CheckIndex(int Index, int Count) {
  if (Index < 0 || Index >= Count) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
}

}  // namespace

// --- handle list ---

void THandleList::Insert(int Index, Handle Value) {
  if (Index < 0 || Index > Count()) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
  FItems.insert(FItems.begin() + Index, Value);
}

void THandleList::Delete(int Index) {
  CheckIndex(Index, Count());
  FItems.erase(FItems.begin() + Index);
}

THandleList::Handle THandleList::GetInteger(int Index) const {
  CheckIndex(Index, Count());
  return FItems[Index];
}

void THandleList::SetInteger(int Index, Handle Value) {
  CheckIndex(Index, Count());
  FItems[Index] = Value;
}

bool THandleList::HasValue(Handle Value) const {
  return std::find(FItems.begin(), FItems.end(), Value) != FItems.end();
}

void THandleList::DeleteValue(Handle Value) {
  auto it = std::find(FItems.begin(), FItems.end(), Value);
  if (it != FItems.end()) FItems.erase(it);
}

// --- answers ---

TThemeAnswers PlatformThemeAnswers() {
  TThemeAnswers a;
  a.KeyExists = [](const QString&) { return false; };
  a.ThemeValue = [](const QString&) { return -1; };
  a.WinXPOrLater = [] { return IsWinXPVersion(); };
  a.ComCtl6 = [] { return true; };
  a.VistaOrLater = [] { return true; };
  a.ThemeActive = [] { return IsThemeActive(); };
  // The facade names its style ("Fusion"), never one of the XP colour schemes.
  a.ColorName = [] { return GetCurrentThemeName(); };
  return a;
}

void SetThemeAnswers(const TThemeAnswers& Value) {
  const TThemeAnswers platform = PlatformThemeAnswers();
  TThemeAnswers& a = Answers();
  a = Value;
  if (!a.KeyExists) a.KeyExists = platform.KeyExists;
  if (!a.ThemeValue) a.ThemeValue = platform.ThemeValue;
  if (!a.WinXPOrLater) a.WinXPOrLater = platform.WinXPOrLater;
  if (!a.ComCtl6) a.ComCtl6 = platform.ComCtl6;
  if (!a.VistaOrLater) a.VistaOrLater = platform.VistaOrLater;
  if (!a.ThemeActive) a.ThemeActive = platform.ThemeActive;
  if (!a.ColorName) a.ColorName = platform.ColorName;
}

void ResetThemeAnswers() { Answers() = PlatformThemeAnswers(); }

bool IsVistaOrLater() { return Answers().VistaOrLater(); }
bool IsWinXPOrLater() { return Answers().WinXPOrLater(); }
bool IsComCtl6() { return Answers().ComCtl6(); }

// --- detection ---

int GetOfficeVersion() {
  const auto& exists = Answers().KeyExists;
  if (exists(QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common\\General"))) return 2;
  if (exists(QStringLiteral("Software\\Microsoft\\Office\\12.0\\Common\\General"))) return 1;
  return 0;
}

int ReadOfficeThemeValue(const QString& Key) { return Answers().ThemeValue(Key); }

int GetXPColorScheme() {
  const TThemeAnswers& a = Answers();
  if (!a.WinXPOrLater() || !a.ThemeActive() || !a.ComCtl6()) return 0;
  const QString name = a.ColorName();
  if (name.contains(QStringLiteral("NormalColor"))) return 1;
  if (name.contains(QStringLiteral("HomeStead"))) return 2;
  if (name.contains(QStringLiteral("Metallic"))) return 3;
  return 0;
}

TOfficeTheme DetectOfficeTheme() {
  // 1. The 14.0 suite.
  switch (ReadOfficeThemeValue(kOffice14)) {
    case -1: break;
    case 1: return ot2010Blue;
    case 2: return ot2010Silver;
    case 3: return ot2010Black;
    default: return ot2003Blue;
  }
  // 2. The 12.0 suite.
  switch (ReadOfficeThemeValue(kOffice12)) {
    case -1: break;
    case 1: return ot2007Blue;
    case 2: return ot2007Silver;
    case 3: return ot2007Black;
    default: return ot2003Blue;
  }
  // 3. The desktop's colour scheme.
  switch (GetXPColorScheme()) {
    case 1: return ot2003Blue;
    case 2: return ot2003Olive;
    case 3: return ot2003Silver;
    default: return ot2003Classic;
  }
}

QString GetDefaultFontName() { return IsVistaOrLater() ? QStringLiteral("Segoe UI") : QStringLiteral("Tahoma"); }

// --- notifier ---

TThemeNotifier::TThemeNotifier(TComponent* AOwner) : TComponent(AOwner) {
  // Only an office suite of version 12.0 or 14.0 has a theme setting to watch.
  FWatching = !ComponentState().Contains(csDesigning) && GetOfficeVersion() > 0;
}

TThemeNotifier::~TThemeNotifier() {
  if (gNotifier == this) gNotifier = nullptr;
}

void TThemeNotifier::RegisterWindow(THandleList::Handle Hwnd) {
  if (FWatching && !FWindows.HasValue(Hwnd)) FWindows.Add(Hwnd);
}

void TThemeNotifier::UnRegisterWindow(THandleList::Handle Hwnd) {
  if (FWatching) FWindows.DeleteValue(Hwnd);
}

TThemeNotifier* GetThemeNotifier(TComponent* AOwner) {
  if (!gNotifier) gNotifier = new TThemeNotifier(AOwner);
  return gNotifier;
}
