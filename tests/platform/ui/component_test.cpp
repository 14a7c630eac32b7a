// Components: ownership, free notification, owner broadcasts, loading state.
#include <gtest/gtest.h>

#include "platform/ui/component.h"

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

// Records the notifications it hears.
class Probe : public TComponent {
public:
  explicit Probe(TComponent* owner, std::vector<QString>* log = nullptr, QString name = {})
      : TComponent(owner), log_(log) {
    SetName(name);
  }
  ~Probe() override {
    if (log_) log_->push_back("free " + Name());
  }
  TComponent* watched = nullptr;
  int loaded = 0;
  bool destroyingSeen = false;

protected:
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (log_) log_->push_back(Name() + (op == opInsert ? " hears insert " : " hears remove ") + c->Name());
    if (op == opRemove && c == watched) watched = nullptr;
  }
  void Loaded() override {
    TComponent::Loaded();
    ++loaded;
  }

private:
  std::vector<QString>* log_;
};

TEST(Component, OwnerFreesOwnedComponentsLastFirst) {
  std::vector<QString> log;
  auto* owner = new Probe(nullptr, &log, "owner");
  new Probe(owner, &log, "a");
  new Probe(owner, &log, "b");
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(owner->FindComponent("B")->Name(), "b");
  EXPECT_EQ(owner->FindComponent("b2"), nullptr);  // neither a longer name
  EXPECT_EQ(owner->FindComponent(""), nullptr);    // nor none finds one
  log.clear();
  delete owner;
  EXPECT_EQ(log, (std::vector<QString>{"free owner", "free b", "free a"}));
}

TEST(Component, OwnerHearsInsertAndRemoveAndPassesThemOn) {
  std::vector<QString> log;
  Probe owner(nullptr, &log, "owner");
  auto* a = new Probe(&owner, &log, "a");
  log.clear();
  auto* b = new Probe(&owner, &log, "b");
  // The owner hears and tells every component, the newest first (the new one is
  // still under construction and hears nothing itself).
  EXPECT_EQ(log, (std::vector<QString>{"a hears insert ", "owner hears insert "}));
  log.clear();
  delete a;
  EXPECT_EQ(log.front(), "free a");
  EXPECT_TRUE(std::find(log.begin(), log.end(), QString("b hears remove a")) != log.end());
  EXPECT_EQ(owner.ComponentCount(), 1);
  EXPECT_EQ(owner.Components(0), b);
}

TEST(Component, FreeNotificationWorksBothWays) {
  auto* watcher = new Probe(nullptr);
  auto* watched = new Probe(nullptr);
  watcher->watched = watched;
  watched->FreeNotification(watcher);
  delete watched;
  EXPECT_EQ(watcher->watched, nullptr);

  // The watcher freed first: the watched one must not call it later.
  auto* other = new Probe(nullptr);
  other->FreeNotification(watcher);
  delete watcher;
  delete other;  // ASan catches a call into the freed watcher
}

TEST(Component, LoadingReachesOwnedComponentsAndLoadedClearsIt) {
  Probe owner(nullptr);
  owner.BeginLoading();
  auto* part = new Probe(&owner);
  EXPECT_TRUE(part->ComponentState().Contains(csLoading));
  owner.EndLoading();
  EXPECT_FALSE(part->ComponentState().Contains(csLoading));
  EXPECT_FALSE(owner.ComponentState().Contains(csLoading));
  EXPECT_EQ(part->loaded, 1);
  EXPECT_EQ(owner.loaded, 1);
  owner.EndLoading();
  EXPECT_EQ(owner.loaded, 1);

  owner.Destroying();
  EXPECT_TRUE(part->ComponentState().Contains(csDestroying));
}

TEST(Component, ClassNameIsTheDeclaredName) {
  Probe p(nullptr);
  EXPECT_EQ(p.ClassName(), "Probe");
  TComponent c(nullptr);
  EXPECT_EQ(c.ClassName(), "TComponent");
}

}  // namespace
