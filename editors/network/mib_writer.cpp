#include "editors/network/mib_writer.h"

#include "app/state/comon.h"
#include "editors/network/mib_identity.h"
#include "platform/os/files.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/strings.h"
#include "platform/xml/xml_document.h"

#include <QFileInfo>

std::array<bool, kMIB_Max_Objects> SNMP_Read_Int_Flags{};
std::array<bool, kMIB_Max_Objects> SNMP_Write_Int_Flags{};

namespace {

constexpr char kQ = '"';

// One table's enabled rows into its list and flags; the count of enabled rows
// beyond the flags.
int Load_Table(const TXMLNode& table, QStringList& descriptions, std::array<bool, kMIB_Max_Objects>& flags) {
  int dropped = 0;
  for (const TXMLNode& row : table.ChildElements()) {
    // 1. A row counts only when its Enable, upper-cased, is "Y".
    if (UpperCase(row.AttributeDef(QStringLiteral("Enable"), QString())) != u"Y") continue;
    if (descriptions.size() >= kMIB_Max_Objects) {
      ++dropped;
      continue;
    }
    // 2. to 4.
    const QString description = row.AttributeDef(QStringLiteral("Description"), QString());
    flags[size_t(descriptions.size())] = UpperCase(row.AttributeDef(QStringLiteral("Type"), QString())) == u"INT";
    descriptions.append(description);
  }
  return dropped;
}

QString Type_Word(bool integer) { return integer ? QStringLiteral("INTEGER") : QStringLiteral("OCTET STRING"); }

QString Quoted(const QString& text) { return QLatin1Char(kQ) + text + QLatin1Char(kQ); }

void Head_Lines(QStringList& lines) {
  const QString stamp = Quoted(QStringLiteral("201701310000Z"));
  lines << QStringLiteral("GATEWAY DEFINITIONS ::= BEGIN") << QStringLiteral("IMPORTS")
        << QStringLiteral("       MODULE-IDENTITY,OBJECT-TYPE") << QStringLiteral("         FROM SNMPv2-SMI")
        << QStringLiteral("         DisplayString, TimeStamp") << QStringLiteral("         FROM SNMPv2-TC")
        << QStringLiteral("         enterprises") << QStringLiteral("         FROM RFC1155-SMI;") << QString()
        << QStringLiteral("identity MODULE-IDENTITY") << QStringLiteral("    LAST-UPDATED ") + stamp
        << QStringLiteral("    ORGANIZATION ") + Quoted(QString::fromLatin1(kMIB_Organization))
        << QStringLiteral("    CONTACT-INFO")
        << QStringLiteral("\t \"") + QString::fromLatin1(kMIB_Contact_Street)
        << QStringLiteral("    ") + QString::fromLatin1(kMIB_Contact_Town)
        << QStringLiteral("    ") + QString::fromLatin1(kMIB_Contact_Country)
        << QStringLiteral("    ") + QString::fromLatin1(kMIB_Contact_Mail) + QLatin1Char(kQ)
        << QStringLiteral("    DESCRIPTION") << QStringLiteral("\t") + Quoted(QStringLiteral("MIB objects for agent module "))
        << QStringLiteral("    REVISION     ") + stamp << QStringLiteral("    DESCRIPTION")
        << QStringLiteral("\t") + Quoted(QStringLiteral("Corrected notification "))
        << QStringLiteral("    REVISION     ") + Quoted(QStringLiteral("200202060000Z"))
        << QStringLiteral("    DESCRIPTION") << QStringLiteral("\t") + Quoted(QStringLiteral("First draft"))
        << QStringLiteral("    ::= { zerfal 2 }");
}

void Tree_Lines(QStringList& lines) {
  lines << QStringLiteral("zerfal          OBJECT IDENTIFIER ::= { enterprises %1 }").arg(kMIB_Enterprise_Number)
        << QStringLiteral("gateway OBJECT IDENTIFIER::= { zerfal 1 }")
        << QStringLiteral("application OBJECT IDENTIFIER::= { gateway 1 }")
        << QStringLiteral("data OBJECT IDENTIFIER::= { application 1 }")
        << QStringLiteral("hellostring OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only  STATUS current  "
                          "DESCRIPTION \"\" ::= { data 1}")
        << QStringLiteral("countin  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-only  STATUS current  "
                          "DESCRIPTION \"\" ::= { data 2}")
        << QStringLiteral("countout  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-write STATUS current  "
                          "DESCRIPTION \"\" ::= { data 3}");
}

// The node `node` (bufferin or bufferout) with its eight data blocks and the value
// node below them.
void Buffer_Lines(QStringList& lines, const QString& node, int dataIndex, const QString& access) {
  lines << QStringLiteral("%1 OBJECT IDENTIFIER::= { data %2 }").arg(node).arg(dataIndex);
  for (int k = 1; k <= 8; ++k)
    lines << QStringLiteral("%1blk%2 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS %3 STATUS current DESCRIPTION "
                            "\"data block n.%2\" ::= { %1 %2 }")
                 .arg(node)
                 .arg(k)
                 .arg(access);
  lines << QStringLiteral(" %1val OBJECT IDENTIFIER::= { %1 9 }").arg(node);
}

// One object line per enabled row of a table, under `node`val.
void Object_Lines(QStringList& lines, const QString& node, const QStringList& descriptions,
                  const std::array<bool, kMIB_Max_Objects>& flags, const QString& access) {
  for (qsizetype i = 0; i < descriptions.size(); ++i) {
    const int n = int(i) + 1;
    const QString& description = descriptions[i];
    const QString name = description.isEmpty() ? node + QStringLiteral("val") + IntToStr(n) : description;
    lines << name + QStringLiteral(" OBJECT-TYPE SYNTAX ") + Type_Word(flags[size_t(i)]) +
                 QStringLiteral(" MAX-ACCESS %1 STATUS current DESCRIPTION ").arg(access) + Quoted(description) +
                 QStringLiteral(" ::= { %1val %2 }").arg(node).arg(n);
  }
}

}  // namespace

QStringList Load_SNMP_Trap_Rows(const QString& path) {
  SNMP_Read_Descriptions.clear();
  SNMP_Write_Descriptions.clear();
  SNMP_Read_Int_Flags.fill(false);
  SNMP_Write_Int_Flags.fill(false);
  if (!FileExists(path)) return {};
  TXMLDocument doc;
  doc.LoadFromFile(path);
  const TXMLNode root = doc.DocumentElement();
  const QString file = QFileInfo(path).fileName();
  if (root.IsNull()) throw Exception(QStringLiteral("%1 holds no element.").arg(file));
  struct TTable {
    const char* Name;
    QStringList& Descriptions;
    std::array<bool, kMIB_Max_Objects>& Flags;
  } tables[] = {{"SNMP_Trap_Read", SNMP_Read_Descriptions, SNMP_Read_Int_Flags},
                {"SNMP_Trap_Write", SNMP_Write_Descriptions, SNMP_Write_Int_Flags}};
  // Both elements first, so that a file without one leaves no half-filled lists.
  for (const TTable& t : tables)
    if (root.ChildByName(QString::fromLatin1(t.Name)).IsNull())
      throw Exception(QStringLiteral("%1 has no element \"%2\".").arg(file, QString::fromLatin1(t.Name)));
  QStringList notes;
  for (const TTable& t : tables) {
    const int dropped = Load_Table(root.ChildByName(QString::fromLatin1(t.Name)), t.Descriptions, t.Flags);
    if (dropped > 0)
      notes << QStringLiteral("%1 holds %2 enabled objects in \"%3\"; the MIB file describes the first %4.")
                   .arg(file)
                   .arg(kMIB_Max_Objects + dropped)
                   .arg(QString::fromLatin1(t.Name))
                   .arg(kMIB_Max_Objects);
  }
  return notes;
}

QStringList SNMP_MIB_Lines() {
  QStringList lines;
  Head_Lines(lines);
  Tree_Lines(lines);
  // The objects read from the input area.
  Buffer_Lines(lines, QStringLiteral("bufferin"), 4, QStringLiteral("read-only"));
  Object_Lines(lines, QStringLiteral("bufferin"), SNMP_Read_Descriptions, SNMP_Read_Int_Flags, QStringLiteral("read-only"));
  // The objects written into the output area.
  Buffer_Lines(lines, QStringLiteral("bufferout"), 5, QStringLiteral("read-write"));
  Object_Lines(lines, QStringLiteral("bufferout"), SNMP_Write_Descriptions, SNMP_Write_Int_Flags,
               QStringLiteral("read-write"));
  // The notifications, one per read object, always named by their number.
  lines << QStringLiteral("traps OBJECT IDENTIFIER::= { application 2 }")
        << QStringLiteral(" trapsval OBJECT IDENTIFIER::= { traps 1 }");
  for (qsizetype i = 0; i < SNMP_Read_Descriptions.size(); ++i) {
    const int n = int(i) + 1;
    lines << QStringLiteral("trapval%1 NOTIFICATION-TYPE SYNTAX ").arg(n) + Type_Word(SNMP_Read_Int_Flags[size_t(i)]) +
                 QStringLiteral(" MAX-ACCESS read-only STATUS current DESCRIPTION ") +
                 Quoted(SNMP_Read_Descriptions[i]) + QStringLiteral(" ::= { trapsval %1 }").arg(n);
  }
  lines << QStringLiteral("END");
  return lines;
}

void Write_SNMP_MIB_File(const QString& fileName) {
  QString text;
  for (const QString& line : SNMP_MIB_Lines()) text += line + QStringLiteral("\r\n");
  WriteFileWhole(fileName, EncodeWindows1252(text));
}
