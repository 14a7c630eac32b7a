// The DeviceNet slave list (DNETM_Net.xml, root "DNET_Net"): one row per slave on
// the network with its node address (ID 0 to 63), its input and output byte counts
// (0 to 65535) and a description. Every row down to the first empty ID (tested as
// it stands, so blanks count as used) is checked and saved; every attribute is
// read bare. The byte offset editor reads the same file.
#pragma once

#include "app/table_editor/table_editor_spec.h"

inline constexpr int kDN_ID = 1;
inline constexpr int kDN_NB_IN = 2;
inline constexpr int kDN_NB_OUT = 3;
inline constexpr int kDN_Mnemonic = 4;

extern const TTableEditorSpec DNet_Spec;
