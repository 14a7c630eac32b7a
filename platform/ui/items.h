// The item list of a list box or combo box (stands for the controls' TStrings):
// texts with an optional object pointer per item, kept in the Qt widget.
#pragma once

#include <QString>
#include <QStringList>

#include "platform/rtl/object.h"

class TControlItems {
public:
  virtual ~TControlItems() = default;
  virtual int Count() const = 0;
  // Raises EListError for an index outside 0..Count-1.
  virtual QString Strings(int index) const = 0;
  virtual void SetStrings(int index, const QString& value) = 0;
  virtual TObject* Objects(int index) const = 0;
  virtual void SetObjects(int index, TObject* value) = 0;
  virtual void Insert(int index, const QString& value) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;

  int Add(const QString& value);
  int AddObject(const QString& value, TObject* object);
  int IndexOf(const QString& value) const;  // case-insensitive, -1 when absent
  void Assign(const QStringList& values);
  QStringList ToStringList() const;
  // The items joined by line breaks.
  QString Text() const;

protected:
  void CheckIndex(int index, int count) const;
};
