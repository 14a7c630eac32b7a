// The suite's style interfaces (a control that takes one of the suite's colour
// styles, or a set of colour tones), the detection of the office-suite colour
// theme and of the desktop's colour scheme that controls with automatic theme
// adaptation follow, the theme notifier, the window handle list and the default
// user-interface font.
//
// The detection takes its answers from one place: the office suite's theme
// settings and the desktop's colour scheme. On this platform no office suite
// keeps settings for the program to read, and the colour scheme comes from the
// theme facade, so the program's answer is the classic theme; tests put in
// answers of their own. Without an office suite there is nothing to watch, so
// the notifier has no watch thread and its window registrations do nothing.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "grid/base/color_tones.h"
#include "platform/ui/component.h"

enum TOfficeTheme {
  ot2003Blue, ot2003Silver, ot2003Olive, ot2003Classic, ot2007Blue, ot2007Silver, ot2007Black, ot2010Blue,
  ot2010Silver, ot2010Black, otUnknown
};

// A control that takes one of the suite's colour styles.
class ISuiteStyle {
public:
  virtual ~ISuiteStyle() = default;
  virtual void SetComponentStyle(TSuiteStyle AStyle) = 0;
};

// A control that takes a set of colour tones.
class ISuiteTones {
public:
  virtual ~ISuiteTones() = default;
  virtual void SetColorTones(const TColorTones& ATones) = 0;
};

// Window handles to notify.
class THandleList {
public:
  using Handle = intptr_t;
  int Count() const { return static_cast<int>(FItems.size()); }
  void Add(Handle Value) { FItems.push_back(Value); }
  void Insert(int Index, Handle Value);
  void Delete(int Index);
  Handle GetInteger(int Index) const;
  void SetInteger(int Index, Handle Value);
  bool HasValue(Handle Value) const;
  // Removes the first occurrence; nothing when absent.
  void DeleteValue(Handle Value);

private:
  std::vector<Handle> FItems;
};

// Where the detection takes its answers.
struct TThemeAnswers {
  // Whether a key of the current user's settings exists
  // ("Software\Microsoft\Office\14.0\Common\General" and the like).
  std::function<bool(const QString& Key)> KeyExists;
  // The value "Theme" under a key; -1 when the key or the value is missing.
  std::function<int(const QString& Key)> ThemeValue;
  std::function<bool()> WinXPOrLater;
  std::function<bool()> ComCtl6;
  std::function<bool()> VistaOrLater;
  // Whether visual styles are on, and the colour name of the style in use
  // ("NormalColor", "HomeStead", "Metallic" on the system this was written for).
  std::function<bool()> ThemeActive;
  std::function<QString()> ColorName;
};
// The program's own answers: no office suite, the theme facade's state.
TThemeAnswers PlatformThemeAnswers();
void SetThemeAnswers(const TThemeAnswers& Answers);
void ResetThemeAnswers();

bool IsVistaOrLater();
bool IsWinXPOrLater();
bool IsComCtl6();
// 2 for the 14.0 office suite, 1 for 12.0, else 0.
int GetOfficeVersion();
// The value "Theme" under Key; -1 when the key or the value is missing.
int ReadOfficeThemeValue(const QString& Key);
// 0 none (classic), 1 blue ("NormalColor"), 2 olive ("HomeStead"), 3 silver ("Metallic").
int GetXPColorScheme();
TOfficeTheme DetectOfficeTheme();
// "Segoe UI" from the Vista generation on, else "Tahoma".
QString GetDefaultFontName();

// The process's theme notifier: tells the registered windows when the office
// theme changes. Without an office suite there is nothing to watch.
class TThemeNotifier : public TComponent {
public:
  explicit TThemeNotifier(TComponent* AOwner);
  ~TThemeNotifier() override;
  void RegisterWindow(THandleList::Handle Hwnd);
  void UnRegisterWindow(THandleList::Handle Hwnd);
  // Whether a watch (and so a window list) exists.
  bool Watching() const { return FWatching; }
  const THandleList& Windows() const { return FWindows; }
  TNotifyEvent OnOfficeThemeChange;

private:
  bool FWatching = false;
  THandleList FWindows;
};

// Made on first demand, owned by AOwner; the same notifier afterwards.
TThemeNotifier* GetThemeNotifier(TComponent* AOwner);
