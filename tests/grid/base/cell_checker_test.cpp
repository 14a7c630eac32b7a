#include "grid/base/cell_checker.h"

#include <gtest/gtest.h>

namespace {

TEST(CellChecker, BaseChecksNothing) {
  TComponent form(nullptr);
  auto* checker = new TExStringGridCheck(&form);  // freed by its owner
  EXPECT_EQ(checker->Owner(), &form);
  for (bool flag : {checker->GotoCell, checker->AutoCorrect, checker->AutoMarkError, checker->UseCorrect,
                    checker->UseMarkError})
    EXPECT_FALSE(flag);
  const QString texts[] = {QString(), QStringLiteral("teh text"), QStringLiteral("<B>x</B>")};
  checker->StartCheck();
  for (const QString& t : texts) {
    EXPECT_EQ(checker->Correct(1, 2, t), t);
    EXPECT_EQ(checker->MarkError(1, 2, t), t);
  }
  checker->StopCheck();
}

// A descendant replaces the operations; the grid calls them through the base.
class UpperCaseChecker : public TExStringGridCheck {
public:
  using TExStringGridCheck::TExStringGridCheck;
  QString Correct(int, int, const QString& s) override { return s.toUpper(); }
  QString MarkError(int, int, const QString& s) override { return QStringLiteral("<E>") + s + QStringLiteral("</E>"); }
  void StartCheck() override { ++starts; }
  int starts = 0;
};

TEST(CellChecker, DescendantsOverrideTheOperations) {
  UpperCaseChecker derived(nullptr);
  TExStringGridCheck& checker = derived;
  checker.StartCheck();
  EXPECT_EQ(checker.Correct(0, 0, QStringLiteral("ab")), QStringLiteral("AB"));
  EXPECT_EQ(checker.MarkError(0, 0, QStringLiteral("ab")), QStringLiteral("<E>ab</E>"));
  EXPECT_EQ(derived.starts, 1);
}

}  // namespace
