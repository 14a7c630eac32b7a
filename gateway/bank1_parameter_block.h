// The device's parameter block (bank1.bin): 2048 bytes, little-endian, rebuilt from
// ParGen.xml at every device update. The same reading of ParGen.xml fills four
// fields of the EtherCAT slave header that lies in the tables image (bank2.bin).
#pragma once

#include <QString>
#include <array>
#include <cstdint>

class QByteArray;

inline constexpr int kParameter_Block_Size = 2048;
// Device addresses the updater loads the images to.
inline constexpr uint32_t kParameter_Block_Address = 0x07000;
inline constexpr uint32_t kTables_Image_Address = 0x80000;
inline constexpr uint32_t kEtherCAT_Base_Address = 0x88000;
// EEPROM configuration used when ParGen.xml does not hold one (the form never writes it).
inline constexpr const char16_t* kDefault_EEPROM_Config = u"800F00CC8813ff00000000800000";
inline constexpr int kEEPROM_Config_Size = 14;

// Offsets of the fields the build writes.
namespace bank1 {
inline constexpr int kTimeOut = 0x020;
inline constexpr int kCyclic = 0x024;
inline constexpr int kModbus_IP = 0x028;
inline constexpr int kSubnet_Mask = 0x02C;
inline constexpr int kGateway = 0x030;
inline constexpr int kRule_Count = 0x048;
inline constexpr int kSlave_Name = 0x050;  // 16 bytes, at most 15 characters
inline constexpr int kTables_Address = 0x0C4;
inline constexpr int kDHCP_Flags = 0x4E8;
inline constexpr int kDevice_Name = 0x514;  // 32 bytes, at most 31 characters
inline constexpr int kSecondary_DNS = 0x53C;
inline constexpr int kPrimary_DNS = 0x58C;
inline constexpr int kSW_Version = 0x66C;  // 8 bytes
inline constexpr int kEtherCAT_Address = 0x6F0;
inline constexpr int kChecksum = 0x7FC;
}  // namespace bank1

// The header of the EtherCAT part of the tables image; its layout in the file is
// written by the tables image.
struct TEtherCAT_Slave_Header {
  std::array<uint8_t, kEEPROM_Config_Size> Eeprom{};
  uint16_t Node_Address = 0;
  uint8_t Clear_Data = 0;
  uint32_t Revision = 0;
  uint32_t Entry_Count = 0;
  uint32_t Table_Address = 0;
};

struct TParameter_Block {
  std::array<uint8_t, kParameter_Block_Size> Bytes{};

  void Put_U16(int offset, uint32_t value);
  void Put_U32(int offset, uint32_t value);
  void Put_Address(int offset, uint8_t a, uint8_t b, uint8_t c, uint8_t d);
  // Zeroes `width` bytes, then stores the low byte of each of the first
  // `maxChars` characters of `text`.
  void Put_Text(int offset, int width, const QString& text, int maxChars);

private:
  uint8_t* Field(int offset, int width);  // raises std::out_of_range past the block
};

// Resets all 2048 bytes to the block's defaults.
void Parameter_Block_Defaults(TParameter_Block& block);
// Zeroes the 8-byte version field and copies "1.001" into it.
void Set_SW_Version_Text(TParameter_Block& block);
// Turns a hexadecimal text into the header's EEPROM bytes, two digits a byte; a
// chunk that is no hex number is skipped; at most 14 bytes are stored.
void Parse_EEPROM_Config(const QString& text, TEtherCAT_Slave_Header& header);
// Reads ParGen.xml into the block and the header; does nothing when the file does not
// exist. Raises an Exception when the file cannot be read or is not well-formed.
void Read_ParGen_Parameters(const QString& parGenPath, TParameter_Block& block, TEtherCAT_Slave_Header& header);
// Unsigned sum of the bytes 0x000 to 0x7FB.
uint32_t Parameter_Block_Checksum(const TParameter_Block& block);
// Stores the checksum at 0x7FC, then copies the 2048 bytes into `buffer` at
// `position` (growing it when needed); returns position + 2048.
qsizetype Serialize_Parameter_Block(TParameter_Block& block, qsizetype position, QByteArray& buffer);

// ParGen.xml readers of the image and of the slave information file share these
// conversions. The revision takes the full unsigned 32-bit range (decimal up to
// 4294967295, negative int32 texts as their bit pattern); any other text gives `def`.
uint32_t Revision_Number_From_Text(const QString& text, uint32_t def);
// The node address as a whole number (`def` when no number), low 16 bits kept.
uint16_t Node_Address_From_Text(const QString& text, uint16_t def);
