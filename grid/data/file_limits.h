// The largest grid that a file, stream or setting may ask for. Sizes read from
// outside data are checked against these before the grid changes, so that a
// broken or hostile file cannot make the grid allocate without bound.
#pragma once

#include <QtGlobal>

// Columns of a grid, hidden ones counted (the grid keeps per-column state for
// 512 real columns).
inline constexpr int kMaxFileColumns = 512;
// Rows of a grid.
inline constexpr int kMaxFileRows = 10'000'000;

// The largest file a grid import reads.
inline constexpr qsizetype kMaxGridFileSize = qsizetype(512) * 1024 * 1024;
