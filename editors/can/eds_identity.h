// The CANopen sibling model's identity in its electronic data sheet (EDS): the
// maker's name and vendor number, the product's name, number and order code, and
// the file name the sheet gives itself. Kept in one place; change them here only.
#pragma once

inline constexpr const char* kEDS_File_Name = "EtherCAT_CANopen.eds";
inline constexpr const char* kEDS_Product_Name = "EtherCAT / CANopen - Converter";
// The model's product number; the family numbers its models 0x0082xxxx after their
// codes (the EtherCAT identity of this model is 0x00820003).
inline constexpr const char* kEDS_Product_Number = "0x00820008";
inline constexpr const char* kEDS_Order_Code = "KV82K08";
inline constexpr const char* kEDS_Vendor_Name = "Zerfal";
inline constexpr const char* kEDS_Vendor_Number = "0x00";
