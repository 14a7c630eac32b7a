#include "editors/can/device_net_offsets.h"

#include "app/editor_file/editor_file.h"
#include "app/language/language.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"
#include "platform/xml/xml_document.h"

namespace {

// A bare attribute: its text, or the stop of the reading.
QString Bare(const TXMLNode& element, const char* name, const QString& where) {
  const QString attribute = QString::fromLatin1(name);
  if (!element.HasAttribute(attribute))
    throw EMissingAttribute(QStringLiteral("%1 has no attribute \"%2\".").arg(where, attribute));
  return element.Attribute(attribute);
}

TXMLNode Child(const TXMLNode& parent, const char* name, const QString& where) {
  const TXMLNode child = parent.ChildByName(QString::fromLatin1(name));
  if (!child) throw EFileError(QStringLiteral("%1 has no element \"%2\".").arg(where, QLatin1String(name)));
  return child;
}

// Runs a reading; a stop is remembered in the model with the box it shows.
template <typename F>
void Guarded(TDNetOffsets& model, F read) {
  try {
    read();
  } catch (const EMissingAttribute& e) {
    model.Failure = e.Message;
    model.Box = QString::fromUtf16(kConversion_Error_Text);
  } catch (const Exception& e) {
    model.Failure = e.Message;
    model.Box = e.Message;
  }
}

// The rows of "ByteIN" or "ByteOUT" within the slave's count, into its lists; the
// number of rows beyond the count.
int Read_Bytes(const TXMLNode& list, QStringList& offsets, QStringList& mnemonics, const QString& where) {
  const QList<TXMLNode> rows = list.ChildElements();
  for (int j = 0; j < int(rows.size()) && j < int(offsets.size()); ++j) {
    const QString row = QStringLiteral("%1, row %2,").arg(where).arg(j + 1);
    offsets[j] = Bare(rows[j], "Offset", row);
    mnemonics[j] = Bare(rows[j], "Mnemonic", row);
  }
  return std::max(0, int(rows.size()) - int(offsets.size()));
}

void Write_Bytes(TXMLNode list, const QStringList& offsets, const QStringList& mnemonics) {
  for (int j = 0; j < int(offsets.size()); ++j) {
    TXMLNode row = list.AddChild(QStringLiteral("row"));
    row.SetAttribute(QStringLiteral("Offset"), offsets[j]);
    row.SetAttribute(QStringLiteral("Mnemonic"), j < mnemonics.size() ? mnemonics[j] : QString());
  }
}

}  // namespace

void Load_Slave_DN(const QString& path, TDNetOffsets& model) {
  model.Rows.clear();
  model.Slaves.clear();
  if (!FileExists(path)) return;
  Guarded(model, [&] {
    TXMLDocument doc;
    const TXMLNode root = Load_Editor_Document(doc, path);
    if (!root) throw EFileError(QStringLiteral("%1 holds no element.").arg(path));
    const QList<TXMLNode> children = root.ChildElements();
    const int count = std::min(int(children.size()), kDN_Max_Slaves);
    if (children.size() > kDN_Max_Slaves)
      model.Notes.append(Lang_Text(kText_DN_Slaves_Beyond)
                             .arg(path)
                             .arg(children.size())
                             .arg(kDN_Max_Slaves));
    model.Rows.resize(count);
    for (int i = 0; i < count; ++i) {
      const QString where = QStringLiteral("Row %1").arg(i + 1);
      const char* names[] = {"ID", "NB_IN", "NB_OUT", "Mnemonic"};
      for (int c = 0; c < 4; ++c) model.Rows[i][size_t(c)] = Bare(children[i], names[c], where);
      TSlave_DN slave;
      slave.ID = uint8_t(StrToInt(model.Rows[i][0]));
      slave.ByteIN = uint16_t(StrToInt(model.Rows[i][1]));
      slave.ByteOUT = uint16_t(StrToInt(model.Rows[i][2]));
      for (int j = 0; j < slave.ByteIN; ++j) {
        slave.SL_ByteIN.append(QStringLiteral("None"));
        slave.SL_ByteIN_M.append(QString());
      }
      for (int j = 0; j < slave.ByteOUT; ++j) {
        slave.SL_ByteOUT.append(QStringLiteral("None"));
        slave.SL_ByteOUT_M.append(QString());
      }
      model.Slaves.push_back(std::move(slave));
    }
  });
}

void Load_Offset_Slave_DN(const QString& path, TDNetOffsets& model) {
  if (!FileExists(path)) return;
  Guarded(model, [&] {
    TXMLDocument doc;
    const TXMLNode root = Load_Editor_Document(doc, path);
    if (!root) throw EFileError(QStringLiteral("%1 holds no element.").arg(path));
    const QList<TXMLNode> nodes = root.ChildElements();
    if (nodes.size() > qsizetype(model.Slaves.size()))
      model.Notes.append(Lang_Text(kText_DN_Nodes_Beyond)
                             .arg(path)
                             .arg(nodes.size())
                             .arg(model.Slaves.size()));
    int beyond = 0;
    for (int i = 0; i < int(nodes.size()) && i < int(model.Slaves.size()); ++i) {
      TSlave_DN& slave = model.Slaves[size_t(i)];
      const QString where = QStringLiteral("Slave %1").arg(i + 1);
      beyond += Read_Bytes(Child(nodes[i], "ByteIN", where), slave.SL_ByteIN, slave.SL_ByteIN_M, where + " ByteIN");
      beyond +=
          Read_Bytes(Child(nodes[i], "ByteOUT", where), slave.SL_ByteOUT, slave.SL_ByteOUT_M, where + " ByteOUT");
    }
    if (beyond > 0)
      model.Notes.append(Lang_Text(kText_DN_Bytes_Beyond)
                             .arg(path)
                             .arg(beyond));
  });
}

std::optional<QString> Check_Output_Offsets(const std::vector<TSlave_DN>& slaves) {
  // Per output position the slave ID and byte that took it; -1, -1 is free.
  std::vector<std::pair<int, int>> taken(kDN_Offset_Area, {-1, -1});
  for (const TSlave_DN& slave : slaves) {
    for (int j = 0; j < int(slave.SL_ByteOUT.size()); ++j) {
      const int32_t offset = StrToIntDef(slave.SL_ByteOUT[j], -1);
      if (offset < 0) continue;
      if (offset >= kDN_Offset_Area)
        return Lang_Text(kText_DN_Offset_Beyond)
            .arg(j)
            .arg(slave.ID)
            .arg(offset)
            .arg(kDN_Offset_Area - 1);
      std::pair<int, int>& place = taken[size_t(offset)];
      if (place.first != -1 || place.second != -1)
        return Lang_Text(3021) + QStringLiteral("\n\r( ") + Lang_Text(3022) + IntToStr(place.first) +
               Lang_Text(3023) + IntToStr(place.second) + Lang_Text(3024) + IntToStr(slave.ID) + Lang_Text(3025) +
               IntToStr(j) + QStringLiteral(")");
      place = {slave.ID, j};
    }
  }
  return std::nullopt;
}

void Save_Offset_Slave_DN(const QString& path, const std::vector<TSlave_DN>& slaves) {
  TXMLDocument doc;
  TXMLNode root = Begin_Editor_Document(doc, TEditorFileLayout{QStringLiteral("Define_Offset"),
                                                               QStringLiteral("1.000"), {}, true});
  for (const TSlave_DN& slave : slaves) {
    TXMLNode node = root.AddChild(QStringLiteral("Nodo_DNET"));
    Write_Bytes(node.AddChild(QStringLiteral("ByteIN")), slave.SL_ByteIN, slave.SL_ByteIN_M);
    Write_Bytes(node.AddChild(QStringLiteral("ByteOUT")), slave.SL_ByteOUT, slave.SL_ByteOUT_M);
  }
  doc.SaveToFile(path);
}
