// The in-text CONTROL tags of mini-HTML texts (edit, combo, check, radio and
// button controls drawn inside a cell): reading their attributes, finding the
// next editable one and rewriting a tag with a new value. Every search looks for
// "<CONTROL " (with the blank) in any letter case, tag by tag from the front; an
// ID matches only exactly.
#pragma once

#include <QString>

// The attributes of one CONTROL tag, each empty when absent. Type is upper-cased;
// Value and Prop are entity-decoded (with the accented letters).
struct THtmlControlTag {
  QString Type;
  QString Id;
  QString Value;
  QString Width;
  QString Height;
  QString Prop;
  QString MaxLen;
};

// Tag: the text of one tag; an attribute's value is the text between the first
// double quote after "NAME=" and the next double quote.
THtmlControlTag ParseHtmlControlTag(const QString& Tag);

bool HasHtmlControls(const QString& Text);  // the text holds "<CONTROL" in any case
// The ID of the first control after the one with ID Id (after none when Id is
// empty) whose type is not BUTTON, CHECK or RADIO; empty when there is none.
QString NextHtmlControlId(const QString& Text, const QString& Id);
bool GetHtmlControlValue(const QString& Text, const QString& Id, QString& Value);
QString GetHtmlControlProp(const QString& Text, const QString& Id);
int GetHtmlControlMaxLen(const QString& Text, const QString& Id);  // 0 when absent

// Rewrites the tag of the control with that ID in place as
// <CONTROL ID="" VALUE="" WIDTH="" TYPE="" [PROP=""] [MAXLEN=""]>, Value and Prop
// entity-encoded; the tag's HEIGHT is not written again. False, the text
// unchanged, when no control has that ID.
bool SetHtmlControlValue(QString& Text, const QString& Id, const QString& Value);
// Sets VALUE to "FALSE" in every control of type RADIO.
QString ClearHtmlRadioControls(const QString& Text);
