// The text work of the date-and-time picker control, without its window: the
// picker's display format split into fields and literals, the shown text of a
// value, and the editing of one field at a time as the date-time picker control
// does it: Left and Right go to the previous and next field, Up and Down step
// the current field (wrapping inside its range), typed digits collect in the
// field until no further digit could follow (a day of "1" waits for a second
// digit, "4" is complete) or the field's width is full, and only then change the
// value. Moving to another field takes a pending digit as it stands.
//
// Display formats are the picker's own: d dd (day), ddd dddd (weekday, not
// editable), M MM MMM MMMM (month), y yy yyyy (year), h hh (12-hour), H HH
// (24-hour), m mm (minutes), s ss (seconds), t tt (AM/PM), 'text' as it stands;
// every other character is a literal.
#pragma once

#include <QString>
#include <vector>

#include "platform/rtl/date_time.h"

enum TDateFieldKind { dfLiteral, dfDay, dfWeekday, dfMonth, dfYear, dfHour12, dfHour24, dfMinute, dfSecond, dfAmPm };

struct TDateFormatPart {
  TDateFieldKind Kind = dfLiteral;
  int Width = 1;    // number of pattern letters
  QString Literal;  // literal text
  bool operator==(const TDateFormatPart&) const = default;
};

std::vector<TDateFormatPart> ParseDateDisplayFormat(const QString& Format);
// A format of the runtime library (d, m, y, h, n, s, "/", ":", "AMPM") as the
// picker's display format, with the locale's separators put in.
QString DisplayFormatFromRuntime(const QString& RuntimeFormat, bool DateOnly);

class TDateTimeFieldEdit {
public:
  void SetFormat(const QString& Format);
  const std::vector<TDateFormatPart>& Parts() const { return parts_; }

  TDateTime Value() const { return value_; }
  // Sets the value (kept inside the range); a pending digit is dropped.
  void SetValue(TDateTime Value);
  // 0 = no limit. The value is kept inside [MinDate, MaxDate].
  void SetRange(TDateTime MinDate, TDateTime MaxDate);

  // The shown text, with a pending digit in its field.
  QString Text() const;
  // The text of a value in this format.
  QString FormatValue(TDateTime Value) const;

  // The part index of the current field (-1 when the format has none).
  int Current() const { return current_; }
  bool SetCurrent(int Part);
  // First and one-past-last character of a part in Text().
  void PartSpan(int Part, int& Start, int& End) const;
  // The part under a character position of Text() (nearest editable field).
  int FieldAtChar(int Pos) const;
  bool HasPending() const { return !pending_.isEmpty(); }

  // Each answers true when the value changed.
  bool NextField();
  bool PrevField();
  bool FirstField();
  bool LastField();
  bool Step(int Delta);
  bool TypeChar(QChar Ch);
  bool CommitPending();

private:
  bool IsEditable(int Part) const;
  bool Apply(int Part, int FieldValue);
  int FieldValue(int Part) const;
  void FieldRange(int Part, int& Lo, int& Hi) const;
  int MaxDigits(int Part) const;
  QString PartText(int Part, TDateTime Value) const;
  bool SetValueClamped(TDateTime Value);

  std::vector<TDateFormatPart> parts_;
  TDateTime value_ = 0;
  TDateTime min_ = 0, max_ = 0;
  int current_ = -1;
  QString pending_;
};

// Reads a text written in a display format (numbers in the order of the
// format's fields, month names of MMM and MMMM, AM/PM); fields the format does
// not hold keep their values from Base. False when a field is missing or the
// date does not exist.
bool TryParseDisplayText(const QString& Format, const QString& Text, TDateTime Base, TDateTime& Value);
