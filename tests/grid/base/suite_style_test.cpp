// Style interfaces and theme detection: the detection as one table of answers
// put in for the office suite's settings and the desktop's colour scheme, the
// program's own answers, the notifier and the handle list; and the clipboard's
// HTML text with its offsets and the colour helper beside it.
#include "grid/base/suite_style.h"

#include <gtest/gtest.h>

#include <map>

#include "grid/base/clipboard_html.h"
#include "grid/base/html_colors.h"
#include "platform/rtl/exceptions.h"

namespace {

const QString k14 = QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common");
const QString k12 = QStringLiteral("Software\\Microsoft\\Office\\12.0\\Common");

class ScopedAnswers {
public:
  explicit ScopedAnswers(const TThemeAnswers& a) { SetThemeAnswers(a); }
  ~ScopedAnswers() { ResetThemeAnswers(); }
};

TEST(ThemeDetection, Table) {
  struct Case {
    const char* what;
    int theme14, theme12;  // the value "Theme"; -1 missing
    bool active;
    const char* colour;
    TOfficeTheme expected;
  } cases[] = {
      {"2010 blue", 1, -1, true, "", ot2010Blue},
      {"2010 silver", 2, 3, true, "", ot2010Silver},
      {"2010 black", 3, -1, true, "", ot2010Black},
      {"another 2010 value: 2003 blue, the 12.0 key not asked", 4, 2, true, "", ot2003Blue},
      {"2007 blue", -1, 1, true, "", ot2007Blue},
      {"2007 silver", -1, 2, true, "", ot2007Silver},
      {"2007 black", -1, 3, true, "", ot2007Black},
      {"another 2007 value", -1, 0, true, "", ot2003Blue},
      {"no office: XP blue", -1, -1, true, "NormalColor", ot2003Blue},
      {"no office: XP olive", -1, -1, true, "HomeStead", ot2003Olive},
      {"no office: XP silver", -1, -1, true, "Metallic", ot2003Silver},
      {"no office, an unknown scheme", -1, -1, true, "Fusion", ot2003Classic},
      {"no office, visual styles off", -1, -1, false, "HomeStead", ot2003Classic},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TThemeAnswers a;
    std::vector<QString> asked;
    a.ThemeValue = [&](const QString& key) {
      asked.push_back(key);
      if (key == k14) return c.theme14;
      if (key == k12) return c.theme12;
      return -1;
    };
    a.ThemeActive = [&] { return c.active; };
    a.ColorName = [&] { return QString::fromUtf8(c.colour); };
    ScopedAnswers scope(a);
    EXPECT_EQ(DetectOfficeTheme(), c.expected);
    if (c.theme14 != -1) {
      EXPECT_EQ(asked, std::vector<QString>{k14});
    }
  }
}

TEST(ThemeDetection, SchemeNeedsXPCommonControlsAndAnActiveTheme) {
  struct Case {
    bool xp, comctl6, active;
    int scheme;
  } cases[] = {{true, true, true, 1}, {false, true, true, 0}, {true, false, true, 0}, {true, true, false, 0}};
  for (const Case& c : cases) {
    TThemeAnswers a;
    a.WinXPOrLater = [&] { return c.xp; };
    a.ComCtl6 = [&] { return c.comctl6; };
    a.ThemeActive = [&] { return c.active; };
    a.ColorName = [] { return QStringLiteral("Luna NormalColor"); };
    ScopedAnswers scope(a);
    EXPECT_EQ(GetXPColorScheme(), c.scheme);
  }
}

TEST(ThemeDetection, OfficeVersionAndFont) {
  std::map<QString, bool> keys;
  TThemeAnswers a;
  a.KeyExists = [&](const QString& k) { return keys[k]; };
  bool vista = true;
  a.VistaOrLater = [&] { return vista; };
  ScopedAnswers scope(a);
  EXPECT_EQ(GetOfficeVersion(), 0);
  keys[QStringLiteral("Software\\Microsoft\\Office\\11.0\\Common\\General")] = true;
  EXPECT_EQ(GetOfficeVersion(), 0);
  keys[QStringLiteral("Software\\Microsoft\\Office\\12.0\\Common\\General")] = true;
  EXPECT_EQ(GetOfficeVersion(), 1);
  keys[QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common\\General")] = true;
  EXPECT_EQ(GetOfficeVersion(), 2);
  EXPECT_EQ(GetDefaultFontName(), QStringLiteral("Segoe UI"));
  vista = false;
  EXPECT_EQ(GetDefaultFontName(), QStringLiteral("Tahoma"));
}

TEST(ThemeDetection, TheProgramsOwnAnswersGiveTheClassicTheme) {
  ResetThemeAnswers();
  EXPECT_EQ(GetOfficeVersion(), 0);
  EXPECT_EQ(ReadOfficeThemeValue(k14), -1);
  EXPECT_EQ(DetectOfficeTheme(), ot2003Classic);
}

TEST(ThemeNotifier, WatchesOnlyWithAnOfficeSuite) {
  {
    // Only the 11.0 suite: nothing to watch, registering does nothing.
    TThemeAnswers a;
    a.KeyExists = [](const QString& k) { return k.contains(QStringLiteral("11.0")); };
    ScopedAnswers scope(a);
    TComponent owner(nullptr);
    TThemeNotifier* n = GetThemeNotifier(&owner);
    EXPECT_EQ(GetThemeNotifier(nullptr), n);  // one per process
    EXPECT_FALSE(n->Watching());
    n->RegisterWindow(42);
    EXPECT_EQ(n->Windows().Count(), 0);
  }
  {
    TThemeAnswers a;
    a.KeyExists = [](const QString& k) { return k.contains(QStringLiteral("14.0")); };
    ScopedAnswers scope(a);
    TComponent owner(nullptr);
    TThemeNotifier* n = GetThemeNotifier(&owner);
    EXPECT_TRUE(n->Watching());
    n->RegisterWindow(42);
    n->RegisterWindow(42);
    EXPECT_EQ(n->Windows().Count(), 1);  // the same handle once
    n->UnRegisterWindow(42);
    EXPECT_EQ(n->Windows().Count(), 0);
  }
}

TEST(HandleList, Operations) {
  THandleList l;
  l.Add(1);
  l.Add(2);
  l.Insert(0, 7);
  EXPECT_EQ(l.GetInteger(0), 7);
  EXPECT_TRUE(l.HasValue(2));
  l.DeleteValue(2);
  l.DeleteValue(99);
  EXPECT_FALSE(l.HasValue(2));
  l.SetInteger(1, 5);
  EXPECT_EQ(l.GetInteger(1), 5);
  l.Delete(0);
  EXPECT_EQ(l.Count(), 1);
  EXPECT_THROW(l.GetInteger(3), EListError);
}

TEST(ClipboardHtml, OffsetsAndLayout) {
  QString empty;
  BuildClipboardHtml(empty);
  EXPECT_TRUE(empty.startsWith(QStringLiteral("Version:1.0\r\nStartHTML:00000097\r\nEndHTML:00000306\r\n"
                                               "StartFragment:00000274\r\nEndFragment:00000274\r\n")));
  EXPECT_EQ(empty.size(), 306);
  EXPECT_EQ(empty.mid(97, 9), QStringLiteral("<!DOCTYPE"));
  EXPECT_EQ(empty.mid(274 - 20, 20), QStringLiteral("<!--StartFragment-->"));
  QString ten = QStringLiteral("<td>ab</td");
  ASSERT_EQ(ten.size(), 10);
  BuildClipboardHtml(ten);
  EXPECT_TRUE(ten.contains(QStringLiteral("EndHTML:00000316\r\n")));
  EXPECT_TRUE(ten.contains(QStringLiteral("EndFragment:00000284\r\n")));
  EXPECT_EQ(ten.mid(274, 10), QStringLiteral("<td>ab</td"));
  EXPECT_EQ(ten.mid(284), QStringLiteral("<!--EndFragment--></body></html>"));
}

TEST(ClipboardHtml, ColourHex) {
  EXPECT_EQ(ColorToHtmlHex(0x0000FF), QStringLiteral("FF0000"));
  EXPECT_EQ(ColorToHtmlHex(0xFF0000), QStringLiteral("0000FF"));
  EXPECT_EQ(ColorToHtmlHex(0x12AB3C), QStringLiteral("3CAB12"));
}

}  // namespace
