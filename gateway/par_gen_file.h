// The communication parameters of a project and their file ParGen.xml: 31 fields,
// one element per field under the root "Par_Gen", edits as their text unchanged and
// check boxes as "1" or "0", the comment "SW_VERSION = 1.001" after the root.
// Widget-free: the communication-parameter form shows these values and hands them
// back; the checks of OK live in par_gen_checks.h.
#pragma once

#include <QString>
#include <array>

// The fields in the order their elements are written to the file.
enum TParGenField : int {
  pgDeviceName,
  pgDHCPCable,
  pgDHCPWiFi,
  pgEnableDNS,
  pgPrimaryDNS1,
  pgPrimaryDNS2,
  pgPrimaryDNS3,
  pgPrimaryDNS4,
  pgSecondaryDNS1,
  pgSecondaryDNS2,
  pgSecondaryDNS3,
  pgSecondaryDNS4,
  pgRevisionNumber,
  pgSlaveName,
  pgNodeAddress,
  pgClearData,
  pgIP1,
  pgIP2,
  pgIP3,
  pgIP4,
  pgSM1,
  pgSM2,
  pgSM3,
  pgSM4,
  pgGAT1,
  pgGAT2,
  pgGAT3,
  pgGAT4,
  pgEnableGateway,
  pgTimeOut,
  pgCyclic,
  kParGenFieldCount
};

// One field: its element, whether it is a check box, the value the form shows when
// the file or the element is missing, and whether the form loads it at all (the
// Wi-Fi DHCP box is never loaded and always starts unchecked).
struct TParGenFieldDef {
  const char16_t* Element;
  bool CheckBox;
  const char16_t* Default;  // edit text, or "1"/"0" for a check box
  bool Loaded;
};
extern const std::array<TParGenFieldDef, kParGenFieldCount> ParGen_Fields;

inline constexpr const char16_t* kParGen_Root = u"Par_Gen";
inline constexpr const char16_t* kParGen_Version = u"1.001";  // of the comment "SW_VERSION = 1.001"

class TParGenModel {
public:
  TParGenModel();

  // Every field back to its default.
  void Set_Defaults();

  // An edit's text; for a check box "1" or "0".
  QString Text(TParGenField field) const { return values_[field]; }
  void SetText(TParGenField field, const QString& text) { values_[field] = text; }
  bool Checked(TParGenField field) const { return values_[field] == u"1"; }
  void SetChecked(TParGenField field, bool checked) { values_[field] = checked ? QStringLiteral("1") : QStringLiteral("0"); }

  // Fills every field from the file, each on its own: a missing element gives that
  // field's default, a check box is checked only by the exact text "1". A missing
  // file gives the defaults and is no error. Answers the reason when the file
  // exists but cannot be read or is not well-formed XML (every field then holds its
  // default and the file is left as it is), else an empty text.
  QString Load(const QString& path);

  // Writes the whole file (all 31 elements, also the ones no check looked at).
  // Raises EFileError when the file cannot be written; the old file then stays.
  void Save(const QString& path) const;

private:

  std::array<QString, kParGenFieldCount> values_;
};
