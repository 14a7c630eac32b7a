// The SNMP manager requests (SNMP_Manager.xml, root "SNMP_Manager_Access", rows
// directly in the root): one row per request the converter makes to an agent, 512
// rows keyed by the IP Address (trimmed); a row is checked when its Enable, trimmed,
// is exactly "Y". Every attribute is read guarded. After the rows, no two enabled
// requests may name the same IP Address, Version and OID.
#pragma once

#include "app/table_editor/table_editor_spec.h"

inline constexpr int kSNMPM_Enable = 1;
inline constexpr int kSNMPM_IP = 2;
inline constexpr int kSNMPM_Version = 3;
inline constexpr int kSNMPM_Community = 4;
inline constexpr int kSNMPM_OID = 5;
inline constexpr int kSNMPM_Mode = 7;
inline constexpr int kSNMPM_OnCMD = 9;
inline constexpr int kSNMPM_OnTimer = 10;
inline constexpr int kSNMPM_Time = 11;
inline constexpr int kSNMPM_Position = 12;
inline constexpr int kSNMPM_NumBytes = 13;
inline constexpr int kSNMPM_Conversion = 14;
inline constexpr int kSNMPM_User = 16;
inline constexpr int kSNMPM_AuthPass = 17;
inline constexpr int kSNMPM_PrivPass = 18;
inline constexpr int kSNMPM_Security = 19;
inline constexpr int kSNMPM_AuthMode = 20;
inline constexpr int kSNMPM_PrivMode = 21;

// The size of the input area (Get and Trap positions) and of the output area.
inline constexpr int kSNMPM_NB_IN = 1440;
inline constexpr int kSNMPM_NB_OUT = 1440;

extern const TTableEditorSpec SNMP_Manager_Spec;
