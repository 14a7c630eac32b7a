#include "grid/dropdown/multi_column_rules.h"

#include <QLocale>

#include "grid/dropdown/dropdown_drawing.h"

namespace {

QString Fold(const QString& s, bool matchCase) { return matchCase ? s : QLocale().toUpper(s); }

}  // namespace

TTypeAhead TypeAheadComplete(const QStringList& Entries, const QString& Text, int SelStart, bool MatchCase) {
  TTypeAhead r;
  if (Entries.isEmpty()) return r;
  const int n = std::clamp(SelStart, 0, static_cast<int>(Text.size()));
  const QString typedRaw = Text.left(n);
  const QString typed = Fold(Text, MatchCase).left(n);
  for (int i = 0; i < Entries.size() && !typed.isEmpty(); ++i) {
    if (!Fold(Entries[i], MatchCase).startsWith(typed)) continue;
    r.Matched = r.Changed = true;
    r.Index = i;
    r.Text = typedRaw + Entries[i].mid(typed.size(), 255);
    r.SelStart = typed.size();
    r.SelEnd = r.Text.size();
    return r;
  }
  if (!typedRaw.isEmpty()) {
    r.Changed = true;
    r.Text = typedRaw;
    r.SelStart = r.SelEnd = typedRaw.size();
  }
  return r;
}

int FindEntryStartingWith(const QStringList& Entries, const QString& Value, bool CaseSensitive) {
  if (Value.isEmpty()) return -1;
  const QString v = Fold(Value, CaseSensitive);
  for (int i = 0; i < Entries.size(); ++i)
    if (Fold(Entries[i], CaseSensitive).startsWith(v)) return i;
  return -1;
}

int SnapDropDownHeight(int Height, int HF, int HeaderHeight, int RowHeight, int Extra) {
  if (RowHeight <= 0) return Height;
  const int b = Height - HF - HeaderHeight - 2;
  return HF + HeaderHeight + (b / RowHeight) * RowHeight + Extra;
}

std::vector<int> ScaleColumnWidths(const std::vector<int>& Widths, int Avail) {
  std::vector<int> out;
  if (Widths.empty()) return out;
  int total = 1;
  for (int w : Widths) total += w;
  const double f = static_cast<double>(Avail) / total;
  double carry = 0;
  for (int w0 : Widths) {
    const double exact = f * w0;
    int w = RoundHalfEven(exact);
    carry += exact - w;
    if (carry > 1) {
      carry -= 1;
      ++w;
    }
    out.push_back(w);
  }
  return out;
}
