// The rows of a query on a database file (stands for the database components'
// connection and record set): field names, record count, the current record's
// values, moving to the next record. The grid reads query results through it;
// tests put a source of their own in its place.
#pragma once

#include <QString>
#include <functional>
#include <memory>

class TRecordSource {
public:
  virtual ~TRecordSource() = default;
  // Opens Sql on the database file; raises Exception with the driver's message
  // when the file or the query cannot be opened.
  virtual void Open(const QString& FileName, const QString& Sql) = 0;
  virtual int FieldCount() const = 0;
  virtual QString FieldName(int Index) const = 0;
  // The number of records, -1 when the source cannot tell before reading them.
  virtual int RecordCount() const = 0;
  virtual bool Eof() const = 0;
  // The size of the current record's value (0: no value).
  virtual int ActualSize(int Index) const = 0;
  virtual QString Value(int Index) const = 0;
  virtual void MoveNext() = 0;
  virtual void Close() = 0;
};

using TRecordSourceFactory = std::function<std::unique_ptr<TRecordSource>()>;
// A new source: the installed factory's, else one reading Access database files
// (.mdb, .accdb) through mdbtools, which knows a subset of SQL.
std::unique_ptr<TRecordSource> NewRecordSource();
// Installs a factory for tests; an empty one puts the Access reader back.
void SetRecordSourceFactory(TRecordSourceFactory Factory);
