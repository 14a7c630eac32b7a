#include "platform/os/database.h"

#include <QFile>
#include <vector>

#include "platform/rtl/exceptions.h"

extern "C" {
#include <mdbsql.h>
}

namespace {

TRecordSourceFactory& installed() {
  static TRecordSourceFactory factory;
  return factory;
}

// Access files through mdbtools' SQL engine: the query's rows are read whole
// when it is opened, so the record count is known.
class TMdbRecordSource : public TRecordSource {
public:
  ~TMdbRecordSource() override { Close(); }

  void Open(const QString& FileName, const QString& Sql) override {
    Close();
    sql_ = mdb_sql_init();
    QByteArray file = QFile::encodeName(FileName);
    if (!mdb_sql_open(sql_, file.data())) fail(QStringLiteral("Cannot open the database ") + FileName);
    const QByteArray query = Sql.toUtf8();
    mdb_sql_run_query(sql_, query.constData());
    if (mdb_sql_has_error(sql_)) fail(QString::fromUtf8(mdb_sql_last_error(sql_)));
    if (!sql_->cur_table) fail(QStringLiteral("The query gives no rows: ") + Sql);
    for (unsigned i = 0; i < sql_->num_columns; ++i) {
      auto* column = static_cast<MdbSQLColumn*>(g_ptr_array_index(sql_->columns, i));
      names_.append(QString::fromUtf8(column->name));
    }
    while (mdb_sql_fetch_row(sql_, sql_->cur_table)) {
      QStringList row;
      for (unsigned i = 0; i < sql_->num_columns; ++i)
        row.append(QString::fromUtf8(static_cast<const char*>(g_ptr_array_index(sql_->bound_values, i))));
      rows_.push_back(row);
    }
    mdb_sql_reset(sql_);
  }
  int FieldCount() const override { return static_cast<int>(names_.size()); }
  QString FieldName(int Index) const override { return names_.value(Index); }
  int RecordCount() const override { return static_cast<int>(rows_.size()); }
  bool Eof() const override { return at_ >= rows_.size(); }
  int ActualSize(int Index) const override { return Eof() ? 0 : static_cast<int>(rows_[at_].value(Index).size()); }
  QString Value(int Index) const override { return Eof() ? QString() : rows_[at_].value(Index); }
  void MoveNext() override { ++at_; }
  void Close() override {
    if (sql_) mdb_sql_exit(sql_);
    sql_ = nullptr;
  }

private:
  [[noreturn]] void fail(const QString& message) {
    Close();
    throw Exception(message);
  }
  MdbSQL* sql_ = nullptr;
  QStringList names_;
  std::vector<QStringList> rows_;
  size_t at_ = 0;
};

}  // namespace

std::unique_ptr<TRecordSource> NewRecordSource() {
  if (installed()) return installed()();
  return std::make_unique<TMdbRecordSource>();
}

void SetRecordSourceFactory(TRecordSourceFactory Factory) { installed() = std::move(Factory); }
