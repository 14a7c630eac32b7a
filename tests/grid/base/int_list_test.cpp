#include "grid/base/int_list.h"
#include "grid/base/sort_index_list.h"

#include "platform/rtl/exceptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// Records every OnChange with the sender and the cell it reports.
struct ChangeLog {
  struct Entry {
    TObject* sender;
    int col, row;
  };
  std::vector<Entry> entries;
  void Watch(TIntList& list) {
    list.OnChange = [this](TObject* s, int c, int r) { entries.push_back({s, c, r}); };
  }
};

std::vector<int> items(const TIntList& l) {
  std::vector<int> v;
  for (int i = 0; i < l.Count(); ++i) v.push_back(l.GetInteger(i));
  return v;
}

TEST(IntList, WhichOperationsNotify) {
  struct Case {
    const char* operation;
    std::function<void(TSortIndexList&)> run;
    int notifications;
  };
  const Case cases[] = {
      {"Add", [](TSortIndexList& l) { l.Add(9); }, 1},
      {"Delete", [](TSortIndexList& l) { l.Delete(0); }, 1},
      {"SetInteger", [](TSortIndexList& l) { l.SetInteger(0, 4); }, 1},
      {"DeleteValue present", [](TSortIndexList& l) { l.DeleteValue(2); }, 1},
      {"DeleteValue absent", [](TSortIndexList& l) { l.DeleteValue(77); }, 0},
      {"Insert", [](TSortIndexList& l) { l.Insert(0, 5); }, 0},
      {"Clear", [](TSortIndexList& l) { l.Clear(); }, 0},
      {"Sort", [](TSortIndexList& l) { l.Sort(); }, 0},
      {"SetStrValue of 3 items", [](TSortIndexList& l) { l.SetStrValue(QStringLiteral("1,2,3")); }, 3},
      {"AddIndex", [](TSortIndexList& l) { l.AddIndex(3, false); }, 1},
      {"ToggleIndex present", [](TSortIndexList& l) { l.ToggleIndex(2); }, 1},
      {"ToggleIndex absent", [](TSortIndexList& l) { l.ToggleIndex(8); }, 0},
      {"SetSortColumns", [](TSortIndexList& l) { l.SetSortColumns(0, 6); }, 1},
      {"SetSortDirections", [](TSortIndexList& l) { l.SetSortDirections(0, false); }, 1},
      {"LoadFromString of 2 entries", [](TSortIndexList& l) { l.LoadFromString(QStringLiteral("u1;d2")); }, 2},
  };
  for (const Case& c : cases) {
    TSortIndexList list(4, 7);
    list.AddIndex(2, true);
    list.AddIndex(0, false);
    ChangeLog log;
    log.Watch(list);
    c.run(list);
    ASSERT_EQ(static_cast<int>(log.entries.size()), c.notifications) << c.operation;
    for (const auto& e : log.entries) {
      EXPECT_EQ(e.sender, &list) << c.operation;
      EXPECT_EQ(std::make_pair(e.col, e.row), std::make_pair(4, 7)) << c.operation;
    }
  }
}

TEST(IntList, StrValueBothWays) {
  TIntList list(0, 0);
  EXPECT_EQ(list.StrValue(), QString());
  list.Add(3);
  list.Add(10);
  list.Add(-1);
  EXPECT_EQ(list.StrValue(), QStringLiteral("3,10,-1"));

  struct {
    const char* text;
    std::vector<int> items;
  } cases[] = {
      {"1, 2", {1, 2}},        // the blank after the comma belongs to the separator
      {"1 2\t3", {1, 2, 3}},   // blanks separate too
      {" 4 , 5 ", {4, 5}},
      {"\"6\",7", {6, 7}},     // quoted items
      {"", {}},
      {"1,", {1}},
  };
  for (const auto& c : cases) {
    list.SetStrValue(QString::fromUtf8(c.text));
    EXPECT_EQ(items(list), c.items) << c.text;
  }
}

TEST(IntList, StrValueWithANonIntegerRaisesAndKeepsTheItemsBefore) {
  TIntList list(0, 0);
  list.Add(99);
  EXPECT_THROW(list.SetStrValue(QStringLiteral("1,x,3")), EConvertError);
  EXPECT_EQ(items(list), (std::vector<int>{1}));
  EXPECT_THROW(list.SetStrValue(QStringLiteral("1,,3")), EConvertError);  // two commas: an empty item
  EXPECT_EQ(items(list), (std::vector<int>{1}));
}

TEST(IntList, QueriesAndBadIndexes) {
  TIntList list(0, 0);
  list.Add(5);
  list.Add(8);
  list.Insert(1, 5);
  EXPECT_EQ(items(list), (std::vector<int>{5, 5, 8}));
  EXPECT_EQ(list.IndexOf(8), 2);
  EXPECT_TRUE(list.HasValue(5));
  EXPECT_FALSE(list.HasValue(6));
  list.DeleteValue(5);
  EXPECT_EQ(items(list), (std::vector<int>{5, 8}));
  EXPECT_THROW(list.GetInteger(2), EListError);
  EXPECT_THROW(list.SetInteger(-1, 0), EListError);
  EXPECT_THROW(list.Delete(2), EListError);
  EXPECT_THROW(list.Insert(3, 0), EListError);
}

TEST(SortIndexList, DirectionBitAndColumns) {
  TSortIndexList list(0, 0);
  list.AddIndex(2, true);
  list.AddIndex(0, false);
  list.AddIndex(5, true);
  EXPECT_EQ(static_cast<uint32_t>(list.GetInteger(1)), 0x80000000u);
  EXPECT_EQ(list.FindIndex(0), 1);
  EXPECT_EQ(list.FindIndex(5), 2);
  EXPECT_EQ(list.FindIndex(7), -1);
  EXPECT_EQ(list.SortColumns(1), 0);
  EXPECT_FALSE(list.SortDirections(1));
  EXPECT_TRUE(list.SortDirections(0));

  list.ToggleIndex(0);
  EXPECT_TRUE(list.SortDirections(1));
  list.SetSortDirections(0, false);
  list.SetSortColumns(0, 9);  // keeps the direction
  EXPECT_EQ(list.SortColumns(0), 9);
  EXPECT_FALSE(list.SortDirections(0));
  EXPECT_EQ(list.SaveToString(), QStringLiteral("d9;u0;u5"));
}

TEST(SortIndexList, TextForm) {
  struct {
    const char* text;
    const char* saved;  // after loading and saving again
  } cases[] = {
      {"u2;d0;u5", "u2;d0;u5"},
      {"u3;;x;D7", "u3;d7"},  // empty and one-character entries skipped; "D" is descending
      {"U1;z4", "d1;d4"},     // only a lower-case "u" is ascending
      {"u1;uX;u-2;d3", "u1;d3"},
      {"", ""},
      {"u4;", "u4"},
  };
  for (const auto& c : cases) {
    TSortIndexList list(0, 0);
    list.AddIndex(42, true);
    list.LoadFromString(QString::fromUtf8(c.text));
    EXPECT_EQ(list.SaveToString(), QString::fromUtf8(c.saved)) << c.text;
  }

  TSortIndexList wide(0, 0);
  wide.AddIndex(70000, false);
  EXPECT_EQ(wide.SaveToString(), QStringLiteral("d4464"));  // only the low 16 bits are written
}

}  // namespace
