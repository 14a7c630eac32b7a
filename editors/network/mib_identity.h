// The maker's identifiers in the SNMP MIB module of the SNMP agent models: the
// organisation, the four contact lines and the private enterprise number under
// which the module's object tree ("zerfal") hangs. Kept in one place; change them
// here only.
#pragma once

// The maker's web address (the same domain as the program's web links).
inline constexpr const char* kMIB_Organization = "www.zerfal.example";
inline constexpr const char* kMIB_Contact_Street = "Zerfal, Example Street 1";
inline constexpr const char* kMIB_Contact_Town = "00000 Example Town";
inline constexpr const char* kMIB_Contact_Country = "Example Country";
inline constexpr const char* kMIB_Contact_Mail = "E-mail: info@zerfal.example";
// The private enterprise number. 32473 is the number set aside for examples and
// documentation (RFC 5612); a real one is assigned by the IANA.
inline constexpr int kMIB_Enterprise_Number = 32473;
