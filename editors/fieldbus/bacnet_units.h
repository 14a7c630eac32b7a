// The BACnet engineering units: the numbers of the BACnet standard's enumeration,
// 0 to 236, each with its name, grouped in 23 categories for the unit picker, and
// the name of a unit number (Desc_Unit), which differs from the picker's name for
// three units.
#pragma once

#include <QString>
#include <QStringList>

inline constexpr int kUnit_Category_Count = 23;

// The category names in picker order.
QStringList Unit_Category_Names();
// The unit names of a category in picker order (none outside 0 .. 22).
QStringList Unit_Names(int category);
// The number of the category's unit at `index`; -1 outside the lists.
int Unit_Number(int category, int index);
// The name of a unit number; "unknown" for any number outside 0 to 236.
QString Desc_Unit(int number);
