// The texts in which a grid keeps its settings outside the form, free of the
// grid: the column states line ("3#64,64,64#0,1,2#1,1,1": column count, widths,
// order, visibility) and the visual properties file of "key=value" lines with
// its value forms (colour names or "$" and eight hexadecimal digits, "true" and
// "false", decimal integers, font style names).
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "platform/ui/graphics.h"

struct TColumnStates {
  int Count = 0;               // columns, hidden ones counted
  std::vector<int> Widths;     // per display column, then per hidden column
  std::vector<int> Order;      // initial index of the column at each position
  std::vector<bool> Visible;   // per real column
};

QString FormatColumnStates(const TColumnStates& States);
// False (States untouched) for a text without "#". Otherwise the whole text is
// checked: a count outside 1..512, a field with fewer entries than the count, an
// entry that is no number, a width outside 0..32767, a visibility other than "0"
// or "1", or an order that does not name each column once, raises EConvertError
// or EListError.
bool ParseColumnStates(const QString& Text, TColumnStates& States);

// The lines of a visual properties file, looked up by key without regard to
// letter case.
class TVisualPropsText {
public:
  explicit TVisualPropsText(const QStringList& Lines);
  bool Has(const QString& Key) const;
  QString Value(const QString& Key) const;  // empty when missing
  // A colour name or number; empty or missing gives clNone; anything else
  // raises EConvertError.
  TColor Color(const QString& Key) const;
  // True exactly for "TRUE" in any letter case.
  bool Bool(const QString& Key) const;
  // A missing or non-numeric value raises EConvertError.
  int Integer(const QString& Key) const;
  // Bit i set when style name i ("fsBold", "fsItalic", "fsUnderline",
  // "fsStrikeOut") occurs anywhere in the value.
  unsigned FontStyle(const QString& Key) const;
  // The ordinal of the name among Names (letter case ignored); -1 for a missing
  // value or one that names none of them.
  template <size_t N>
  int Enum(const QString& Key, const std::array<const char*, N>& Names) const {
    const QString v = Value(Key);
    for (size_t i = 0; i < N; ++i)
      if (!v.isEmpty() && v.compare(QLatin1String(Names[i]), Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    return -1;
  }

private:
  QStringList keys_;    // upper case
  QStringList values_;
};

// Value texts of the visual properties file.
QString BoolText(bool Value);
QString FontStyleText(unsigned Styles);
