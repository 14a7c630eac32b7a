// The series a smart paste continues over a selection from the first two values:
// dates or times (stepped by whole years, months or days when only one of them
// changes, else by the difference), decimal numbers, integers; any other pair of
// texts is no series (the pasted block is repeated instead). Widget-free.
#pragma once

#include <QString>

#include "platform/rtl/date_time.h"

enum TSeriesKind { skDateTime, skDecimal, skInteger, skText };

class TSeriesFill {
public:
  // FloatFormat: the grid's format of decimal numbers.
  TSeriesFill(const QString& First, const QString& Second, const QString& FloatFormat);
  TSeriesKind Kind() const { return kind_; }
  // The text of the next value, starting with the first; false when a value
  // cannot be converted or written (the fill then ends where it is).
  bool Next(QString& Text);

private:
  TSeriesKind kind_ = skText;
  bool ok_ = true;
  QString floatFormat_;
  bool dateText_ = false;  // the first value holds the date separator
  TDateTime date_ = 0, dateStep_ = 0;
  int years_ = 0, months_ = 0, days_ = 0;
  double float_ = 0, floatStep_ = 0;
  long long int_ = 0, intStep_ = 0;
};
