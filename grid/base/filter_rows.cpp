#include "grid/base/filter_rows.h"

#include "grid/base/filter_expression.h"
#include "grid/base/text_kinds.h"
#include "platform/rtl/strings.h"

bool FilterTestOutcome(const TFilterTest& Test, QString Text) {
  // 1.
  Text = Trim(Text);
  if (Text.contains(QStringLiteral("|\\"))) Text = DecodeWideCellText(Text);
  // 2.
  if (Test.WholeRow) return !Test.Condition.isEmpty() && UpperCase(Text).contains(UpperCase(Test.Condition));
  // 3.
  if (!Test.Prefix.isEmpty() && Text.startsWith(Test.Prefix)) Text.remove(0, Test.Prefix.size());
  if (!Test.Suffix.isEmpty()) {
    const qsizetype at = Text.indexOf(Test.Suffix);
    if (at >= 0 && at + Test.Suffix.size() == Text.size()) Text.chop(Test.Suffix.size());
  }
  if (Test.Condition.isEmpty()) return true;
  if (Test.Method == fmLiteral) return Test.Condition == Text;
  try {
    return MatchFilterExpression(Test.Condition, Text, Test.CaseSensitive);
  } catch (...) {
    return false;
  }
}

bool FilterTestsPass(const std::vector<TFilterTest>& Tests, const std::function<QString(size_t)>& TextOf) {
  bool result = true;
  for (size_t i = 0; i < Tests.size(); ++i) {
    bool outcome = false;
    try {
      outcome = FilterTestOutcome(Tests[i], TextOf(i));
    } catch (...) {
      outcome = false;
    }
    // 4.
    switch (Tests[i].Operation) {
      case foSHORT:
        if (!outcome) return false;
        result = true;
        break;
      case foNONE: result = outcome; break;
      case foAND: result = result && outcome; break;
      case foXOR: result = result != outcome; break;
      case foOR: result = result || outcome; break;
    }
  }
  return result;
}

QString NarrowCondition(const QString& Typed, bool WholeRow, bool Quoted) {
  if (WholeRow) return Typed;
  const QString pattern = u'*' + Typed + u'*';
  return Quoted && Typed.contains(u' ') ? u'"' + pattern + u'"' : pattern;
}
