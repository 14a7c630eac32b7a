// The DeviceNet byte offsets (DNETM_DefOff.xml, root "Define_Offset"): for every
// slave of the slave list (DNETM_Net.xml, in file order) the position in the
// converter's process data of each of its input and output bytes, or "None", and a
// mnemonic per byte. Slaves are matched by position, never by ID: the root's child
// i ("Nodo_DNET") belongs to slave i and holds "ByteIN" and "ByteOUT", each with
// one "row" (Offset, Mnemonic; read bare) per byte. Only output offsets are
// checked: no position may take two output bytes.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// One slave: its node address, byte counts and per byte its offset and mnemonic.
class TSlave_DN {
public:
  uint8_t ID = 0;
  uint16_t ByteIN = 0;
  uint16_t ByteOUT = 0;
  QStringList SL_ByteIN;  // ByteIN entries each
  QStringList SL_ByteIN_M;
  QStringList SL_ByteOUT;  // ByteOUT entries each
  QStringList SL_ByteOUT_M;
};

// The texts of one slave-list row: ID, NB_IN, NB_OUT, Mnemonic.
using TDNetSlaveRow = std::array<QString, 4>;

// The positions the offsets index: 0 to 1439.
inline constexpr int kDN_Offset_Area = 1440;
// At most the slave list editor's rows.
inline constexpr int kDN_Max_Slaves = 64;

// The form's own messages in the language list.
inline constexpr int kText_DN_Not_Saved = 3026;       // the system's reason follows
inline constexpr int kText_DN_Failed_Load = 3027;     // %1 reason, %2 file
inline constexpr int kText_DN_Slaves_Beyond = 3028;   // %1 file, %2 count, %3 shown
inline constexpr int kText_DN_Nodes_Beyond = 3029;    // %1 file, %2 nodes, %3 slaves
inline constexpr int kText_DN_Bytes_Beyond = 3030;    // %1 file, %2 rows
inline constexpr int kText_DN_Offset_Beyond = 3031;   // %1 byte, %2 ID, %3 position, %4 last

struct TDNetOffsets {
  QList<TDNetSlaveRow> Rows;        // the slave grid
  std::vector<TSlave_DN> Slaves;    // List_Slaves_DN, slave k for row k + 1
  // Why the last load stopped (empty: read whole or no file), the error box it
  // shows, and what the load passed over.
  QString Failure;
  QString Box;
  QStringList Notes;
};

// Fills the slave rows and slaves from DNETM_Net.xml (no file: none): each child of
// the root gives a row of its ID, NB_IN, NB_OUT and Mnemonic (bare) and a slave
// whose ID keeps the low 8 bits and counts the low 16 bits, every byte "None" with
// an empty mnemonic. Children beyond kDN_Max_Slaves are noted and skipped. A
// missing attribute or a count that is no whole number stops the reading
// (Failure) with the slaves read before.
void Load_Slave_DN(const QString& path, TDNetOffsets& model);
// Fills the slaves' byte lists from DNETM_DefOff.xml (no file: all stay "None"):
// child i of the root for slave i (children beyond the slaves skipped), its
// "ByteIN" and "ByteOUT" children by position within the slave's counts. A missing
// element or attribute stops the reading (Failure).
void Load_Offset_Slave_DN(const QString& path, TDNetOffsets& model);

// The first output position used twice, as the message the user sees (texts
// 3021 to 3025); an output offset beyond the last position is refused as well.
// Nothing when every output offset is "None", not a number or used once.
std::optional<QString> Check_Output_Offsets(const std::vector<TSlave_DN>& slaves);

// Writes DNETM_DefOff.xml whole from the slaves: every byte, "None" ones included.
// Raises EFileError when it cannot.
void Save_Offset_Slave_DN(const QString& path, const std::vector<TSlave_DN>& slaves);
