#include "editors/fieldbus/ede_writer.h"

#include "app/editor_file/editor_file.h"
#include "app/language/language.h"
#include "app/state/comon.h"
#include "platform/os/clock.h"
#include "platform/os/files.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"
#include "platform/xml/xml_document.h"

namespace {

struct TObjectTypeName {
  const char16_t* Text;
  int Number;
};
constexpr TObjectTypeName kObject_Types[] = {
    {u"ANALOG INPUT", 0},        {u"ANALOG OUT", 1},         {u"ANALOG VALUE", 2},
    {u"BINARY INPUT", 3},        {u"BINARY OUT", 4},         {u"BINARY VALUE", 5},
    {u"MULTI STATE INPUT", 13},  {u"MULTI STATE OUTPUT", 14}, {u"MULTI STATE VALUE", 19},
    {u"LIFE SAFETY POINT", 21},  {u"LIFE SAFETY ZONE", 22},   {u"ACCUMULATOR", 23},
    {u"ACCESS DOOR", 30},        {u"CHARACTERSTRING VALUE", 40}, {u"DATETIME VALUE", 44},
    {u"INTEGER VALUE", 45},      {u"LARGE ANALOG VALUE", 46},  {u"POSITIVE INTEGER VALUE", 48},
};

// A text that a ";" or a line break would split into more fields or lines.
bool Breaks_Line(const QString& text) {
  return text.contains(u';') || text.contains(u'\r') || text.contains(u'\n');
}

// A bare attribute of a row element: a missing one stops the writer.
QString Bare(const TXMLNode& row, const QString& name, const QString& table, int number) {
  if (!row.HasAttribute(name))
    throw EFileError(QStringLiteral("Row %1 of \"%2\" in BACnet_Slave.xml has no attribute \"%3\".")
                         .arg(number)
                         .arg(table, name));
  return row.Attribute(name);
}

}  // namespace

int EDE_Object_Type(const QString& dataType) {
  for (const TObjectTypeName& t : kObject_Types)
    if (dataType == QStringView(t.Text)) return t.Number;
  return 0;
}

QString EDE_Time_Stamp(const QDateTime& when) {
  const QDate d = when.date();
  const QTime t = when.time();
  return QStringLiteral("%1:%2:%3 %4/%5/%6")
      .arg(t.hour(), 2, 10, QChar(u'0'))
      .arg(t.minute(), 2, 10, QChar(u'0'))
      .arg(t.second(), 2, 10, QChar(u'0'))
      .arg(d.day(), 2, 10, QChar(u'0'))
      .arg(d.month(), 2, 10, QChar(u'0'))
      .arg(d.year());
}

void TEDE_Writer::Reset_EDE_Instances() { EDE_Instance_Counters.fill(0); }

int TEDE_Writer::Next_EDE_Instance(int type) {
  for (size_t i = 0; i < EDE_Instance_Counters.size(); ++i)
    if (kCounted_Types[i] == type) return EDE_Instance_Counters[i]++;
  return 0;
}

void TEDE_Writer::Load_EDE_Device(const QString& path) {
  TXMLDocument doc;
  const TXMLNode root = Load_Editor_Document(doc, path);
  if (!root) return;
  const int type = StrToIntDef(Field_Text(root, QStringLiteral("BACnet_Type"), QString()), 0);
  const QString element = type == 1 ? QStringLiteral("BACnet_Ser_DEV_IDE") : QStringLiteral("BACnet_DEV_IDE");
  EDE_Dev_Instance = Field_Text(root, element, QString());
  EDE_Long_Names = Field_Text(root, QStringLiteral("BACnet_Desc_Chars_Limit"), QString()) == u"1";
  if (Breaks_Line(EDE_Dev_Instance)) throw EFileError(Lang_Text(kText_EDE_Device_Refused).arg(element));
}

void TEDE_Writer::Load_EDE_Objects(const QString& path) {
  TXMLDocument doc;
  const TXMLNode root = Load_Editor_Document(doc, path);
  if (!root) return;
  for (const QString& table : {QStringLiteral("BACnet_in_Read"), QStringLiteral("BACnet_in_Write")}) {
    const TXMLNode group = root.ChildByName(table);
    if (!group) continue;
    const QList<TXMLNode> rows = group.ChildElements();
    for (int i = 0; i < int(rows.size()); ++i) {
      const int number = i + 1;
      const QString dataType = Bare(rows[i], QStringLiteral("Data_Type"), table, number);
      const QString unit = Bare(rows[i], QStringLiteral("Eng_Unit"), table, number);
      const QString mnemonic = Bare(rows[i], QStringLiteral("Mnemonic"), table, number);
      for (const auto& [name, text] : {std::pair{QStringLiteral("Eng_Unit"), unit},
                                        std::pair{QStringLiteral("Mnemonic"), mnemonic}})
        if (Breaks_Line(text)) throw EFileError(Lang_Text(kText_EDE_Row_Refused).arg(table).arg(number).arg(name));
      // 1. to 8.
      const int type = EDE_Object_Type(UpperCase(Trim(dataType)));
      TBACnet_EDE_Obj obj;
      obj.DevObjInstance = EDE_Dev_Instance;
      obj.ObjectName = mnemonic.left(EDE_Long_Names ? 32 : 16);
      obj.ObjectType = IntToStr(type);
      obj.ObjectInstance = IntToStr(Next_EDE_Instance(type));
      obj.Keyname = EDE_Dev_Instance + u'_' + mnemonic + u'_' + obj.ObjectInstance;
      obj.Description = obj.ObjectName;
      obj.UnitCode = unit;
      EDE_Obj_List.append(obj);
    }
  }
}

QStringList TEDE_Writer::EDE_Lines(const QString& projectName, const QDateTime& when) const {
  if (Breaks_Line(projectName)) throw EFileError(Lang_Text(kText_EDE_Project_Refused));
  QStringList lines = {
      QStringLiteral("PROJECT_NAME; Zerfal-") + QString() + u'-' + projectName + QStringLiteral(";;;;;;"),
      QStringLiteral("VERSION_OF_REFERENCEFILE;1.0;;;;;;"),
      QStringLiteral("TIMESTAMP_OF_LAST_CHANGE;") + EDE_Time_Stamp(when) + QStringLiteral(";;;;;;"),
      QStringLiteral("AUTHOR_OF_LAST_CHANGE;Zerfal;;;;;;"),
      QStringLiteral("VERSION_OF_LAYOUT;2;;;;;;"),
      QStringLiteral("# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;"),
      QStringLiteral("# keyname;device obj.-instance;object-name;object-type;object-instance;description;unit-code;"),
  };
  for (const TBACnet_EDE_Obj& o : EDE_Obj_List)
    lines.append(QStringList{o.Keyname, o.DevObjInstance, o.ObjectName, o.ObjectType, o.ObjectInstance,
                             o.Description, o.UnitCode}
                     .join(u';') +
                 u';');
  return lines;
}

void Create_EDE_File(const QString& fileName) {
  // Build_EDE_File: a fresh run; a fault raises before anything is written.
  TEDE_Writer writer;
  writer.Reset_EDE_Instances();
  writer.Load_EDE_Device(File_ParGen);
  writer.Load_EDE_Objects(File_BACnet_Slave);
  const QStringList lines = writer.EDE_Lines(Project_Name, Clock().WallTime());
  WriteFileWhole(fileName, EncodeWindows1252(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
}
