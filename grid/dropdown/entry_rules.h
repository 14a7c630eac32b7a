// The entry rules of a drop-down edit, free of any window: what a typed
// character, a caret key or a paste does to the edit text under the edit type,
// with the fixed Prefix before and Suffix after the value, the number
// formatting (decimals, money grouping, upper-case hex) and the numeric value
// accessors. The drop-down edit hands its text and selection in, and writes
// back what comes out; the separators are the process's format settings, read
// at each call.
#pragma once

#include <QChar>
#include <QString>
#include <functional>

enum TDropDownEditType {
  etString, etNumeric, etFloat, etUppercase, etMixedCase, etLowerCase, etPassword, etMoney, etRange, etHex,
  etAlphaNumeric, etValidChars
};

// The settings of the edit that the rules read.
struct TEntrySettings {
  TDropDownEditType EditType = etString;
  QString Prefix;
  QString Suffix;
  int Precision = 0;
  int LengthLimit = 0;  // characters before the decimal separator; 0 = none
  bool Signed = false;
  bool AutoThousandSeparator = true;
  QString ValidChars;
  int MaxLength = 0;  // the edit's limit for typing and pasting; 0 = none
};

// The edit text and its selection (SelStart is the lower end; the caret stands
// at SelStart + SelLength after a forward selection, at SelStart otherwise).
struct TEntryEdit {
  QString Text;
  int SelStart = 0;
  int SelLength = 0;
};

// What handling a key did besides changing the edit.
struct TEntryOutcome {
  bool Accepted = false;     // the key was processed (false: dropped)
  bool BlockChange = false;  // swallow the next change notification
  bool RaiseChange = false;  // raise the change notification explicitly
  bool Modified = false;     // set the modified flag
};

class TEntryRules {
public:
  explicit TEntryRules(const TEntrySettings& settings) : s_(settings) {}

  // The value: the edit text without a leading Prefix and a trailing Suffix.
  QString Value(const QString& editText) const;
  // Prefix + value + Suffix.
  QString EditText(const QString& value) const { return s_.Prefix + value + s_.Suffix; }

  // The value formatted for showing (the Text setter's steps 1 to 3).
  QString FormatValue(const QString& value) const;
  // The numeric value of the value under the edit type (0 when it does not convert).
  double FloatValue(const QString& value) const;
  // The value text for a number (FloatValue and IntValue setters).
  QString TextForFloat(double x) const;
  QString TextForInt(int n) const;

  // The character rules (WM_CHAR) from the mid-selection change block on: the
  // caller has handled Enter, Escape and the clipboard characters. Ctrl tells
  // that a Control key is held.
  TEntryOutcome TypeChar(TEntryEdit& edit, QChar key, bool ctrl) const;

  // A caret or delete key (VK_LEFT, VK_RIGHT, VK_HOME, VK_END, VK_DELETE,
  // VK_BACK) with the fences of the fixed texts and the length limit, then the
  // edit's own movement or deletion; Accepted false when the key is dropped.
  TEntryOutcome KeyDown(TEntryEdit& edit, int key, bool shift) const;

  // A paste of `clip`: Allow (may be empty) can refuse the new value; the edit
  // receives the formatted result and its selection.
  TEntryOutcome Paste(TEntryEdit& edit, const QString& clip,
                      const std::function<bool(const QString& newValue)>& Allow) const;

  // Money grouping rebuilt around the caret (an empty value stays).
  void ApplyThousandSeparators(TEntryEdit& edit) const;

  // Caret and selection routines that keep to the bare value.
  void SelectAll(TEntryEdit& edit) const;
  void SelectAfterDecimal(TEntryEdit& edit) const;
  void SelectBeforeDecimal(TEntryEdit& edit) const;

  // Characters before the decimal separator plus one (minus one for a sign in
  // the signed number types).
  int GetIntegerLength(const QString& value) const;

private:
  bool IsNumberType() const {
    return s_.EditType == etNumeric || s_.EditType == etFloat || s_.EditType == etMoney;
  }
  int PrefixLen() const { return static_cast<int>(s_.Prefix.size()); }
  // The edit's own processing of a character: replaces the selection (Backspace
  // deletes it or the character before the caret), within MaxLength.
  void Insert(TEntryEdit& edit, QChar key) const;
  void ToggleSign(TEntryEdit& edit) const;
  TEntryOutcome DecimalEntry(TEntryEdit& edit, QChar key) const;
  bool TypeRuleAccepts(QChar key, bool ctrl) const;

  TEntrySettings s_;
};

// A number with `decimals` decimals and the thousand separator between groups
// of three integer digits (the runtime's "%.Nn" format).
QString FormatGroupedNumber(double value, int decimals);
// The text with the thousand separators removed, read as a number; 0 when it
// does not convert.
double EntryTextToFloat(const QString& text);
