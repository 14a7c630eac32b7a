// A string list that reports every change (the class library's TStringList with
// its OnChange): the grid's column and row header lists re-show themselves when
// they change. Changes inside BeginUpdate / EndUpdate report once at the end.
#pragma once

#include <QString>

#include "platform/rtl/object.h"
#include "platform/rtl/string_list.h"

class TNotifyStringList : public TObject {
public:
  int Count() const { return list_.Count(); }
  const QString& Strings(int index) const { return list_.Strings(index); }
  const QString& operator[](int index) const { return list_.Strings(index); }
  int IndexOf(const QString& s) const { return list_.IndexOf(s); }
  QString Text() const { return list_.Text(); }
  const TStringList& List() const { return list_; }

  int Add(const QString& s);
  void Insert(int index, const QString& s);
  void Put(int index, const QString& s);
  void Delete(int index);
  void Clear();
  void SetText(const QString& text);
  // Copies the texts (and object pointers) of the list.
  void Assign(const TStringList& source);

  void BeginUpdate() { ++updates_; }
  void EndUpdate();

  TNotifyEvent OnChange;

private:
  void Changed();
  TStringList list_;
  int updates_ = 0;
  bool pending_ = false;
};
