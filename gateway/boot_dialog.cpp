#include "gateway/boot_dialog.h"

#include "platform/os/files.h"
#include "platform/rtl/numbers.h"
#include "platform/xml/xml_document.h"

const std::array<TBoot_Panel_Def, kBoot_Panel_Count> Boot_Panels = {{
    {u"P_Title", 69},
    {u"P_IP_Address", 49},
    {u"P_Serial", 51},
    {u"P_Eth_Search", 184},  // never shown
    {u"P_Options", 72},
    {u"P_Button", 40},
}};

namespace {

constexpr TBoot_Panel kNetwork_Stack[] = {P_IP_Address, P_Options};
constexpr TBoot_Panel kSerial_Stack[] = {P_Serial, P_Options};

const TBoot_Variant kNetwork{kNetwork_Stack, {P_Title, P_IP_Address, P_Eth_Search, P_Options, P_Button, P_Serial}};
const TBoot_Variant kSerial{kSerial_Stack, {P_Title, P_Serial, P_Options, P_Button, P_IP_Address, P_Eth_Search}};

using B = TBoot_Text_Target;
constexpr TBoot_Text kTexts[] = {
    {u"L_IP_Address", B::Caption, 1206},
    {u"L_List_Device", B::Caption, 1209},
    {u"Btn_Search", B::Caption, 1210},
    {u"CB_Find_All_QVX", B::Caption, 1213},
    {u"L_Update_Option", B::Caption, 1214},
    {u"CB_Update_Option_Read_Back", B::Caption, 1218},
    {u"Btn_Cancel", B::Caption, 1219},
    {u"Btn_Update", B::Caption, 1220},
    {u"E_IP1", B::Hint, 1221},
    {u"E_IP2", B::Hint, 1222},
    {u"E_IP3", B::Hint, 1223},
    {u"E_IP4", B::Hint, 1224},
    {u"Btn_Search", B::Hint, 1229},
    {u"ECG_List_Devices", B::Hint, 1230},
    {u"CB_Find_All_QVX", B::Hint, 1231},
    {u"CB_Update_Options", B::Hint, 1232},
    {u"CB_Update_Option_Read_Back", B::Hint, 1233},
    {u"Btn_Cancel", B::Hint, 1234},
    {u"Btn_Update", B::Hint, 1235},
};

}  // namespace

const TBoot_Variant& Boot_Variant(int formType) { return formType == kBoot_Serial ? kSerial : kNetwork; }

int Boot_Client_Height(int formType) {
  int height = Boot_Panels[P_Title].Height + Boot_Panels[P_Button].Height;
  for (TBoot_Panel p : Boot_Variant(formType).Stacked) height += Boot_Panels[p].Height;
  return height;
}

std::span<const TBoot_Text> Boot_Texts() { return kTexts; }

int Boot_Caption_Text(int formType) { return formType == kBoot_Serial ? 1200 : 1202; }
int Boot_Subtitle_Text(int formType) { return formType == kBoot_Serial ? 1201 : 1203; }

QString Update_Options(const QString& prefix, int option, bool readBack) {
  const QString fr = readBack ? QStringLiteral("FR ") : QStringLiteral("NO ");
  const QString pr = readBack ? QStringLiteral("PR ") : QStringLiteral("NO ");
  switch (option) {
    case 0: return prefix + QStringLiteral("FW ") + fr + QStringLiteral("PW ") + pr;
    case 1: return prefix + QStringLiteral("FW ") + fr + QStringLiteral("NO NO ");
    case 2: return prefix + QStringLiteral("NO NO PW ") + pr;
    default: return prefix;
  }
}

QString Serial_Update_Command(const QString& port, int option, bool readBack) {
  return Update_Options(QStringLiteral("\\\\.\\") + port + QStringLiteral(" "), option, readBack);
}

int Get_Type_Dev(const QString& parGenPath) {
  if (!FileExists(parGenPath)) return 0;
  try {
    TXMLDocument doc;
    doc.LoadFromFile(parGenPath);
    const TXMLNode root = doc.DocumentElement();
    if (root.IsNull()) return 0;
    const TXMLNode type = root.ChildByName(QStringLiteral("BACnet_Type"));
    return type.IsNull() ? 0 : StrToIntDef(type.Text(), 0);
  } catch (const std::exception&) {
    return 0;
  }
}
