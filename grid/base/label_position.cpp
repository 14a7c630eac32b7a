#include "grid/base/label_position.h"

TPoint LabelPlacement(TLabelPosition Position, TRect E, int w, int lw, int lh, int M) {
  const int L = E.Left, T = E.Top, W = E.Right - E.Left, H = E.Bottom - E.Top;
  const int midY = T + (H - lh) / 2, midX = L + (W - lw) / 2;
  const int above = T - lh - M, below = T + H + M, bottomAligned = T + H - lh;
  switch (Position) {
    case lpLeftTop: return {L - w - M, T};
    case lpLeftCenter: return {L - w - M, midY};
    case lpLeftBottom: return {L - w - M, bottomAligned};
    case lpTopLeft: return {L, above};
    case lpBottomLeft: return {L, below};
    case lpLeftTopLeft: return {L - M, T};
    case lpLeftCenterLeft: return {L - M, midY};
    case lpLeftBottomLeft: return {L - M, bottomAligned};
    case lpTopCenter: return {midX, above};
    case lpBottomCenter: return {midX, below};
    case lpRightTop: return {L + W + M, T};
    case lpRightCenter: return {L + W + M, midY};
    case lpRighBottom: return {L + W + M, bottomAligned};
    case lpTopRight: return {L + W - lw, above};
    case lpBottomRight: return {L + W - lw, below};
  }
  return {L, T};
}
