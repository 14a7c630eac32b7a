#include "platform/rtl/exceptions.h"
#include "platform/rtl/string_list.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

TStringList listOf(std::initializer_list<const char*> texts) {
  TStringList list;
  for (const char* t : texts) list.Add(QString::fromUtf8(t));
  return list;
}

TEST(StringList, EditingKeepsOrderAndObjects) {
  int a = 0, b = 0;
  TStringList list;
  EXPECT_EQ(list.AddObject(QStringLiteral("one"), &a), 0);
  EXPECT_EQ(list.Add(QStringLiteral("three")), 1);
  list.InsertObject(1, QStringLiteral("two"), &b);
  list.Insert(3, QStringLiteral("four"));  // at Count: appends
  EXPECT_EQ(list.ToStringList(), QStringList({"one", "two", "three", "four"}));
  EXPECT_EQ(list.Objects(0), &a);
  EXPECT_EQ(list.Objects(1), &b);
  EXPECT_EQ(list.Objects(2), nullptr);

  list.Delete(0);
  list.Put(0, QStringLiteral("TWO"));
  EXPECT_EQ(list.ToStringList(), QStringList({"TWO", "three", "four"}));
  EXPECT_EQ(list.Objects(0), &b);  // the object stays with its entry
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, BadIndexRaisesListError) {
  struct Case {
    const char* what;
    std::function<void(TStringList&)> call;
    int index;
  };
  const Case cases[] = {
      {"get -1", [](TStringList& l) { (void)l.Strings(-1); }, -1},
      {"get Count", [](TStringList& l) { (void)l[2]; }, 2},
      {"put Count", [](TStringList& l) { l.Put(2, QStringLiteral("x")); }, 2},
      {"delete Count", [](TStringList& l) { l.Delete(2); }, 2},
      {"object 5", [](TStringList& l) { (void)l.Objects(5); }, 5},
      {"set object -3", [](TStringList& l) { l.PutObject(-3, nullptr); }, -3},
      {"insert past end", [](TStringList& l) { l.Insert(3, QStringLiteral("x")); }, 3},
      {"insert -1", [](TStringList& l) { l.Insert(-1, QStringLiteral("x")); }, -1},
  };
  for (const Case& c : cases) {
    TStringList list = listOf({"a", "b"});
    try {
      c.call(list);
      ADD_FAILURE() << c.what << ": no exception";
    } catch (const EListError& e) {
      EXPECT_EQ(e.Message, QStringLiteral("List index out of bounds (%1)").arg(c.index)) << c.what;
    }
    EXPECT_EQ(list.ToStringList(), QStringList({"a", "b"})) << c.what << ": list changed";
  }
}

TEST(StringList, IndexOfAndSortIgnoreCase) {
  TStringList list = listOf({"beta", "Alpha", "gamma", "ALPHA"});
  EXPECT_EQ(list.IndexOf(QStringLiteral("alpha")), 1);
  EXPECT_EQ(list.IndexOf(QStringLiteral("delta")), -1);
  list.Sort();
  EXPECT_EQ(list.ToStringList(), QStringList({"Alpha", "ALPHA", "beta", "gamma"}));
}

TEST(StringList, SortedListAddsInPlaceByDuplicatesRule) {
  TStringList list = listOf({"pear", "apple"});
  list.SetSorted(true);
  EXPECT_EQ(list.ToStringList(), QStringList({"apple", "pear"}));
  EXPECT_EQ(list.Add(QStringLiteral("Fig")), 1);
  EXPECT_EQ(list.Add(QStringLiteral("FIG")), 1);  // dupIgnore: the existing index
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.IndexOf(QStringLiteral("PEAR")), 2);

  list.Duplicates = TStringList::dupAccept;
  list.Add(QStringLiteral("fig"));
  EXPECT_EQ(list.Count(), 4);

  list.Duplicates = TStringList::dupError;
  EXPECT_THROW(list.Add(QStringLiteral("apple")), EListError);
  EXPECT_THROW(list.Insert(0, QStringLiteral("zz")), EListError);
  EXPECT_THROW(list.Put(0, QStringLiteral("zz")), EListError);
  EXPECT_EQ(list.Count(), 4);
}

TEST(StringList, TextSplitsEveryLineBreakAndJoinsWithCrLf) {
  struct Case {
    const char* text;
    QStringList lines;
  };
  const Case cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\nb\nc\rd\r\n", {"a", "b", "c", "d"}},
      {"a\n\nb", {"a", "", "b"}},
      {"\r\n", {""}},
      {"a\n\r\nb", {"a", "", "b"}},
  };
  for (const Case& c : cases) {
    TStringList list;
    list.SetText(QString::fromUtf8(c.text));
    EXPECT_EQ(list.ToStringList(), c.lines) << c.text;
  }
  EXPECT_EQ(listOf({"x", "", "y"}).Text(), QStringLiteral("x\r\n\r\ny\r\n"));
  EXPECT_EQ(TStringList().Text(), QString());
}

}  // namespace
