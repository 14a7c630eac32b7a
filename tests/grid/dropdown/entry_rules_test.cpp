// The entry rules of the drop-down edit: typed characters, caret keys and pastes
// under every edit type, with prefix and suffix, run under two locales (decimal
// point with comma grouping, and decimal comma with point grouping). The table
// is written for the first; the second swaps "." and "," in every text.
#include "grid/dropdown/entry_rules.h"

#include <gtest/gtest.h>

#include "platform/rtl/locale_settings.h"
#include "platform/ui/messages.h"

namespace {

// "ab|c": caret after b; "a[bc]": bc selected.
TEntryEdit Parse(const QString& s) {
  TEntryEdit e;
  const qsizetype bar = s.indexOf(u'|');
  if (bar >= 0) {
    e.Text = QString(s).remove(u'|');
    e.SelStart = static_cast<int>(bar);
    return e;
  }
  const qsizetype open = s.indexOf(u'['), close = s.indexOf(u']');
  e.Text = QString(s).remove(u'[').remove(u']');
  e.SelStart = static_cast<int>(open);
  e.SelLength = static_cast<int>(close - open - 1);
  return e;
}

QString Show(const TEntryEdit& e) {
  QString s = e.Text;
  if (e.SelLength == 0) return s.insert(e.SelStart, u'|');
  s.insert(e.SelStart + e.SelLength, u']');
  return s.insert(e.SelStart, u'[');
}

// Swaps the two separators of a text written for the point locale.
QString ForLocale(const char* text, bool comma) {
  QString s = QString::fromUtf8(text);
  if (!comma) return s;
  for (QChar& c : s) {
    if (c == u'.') c = u',';
    else if (c == u',') c = u'.';
  }
  return s;
}

struct LocaleCase {
  const char* name;
  QChar ds, ts;
};
constexpr LocaleCase kLocales[] = {{"point", u'.', u','}, {"comma", u',', u'.'}};

class EntryRulesLocale : public ::testing::TestWithParam<LocaleCase> {
protected:
  void SetUp() override {
    TFormatSettings fs;
    fs.DecimalSeparator = GetParam().ds;
    fs.ThousandSeparator = GetParam().ts;
    SetFormatSettings(fs);
  }
  void TearDown() override { SetFormatSettings(std::nullopt); }
  bool Comma() const { return GetParam().ds == u','; }
};

// A key: a character, or a virtual key for the caret keys.
struct Key {
  char ch;
  int vk;
};
constexpr Key C(char c) { return {c, 0}; }
constexpr Key VK(int k) { return {0, k}; }

struct TypeCase {
  TDropDownEditType type;
  int precision;
  const char* prefix;
  const char* suffix;
  bool sign;
  int lengthLimit;
  const char* before;
  Key key;
  const char* after;
  bool accepted;
};

constexpr TypeCase kTypeCases[] = {
    // Whole numbers: digits only; the minus toggles the sign when signed.
    {etNumeric, 0, "", "", false, 0, "12|", C('5'), "125|", true},
    {etNumeric, 0, "", "", false, 0, "12|", C('a'), "12|", false},
    {etNumeric, 0, "", "", false, 0, "12|", C('-'), "12|", false},
    {etNumeric, 0, "", "", true, 0, "1|2", C('-'), "-1|2", true},
    {etNumeric, 0, "", "", true, 0, "-1|2", C('-'), "1|2", true},
    {etNumeric, 0, "", "", true, 0, "[12]", C('-'), "-|", true},
    // Decimals: a second separator jumps behind the first, full decimals
    // overwrite or refuse, no separator with 0 decimals, "0." into an empty value.
    {etFloat, 2, "", "", false, 0, "3|.00", C('.'), "3.|00", true},
    {etFloat, 2, "", "", false, 0, "3.00|", C('5'), "3.00|", false},
    {etFloat, 2, "", "", false, 0, "3.|00", C('5'), "3.5|0", true},
    {etFloat, 0, "", "", false, 0, "3|", C('.'), "3|", false},
    {etFloat, -1, "", "", false, 0, "3|", C('.'), "3.|", true},
    {etFloat, -1, "", "", false, 0, "3.5|", C('.'), "3.5|", false},
    {etFloat, 2, "", "", false, 0, "|", C('.'), "0.|", true},
    {etFloat, 2, "", "", true, 0, "3.|25", C('-'), "-3.|25", true},
    {etFloat, 2, "", "", false, 0, "1,234|", C('.'), "1,234.|", true},
    {etFloat, 2, "", "", false, 0, "1,23|", C('.'), "1,23|", false},
    {etFloat, 2, "", "", false, 0, "1|", C('x'), "1|", false},
    // The integer part holds at most LengthLimit characters.
    {etFloat, 2, "", "", true, 3, "123|", C('4'), "123|", false},
    {etFloat, 2, "", "", true, 3, "123|", C('.'), "123.|", true},
    {etFloat, 2, "", "", true, 3, "123|", C('-'), "-123|", true},
    // Money: grouped after every key, the caret behind the typed digit.
    {etMoney, 0, "", "", false, 0, "123|", C('4'), "1,234|", true},
    {etMoney, 0, "", "", false, 0, "1,234|", C('5'), "12,345|", true},
    {etMoney, 0, "", "", false, 0, "1|23,456", C('7'), "1,7|23,456", true},
    {etMoney, 0, "$", "", false, 0, "$123,456|", C('7'), "$1,234,567|", true},
    {etMoney, 2, "", "", false, 0, "1,234|.00", C('5'), "12,345|.00", true},
    // Ranges: no separator first or beside another one.
    {etRange, 0, "", "", false, 0, "1|", C('-'), "1-|", true},
    {etRange, 0, "", "", false, 0, "1-|", C(','), "1-|", false},
    {etRange, 0, "", "", false, 0, "|1", C(';'), "|1", false},
    {etRange, 0, "", "", false, 0, "1|", C('x'), "1|", false},
    // Hex, case types, letters and digits.
    {etHex, 0, "", "", false, 0, "f|", C('a'), "fa|", true},
    {etHex, 0, "", "", false, 0, "f|", C('g'), "f|", false},
    {etUppercase, 0, "", "", false, 0, "A|", C('b'), "AB|", true},
    {etLowerCase, 0, "", "", false, 0, "a|", C('B'), "ab|", true},
    {etMixedCase, 0, "", "", false, 0, "joh|", C('n'), "John|", true},
    {etAlphaNumeric, 0, "", "", false, 0, "a|", C('-'), "a|", false},
    {etAlphaNumeric, 0, "", "", false, 0, "a|", C('7'), "a7|", true},
    {etString, 0, "", "", false, 0, "a|", C('-'), "a-|", true},
    // Prefix and suffix are fences for Backspace and the caret keys.
    {etString, 0, "$", "", false, 0, "$|1", C('\b'), "$|1", false},
    {etString, 0, "$", "", false, 0, "$1|", C('\b'), "$|", true},
    {etString, 0, "$", "", false, 0, "$12|", VK(VK_HOME), "$|12", true},
    {etString, 0, "$", "", false, 0, "$|12", VK(VK_LEFT), "$|12", false},
    {etString, 0, "", "%", false, 0, "1|2%", VK(VK_END), "12|%", true},
    {etString, 0, "", "%", false, 0, "12|%", VK(VK_RIGHT), "12|%", false},
    {etString, 0, "", "%", false, 0, "12|%", VK(VK_DELETE), "12|%", false},
    {etString, 0, "", "%", false, 0, "1|2%", VK(VK_DELETE), "1|%", true},
    {etMoney, 0, "", "", false, 0, "1,|234", VK(VK_DELETE), "1|34", true},
};

TEST_P(EntryRulesLocale, TypedKeysTable) {
  for (const TypeCase& c : kTypeCases) {
    TEntrySettings s;
    s.EditType = c.type;
    s.Precision = c.precision;
    s.Prefix = QString::fromUtf8(c.prefix);
    s.Suffix = QString::fromUtf8(c.suffix);
    s.Signed = c.sign;
    s.LengthLimit = c.lengthLimit;
    const TEntryRules rules(s);
    TEntryEdit e = Parse(ForLocale(c.before, Comma()));
    TEntryOutcome out;
    if (c.key.vk) {
      out = rules.KeyDown(e, c.key.vk, false);
    } else {
      const QChar key = ForLocale(std::string(1, c.key.ch).c_str(), Comma()).at(0);
      out = rules.TypeChar(e, key, false);
    }
    const QString where = QStringLiteral("type %1 before %2 key %3").arg(c.type).arg(c.before).arg(c.key.ch ? QString(QChar(c.key.ch)) : QString::number(c.key.vk));
    EXPECT_EQ(Show(e), ForLocale(c.after, Comma())) << where.toStdString();
    EXPECT_EQ(out.Accepted, c.accepted) << where.toStdString();
  }
}

struct PasteCase {
  TDropDownEditType type;
  int precision;
  bool sign;
  int maxLength;
  const char* before;
  const char* clip;
  const char* after;
  bool accepted;
};

constexpr PasteCase kPasteCases[] = {
    {etNumeric, 0, false, 0, "1|", "23", "123|", true},
    {etNumeric, 0, false, 0, "1|", "2.5", "1|", false},
    {etNumeric, 0, false, 0, "1|", "-5", "1|", false},
    {etNumeric, 0, true, 0, "|1", "-5", "-5|1", true},
    {etFloat, 2, false, 0, "|", "1.5", "1.5|0", true},
    {etFloat, 0, false, 0, "|", "1.5", "|", false},
    {etFloat, 2, false, 0, "|", "abc", "|", false},
    {etMoney, 2, false, 0, "|", "1234.5", "[1,234.50]", true},
    {etHex, 0, false, 0, "|", "FF", "|", false},
    {etRange, 0, false, 0, "|", "1-2", "|", false},
    {etUppercase, 0, false, 0, "A|", "bc", "ABC|", true},
    {etAlphaNumeric, 0, false, 0, "|", "ab-", "|", false},
    {etString, 0, false, 3, "ab|", "cd", "ab|", false},
    {etString, 0, false, 0, "[ab]c", "xyz", "[xyz]c", true},
};

TEST_P(EntryRulesLocale, PasteTable) {
  for (const PasteCase& c : kPasteCases) {
    TEntrySettings s;
    s.EditType = c.type;
    s.Precision = c.precision;
    s.Signed = c.sign;
    s.MaxLength = c.maxLength;
    const TEntryRules rules(s);
    TEntryEdit e = Parse(ForLocale(c.before, Comma()));
    const TEntryOutcome out = rules.Paste(e, ForLocale(c.clip, Comma()), nullptr);
    EXPECT_EQ(Show(e), ForLocale(c.after, Comma())) << c.before << " + " << c.clip;
    EXPECT_EQ(out.Accepted, c.accepted) << c.before << " + " << c.clip;
  }
}

// The paste event sees the new value and can refuse it.
TEST_P(EntryRulesLocale, PasteEventSeesNewValueAndRefuses) {
  TEntrySettings s;
  s.Prefix = QStringLiteral("$");
  const TEntryRules rules(s);
  TEntryEdit e = Parse(QStringLiteral("$a|b"));
  QString seen;
  const TEntryOutcome out = rules.Paste(e, QStringLiteral("X"), [&](const QString& v) {
    seen = v;
    return false;
  });
  EXPECT_EQ(seen, QStringLiteral("aXb"));
  EXPECT_FALSE(out.Accepted);
  EXPECT_EQ(Show(e), QStringLiteral("$a|b"));
}

// Text formatting and the numeric value accessors.
TEST_P(EntryRulesLocale, FormattingAndValues) {
  const struct {
    TDropDownEditType type;
    int precision;
    const char* value;
    const char* shown;
    double number;
  } cases[] = {
      {etNumeric, 0, "", "0", 0},         {etString, 0, "", "", 0},
      {etFloat, 2, "3", "3.00", 3},       {etMoney, 2, "1234567.5", "1,234,567.50", 1234567.5},
      {etHex, 0, "ff", "FF", 255},        {etFloat, 2, "Error", "Error", 0},
      {etNumeric, 0, "-", "-", 0},        {etMoney, 0, "12,345.", "12,345.", 12345},
  };
  for (const auto& c : cases) {
    TEntrySettings s;
    s.EditType = c.type;
    s.Precision = c.precision;
    const TEntryRules rules(s);
    const QString shown = rules.FormatValue(ForLocale(c.value, Comma()));
    EXPECT_EQ(shown, ForLocale(c.shown, Comma())) << c.value;
    EXPECT_DOUBLE_EQ(rules.FloatValue(shown), c.number) << c.value;
  }
  TEntrySettings hex;
  hex.EditType = etHex;
  EXPECT_EQ(TEntryRules(hex).TextForFloat(255.9), QStringLiteral("FF"));
  TEntrySettings money;
  money.EditType = etMoney;
  money.Precision = -1;
  EXPECT_EQ(TEntryRules(money).TextForFloat(2.5), ForLocale("2.5", Comma()));
}

// Replacing the whole value swallows its change notification; Backspace that
// empties the value raises the change itself.
TEST_P(EntryRulesLocale, ChangeBlockAndExplicitChange) {
  TEntrySettings s;
  const TEntryRules rules(s);
  TEntryEdit e = Parse(QStringLiteral("[ab]"));
  TEntryOutcome out = rules.TypeChar(e, u'x', false);
  EXPECT_TRUE(out.BlockChange);
  EXPECT_FALSE(out.RaiseChange);
  e = Parse(QStringLiteral("[ab]"));
  out = rules.TypeChar(e, QChar(8), false);
  EXPECT_TRUE(out.BlockChange);
  EXPECT_TRUE(out.RaiseChange);
  EXPECT_EQ(e.Text, QString());
  // A refused character over the whole value still sets the block.
  TEntrySettings num;
  num.EditType = etNumeric;
  e = Parse(QStringLiteral("[12]"));
  out = TEntryRules(num).TypeChar(e, u'x', false);
  EXPECT_FALSE(out.Accepted);
  EXPECT_TRUE(out.BlockChange);
}

INSTANTIATE_TEST_SUITE_P(Separators, EntryRulesLocale, ::testing::ValuesIn(kLocales),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
