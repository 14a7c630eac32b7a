// Column positions kept in an initialisation file: one integer key per position,
// a prefix followed by the position in decimal ("CP0", "CP1", ... for the column
// grid's recorded places, "Pos0", "Pos1", ... for the grid's column order). A
// stored list is taken only when every key is there and together they name each
// of the columns exactly once; anything else reads as no list, so that a file
// written for another column set, or edited by hand, never moves a column.
#pragma once

#include <QString>
#include <optional>
#include <vector>

class TMemIniFile;

// The values of the keys Prefix + 0 .. Prefix + (Count - 1) of Section, when they
// are a permutation of 0 .. Count - 1; nothing otherwise (also for Count <= 0).
std::optional<std::vector<int>> ReadColumnPositions(const TMemIniFile& Ini, const QString& Section,
                                                     const QString& Prefix, int Count);

// Writes Positions[i] under Prefix + i for every i.
void WriteColumnPositions(TMemIniFile& Ini, const QString& Section, const QString& Prefix,
                          const std::vector<int>& Positions);
