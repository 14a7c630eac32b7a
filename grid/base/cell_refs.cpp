#include "grid/base/cell_refs.h"

#include "platform/grids/string_grid.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"

bool ParseRowColRef(const QString& Text, int& Col, int& Row) {
  const QString s = UpperCase(Text);
  if (s.size() <= 3 || s[0] != u'R') return false;
  const int c = Pos(QStringLiteral("C"), s, 2);
  if (c == 0) return false;
  int row = 0;
  int col = 0;
  if (!TryStrToInt(Copy(s, 2, c - 2), row) || !TryStrToInt(Copy(s, c + 1, s.size()), col)) return false;
  Col = col;
  Row = row;
  return true;
}

bool PointInGridRect(const TGridRect& Rect, int Col, int Row) {
  return Col >= Rect.Left && Col <= Rect.Right && Row >= Rect.Top && Row <= Rect.Bottom;
}

int IntMax(int A, int B) { return A > B ? A : B; }
int IntMin(int A, int B) { return A < B ? A : B; }

int ApplySizeLimits(int Value, int Min, int Max) {
  if (Min == Max) return Value;
  int result = Value;
  if (Min > 0 && Value < Min) result = Min;
  if (Max > 0 && Value > Max) result = Max;
  return result;
}
