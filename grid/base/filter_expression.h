// Filter conditions typed by the user (or set in code) tested against one cell
// text, for grid filtering and find:
//   "&" and; "|", ";" and "^" or (strictly left to right, no precedence);
//   "(" ... ")" a group evaluated first; ">", ">=", "<", "<=" comparisons tried as
//   numbers, then as locale dates, then as text; "!" not; "*" any run, "?" one
//   character; double quotes enclose literal text. A leading "=" is ignored and
//   blanks outside double quotes are removed.
// Groups nest at most 64 deep: a condition nested deeper matches nothing. The
// evaluation takes time and memory in proportion to the condition.
#pragma once

#include <QString>

bool MatchFilterExpression(const QString& Condition, const QString& CellText, bool CaseSensitive);
// One term; unless CaseSensitive both texts are upper-cased first.
bool MatchFilterTerm(const QString& Term, const QString& CellText, bool CaseSensitive);
// The comparison and pattern logic of one term.
bool MatchCondition(const QString& Term, const QString& CellText);

QString RemoveBlanksOutsideQuotes(const QString& Text);
// 1-based position of the ")" that closes the first "(" (nested pairs counted,
// parentheses inside double quotes ignored); 0 when there is none.
int FindClosingParen(QStringView Text);
