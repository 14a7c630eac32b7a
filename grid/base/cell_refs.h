// Small integer helpers on cell references and sizes.
#pragma once

#include <QString>

struct TGridRect;

// Reads "R<row>C<column>" in any letter case (longer than 3 characters, both
// numbers valid integers); false otherwise, the outputs then unchanged.
bool ParseRowColRef(const QString& Text, int& Col, int& Row);

// The cell lies in the block (bounds inclusive).
bool PointInGridRect(const TGridRect& Rect, int Col, int Row);

int IntMax(int A, int B);
int IntMin(int A, int B);

// Value unchanged when Min equals Max; otherwise a Min above 0 raises a smaller
// value and a Max above 0 lowers a larger one (tested on the unraised value, so
// Max wins when both apply).
int ApplySizeLimits(int Value, int Min, int Max);
