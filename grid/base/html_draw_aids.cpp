#include "grid/base/html_draw_aids.h"

#include "platform/os/files.h"
#include "platform/rtl/locale_settings.h"
#include "platform/rtl/numbers.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/system_icons.h"

#include <cmath>
#include <optional>

namespace {

constexpr unsigned kHorizontalAlignment = DT_LEFT | DT_CENTER | DT_RIGHT;

std::optional<TFont>& savedFont() {
  static std::optional<TFont> font;
  return font;
}

}  // namespace

unsigned BiDiDrawTextFlags(unsigned Flags, int BiDiMode) {
  if (!FormatSettings().MiddleEast) return Flags;
  unsigned result = Flags;
  if (BiDiMode == 1) {
    const unsigned align = Flags & kHorizontalAlignment;
    result &= ~kHorizontalAlignment;
    if (align == DT_RIGHT) result |= DT_LEFT;
    else if (align == DT_LEFT) result |= DT_RIGHT;
    else result |= align;
  }
  if (BiDiMode != 0) result |= DT_RTLREADING;
  return result;
}

void SelectRotatedFont(TCanvas* Canvas, int Angle) {
  if (!Canvas) return;
  savedFont().emplace();
  savedFont()->Assign(*Canvas->Font());
  Canvas->Font()->SetOrientation(Angle * 10);
}

void RestoreRotatedFont(TCanvas* Canvas) {
  if (!Canvas || !savedFont()) return;
  Canvas->SetFont(&*savedFont());
  savedFont().reset();
}

void StretchBitmapToRect(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap) {
  if (!Canvas || !Bitmap) return;
  Canvas->StretchDraw(Rect, Bitmap);
}

bool IsDirectory(const QString& Path) { return DirectoryExists(Path); }

void DrawShellIcon(TCanvas* Canvas, int X, int Y, const QString& Source, bool Large, bool Draw, bool PrintMode,
                   double Scale, TSize& Size) {
  int32_t index = 0;
  if (!TryStrToInt(Source, index)) index = SystemIconIndex(Source);
  const int edge = SystemIconSize(Large);
  Size = TSize{edge, edge};
  if (!Draw || !Canvas) return;
  TBitmap icon;
  if (!SystemIconBitmap(index, Large, icon)) return;
  if (!PrintMode) {
    Canvas->Draw(X, Y, &icon);
    return;
  }
  const int scaled = static_cast<int>(std::lround(edge * Scale));
  Canvas->StretchDraw(Bounds(X, Y, scaled, scaled), &icon);
}
