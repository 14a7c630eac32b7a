#include "gateway/update_job.h"

#include "app/state/comon.h"
#include "platform/os/files.h"
#include "platform/xml/xml_document.h"

namespace {

enum TOperation { kFirmware, kParameter_Block, kTables };

// The 20 elements of an operation, with their text for the firmware, the parameter
// block and the tables; nullptr marks a value computed from the job.
struct TOperation_Element {
  const char16_t* Name;
  const char16_t* Text[3];
};
constexpr TOperation_Element kOperation_Elements[] = {
    {u"Ope_Protection_Enabled", {u"", u"", u""}},
    {u"Ope_GoToBoot_Before", {u"0", u"0", u"0"}},
    {u"Ope_GoToApp_Before", {u"0", u"0", u"0"}},
    {u"Ope_IP_Address", {u"", u"", u""}},
    {u"Ope_Port", {u"2008", u"2008", u"2008"}},
    {u"Ope_Port_Sec", {u"2007", u"2007", u"2007"}},
    {u"Ope_Erase_Memory", {u"0", u"0", u"0"}},
    {u"Ope_FileName", {nullptr, nullptr, nullptr}},
    {u"Ope_Start_Address", {u"0x8000", u"0x07000", u"0x80000"}},
    {u"Ope_Memory_Type", {u"0", u"0", u"0"}},
    {u"Ope_Bank_Type", {u"1", u"2", u"2"}},
    {u"Ope_Read_Back", {nullptr, nullptr, nullptr}},
    {u"Ope_Write_CSS", {u"1", u"0", u"0"}},
    {u"Ope_Address_CSS", {u"0x07A00", u"0x07A00", u"0x07A00"}},
    {u"Ope_Command_CSS", {u"0x02", u"0x02", u"0x02"}},
    {u"Ope_Write_Internal_Data", {u"0", u"0", u"0"}},
    {u"Ope_WID_Address", {u"0x07810", u"0x07810", u"0x07810"}},
    {u"Ope_WID_Command", {u"0x02", u"0x02", u"0x02"}},
    {u"Ope_WID_Data", {u"0x00, 0x00, 0x00, 0x01", u"0x00, 0x00, 0x00, 0x01", u"0x00, 0x00, 0x00, 0x01"}},
    {u"Ope_GoToApp_After", {nullptr, u"0", u"1"}},
};

// The job's elements before the operations.
struct TJob_Element {
  const char16_t* Name;
  const char16_t* Text;  // nullptr: computed
};
constexpr TJob_Element kJob_Elements[] = {
    {u"Version", u"1000"},           {u"Title", nullptr},          {u"IP_Address_Dev", nullptr},
    {u"Application_Port", u"10000"}, {u"Boot_Port", u"2008"},      {u"Boot_Port_Sec", u"2007"},
    {u"Address_Protection", u"0x07800"},
};

QString Computed(const QString& name, TOperation op, const TUpdate_Job& job) {
  if (name == u"Ope_FileName") {
    if (op == kFirmware) return PathJoin(job.Master_Folder, QString::fromUtf16(kFirmware_Image_Name));
    const QString bin = PathJoin(job.Project_Folder, QStringLiteral("bin"));
    return PathJoin(bin, op == kParameter_Block ? QStringLiteral("bank1.bin") : QStringLiteral("bank2.bin"));
  }
  if (name == u"Ope_Read_Back") return job.Read_Back ? QStringLiteral("1") : QStringLiteral("0");
  // Ope_GoToApp_After of the firmware: back to the application only when nothing follows.
  return job.Option == kUpdate_Firmware ? QStringLiteral("1") : QStringLiteral("0");
}

void Add_Operation(TXMLNode& operations, TOperation op, const TUpdate_Job& job) {
  TXMLNode operation = operations.AddChild(QStringLiteral("Operation"));
  for (const TOperation_Element& e : kOperation_Elements) {
    const QString name = QString::fromUtf16(e.Name);
    const QString text = e.Text[op] ? QString::fromUtf16(e.Text[op]) : Computed(name, op, job);
    operation.AddChild(name).SetText(text);
  }
}

void Build_Job(TXMLDocument& doc, const TUpdate_Job& job) {
  doc.Clear();
  TXMLNode root = doc.AddRoot(QStringLiteral("Ethernet_Update"));
  for (const TJob_Element& e : kJob_Elements) {
    const QString name = QString::fromUtf16(e.Name);
    QString text;
    if (e.Text) text = QString::fromUtf16(e.Text);
    else if (name == u"Title") text = QString::fromUtf16(kMaker_Domain) + QStringLiteral(" - KQ82K03 Ethernet Update");
    else text = job.IP_Address;
    root.AddChild(name).SetText(text);
  }
  root.AddChild(QStringLiteral("Protections")).AddChild(QStringLiteral("Protection")).SetText(QStringLiteral("0x2E6"));
  TXMLNode operations = root.AddChild(QStringLiteral("Operations"));
  if (job.Option == kUpdate_Firmware_And_Configuration || job.Option == kUpdate_Firmware)
    Add_Operation(operations, kFirmware, job);
  if (job.Option == kUpdate_Firmware_And_Configuration || job.Option == kUpdate_Configuration) {
    Add_Operation(operations, kParameter_Block, job);
    Add_Operation(operations, kTables, job);
  }
}

}  // namespace

QString Update_Job_Path() { return PathJoin(Exe_Folder, QStringLiteral("Ethernet_Update.xml")); }

QString Update_Job_Text(const TUpdate_Job& job) {
  TXMLDocument doc;
  Build_Job(doc, job);
  return doc.SaveToText();
}

void Compile_XML_Parameter_New_Boot(const QString& jobPath, const TUpdate_Job& job) {
  TXMLDocument doc;
  Build_Job(doc, job);
  doc.SaveToFile(jobPath);
}
