#include "gateway/par_gen_texts.h"

#include "gateway/par_gen_layout.h"

#include <algorithm>

namespace {

using T = TTextTarget;

struct TPanelTextDef {
  TParGenPanel Panel;
  std::vector<TTextRun> Runs;
  std::vector<int> RowOrder;  // the rows in the order they take texts; empty: top to bottom
};

const std::vector<TPanelTextDef>& Panel_Text_Defs() {
  static const std::vector<TPanelTextDef> defs = {
      {CP_Ethernet_Connection, {{1545, 1562}}, {}},
      {CP_EtherCAT_Slave, {{413, 416}, {987, 988}, {1684, 1685}}, {}},
      {CP_Modbus_TCP_Slave, {{418, 435}}, {}},
      {CP_Serial, {{450, 457}}, {}},
      {CP_Modbus_Master, {{460, 471}}, {}},
      {CP_Modbus_Slave, {{476, 487}}, {}},
      {CP_Modbus_TCP_Master, {{491, 510}}, {}},
      {CP_BACnet_Master, {{526, 565}}, {}},
      {CP_BACnet_Slave, {{588, 629}}, {}},
      {CP_CAN, {{652, 653}}, {}},
      {CP_CANopen, {{655, 665}}, {}},
      {CP_DeviceNet_Master, {{670, 673}}, {}},
      {CP_DeviceNet_Slave, {{676, 683}}, {}},
      {CP_DMX, {{688, 691}}, {}},
      {CP_Ethernet, {{694, 709}, {716, 719}}, {}},
      {CP_EtherNetIP, {{739, 760}}, {}},
      {CP_IEC61850_Client, {{781, 800}}, {}},
      // The port and password rows take their texts before the address rows.
      {CP_IEC61850_Server, {{814, 833}}, {3, 4, 0, 1, 2}},
      {CP_J1939, {{848, 855}}, {}},
      {CP_MQTT, {{859, 878}, {1571, 1578}, {879, 884}, {1579, 1586}}, {}},
      {CP_WiFi2, {{886, 963}}, {}},
      {CP_TLS, {{1301, 1314}}, {}},
      {CP_NTP, {{1316, 1319}}, {}},
      {CP_NMEA2000, {{1322, 1327}}, {}},
      {CP_OPC_UA_Client, {{1330, 1345}}, {}},
      {CP_OPC_UA_Server, {{1369, 1384}, {1391, 1392}}, {}},
      {CP_PROFINET, {{1407, 1433}, {1686, 1687}}, {}},
      {CP_SNMP_Manager, {{1451, 1467}}, {}},
      {CP_SNMP_Agent, {{1481, 1518}}, {}},
      {CP_TLS_Server, {{1532, 1543}}, {}},
      {CP_Select_Device, {{1611, 1612}}, {}},
      {CP_GSM_GPRS, {{1614, 1623}}, {}},
      {CP_EtherNetIP_Master, {{1625, 1642}}, {}},
      {CP_S7_Protocol, {{1656, 1671}}, {}},
  };
  return defs;
}

// Combo boxes whose items come from the language list: the items follow the combo
// box's hint in its panel's run. Every other combo box keeps its designed items.
struct TTranslatedList {
  const char16_t* Control;
  int Count;
};
constexpr TTranslatedList kTranslated_Lists[] = {
    {u"CB_WiFi2_Type", 2},          // "Access Point", "Station"
    {u"CB_WiFi2_Secure_Type", 4},   // "Unsecured", "WPA", "WPA2", "WEP"
    {u"CB_WiFi2_Channel", 12},      // "Auto Search", "1" .. "11"
};

// Inputs that get no hint.
constexpr const char16_t* kNo_Hint[] = {u"E_SNMP_Manager_NameStation"};

int Translated_Count(const QString& control) {
  for (const TTranslatedList& l : kTranslated_Lists)
    if (control == l.Control) return l.Count;
  return 0;
}

bool Takes_Hint(const QString& control) {
  return std::none_of(std::begin(kNo_Hint), std::end(kNo_Hint), [&](const char16_t* n) { return control == n; });
}

const TPanelTextDef& Def_Of(TParGenPanel panel) {
  const auto& defs = Panel_Text_Defs();
  return *std::find_if(defs.begin(), defs.end(), [panel](const TPanelTextDef& d) { return d.Panel == panel; });
}

// Hands out the texts of a panel's runs one after the other.
class TTextCursor {
public:
  explicit TTextCursor(std::span<const TTextRun> runs) : runs_(runs) {}
  int Next() {
    while (run_ < runs_.size() && next_ > runs_[run_].Last) {
      if (++run_ < runs_.size()) next_ = runs_[run_].First;
    }
    if (run_ >= runs_.size()) return -1;  // more controls than texts: a data fault the tests catch
    if (next_ < runs_[run_].First) next_ = runs_[run_].First;
    return next_++;
  }

private:
  std::span<const TTextRun> runs_;
  size_t run_ = 0;
  int next_ = 0;
};

void Add_Row(std::vector<TTextAssignment>& out, TTextCursor& texts, const TParGenRow& row) {
  const QString first = QString::fromUtf16(row.First);
  const QString input = row.Input ? QString::fromUtf16(row.Input) : QString();
  auto caption = [&](const QString& c) { out.push_back({c, T::Caption, texts.Next()}); };
  auto hint = [&](const QString& c) { out.push_back({c, T::Hint, texts.Next()}); };
  switch (row.Kind) {
    case TRowKind::Edit:
    case TRowKind::RichEdit:
    case TRowKind::Combo:
      caption(first);
      if (Takes_Hint(input)) hint(input);
      if (const int count = Translated_Count(input)) {
        out.push_back({input, T::Items, texts.Next(), count});
        for (int i = 1; i < count; ++i) texts.Next();
      }
      break;
    case TRowKind::Address:
      caption(first);
      for (int part = 1; part <= 4; ++part) hint(Address_Edit_Name(row, part));
      break;
    case TRowKind::Gateway:
      caption(first);
      hint(first);
      for (int part = 1; part <= 4; ++part) hint(Address_Edit_Name(row, part));
      break;
    case TRowKind::CheckBox:
      caption(first);
      hint(first);
      break;
    case TRowKind::CheckBoxEdit:
      caption(first);
      hint(first);
      hint(input);
      break;
    case TRowKind::Caption:
      caption(first);
      break;
    case TRowKind::Versions:
      // The check boxes keep their captions "1", "2", "3" in every language.
      caption(first);
      for (int v = 1; v <= 3; ++v) hint(input + QString::number(v));
      break;
  }
}

}  // namespace

std::vector<TTextAssignment> Form_Text_Assignments() {
  return {
      {QString(), T::Caption, 400},
      {QStringLiteral("L_SW_Desc"), T::Caption, 401},
      {QStringLiteral("Btn_OK"), T::Caption, 402},
      {QStringLiteral("Btn_Cancel"), T::Caption, 403},
      {QStringLiteral("Btn_OK"), T::Hint, 404},
      {QStringLiteral("Btn_Cancel"), T::Hint, 405},
  };
}

std::span<const TTextRun> Panel_Text_Runs(TParGenPanel panel) { return Def_Of(panel).Runs; }

std::vector<TTextAssignment> Panel_Text_Assignments(TParGenPanel panel) {
  const TPanelTextDef& def = Def_Of(panel);
  const std::span<const TParGenRow> rows = Panel_Rows(panel);
  TTextCursor texts(def.Runs);
  std::vector<TTextAssignment> out;
  if (def.RowOrder.empty()) {
    for (const TParGenRow& row : rows) Add_Row(out, texts, row);
  } else {
    for (int r : def.RowOrder) Add_Row(out, texts, rows[r]);
  }
  return out;
}

const std::vector<TTextAssignment>& ParGen_Text_Assignments() {
  static const std::vector<TTextAssignment> all = [] {
    std::vector<TTextAssignment> v = Form_Text_Assignments();
    for (int p = 0; p < kParGenPanelCount; ++p) {
      const std::vector<TTextAssignment> panel = Panel_Text_Assignments(static_cast<TParGenPanel>(p));
      v.insert(v.end(), panel.begin(), panel.end());
    }
    return v;
  }();
  return all;
}
