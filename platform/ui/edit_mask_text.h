// Edit masks in the class library's syntax taken apart for the line edit's own
// input masks, and the text a masked edit gives for what it shows. No widget
// here: the masks come with cell texts and column settings read from files.
#pragma once

#include <vector>

#include <QString>

// An edit mask taken apart: the line edit's own mask syntax, whether the text
// keeps the literals, the blank character, and which shown positions are
// literals.
struct TEditMaskParts {
  QString QtMask;
  bool SaveLiterals = true;
  QChar Blank = u'_';
  std::vector<bool> LiteralAt;
};
TEditMaskParts TranslateEditMask(const QString& EditMask);
// The text of a masked edit that shows Shown: literals kept only with the save
// flag, blanks read as spaces, trailing spaces dropped.
QString TextOfMaskedDisplay(const TEditMaskParts& Parts, const QString& Shown);
