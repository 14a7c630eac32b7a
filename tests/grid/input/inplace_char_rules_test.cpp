// The in-place text editor's character and paste rules per editor kind.
#include <gtest/gtest.h>

#include "grid/input/inplace_char_rules.h"
#include "platform/rtl/locale_settings.h"

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

using A = TInplaceCharAction;

struct CharCase {
  TEditorType kind;
  const char* text;
  int selStart, selLength;
  char16_t key;
  A action;
  char16_t handedOn;  // 0: not checked
  bool checkAdvance;
};

TEST(InplaceCharRule, KindTable) {
  const CharCase cases[] = {
      {edNormal, "abc", 3, 0, u'x', A::HandOn, u'x', true},
      {edPassword, "", 0, 0, u'%', A::HandOn, u'%', true},
      {edNumeric, "12", 2, 0, u'3', A::HandOn, 0, true},
      {edNumeric, "12", 2, 0, u'a', A::Beep, 0, true},  // the advance test still runs
      {edNumeric, "12", 0, 0, u'-', A::HandOn, 0, true},
      {edNumeric, "-12", 0, 1, u'-', A::Beep, 0, true},  // even over the selected "-"
      {edNumeric, "12", 1, 0, u'-', A::Beep, 0, true},
      {edNumeric, "12", 2, 0, u'\x16', A::Beep, 0, true},  // Ctrl+V is no digit
      {edPositiveNumeric, "12", 0, 0, u'-', A::Beep, 0, true},
      {edPositiveNumeric, "12", 2, 0, u'\t', A::HandOn, 0, true},
      {edFloat, "1.5", 3, 0, u'.', A::Drop, 0, false},  // a second separator
      {edFloat, "1.5", 0, 3, u'.', A::HandOn, 0, true},  // over the first one
      {edFloat, "15", 2, 0, u',', A::Drop, 0, false},    // the thousand separator
      {edFloat, "-15", 0, 1, u'-', A::HandOn, 0, true},  // replaces the selected "-"
      {edFloat, "15", 1, 0, u'-', A::Beep, 0, false},
      {edFloat, "15", 2, 0, u'a', A::Drop, 0, true},  // silently
      {edPositiveFloat, "15", 0, 0, u'-', A::Drop, 0, true},
      {edCapital, "", 0, 0, u'q', A::HandOn, u'Q', true},
      {edUpperCase, "", 0, 0, u'\u00e4', A::HandOn, u'\u00c4', true},
      {edLowerCase, "", 0, 0, u'Q', A::HandOn, u'q', true},
      {edComboList, "", 0, 0, u'q', A::Drop, 0, true},
  };
  for (const CharCase& c : cases) {
    TInplaceCharInput in;
    in.Kind = c.kind;
    in.Text = QString::fromLatin1(c.text);
    in.SelStart = c.selStart;
    in.SelLength = c.selLength;
    in.Key = QChar(c.key);
    const TInplaceCharResult r = InplaceCharRule(in);
    EXPECT_EQ(r.Action, c.action) << "kind " << int(c.kind) << " text " << c.text << " key " << int(c.key);
    if (c.handedOn) EXPECT_EQ(r.Key, QChar(c.handedOn)) << int(c.kind);
    EXPECT_EQ(r.CheckAdvance, c.checkAdvance) << "kind " << int(c.kind) << " key " << int(c.key);
  }
}

TEST(InplaceCharRule, FloatKindsWithCtrlAndAnotherLocale) {
  TInplaceCharInput in;
  in.Kind = edFloat;
  in.Text = "1,5";
  in.SelStart = 3;
  in.DecimalSeparator = u',';
  in.ThousandSeparator = u'.';
  in.Key = u'.';
  EXPECT_EQ(InplaceCharRule(in).Action, A::Drop);  // the thousand separator here
  in.Key = u',';
  EXPECT_EQ(InplaceCharRule(in).Action, A::Drop);  // a second decimal separator
  in.Text = "15";
  in.Key = u'.';
  in.KeypadKey = true;
  in.ExcelStyleDecimalSeparator = true;  // the keypad's key types ","
  EXPECT_EQ(InplaceCharRule(in).Action, A::HandOn);
  EXPECT_EQ(InplaceCharRule(in).Key, QChar(u','));
  in.KeypadKey = false;
  in.Key = QChar(3);  // Ctrl+C still works
  in.Ctrl = true;
  EXPECT_EQ(InplaceCharRule(in).Action, A::HandOn);
}

TEST(InplaceCharRule, SharedStepsBeforeTheKinds) {
  TInplaceCharInput in;
  in.Kind = edNormal;
  in.Ctrl = true;
  in.Key = QChar(1);
  EXPECT_EQ(InplaceCharRule(in).Action, A::Consume);  // Ctrl+A never inserts
  in.Key = QChar(10);
  EXPECT_EQ(InplaceCharRule(in).Action, A::Consume);
  in.AllowCtrlEnter = true;
  in.MultiLine = true;
  EXPECT_EQ(InplaceCharRule(in).Action, A::HandOn);
  in.Ctrl = false;
  in.Text = "abcd";
  in.SelStart = 4;
  in.LengthLimit = 4;
  in.Key = u'e';
  EXPECT_EQ(InplaceCharRule(in).Action, A::Drop);  // at the limit, silently
  in.Key = QChar(8);
  EXPECT_EQ(InplaceCharRule(in).Action, A::HandOn);
  in.Key = u'e';
  in.SelStart = 1;
  in.SelLength = 2;
  EXPECT_EQ(InplaceCharRule(in).Action, A::HandOn);  // a selection is replaced
  in.Key = QChar(13);
  in.LineFeedOnEnter = true;
  EXPECT_EQ(InplaceCharRule(in).Action, A::LineBreak);
  in.Kind = edNumeric;
  EXPECT_EQ(InplaceCharRule(in).Action, A::HandOn);  // no line breaks in numbers
}

TEST(InplaceCharRule, ValidCharsAndMixedCase) {
  TInplaceCharInput in;
  in.Kind = edValidChars;
  in.ValidChars = "ABC";
  in.Key = u'B';
  EXPECT_EQ(InplaceCharRule(in).Action, A::HandOn);
  in.Key = u'b';
  EXPECT_EQ(InplaceCharRule(in).Action, A::Beep);
  in.ValidChars.clear();
  in.ValidCharSet = "xyz";
  in.Key = u'y';
  EXPECT_EQ(InplaceCharRule(in).Action, A::HandOn);
  in.Key = QChar(8);
  EXPECT_EQ(InplaceCharRule(in).Action, A::HandOn);
  in.Kind = edMixedCase;
  in.Key = u'a';
  EXPECT_TRUE(InplaceCharRule(in).MixedCase);
}

struct PasteCase {
  TEditorType kind;
  const char* text;
  int selStart, selLength;
  const char* pasted;
  int limit;
  bool ended, accepted;
  const char* result;
  int caret, selection;
};

TEST(InplacePasteRule, Table) {
  SetFormatSettings(TFormatSettings{});
  const PasteCase cases[] = {
      {edNumeric, "", 0, 0, "12\r\n", 0, false, true, "12", 2, 0},  // one trailing break dropped
      {edNumeric, "", 0, 0, "1\r\n2", 0, false, false, "", 4, 0},  // inner breaks kept: no number
      {edNormal, "", 0, 0, "a\r\nb\r\n", 0, false, true, "a\r\nb\r\n", 6, 0},
      {edNumeric, "5", 0, 0, "-", 0, false, true, "-5", 1, 0},
      {edPositiveNumeric, "5", 0, 0, "-", 0, false, false, "5", 1, 0},
      {edFloat, "1", 1, 0, ".25", 0, false, true, "1.25", 4, 0},
      {edFloat, "", 0, 0, "1E5", 0, false, false, "", 3, 0},  // no scientific notation
      {edPositiveFloat, "", 0, 0, "-1.5", 0, false, false, "", 4, 0},
      {edCapital, "", 0, 0, "abc", 0, false, true, "abc", 3, 0},  // pasting keeps the case
      {edUpperCase, "x", 1, 0, "abc", 0, false, true, "XABC", 4, 0},
      {edLowerCase, "", 0, 0, "ABC", 0, false, true, "abc", 3, 0},
      {edMixedCase, "", 0, 0, "john smith", 0, false, true, "John Smith", 10, 0},
      {edValidChars, "", 0, 0, "ABX", 0, false, false, "", 3, 0},
      {edNormal, "hello", 1, 3, "EY", 0, false, true, "hEYo", 1, 2},  // the pasted text selected
      {edNormal, "ab", 2, 0, "cdef", 3, true, false, "ab", 2, 0},     // too long for the limit
      {edNormal, "ab", 2, 0, "c", 3, false, true, "abc", 3, 0},
      {edNormal, "abc", 0, 0, "1234", 3, true, false, "abc", 0, 0},
      // Upper case turns each sharp s into two letters: the limit holds for the result.
      {edUpperCase, "a", 1, 0, "\xDF", 3, false, true, "ASS", 2, 0},
      {edUpperCase, "a\xDF", 2, 0, "\xDF", 4, true, false, "a\xDF", 2, 0},
  };
  for (const PasteCase& c : cases) {
    TInplacePasteInput in;
    in.Kind = c.kind;
    in.Text = QString::fromLatin1(c.text);
    in.SelStart = c.selStart;
    in.SelLength = c.selLength;
    in.Pasted = QString::fromLatin1(c.pasted);
    in.LengthLimit = c.limit;
    in.ValidChars = "AB";
    const TInplacePasteResult r = InplacePasteRule(in);
    EXPECT_EQ(r.Ended, c.ended) << c.text << " + " << c.pasted;
    EXPECT_EQ(r.Accepted, c.accepted) << c.text << " + " << c.pasted;
    EXPECT_EQ(r.Text, QString::fromLatin1(c.result)) << c.text << " + " << c.pasted;
    EXPECT_EQ(r.SelStart, c.caret) << c.text << " + " << c.pasted;
    EXPECT_EQ(r.SelLength, c.selection) << c.text << " + " << c.pasted;
  }
  SetFormatSettings(std::nullopt);
}

}  // namespace
