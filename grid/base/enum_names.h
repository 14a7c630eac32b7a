// The identifiers under which the grid's streams and settings files store the
// values of its enumerations and sets, in ordinal order ("taLeftJustify" is 0).
// Free of the types themselves, so that readers of outside data can use them
// without the drawing code; the users check the counts against the enumerations.
#pragma once

#include <QString>
#include <array>

inline constexpr std::array kAlignmentNames{"taLeftJustify", "taRightJustify", "taCenter"};
inline constexpr std::array kVAlignmentNames{"vtaTop", "vtaCenter", "vtaBottom"};
inline constexpr std::array kFontStyleNames{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
inline constexpr std::array kPenStyleNames{"psSolid",      "psDash",  "psDot",        "psDashDot",
                                           "psDashDotDot", "psClear", "psInsideFrame"};
inline constexpr std::array kBrushStyleNames{"bsSolid",     "bsClear",     "bsHorizontal", "bsVertical",
                                             "bsFDiagonal", "bsBDiagonal", "bsCross",      "bsDiagCross"};
inline constexpr std::array kGradientDirectionNames{"GradientVertical", "GradientHorizontal"};
inline constexpr std::array kCheckBoxStateNames{"cbUnchecked", "cbChecked", "cbGrayed"};
inline constexpr std::array kEditorNames{
    "edNormal", "edSpinEdit", "edComboEdit", "edComboList", "edEditBtn", "edCheckBox", "edDateEdit",
    "edDateEditUpDown", "edTimeEdit", "edButton", "edDataCheckBox", "edNumeric", "edPositiveNumeric", "edFloat",
    "edCapital", "edMixedCase", "edPassword", "edUnitEditBtn", "edLowerCase", "edUpperCase", "edFloatSpinEdit",
    "edTimeSpinEdit", "edDateSpinEdit", "edNumericEditBtn", "edFloatEditBtn", "edCustom", "edRichEdit", "edNone",
    "edDateTimeEdit", "edValidChars", "edTrackbarDropDown", "edMemoDropDown", "edCalculatorDropDown",
    "edTimePickerDropDown", "edDetailDropDown", "edGridDropDown", "edColorPickerDropDown",
    "edImagePickerDropDown", "edExGridDropDown", "edPositiveFloat", "edNumericUnitEditBtn",
    "edFloatUnitEditBtn", "edMaskEditBtn"};
inline constexpr std::array kCellTypeNames{
    "ctBitmap", "ctIcon", "ctNone", "ctImageList", "ctCheckBox", "ctDataCheckBox", "ctRotated", "ctDataImage",
    "ctNode", "ctRadio", "ctEmpty", "ctImages", "ctPicture", "ctFilePicture", "ctValue", "ctProgress",
    "ctComment", "ctButton", "ctBitButton", "ctVirtCheckBox", "ctRowCheckBox", "ctProgressPie", "ctSummary",
    "ctRangeIndicator", "ctXPProgress", "ctInterface", "ctScrollbar", "ctRadioButton", "ctBalloon", "ctShape",
    "ctRating", "ctTriStateCheckBox", "ctExpand"};
inline constexpr std::array kCellVAlignNames{"vaTop", "vaBottom", "vaCenter", "vaUnderText", "vaAboveText", "vaFull"};
inline constexpr std::array kCellHAlignNames{"haLeft", "haRight", "haCenter", "haBeforeText", "haAfterText", "haFull"};

// The ordinal of an identifier among Names (exact letter case), -1 when none.
template <size_t N>
int IdentOrdinal(const std::array<const char*, N>& Names, const QString& Ident) {
  for (size_t i = 0; i < N; ++i)
    if (Ident == QLatin1String(Names[i])) return static_cast<int>(i);
  return -1;
}
