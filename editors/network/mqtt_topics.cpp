#include "editors/network/mqtt_topics.h"

#include "app/routines/ip_address.h"
#include "app/state/comon.h"
#include "platform/rtl/strings.h"

#include <algorithm>
#include <iterator>

namespace {

// Where the cells of one table are and which texts report them; 0 for a column the
// table does not have.
struct TMQTTRules {
  int Table;
  int DataType, Dimension, Position, IPAddress, Port, InputTemplate, Template, OnTimer, Time;
  int Type_Text, Int_Text, Float_Text, Other_Text, Position_Text;
  int IP_Text, Port_Text, InputTemplate_Text, Template_Text, Time_Text;
};

constexpr TMQTTRules kPublish{0,    kPub_DataType, kPub_Dimension, kPub_Position, kPub_IPAddress, 0,
                              kPub_InputTemplate, kPub_Template, kPub_OnTimer, kPub_Time,
                              3752, 3753, 3754, 3755, 3756, 3774, 0, 3777, 3778, 3789};
constexpr TMQTTRules kSubscribe{1,    kSub_DataType, kSub_Dimension, kSub_Position, kSub_IPAddress, kSub_Port,
                                kSub_InputTemplate, kSub_Template, 0, 0,
                                3757, 3758, 3759, 3760, 3761, 3775, 3776, 3779, 3780, 0};

bool Shown(const TMQTTRules& r, int col) { return col > 0 && MQTT_Column_Shown(r.Table, col); }

std::optional<TRowCheckFailure> Check_Topic(const TMQTTRules& r, const TEditorTable& t, int row,
                                            const TRowCheckRun& run) {
  // 1. The data type and the dimension it allows.
  if (Shown(r, r.DataType)) {
    const QString type = UpperCase(Trim(t.Cell(r.DataType, row)));
    if (type.isEmpty()) return Row_Fault(r.Type_Text);
    const int32_t dim = Cell_Number(t.Cell(r.Dimension, row));
    if (type == u"INT") {
      if (dim != 1 && dim != 2 && dim != 4 && dim != 8) return Row_Fault(r.Int_Text);
    } else if (type == u"FLOAT") {
      if (dim != 4 && dim != 8) return Row_Fault(r.Float_Text);
    } else if (dim < 1) {
      return Row_Fault(r.Other_Text);
    }
  }
  // 2.
  if (Shown(r, r.Position) && !In_Range(t.Cell(r.Position, row), 0, run.Area - 1))
    return Row_Fault(r.Position_Text, IntToStr(run.Area - 1));
  // 3.
  QString p1, p2, p3, p4;
  if (Shown(r, r.IPAddress) && !Split_IP_Address(Trim(t.Cell(r.IPAddress, row)), p1, p2, p3, p4))
    return Row_Fault(r.IP_Text);
  // 4. (subscribe only)
  if (Shown(r, r.Port) && !In_Range(t.Cell(r.Port, row), 0, 65535)) return Row_Fault(r.Port_Text);
  // 5.
  if (Shown(r, r.InputTemplate) && Error_In_Topic_Template(Trim(t.Cell(r.InputTemplate, row))))
    return Row_Fault(r.InputTemplate_Text);
  // 6.
  if (Shown(r, r.Template) && Error_In_Topic_Template(Trim(t.Cell(r.Template, row))))
    return Row_Fault(r.Template_Text);
  // 7. The publishing period, whether its columns are shown or not (publish only).
  if (r.OnTimer > 0 && UpperCase(Trim(t.Cell(r.OnTimer, row))) == u"Y" &&
      !In_Range(t.Cell(r.Time, row), 1, 999999999))
    return Row_Fault(r.Time_Text);
  return std::nullopt;
}

std::optional<TRowCheckFailure> Check_Publish(const TEditorTable& t, int row, TRowCheckRun& run) {
  return Check_Topic(kPublish, t, row, run);
}

std::optional<TRowCheckFailure> Check_Subscribe(const TEditorTable& t, int row, TRowCheckRun& run) {
  return Check_Topic(kSubscribe, t, row, run);
}

const QStringList kQoS = {"0", "1", "2"};
const QStringList kData_Types = {"Int", "Float", "String", "Base64"};
const QStringList kTemplates = {"$VALUE$"};

QStringList Channels() {
  QStringList items;
  for (int i = 0; i < 64; ++i) items << IntToStr(i);
  items << QStringLiteral("All");
  return items;
}

TEditorTableSpec Publish_Table() {
  TEditorTableSpec t{.Group = QStringLiteral("MQTT_Publish"), .Sheet = QStringLiteral("TS_MQTT_Publish"),
                     .SheetCaption = 3733, .Grid = QStringLiteral("ECG_Pub"), .Rows = 1024};
  t.Columns = {
      {.Title = 3714, .Width = 40},
      {.Title = 3715, .Hint = 3719, .Width = 210, .Attribute = {"Topic"}},
      Check_Box_Column(3716, 3720, 60, {"Retained"}),
      Choice_Column(3717, 3721, 45, {"QoS"}, kQoS),
      Choice_Column(3737, 3740, 80, {"DataType", ""}, kData_Types),
      {.Title = 3738, .Hint = 3741, .Width = 75, .Attribute = {"Dimension", ""}},
      {.Title = 3739, .Hint = 3742, .Width = 65, .Attribute = {"Position", ""}},
      {.Title = 3762, .Hint = 3764, .Width = 110, .Attribute = {"IPAddress", ""}},
      {.Title = 3763, .Hint = 3765, .Width = 150, .Attribute = {"InputTemplate", ""}},
      Choice_Column(3735, 3736, 170, {"Template", ""}, kTemplates, edComboEdit),
      Check_Box_Column(3781, 3782, 70, {"OnChange", "N"}),
      Check_Box_Column(3783, 3786, 60, {"", ""}),
      Check_Box_Column(3784, 3787, 65, {"OnTimer", "N"}),
      {.Title = 3785, .Hint = 3788, .Width = 70, .Attribute = {"Time", ""}},
      Choice_Column(3790, 3791, 60, {"", ""}, Channels()),
      Check_Box_Column(3793, 3795, 50, {"", "N"}),
      Check_Box_Column(3794, 3796, 70, {"", "N"}),
      {.Title = 3718, .Hint = 3722, .Width = 120, .Attribute = {"Mnemonic"}},
  };
  t.KeyColumn = kPub_Topic;
  t.Area = kMQTT_Area;
  t.DeleteQuestion = 3723;
  t.Check = Check_Publish;
  t.GroupOptional = true;
  return t;
}

TEditorTableSpec Subscribe_Table() {
  TEditorTableSpec t{.Group = QStringLiteral("MQTT_Subscribe"), .Sheet = QStringLiteral("TS_MQTT_Subscribe"),
                     .SheetCaption = 3734, .Grid = QStringLiteral("ECG_Sub"), .Rows = 1024};
  t.Columns = {
      {.Title = 3724, .Width = 40},
      {.Title = 3725, .Hint = 3729, .Width = 300, .Attribute = {"Topic"}},
      Check_Box_Column(3726, 3730, 60, {"Retained"}),
      Choice_Column(3727, 3731, 45, {"QoS"}, kQoS),
      Choice_Column(3743, 3747, 80, {"DataType", ""}, kData_Types),
      {.Title = 3744, .Hint = 3748, .Width = 75, .Attribute = {"Dimension", ""}},
      {.Title = 3745, .Hint = 3749, .Width = 65, .Attribute = {"Position", ""}},
      {.Title = 3766, .Hint = 3770, .Width = 110, .Attribute = {"IPAddress", ""}},
      {.Title = 3767, .Hint = 3771, .Width = 60, .Attribute = {"Port", ""}},
      Choice_Column(3768, 3772, 60, {"EthType", ""}, {"TCP", "UDP"}),
      {.Title = 3769, .Hint = 3773, .Width = 150, .Attribute = {"InputTemplate", ""}},
      Choice_Column(3746, 3750, 250, {"Template", ""}, kTemplates, edComboEdit),
      Check_Box_Column(3793, 3797, 50, {"", "N"}),
      Check_Box_Column(3794, 3798, 70, {"", "N"}),
      {.Title = 3728, .Hint = 3732, .Width = 200, .Attribute = {"Mnemonic"}},
  };
  t.KeyColumn = kSub_Topic;
  t.Area = kMQTT_Area;
  t.DeleteQuestion = 3723;
  t.Check = Check_Subscribe;
  t.GroupOptional = true;
  return t;
}

TTableEditorSpec MQTT_Spec() {
  TTableEditorSpec s{.FormName = QStringLiteral("FMQTT_Set_Topic"), .ClientWidth = 1100, .Caption = 3700,
                     .Description = 3701};
  for (int i = 0; i < 6; ++i) {
    s.ButtonCaptions[i] = 3702 + i;
    s.ButtonHints[i] = 3708 + i;
  }
  s.Root = QStringLiteral("MQTT_Set_Topic");
  s.Version = QStringLiteral("1.000");
  s.Path = &File_MQTT_Set_Topic;
  s.RowPrefix = 3751;
  s.Hints = THintColumns::Real;
  s.KeepOtherHints = true;
  s.RowSelect = false;
  s.Editing = false;
  Set_Message_Texts(s, 3875);
  s.Tables = {Publish_Table(), Subscribe_Table()};
  return s;
}

}  // namespace

bool MQTT_Column_Shown(int table, int col) {
  if (table == 0) return std::find(std::begin(kMQTT_Pub_Hidden), std::end(kMQTT_Pub_Hidden), col) == std::end(kMQTT_Pub_Hidden);
  return std::find(std::begin(kMQTT_Sub_Hidden), std::end(kMQTT_Sub_Hidden), col) == std::end(kMQTT_Sub_Hidden);
}

bool Error_In_Topic_Template(const QString& Str) { return Str.count(u'$') % 2 != 0; }

const TTableEditorSpec MQTT_Set_Topic_Spec = MQTT_Spec();
