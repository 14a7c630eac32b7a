// TStringList: the class library's list of texts, each with an optional object
// pointer. Indexes count from 0; a bad index raises EListError. Lookups and sorting
// ignore letter case, as the class library's list does by default. A value type:
// copying a list copies its texts and object pointers (never the objects).
#pragma once

#include <QString>
#include <QStringList>
#include <algorithm>
#include <vector>

class TStringList {
public:
  // What Add does with a text already in a sorted list.
  enum TDuplicates { dupIgnore, dupAccept, dupError };

  // The class library's line break, written after every line by Text().
  static constexpr const char16_t* LineBreak = u"\r\n";

  TStringList() = default;

  int Count() const { return static_cast<int>(items_.size()); }

  // Appends (or, when sorted, inserts at the sorted position); the index of the new
  // entry. In a sorted list a duplicate is ignored (returns the existing index),
  // accepted or refused with EListError, by Duplicates.
  int Add(const QString& s) { return AddObject(s, nullptr); }
  int AddObject(const QString& s, void* object);
  void Insert(int index, const QString& s) { InsertObject(index, s, nullptr); }
  void InsertObject(int index, const QString& s, void* object);  // 0 <= index <= Count
  void Delete(int index);
  void Clear() { items_.clear(); }
  // Room for `capacity` strings, so that adding that many moves nothing.
  void SetCapacity(int capacity) { items_.reserve(size_t(std::max(capacity, 0))); }

  const QString& Strings(int index) const;
  const QString& operator[](int index) const { return Strings(index); }
  void Put(int index, const QString& s);  // refused on a sorted list
  void* Objects(int index) const;
  void PutObject(int index, void* object);

  // Index of the first entry equal to `s` ignoring case; -1 when there is none.
  int IndexOf(const QString& s) const;
  // Sorted lists: binary search; true when found, `index` = found or insert position.
  bool Find(const QString& s, int& index) const;

  // Every entry followed by LineBreak. Setting splits at CR LF, LF or CR; a final
  // line break adds no empty entry.
  QString Text() const;
  void SetText(const QString& text);

  // Clears the list and adds the items of a comma text: items are separated by a
  // comma or by blanks (characters up to U+0020); blanks around a comma belong to
  // the separator; an item in double quotes keeps its blanks and commas, with ""
  // standing for one quote. Two commas in a row give an empty item.
  void SetCommaText(const QString& text);

  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);  // turning it on sorts the list
  void Sort();                  // case-insensitive; equal texts keep their order

  TDuplicates Duplicates = dupIgnore;

  QStringList ToStringList() const;

private:
  struct Item {
    QString text;
    void* object = nullptr;
  };
  void checkIndex(int index) const;
  std::vector<Item> items_;
  bool sorted_ = false;
};
