#include "grid/base/filter_expression.h"

#include "grid/base/csv_text.h"
#include "grid/base/date_text.h"
#include "grid/base/number_text.h"
#include "platform/rtl/strings.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kMaxOperand = 255;

// 0-based index of the first `ch` outside double quotes, -1 when none.
qsizetype indexOutsideQuotes(const QString& text, QChar ch) {
  bool quoted = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'"') quoted = !quoted;
    else if (!quoted && text[i] == ch) return i;
  }
  return -1;
}

bool holds(const QString& text, QChar ch) { return indexOutsideQuotes(text, ch) >= 0; }

// A plain number with "." as decimal separator: sign, digits with at most one
// ".", and an optional exponent; the whole text.
bool readNumber(const QString& text, double& value) {
  const QString s = NumberTextToDot(text);
  qsizetype i = 0;
  const qsizetype n = s.size();
  auto digits = [&] {
    const qsizetype start = i;
    while (i < n && s[i] >= u'0' && s[i] <= u'9') ++i;
    return i - start;
  };
  if (i < n && (s[i] == u'+' || s[i] == u'-')) ++i;
  qsizetype mantissa = digits();
  if (i < n && s[i] == u'.') {
    ++i;
    mantissa += digits();
  }
  if (mantissa == 0) return false;
  if (i < n && (s[i] == u'e' || s[i] == u'E')) {
    ++i;
    if (i < n && (s[i] == u'+' || s[i] == u'-')) ++i;
    if (digits() == 0) return false;
  }
  if (i != n) return false;
  bool ok = false;
  value = s.toDouble(&ok);
  return ok;
}

bool readDate(const QString& text, double& value) {
  TDateTime d = 0;
  if (!ParseLocaleDateTime(text, d)) return false;
  value = d;
  return true;
}

// The operand after the operator at `at`: after an optional "=", it runs to the
// first blank, "&" or "|" outside double quotes; a double quote at either end is
// dropped.
QString operandAfter(const QString& term, qsizetype at, bool& orEqual) {
  qsizetype i = at + 1;
  orEqual = i < term.size() && term[i] == u'=';
  if (orEqual) ++i;
  while (i < term.size() && term[i] == u' ') ++i;
  const qsizetype start = i;
  bool quoted = false;
  for (; i < term.size(); ++i) {
    const QChar c = term[i];
    if (c == u'"') quoted = !quoted;
    else if (!quoted && (c == u' ' || c == u'&' || c == u'|')) break;
  }
  QString operand = term.mid(start, i - start);
  if (operand.startsWith(u'"')) operand.remove(0, 1);
  if (operand.endsWith(u'"')) operand.chop(1);
  return operand.left(kMaxOperand);
}

// Sign of (cell - operand): as numbers when both are numbers and neither is a
// locale date, else as dates when both are, else as texts (ordinal).
int compareCell(const QString& cell, const QString& operand) {
  double a = 0, b = 0, da = 0, db = 0;
  const bool cellDate = readDate(cell, da);
  const bool operandDate = readDate(operand, db);
  if (readNumber(cell, a) && readNumber(operand, b) && !cellDate && !operandDate) return (a > b) - (a < b);
  if (cellDate && operandDate) return (da > db) - (da < db);
  return QStringView(cell).left(kMaxOperand).compare(QStringView(operand).left(kMaxOperand));
}

bool comparison(const QString& term, const QString& cell, QChar op) {
  const qsizetype at = indexOutsideQuotes(term, op);
  bool orEqual = false;
  const int sign = compareCell(cell, operandAfter(term, at, orEqual));
  if (sign == 0) return orEqual;
  return op == u'>' ? sign > 0 : sign < 0;
}

// One element of a pattern: a literal character, "*" or "?".
struct PatternItem {
  enum Kind { Literal, AnyRun, AnyOne } kind;
  QChar ch;
};

// The pattern without its quotes and "!"; characters inside quotes are literal.
std::vector<PatternItem> compilePattern(const QString& term) {
  std::vector<PatternItem> items;
  bool quoted = false;
  for (QChar c : term) {
    if (c == u'"') {
      quoted = !quoted;
      continue;
    }
    if (!quoted && c == u'!') continue;
    if (!quoted && c == u'*') {
      if (items.empty() || items.back().kind != PatternItem::AnyRun) items.push_back({PatternItem::AnyRun, c});
      continue;
    }
    items.push_back({!quoted && c == u'?' ? PatternItem::AnyOne : PatternItem::Literal, c});
  }
  return items;
}

// Pattern and text must end together; "*" tries every tail of the rest. Walked
// with the last "*" as the only back-tracking point, so long texts cannot make it
// exponential.
bool matchPattern(const std::vector<PatternItem>& pattern, const QString& text) {
  size_t p = 0;
  qsizetype t = 0;
  size_t starP = SIZE_MAX;
  qsizetype starT = 0;
  while (t < text.size()) {
    if (p < pattern.size() && pattern[p].kind == PatternItem::AnyRun) {
      starP = p++;
      starT = t;
      continue;
    }
    if (p < pattern.size() &&
        (pattern[p].kind == PatternItem::AnyOne || pattern[p].ch == text[t])) {
      ++p;
      ++t;
      continue;
    }
    if (starP == SIZE_MAX) return false;
    p = starP + 1;
    t = ++starT;
  }
  while (p < pattern.size() && pattern[p].kind == PatternItem::AnyRun) ++p;
  return p == pattern.size();
}

enum class Op { None, And, Or, Other };

Op operatorOf(QChar c) {
  if (c == u'&') return Op::And;
  if (c == u'|' || c == u';' || c == u'^') return Op::Or;
  return Op::Other;
}

void combine(bool& result, bool value, Op op) {
  if (op == Op::And) result = result && value;
  else if (op == Op::Or) result = result || value;
  else result = value;
}

// Groups may nest this deep; a condition nested deeper matches nothing, so that a
// typed or pasted condition can neither exhaust the stack nor take long.
constexpr int kMaxGroupDepth = 64;

// The deepest nesting of "(" outside double quotes, each ")" closing one open group
// (the rule FindClosingParen counts by). An unmatched "(" still counts: its group
// runs to the end of the condition.
int groupDepth(QStringView text) {
  int depth = 0;
  int deepest = 0;
  bool quoted = false;
  for (const QChar c : text) {
    if (c == u'"') quoted = !quoted;
    if (quoted) continue;
    if (c == u'(') deepest = std::max(deepest, ++depth);
    else if (c == u')' && depth > 0) --depth;
  }
  return deepest;
}

// The cell text as every term compares it: upper-cased once for the whole
// condition unless the comparison is case-sensitive.
struct TFilterCell {
  QString Text;
  bool CaseSensitive;
};

bool matchTerm(QStringView term, const TFilterCell& cell) {
  const QString text = term.toString();
  return MatchCondition(cell.CaseSensitive ? text : AnsiUpperCase(text), cell.Text);
}

// One condition or group, evaluated on views of the condition (no part is copied
// but the terms): each level scans its own text once, and levels are bounded.
bool matchGroup(QStringView condition, const TFilterCell& cell) {
  // 1. A group is read like a condition of its own: trimmed, a leading "=" ignored
  // (its blanks outside quotes were removed with the whole condition's).
  QStringView rest = TrimView(condition);
  if (rest.startsWith(u'=')) rest = rest.mid(1);

  bool result = false;
  Op pending = Op::None;
  bool afterGroup = false;
  for (;;) {
    // 2. A group first: evaluated on its own; an unmatched "(" takes the rest.
    if (rest.startsWith(u'(')) {
      const int close = FindClosingParen(rest);
      const QStringView inner = close > 0 ? rest.mid(1, close - 2) : rest.mid(1);
      combine(result, matchGroup(inner, cell), pending);
      rest = close > 0 ? rest.mid(close) : QStringView();
      afterGroup = true;
      continue;
    }
    int at = -1;
    const QChar op = FindFirstOfOutsideQuotes(QStringLiteral("(;^&|"), rest, at);
    if (at < 0) {
      // 4. The last term, unless only the end of a group is left.
      if (!(afterGroup && rest.isEmpty())) combine(result, matchTerm(rest, cell), pending);
      return result;
    }
    // 3. The term before the operator, combined by the operator before it; the
    // empty text between a group and the next operator is no term.
    const QStringView term = rest.left(at - 1);
    if (!(afterGroup && term.isEmpty())) combine(result, matchTerm(term, cell), pending);
    pending = operatorOf(op);
    rest = rest.mid(at);
    afterGroup = false;
  }
}

}  // namespace

QString RemoveBlanksOutsideQuotes(const QString& Text) {
  QString result;
  result.reserve(Text.size());
  bool quoted = false;
  for (QChar c : Text) {
    if (c == u'"') quoted = !quoted;
    if (c == u' ' && !quoted) continue;
    result += c;
  }
  return result;
}

int FindClosingParen(QStringView Text) {
  int depth = 0;
  bool quoted = false;
  for (qsizetype i = 0; i < Text.size(); ++i) {
    const QChar c = Text[i];
    if (c == u'"') quoted = !quoted;
    if (quoted) continue;
    if (c == u'(') ++depth;
    else if (c == u')' && depth > 0 && --depth == 0) return static_cast<int>(i) + 1;
  }
  return 0;
}

bool MatchCondition(const QString& Term, const QString& CellText) {
  // 1.-2. The comparisons, each noted on its own.
  const bool hasGreater = holds(Term, u'>');
  const bool hasSmaller = holds(Term, u'<');
  const bool greater = hasGreater && comparison(Term, CellText, u'>');
  const bool smaller = hasSmaller && comparison(Term, CellText, u'<');
  // 3. Negation; a missing comparison then counts as present.
  const bool negate = holds(Term, u'!');
  const bool greaterPresent = hasGreater || negate;
  const bool smallerPresent = hasSmaller || negate;
  // 4. The decision from the comparisons.
  if (holds(Term, u'^') && (greaterPresent || smallerPresent)) return greater || smaller;
  if (holds(Term, u'&') && greaterPresent && smallerPresent) return greater && smaller;
  if (hasGreater && greater) return true;
  if (hasSmaller && smaller) return true;
  // 5. Otherwise the whole term as a pattern.
  const bool matched = matchPattern(compilePattern(Term), CellText);
  return negate ? !matched : matched;
}

bool MatchFilterTerm(const QString& Term, const QString& CellText, bool CaseSensitive) {
  if (CaseSensitive) return MatchCondition(Term, CellText);
  return MatchCondition(AnsiUpperCase(Term), AnsiUpperCase(CellText));
}

bool MatchFilterExpression(const QString& Condition, const QString& CellText, bool CaseSensitive) {
  // 1. Trim, drop blanks outside quotes (the leading "=" goes with the group rules).
  const QString condition = RemoveBlanksOutsideQuotes(Trim(Condition));
  // Nested past the bound: matches nothing.
  if (groupDepth(condition) > kMaxGroupDepth) return false;
  // 2.-4. The condition as the outermost group.
  return matchGroup(condition, TFilterCell{CaseSensitive ? CellText : AnsiUpperCase(CellText), CaseSensitive});
}
