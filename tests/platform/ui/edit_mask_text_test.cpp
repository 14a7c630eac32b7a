// Edit masks taken apart for the line edit: codes, literals, the save flag and
// the blank, and a literal ';' (which the line edit cannot show) left out.
#include <gtest/gtest.h>

#include "platform/ui/edit_mask_text.h"
#include "tests/support/qstring_print.h"

namespace {

TEST(EditMaskText, MasksTranslateWithTheirLiteralPositions) {
  struct Case {
    const char* mask;
    const char* qt;
    const char* literals;  // one letter per position: L literal, c code
    bool save;
  } cases[] = {
      {"99-99;0;_", "00-00;_", "ccLcc", false},
      {">LL<ll", ">AA<aa;_", "cccc", true},
      {"00\\;00;1;*", "9999;*", "cccc", true},  // the escaped ';' cannot be shown
      {"\\A#", "\\A#;_", "Lc", true},
      {"", "", "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mask);
    const TEditMaskParts p = TranslateEditMask(c.mask);
    EXPECT_EQ(p.QtMask, c.qt);
    QString lits;
    for (bool l : p.LiteralAt) lits += l ? u'L' : u'c';
    EXPECT_EQ(lits, c.literals);
    EXPECT_EQ(p.SaveLiterals, c.save);
  }
}

TEST(EditMaskText, TheTextLeavesLiteralsOutWithoutTheSaveFlag) {
  const TEditMaskParts p = TranslateEditMask("99-99;0;_");
  EXPECT_EQ(TextOfMaskedDisplay(p, "12-3_"), "123");
  const TEditMaskParts kept = TranslateEditMask("99-99;1;_");
  EXPECT_EQ(TextOfMaskedDisplay(kept, "12-3_"), "12-3");
}

}  // namespace
