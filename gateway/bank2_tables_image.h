// The device's tables image (bank2.bin): the Modbus TCP master rules read from
// ModbusTCPM_SetAccess.xml, then the EtherCAT part (slave header, process-data
// entries, their names and initial values) read from EtherCAT_Slave.xml.
// All numbers little-endian; every address inside is a device address
// (file offset + 0x80000).
#pragma once

#include "gateway/bank1_parameter_block.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

class TImage_Writer;

inline constexpr int kMax_Modbus_Rules = 1024;
inline constexpr int kMax_EtherCAT_Entries = 512;
inline constexpr int kModbus_Rule_Size = 32;
inline constexpr int kEtherCAT_Header_Size = 40;
inline constexpr int kEtherCAT_Entry_Size = 32;
// Each image is built in a buffer of this size (last valid index 0x1FFFF).
inline constexpr int kImage_Buffer_Size = 131072;
// Device address of the lone zero byte that is the name of every nameless entry,
// and of the first stored name.
inline constexpr uint32_t kEmpty_Name_Address =
    kEtherCAT_Base_Address + kEtherCAT_Header_Size + kMax_EtherCAT_Entries * kEtherCAT_Entry_Size;
inline constexpr uint32_t kFirst_Name_Address = kEmpty_Name_Address + 1;

// Flags of a rule.
inline constexpr uint8_t kFlag_OnChange = 0x01;
inline constexpr uint8_t kFlag_Swap = 0x04;
inline constexpr uint8_t kFlag_SwapWord = 0x08;
inline constexpr uint8_t kFlag_OnCMD = 0x10;

// One Modbus TCP master rule; 32 bytes in the file.
struct TModbus_TCP_Rule {
  uint16_t Position = 0;
  uint16_t Bit = 0;
  uint32_t PollTime = 0;
  uint8_t Slave_ID = 0;
  uint8_t Function_Code = 0;
  uint16_t Address = 0;
  uint16_t NPoint = 0;
  uint16_t Port = 0;
  uint32_t IP = 0;  // a.b.c.d as a<<24 | b<<16 | c<<8 | d
  uint16_t Topic = 0;
  uint32_t MaxError = 0;
  uint8_t Byte_Count = 0;
  uint8_t Flags = 0;
};

// One process-data entry; 32 bytes in the file, its name and initial value go to
// the areas after the entry table.
struct TEtherCAT_pd {
  uint8_t Data_Type = 0;
  uint8_t length = 0;
  uint8_t access = 0;  // 1 slave to master, 0 master to slave
  uint8_t bit_address = 0;
  uint32_t position = 0;
  uint32_t subindex = 0;
  uint32_t entry_index = 0;
  uint32_t ethercat_offset = 0;
  uint32_t init_value_Add = 0;  // 0: no initial value
  QByteArray init_value;        // `length` bytes when init_value_Add is set
  QByteArray name;              // UTF-8
  uint32_t name_length = 0;     // UTF-8 bytes of the name
  uint32_t name_add = 0;
};

// Type code of an EtherCAT type name (exact match) and its byte length; any
// other name gives code 0 and length 0.
uint8_t EtherCAT_Type_Code(const QString& typeName, uint8_t& length);

// Fills `rules` from ModbusTCPM_SetAccess.xml (read rules first, then write rules,
// disabled rows leave no gap) and stores their number at 0x048 of the block. A
// missing file gives no rules. Raises an Exception for a malformed file, a missing
// group, a missing or non-numeric required attribute, or a table of more rows than
// the editor shows (512).
void Read_Modbus_TCP_Rules(const QString& path, std::vector<TModbus_TCP_Rule>& rules, TParameter_Block& block);

// Fills the header's count and table address and the entries from
// EtherCAT_Slave.xml (base: the device address of the EtherCAT part). A missing
// file gives no entries. Raises an Exception naming the file (and the row) for a
// malformed file, a missing group, a table of more rows than the editor shows (256)
// or an enabled Array or String whose Length the editor would refuse (not 1 to 255).
void Read_EtherCAT_Variables(const QString& path, uint32_t base, TEtherCAT_Slave_Header& header,
                             std::vector<TEtherCAT_pd>& entries);

// Converts `text` into the entry's initial value stored at `nextFree`; returns the
// next free address after it. An empty text, or an entry of type code 0, stores
// nothing (init_value_Add 0) and returns `nextFree`.
uint32_t Store_Init_Value(const QString& text, TEtherCAT_pd& entry, uint32_t nextFree);

// Appends the 1024 rule records (32768 bytes; records after the last rule zero).
void Serialize_Modbus_Rules(const std::vector<TModbus_TCP_Rule>& rules, TImage_Writer& out);
// Appends the header, the 512 entries, the zero byte, the names and the initial values.
void Serialize_EtherCAT_Part(const TEtherCAT_Slave_Header& header, const std::vector<TEtherCAT_pd>& entries,
                             TImage_Writer& out);
// Appends the UTF-8 bytes of a non-empty name and one zero byte; nothing for an empty one.
void Store_UTF8_Name(const QByteArray& utf8Name, TImage_Writer& out);
