// The class library's component (stands for TComponent): an owner frees what it
// owns; a component can ask to be told when another one is freed (free
// notification); the owner hears of every component inserted into or removed from
// it and passes the news to all its components; state flags tell whether a
// component is loading or being destroyed.
#pragma once

#include <QString>
#include <vector>

#include "platform/rtl/object.h"
#include "platform/rtl/sets.h"

enum TComponentStateFlag { csLoading, csReading, csWriting, csDestroying, csDesigning, csFreeNotification };
using TComponentState = TSet<TComponentStateFlag>;
enum TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return owner_; }
  QString Name() const { return name_; }
  void SetName(const QString& value) { name_ = value; }
  int Tag() const { return tag_; }
  void SetTag(int value) { tag_ = value; }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const;
  TComponent* FindComponent(const QString& name) const;
  // Index of this component in its owner's list (-1 without owner).
  int ComponentIndex() const;

  TComponentState ComponentState() const { return state_; }

  // `AComponent` is told through Notification(this, opRemove) when this component
  // is freed, and the other way round.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);
  // Frees every owned component, the last first.
  void DestroyComponents();
  // Marks this component and everything it owns as being destroyed.
  void Destroying();

  // Loading: a component made while its owner loads is loading too; EndLoading
  // calls `Loaded` on every loading component (owned ones first, in creation
  // order), which clears the flag.
  void BeginLoading();
  void EndLoading();

  // Runs after the whole object is built (the class library's AfterConstruction);
  // TComponentFactory-style creators call it.
  virtual void AfterConstruction() {}

protected:
  virtual void Loaded();
  // Told when a component is inserted into or removed from the owner, and when a
  // component this one asked about is freed. The base forgets a removed
  // component's free notification and passes the news to every owned component.
  // An owner tells each of its components about every insertion, so a form's
  // hundreds of controls hear hundreds of inserts each; one that owns nothing has
  // nothing to do with an insertion, and that check stays inline in the overrides.
  virtual void Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opInsert && components_.empty()) return;
    PassNotification(AComponent, Operation);
  }
  void SetDesigning(bool value);

private:
  void PassNotification(TComponent* AComponent, TOperation Operation);
  void Insert(TComponent* c);
  void Remove(TComponent* c);

  TComponent* owner_ = nullptr;
  QString name_;
  int tag_ = 0;
  TComponentState state_;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> free_notifies_;
};

// Builds a component and runs its AfterConstruction, as the class library's
// constructors do (a form's OnCreate runs there).
template <typename T, typename... Args>
T* Create(Args&&... args) {
  T* object = new T(std::forward<Args>(args)...);
  object->AfterConstruction();
  return object;
}
