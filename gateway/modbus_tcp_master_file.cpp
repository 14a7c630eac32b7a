#include "gateway/modbus_tcp_master_file.h"

#include "platform/rtl/exceptions.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"

namespace {

TEditorTableLayout Read_Layout() {
  TEditorTableLayout layout;
  layout.GroupPath = {QStringLiteral("Modbus_Read")};
  layout.Attributes = {{"Enable", "Y"}, "IP_Address", "Port", "Slave_ID", "Type", "Address", "NPoint", "PollTime",
                       "MaxError", "Position", "Bit", {"Swap", "N"}, {"SwapWord", "N"}, {"Index_Topic", ""},
                       "Mnemonic"};
  layout.KeyColumn = kMB_IP_Address;
  return layout;
}

TEditorTableLayout Write_Layout() {
  TEditorTableLayout layout;
  layout.GroupPath = {QStringLiteral("Modbus_Write")};
  layout.Attributes = {{"Enable", "Y"}, "IP_Address", "Port", "Slave_ID", "Type", "Address", "NPoint", "PollTime",
                       "OnChange", {"OnCMD", "N"}, "MaxError", "Position", "Bit", {"Swap", "N"}, {"SwapWord", "N"},
                       "Mnemonic"};
  layout.KeyColumn = kMB_IP_Address;
  return layout;
}

// The Read table as the file sees it: the Topic column reads and writes the topic's
// index in the model's topic list instead of the topic's name.
class TTopicIndexView : public TEditorTable {
public:
  TTopicIndexView(const TModbusTCPMasterModel& model, const TTextTable& table) : model_(model), table_(table) {}
  TTopicIndexView(const TModbusTCPMasterModel& model, TTextTable& table)
      : model_(model), table_(table), writable_(&table) {}

  int ColCount() const override { return table_.ColCount(); }
  int RowCount() const override { return table_.RowCount(); }
  QString Cell(int col, int row) const override {
    if (col != kMBR_Topic) return table_.Cell(col, row);
    return IntToStr(model_.Get_Index_From_Topic(table_.Cell(col, row)));
  }
  void SetCell(int col, int row, const QString& text) override {
    if (writable_ == nullptr) return;  // a view for writing the file only reads
    if (col != kMBR_Topic) {
      writable_->SetCell(col, row, text);
      return;
    }
    writable_->SetCell(col, row, model_.Get_Topic_From_Index(StrToIntDef(text, -1)));
  }
  void ResetRow(int row) override {
    if (writable_ != nullptr) writable_->ResetRow(row);
  }

private:
  const TModbusTCPMasterModel& model_;
  const TTextTable& table_;
  TTextTable* writable_ = nullptr;
};

}  // namespace

const TEditorFileLayout Modbus_TCP_Master_File_Layout{
    QStringLiteral("PROFINET_Master_to_Modbus_TCP_Master"),
    QStringLiteral("1.001"),
    {Read_Layout(), Write_Layout()},
    true,
};

TModbusTCPMasterModel::TModbusTCPMasterModel() { Reset(); }

void TModbusTCPMasterModel::Reset() {
  Reset_Editor_Table(Read);
  Reset_Editor_Table(Write);
}

QString TModbusTCPMasterModel::Load(const QString& path) {
  NByte_IN = kMB_Data_Bytes;
  NByte_OUT = kMB_Data_Bytes;
  TTopicIndexView read(*this, Read);
  TXMLDocument doc;
  try {
    Read_Editor_File(doc, path, Modbus_TCP_Master_File_Layout, {&read, &Write});
  } catch (const EFileError& e) {
    return e.Message;
  }
  return {};
}

void TModbusTCPMasterModel::Save(const QString& path) const {
  const TTopicIndexView read(*this, Read);
  TXMLDocument doc;
  Write_Editor_File(doc, path, Modbus_TCP_Master_File_Layout, {&read, &Write});
}

int TModbusTCPMasterModel::Get_Index_From_Topic(const QString& topic) const {
  return int(List_Publish_Topic.indexOf(topic));
}

QString TModbusTCPMasterModel::Get_Topic_From_Index(int index) const {
  return index >= 0 && index < List_Publish_Topic.size() ? List_Publish_Topic[index] : QString();
}
