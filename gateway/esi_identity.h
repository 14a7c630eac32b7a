// This converter's identity in the EtherCAT slave information file: the maker's
// vendor id, the model's product code and the 16 x 14 picture the master's tool shows.
// Kept in one place; change them here only.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

inline constexpr uint32_t kESI_Vendor_Id = 0x00005A46;
inline constexpr uint32_t kESI_Product_Code = 0x00820003;

// The picture as a 16 x 14, 24-bit BMP file.
QByteArray ESI_Image_Bitmap();
// The same file as upper-case hexadecimal text, for the ImageData16x14 elements.
QString ESI_Image_Data16x14();
