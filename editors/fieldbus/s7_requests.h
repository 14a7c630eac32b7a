// The S7comm requests (S7_Protocol.xml, root "S7_Protocol"): what the converter
// reads from and writes to S7 PLCs over TCP. Two tables of 512 requests,
// "S7_Protocol_Read" (into the input area) and "S7_Protocol_Write" (from the output
// area), keyed on the trimmed PLC Address, with an Enable column. Enable, Rack and
// Slot are read with defaults ("Y", "0", "0"), every other attribute bare. The
// device keeps at most 10 PLC connections (address and port) over both tables.
#pragma once

#include "app/table_editor/table_editor_spec.h"

#include <array>
#include <cstdint>

inline constexpr int kS7_Area = 1500;
inline constexpr int kS7_Connections = 10;

extern const TTableEditorSpec S7_Spec;

// The delete question: this form's texts hold none, so it is ours, in English.
inline constexpr const char16_t* kS7_Delete_Question = u"Are you sure to delete the Row number ";

// One PLC connection of a check: the four address bytes and the port; an entry
// whose IP1 is -1 is free.
struct TIPPort {
  int IP1 = -1, IP2 = -1, IP3 = -1, IP4 = -1;
  int Port = -1;
};

// The connection table of one check (array_ip_Port), reset once per check.
class TS7Connections {
public:
  // The index of the entry of this address and port, taken from the first free
  // entry when there is none yet; -1 when all 10 hold other pairs.
  int Check_IP_Port(uint8_t b1, uint8_t b2, uint8_t b3, uint8_t b4, int p);

private:
  std::array<TIPPort, kS7_Connections> array_ip_Port;
};

// The checks of both tables, Read first, each from row 1 to the first empty PLC
// Address with disabled rows skipped, over one connection table. The first
// failure with its row.
std::optional<TRowCheckFailure> Check_S7_Tables(const TEditorTable& read, const TEditorTable& write);
