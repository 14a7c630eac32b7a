#include "grid/data/settings_text.h"

#include "grid/base/enum_names.h"
#include "grid/data/file_limits.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/numbers.h"
#include "platform/ui/color_names.h"

namespace {

QString joined(const std::vector<int>& v) {
  QStringList items;
  for (int x : v) items.append(QString::number(x));
  return items.join(u',');
}

std::vector<int> numbers(const QString& field, int atLeast, const char* what) {
  std::vector<int> out;
  const QStringList items = field.isEmpty() ? QStringList() : field.split(u',');
  if (items.size() < atLeast)
    throw EListError(QStringLiteral("Column states: %1 %2 for %3 columns").arg(items.size()).arg(QLatin1String(what)).arg(atLeast));
  for (const QString& item : items) out.push_back(StrToInt(item));
  return out;
}

}  // namespace

QString FormatColumnStates(const TColumnStates& s) {
  QStringList visible;
  for (bool v : s.Visible) visible.append(v ? QStringLiteral("1") : QStringLiteral("0"));
  return QString::number(s.Count) + u'#' + joined(s.Widths) + u'#' + joined(s.Order) + u'#' + visible.join(u',');
}

bool ParseColumnStates(const QString& Text, TColumnStates& States) {
  if (!Text.contains(u'#')) return false;
  const QStringList fields = Text.split(u'#');
  TColumnStates s;
  s.Count = StrToInt(fields[0]);
  if (s.Count < 1 || s.Count > kMaxFileColumns)
    throw EListError(QStringLiteral("Column states: %1 columns (1 to %2)").arg(s.Count).arg(kMaxFileColumns));
  s.Widths = numbers(fields.value(1), s.Count, "widths");
  for (int w : s.Widths)
    if (w < 0 || w > 32767) throw EConvertError(QStringLiteral("Column states: width %1").arg(w));
  const QString order = fields.value(2);
  if (!order.isEmpty()) {
    const std::vector<int> all = numbers(order, 0, "positions");
    std::vector<bool> seen(static_cast<size_t>(s.Count), false);
    for (size_t i = 0; i < all.size() && i < static_cast<size_t>(s.Count); ++i) {
      const int p = all[i];
      if (p == -1) continue;
      if (p < 0 || p >= s.Count || seen[static_cast<size_t>(p)])
        throw EListError(QStringLiteral("Column states: the order does not name each column once"));
      seen[static_cast<size_t>(p)] = true;
      s.Order.push_back(p);
    }
    if (static_cast<int>(s.Order.size()) != s.Count)
      throw EListError(QStringLiteral("Column states: the order does not name each column once"));
  }
  const QStringList visible = fields.value(3).isEmpty() ? QStringList() : fields.value(3).split(u',');
  if (visible.size() < s.Count)
    throw EListError(QStringLiteral("Column states: %1 visibility flags for %2 columns").arg(visible.size()).arg(s.Count));
  for (int i = 0; i < s.Count; ++i) {
    if (visible[i] != QLatin1String("0") && visible[i] != QLatin1String("1"))
      throw EConvertError(QStringLiteral("'%1' is not a valid visibility flag").arg(visible[i]));
    s.Visible.push_back(visible[i] == QLatin1String("1"));
  }
  States = std::move(s);
  return true;
}

TVisualPropsText::TVisualPropsText(const QStringList& Lines) {
  for (const QString& line : Lines) {
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0) continue;
    keys_.append(line.left(eq).toUpper());
    values_.append(line.mid(eq + 1));
  }
}

bool TVisualPropsText::Has(const QString& Key) const { return keys_.contains(Key.toUpper()); }

QString TVisualPropsText::Value(const QString& Key) const {
  const qsizetype i = keys_.indexOf(Key.toUpper());
  return i < 0 ? QString() : values_[i];
}

TColor TVisualPropsText::Color(const QString& Key) const {
  const QString v = Value(Key);
  if (v.isEmpty()) return clNone;
  TColor c = clNone;
  if (!TryStringToColor(v, c)) throw EConvertError(QStringLiteral("'%1' is not a valid colour (%2)").arg(v, Key));
  return c;
}

bool TVisualPropsText::Bool(const QString& Key) const { return Value(Key).toUpper() == QLatin1String("TRUE"); }

int TVisualPropsText::Integer(const QString& Key) const { return StrToInt(Value(Key)); }

unsigned TVisualPropsText::FontStyle(const QString& Key) const {
  const QString v = Value(Key);
  unsigned styles = 0;
  for (size_t i = 0; i < kFontStyleNames.size(); ++i)
    if (v.contains(QLatin1String(kFontStyleNames[i]))) styles |= 1u << i;
  return styles;
}

QString BoolText(bool Value) { return Value ? QStringLiteral("true") : QStringLiteral("false"); }

QString FontStyleText(unsigned Styles) {
  QStringList names;
  for (size_t i = 0; i < kFontStyleNames.size(); ++i)
    if (Styles & (1u << i)) names.append(QLatin1String(kFontStyleNames[i]));
  return names.join(u',');
}
