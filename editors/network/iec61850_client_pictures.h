// The six pictures of the IEC 61850 client editor's tree, one per level: device,
// logical device, logical node, data object, data attribute and data set. Drawn in
// code, 16 x 16.
#pragma once

#include <memory>

class TBitmap;

inline constexpr int kIEC_Tree_Pictures = 6;

// Picture `index` (0 to 5 in the order above).
std::unique_ptr<TBitmap> IEC_Tree_Picture(int index);
