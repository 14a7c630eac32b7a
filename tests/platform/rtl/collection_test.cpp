#include "platform/rtl/collection.h"

#include <gtest/gtest.h>

#include "platform/rtl/exceptions.h"

namespace {

class Item : public TCollectionItem {
public:
  explicit Item(TCollection* c) : TCollectionItem(c) {}
  void Assign(const TPersistent* Source) override {
    if (auto* s = dynamic_cast<const Item*>(Source)) value = s->value;
  }
  void Touch() { Changed(false); }
  int value = 0;
};

// Records every report the collection makes.
class Recorder : public TCollectionOf<Item> {
public:
  std::vector<TCollectionItem*> updates;  // nullptr = whole collection
  std::vector<TCollectionNotification> notes;

protected:
  void Update(TCollectionItem* item) override { updates.push_back(item); }
  void Notify(TCollectionItem*, TCollectionNotification a) override { notes.push_back(a); }
};

TEST(Collection, AddInsertDeleteKeepOrderAndReport) {
  Recorder c;
  Item* a = c.Add();
  Item* b = c.Add();
  Item* first = c.Insert(0);
  ASSERT_EQ(c.Count(), 3);
  EXPECT_EQ(c.Items(0), first);
  EXPECT_EQ(a->Index(), 1);
  EXPECT_EQ(b->Index(), 2);
  EXPECT_EQ(c.updates.size(), 3u);

  c.Delete(1);
  EXPECT_EQ(c.Count(), 2);
  EXPECT_EQ(c.Items(1), b);
  EXPECT_EQ(c.notes.back(), cnExtracting);
  EXPECT_THROW(c.Items(2), EListError);
  EXPECT_THROW(c.Delete(-1), EListError);
}

TEST(Collection, BatchReportsOnceAndItemChangesNameTheItem) {
  Recorder c;
  c.BeginUpdate();
  c.Add();
  c.Add();
  EXPECT_TRUE(c.updates.empty());
  c.EndUpdate();
  ASSERT_EQ(c.updates.size(), 1u);
  EXPECT_EQ(c.updates[0], nullptr);

  c.Items(1)->Touch();
  EXPECT_EQ(c.updates.back(), c.Items(1));
}

TEST(Collection, AssignCopiesItemsByTheirAssign) {
  Recorder source;
  source.Add()->value = 4;
  source.Add()->value = 7;
  Recorder target;
  target.Add()->value = 1;
  target.updates.clear();

  target.Assign(&source);
  ASSERT_EQ(target.Count(), 2);
  EXPECT_EQ(target.Items(0)->value, 4);
  EXPECT_EQ(target.Items(1)->value, 7);
  EXPECT_EQ(target.updates.size(), 1u);
}

TEST(Collection, FreeingAnItemTakesItOutAndSetIndexMoves) {
  Recorder c;
  Item* a = c.Add();
  Item* b = c.Add();
  Item* d = c.Add();
  delete b;
  EXPECT_EQ(c.Count(), 2);
  EXPECT_EQ(d->Index(), 1);
  d->SetIndex(0);
  EXPECT_EQ(c.Items(0), d);
  EXPECT_EQ(a->Index(), 1);
}

}  // namespace
