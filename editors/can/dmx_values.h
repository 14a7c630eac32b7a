// The DMX default values (DMX_Default_Values.xml, root "DMX_Default_Values"): one
// row per DMX channel, its default value (0 to 255) and a description. There is
// no key and no Enable column: every channel row is checked and written, as a
// "Row" element; both attributes are read guarded. The number of channels is
// ParGen.xml's "DMX_Num_Channels" (512 when missing or no number), at most the 512
// channels of a DMX universe.
#pragma once

#include "app/table_editor/table_editor_spec.h"

inline constexpr int kDMX_Default_Value = 1;
inline constexpr int kDMX_Universe = 512;
// The warning that the channel count was bounded: %1 the count, %2 the channels.
inline constexpr int kText_DMX_Channels_Bounded = 3117;

extern const TTableEditorSpec DMX_Spec;

// The channel count that the text of "DMX_Num_Channels" gives: the number (512 for
// a text that is none), 0 for a count of 0 or less, at most kDMX_Universe.
int DMX_Channel_Count(const QString& text);
