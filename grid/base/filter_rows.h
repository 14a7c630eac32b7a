// The row test of grid filtering: each condition's outcome for the text it looks
// at, joined in order by the conditions' operations. The grid gathers the texts
// (a column's displayed, stored or tag-free text, or the whole row); this unit
// decides. Conditions typed by the user never raise nor hang here: a condition
// that cannot be evaluated fails.
#pragma once

#include <QString>
#include <functional>
#include <vector>

// How one condition's outcome joins the running result.
enum TFilterOperation { foSHORT, foNONE, foAND, foXOR, foOR };
// Which text of the row a condition tests.
enum TFilterCells { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };
enum TFilterMethod { fmExpression, fmLiteral };

struct TFilterTest {
  QString Condition;
  bool CaseSensitive = true;
  QString Prefix;
  QString Suffix;
  TFilterOperation Operation = foSHORT;
  bool WholeRow = false;  // the text is the whole row's (fcRow)
  TFilterMethod Method = fmExpression;
};

// One condition's outcome. The text is trimmed and a packed wide text unpacked;
// the whole row's text must contain the condition (letter case ignored, an empty
// condition never); other texts lose the prefix and suffix and match the
// expression (or equal the literal); an empty condition matches them all.
bool FilterTestOutcome(const TFilterTest& Test, QString Text);

// The conditions in order, TextOf(i) giving condition i's text (asked only for
// the conditions that are evaluated): a failing foSHORT condition ends the test
// with false; foNONE takes the outcome, foAND, foXOR and foOR join it.
bool FilterTestsPass(const std::vector<TFilterTest>& Tests, const std::function<QString(size_t)>& TextOf);

// The condition incremental narrowing makes of typed text: the text itself for
// the whole row, else "*text*", in double quotes when Quoted and it holds a blank.
QString NarrowCondition(const QString& Typed, bool WholeRow, bool Quoted);
