// Cells as numbers, dates and times; fills; marks and highlights; checks with
// the cell checker; the print layout range and the version.
#include <gtest/gtest.h>

#include <optional>

#include "grid/base/cell_checker.h"
#include "grid/view/ex_string_grid.h"
#include "grid/view/grid_error.h"
#include "platform/rtl/locale_settings.h"

namespace {

// Runs with a comma as decimal separator and a dot as thousand separator.
class CommaLocale {
public:
  CommaLocale() {
    TFormatSettings s;
    s.DecimalSeparator = u',';
    s.ThousandSeparator = u'.';
    s.DateSeparator = u'.';
    s.ShortDateFormat = QStringLiteral("d/M/yyyy");
    SetFormatSettings(s);
  }
  ~CommaLocale() { SetFormatSettings(std::nullopt); }
};

TEST(TypedCellAccess, IntegersTable) {
  TExStringGrid g(nullptr);
  struct Case {
    const char* text;
    std::optional<int> value;  // nullopt: raises
  } cases[] = {
      {"", 0},         {"-", 0},           {"  42  ", 42},   {"-7", -7},        {"$1F", 31},
      {"0x10", 16},    {"<b>5</b>", 5},    {"12ab", {}},     {"1.5", {}},       {"(3)", {}},
      {"4294967296", {}},
  };
  for (const auto& c : cases) {
    g.SetCellEx(1, 1, c.text);
    if (c.value) {
      EXPECT_EQ(g.Ints(1, 1), *c.value) << c.text;
      continue;
    }
    try {
      g.Ints(1, 1);
      ADD_FAILURE() << c.text << " did not raise";
    } catch (const EExGridError& e) {
      EXPECT_EQ(e.Message, "Cell does not contain integer value") << c.text;
    }
    EXPECT_EQ(g.GetCellEx(1, 1), c.text);  // the cell is not changed
  }
}

TEST(TypedCellAccess, FloatsTable) {
  CommaLocale locale;
  TExStringGrid g(nullptr);
  struct Case {
    const char* text;
    std::optional<double> value;
  } cases[] = {
      {"", 0},       {"-", 0},          {"(3)", -3},      {"12ab", 12},    {"abc", 0},
      {"1.234,5", 1234.5}, {"-2,25", -2.25}, {"€ 7,5", 7.5}, {"1,2,3", {}},  {"1e", {}},
  };
  for (const auto& c : cases) {
    g.SetCellEx(1, 1, c.text);
    if (c.value) {
      EXPECT_DOUBLE_EQ(g.Floats(1, 1), *c.value) << c.text;
      continue;
    }
    try {
      g.Floats(1, 1);
      ADD_FAILURE() << c.text << " did not raise";
    } catch (const EExGridError& e) {
      EXPECT_EQ(e.Message, "Cell does not contain a float value") << c.text;
    }
  }
}

TEST(TypedCellAccess, WritingNumbers) {
  CommaLocale locale;
  TExStringGrid g(nullptr);
  g.SetFloats(1, 1, 3.14159);
  EXPECT_EQ(g.GetCellEx(1, 1), "3,14");
  g.SetInts(2, 2, -15);
  EXPECT_EQ(g.GetCellEx(2, 2), "-15");
  g.FloatFormat = "%d";  // a format that does not take a float
  EXPECT_THROW(g.SetFloats(1, 1, 1.0), EConvertError);
  EXPECT_EQ(g.GetCellEx(1, 1), "3,14");
  g.FloatFormat = "%.1n";
  g.SetFloats(1, 1, 12345.67);
  EXPECT_EQ(g.GetCellEx(1, 1), "12.345,7");
}

TEST(TypedCellAccess, DatesAndTimes) {
  CommaLocale locale;
  TExStringGrid g(nullptr);
  const TDateTime date = EncodeDate(2021, 3, 4);
  g.SetDates(1, 1, date);
  EXPECT_EQ(g.GetCellEx(1, 1), "4.3.2021");
  EXPECT_DOUBLE_EQ(g.Dates(1, 1), date);
  g.SetDates(1, 2, 0);
  EXPECT_EQ(g.GetCellEx(1, 2), "30.12.1899");
  g.ShowNullDates = false;
  g.SetDates(1, 2, 0);
  EXPECT_EQ(g.GetCellEx(1, 2), "");
  g.SetCellEx(1, 3, "no date");
  EXPECT_THROW(g.Dates(1, 3), EConvertError);

  g.SetTimes(2, 1, EncodeTime(9, 5, 7, 0));
  EXPECT_EQ(g.GetCellEx(2, 1), "9:05:07");
  EXPECT_DOUBLE_EQ(g.Times(2, 1), EncodeTime(9, 5, 7, 0));
  g.SetCellEx(2, 2, "25:00");
  EXPECT_THROW(g.Times(2, 2), EConvertError);
}

TEST(TypedCellAccess, Fills) {
  TExStringGrid g(nullptr);
  g.LinearFill(false);
  EXPECT_EQ(g.GetCellEx(1, 1), "1:1");
  EXPECT_EQ(g.GetCellEx(4, 9), "4:9");
  EXPECT_EQ(g.GetCellEx(0, 1), "");  // fixed cells untouched
  g.FormatFill(true, "C%d R%d");
  EXPECT_EQ(g.GetCellEx(0, 0), "C0 R0");
  EXPECT_EQ(g.GetCellEx(3, 2), "C3 R2");
  EXPECT_THROW(g.FormatFill(true, "%s"), EConvertError);
  EXPECT_EQ(g.GetCellEx(3, 2), "C3 R2");
  g.RandomFill(false, 3);
  const int v = g.Ints(2, 2);
  EXPECT_TRUE(v >= 0 && v < 3);
  g.TextFill(false, "t");
  EXPECT_EQ(g.GetCellEx(2, 2), "t");
}

TEST(TypedCellAccess, HighlightKeepsALessThanAsText) {
  TExStringGrid g(nullptr);
  g.SetCellEx(1, 1, "a<b and b");
  g.HilightInCell(false, 1, 1, "b");
  const QString marked = g.GetCellEx(1, 1);
  EXPECT_TRUE(marked.contains("&lt;")) << marked.toStdString();
  EXPECT_TRUE(marked.contains("<hi>b</hi>")) << marked.toStdString();
  g.UnHilightInCell(1, 1);
  EXPECT_EQ(g.GetCellEx(1, 1), "a<b and b");

  g.SetCellEx(2, 2, "error here");
  g.MarkInRow(false, false, 2, "here");
  EXPECT_EQ(g.GetCellEx(2, 2), "error <e>here</e>");
  g.UnMarkInGrid(false);
  EXPECT_EQ(g.GetCellEx(2, 2), "error here");
}

class UpperChecker : public TExStringGridCheck {
public:
  using TExStringGridCheck::TExStringGridCheck;
  QString Correct(int, int, const QString& s) override { return s.toUpper(); }
  void StartCheck() override { ++starts; }
  int starts = 0;
};

TEST(TypedCellAccess, ChecksWithTheChecker) {
  TExStringGrid g(nullptr);
  EXPECT_TRUE(g.CheckCell(1, 1));  // no checker
  UpperChecker checker(nullptr);
  checker.UseCorrect = true;
  g.SetCellChecker(&checker);
  g.SetCellEx(1, 1, "ABC");
  g.SetCellEx(1, 2, "abc");
  EXPECT_TRUE(g.CheckCell(1, 1));
  EXPECT_FALSE(g.CheckCol(false, 1));  // every cell is checked, also after a failure
  EXPECT_EQ(g.GetCellEx(1, 2), "ABC");
  EXPECT_EQ(checker.starts, 1);
  g.SetCellChecker(nullptr);
}

TEST(TypedCellAccess, ControlValuesPrintRangeAndVersion) {
  TExStringGrid g(nullptr);
  g.SetCellEx(1, 1, "plain");
  EXPECT_EQ(g.ControlValues(1, 1, "E1"), "");
  g.SetControlValues(1, 1, "E1", "x");
  EXPECT_EQ(g.GetCellEx(1, 1), "plain");

  EXPECT_EQ(g.PrintColWidth(0), 0);
  try {
    g.PrintColWidth(-1);
    ADD_FAILURE();
  } catch (const EExGridError& e) {
    EXPECT_EQ(e.Message, "Columns is not in valid range");
  }
  EXPECT_THROW(g.PrintColOffset(g.AllColCount()), EExGridError);
  EXPECT_EQ(g.Version(), "6.2.1.3");
}

}  // namespace
