#include "editors/network/scl_model.h"

#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "platform/xml/xml_document.h"

#include <QFileInfo>
#include <QHash>
#include <QList>

namespace {

// What decoding one device carries along: the templates by kind and id (every
// template of an id, in file order, as the decoder takes them all), the templates
// being unfolded (to refuse one that contains itself), and the size so far.
class TSCL_Context {
public:
  TSCL_Context(const QString& file, const TXMLNode& DTT) : file_(file) {
    for (const TXMLNode& t : DTT.ChildElements()) {
      const QString kind = t.NodeName();
      if (kind != u"LNodeType" && kind != u"DOType" && kind != u"DAType") continue;
      templates_[Key(kind, t.Attribute(QStringLiteral("id")))].append(t);
    }
  }

  QList<TXMLNode> Templates(const QString& kind, const QString& id) const {
    return templates_.value(Key(kind, id));
  }

  // Enters a template; refuses one already being unfolded and nesting too deep.
  void Enter(const QString& kind, const QString& id) {
    const QString key = Key(kind, id);
    if (open_.contains(key))
      throw EFileError(QStringLiteral("The SCL file \"%1\" cannot be used: the %2 \"%3\" contains itself (%4).")
                           .arg(file_, kind, id, Chain(key)));
    if (open_.size() >= kSCL_Max_Depth)
      throw EFileError(QStringLiteral("The SCL file \"%1\" cannot be used: its data types nest deeper than %2 levels.")
                           .arg(file_)
                           .arg(kSCL_Max_Depth));
    open_.append(key);
  }
  void Leave() { open_.removeLast(); }

  // Counts one more object with its texts.
  void Count(const QString& reference) {
    ++objects_;
    characters_ += reference.size();
    if (objects_ > kSCL_Max_Objects || characters_ > kMax_Characters)
      throw EFileError(QStringLiteral("The SCL file \"%1\" cannot be used: its data types unfold into more than %2 "
                                      "objects.")
                           .arg(file_)
                           .arg(kSCL_Max_Objects));
  }

private:
  static constexpr qint64 kMax_Characters = qint64(64) * 1024 * 1024;
  static QString Key(const QString& kind, const QString& id) { return kind + u'\n' + id; }
  QString Chain(const QString& key) const {
    QStringList names;
    for (qsizetype i = open_.indexOf(key); i < open_.size(); ++i) names << open_[i].section(u'\n', 1);
    names << key.section(u'\n', 1);
    return names.join(QStringLiteral(" > "));
  }

  QString file_;
  QHash<QString, QList<TXMLNode>> templates_;
  QStringList open_;
  qint64 objects_ = 0;
  qint64 characters_ = 0;
};

QString Attr(const TXMLNode& e, const char* name) { return e.Attribute(QString::fromLatin1(name)); }

// Data attribute: its name, basic type, functional constraint (its own, else the
// one it inherits) and, unless it is an enumeration, the components of its type.
void Decode_DA(TIEC_DA& da, const TXMLNode& DA, TSCL_Context& ctx, const QString& Father_Ref,
               const QString& FC_Father) {
  // 1. to 3.
  da.fName = Attr(DA, "name");
  da.fReference = Father_Ref + u'.' + da.fName;
  ctx.Count(da.fReference);
  da.fbType = Attr(DA, "bType");
  da.fFC = DA.HasAttribute(QStringLiteral("fc")) ? Attr(DA, "fc") : FC_Father;
  // 4. and 5.
  if (!DA.HasAttribute(QStringLiteral("type")) || da.fbType == u"Enum") return;
  const QString type = Attr(DA, "type");
  const QList<TXMLNode> types = ctx.Templates(QStringLiteral("DAType"), type);
  if (types.isEmpty()) return;
  ctx.Enter(QStringLiteral("DAType"), type);
  for (const TXMLNode& t : types)
    for (const TXMLNode& child : t.ChildElements()) {
      if (child.NodeName() != u"BDA") continue;
      auto component = std::make_unique<TIEC_DA>();
      Decode_DA(*component, child, ctx, da.fReference, da.fFC);
      da.List_DA.push_back(std::move(component));
    }
  ctx.Leave();
}

// Data object or sub data object: its name and what its type holds.
void Decode_DO(TIEC_DO& dobj, const TXMLNode& DO, TSCL_Context& ctx, const QString& Father_Ref) {
  // 1.
  dobj.fName = Attr(DO, "name");
  const QString reference = Father_Ref + u'.' + dobj.fName;
  ctx.Count(reference);
  // 2.
  const QString type = Attr(DO, "type");
  if (type.isEmpty()) return;
  // 3.
  const QList<TXMLNode> types = ctx.Templates(QStringLiteral("DOType"), type);
  if (types.isEmpty()) return;
  ctx.Enter(QStringLiteral("DOType"), type);
  for (const TXMLNode& t : types)
    for (const TXMLNode& child : t.ChildElements()) {
      if (child.NodeName() == u"SDO") {
        auto sub = std::make_unique<TIEC_DO>();
        Decode_DO(*sub, child, ctx, reference);
        dobj.List_DO.push_back(std::move(sub));
      } else if (child.NodeName() == u"DA") {
        auto da = std::make_unique<TIEC_DA>();
        Decode_DA(*da, child, ctx, reference, QString());
        dobj.List_DA.push_back(std::move(da));
      }
    }
  ctx.Leave();
}

// Logical node, pass 1: its names and the data objects of its type.
void Decode_LN(TIEC_LN& ln, const TXMLNode& LN, TSCL_Context& ctx, const QString& Father_Ref) {
  // 1. and 2.
  ln.flnClass = Attr(LN, "lnClass");
  ln.flnType = Attr(LN, "lnType");
  ln.fPrefix = Attr(LN, "prefix");
  ln.fInst = Attr(LN, "inst");
  const QString reference = Father_Ref + u'/' + ln.fPrefix + ln.flnClass + ln.fInst;
  ctx.Count(reference);
  // 3. and 4.
  if (ln.flnType.isEmpty()) return;
  for (const TXMLNode& t : ctx.Templates(QStringLiteral("LNodeType"), ln.flnType))
    for (const TXMLNode& child : t.ChildElements()) {
      if (child.NodeName() != u"DO") continue;
      auto dobj = std::make_unique<TIEC_DO>();
      Decode_DO(*dobj, child, ctx, reference);
      ln.List_DO.push_back(std::move(dobj));
    }
}

// Data set: its members resolved in the device by logical device, node class,
// data object and attribute; members that resolve to nothing are left out.
void Decode_DataSet(TIEC_DataSet& ds, const TXMLNode& DataSet, TSCL_Context& ctx, const QString& Father_Ref,
                    const TIEC_Device& IEC_Device) {
  // 1.
  ds.fName = Attr(DataSet, "name");
  ds.fReference = Father_Ref + u'.' + ds.fName;
  ctx.Count(ds.fReference);
  // 2.
  for (const TXMLNode& fcda : DataSet.ChildElements()) {
    if (fcda.NodeName() != u"FCDA") continue;
    const QString ldInst = Attr(fcda, "ldInst");
    const QString daName = Attr(fcda, "daName");
    if (ldInst.isEmpty()) continue;
    const TIEC_LDevice* ld = IEC_Device.Find_LDevice(ldInst);
    const TIEC_LN* ln = ld ? ld->Find_LN(Attr(fcda, "lnClass")) : nullptr;
    const TIEC_DO* dobj = ln ? ln->Find_DO(Attr(fcda, "doName")) : nullptr;
    if (!dobj) continue;
    TIEC_DA* da = daName.isEmpty() ? dobj->Find_First_DA() : dobj->Find_DA(daName);
    if (da) ds.List_DA.push_back(da);
  }
}

// A GOOSE control block names the data set of its node that it publishes.
void Decode_LN_Goose(TIEC_LN& ln, const TXMLNode& GSEControl) {
  if (!GSEControl.HasAttribute(QStringLiteral("name")) || !GSEControl.HasAttribute(QStringLiteral("datSet"))) return;
  const QString datSet = Attr(GSEControl, "datSet");
  for (const auto& ds : ln.List_DataSet)
    if (ds->fName == datSet) {
      ds->fGooseName = Attr(GSEControl, "name");
      return;
    }
}

// Logical node, pass 2: its data sets and their GOOSE names.
void Decode_LN_DataSet(TIEC_LN& ln, const TXMLNode& LN, TSCL_Context& ctx, const QString& Father_Ref,
                       const TIEC_Device& IEC_Device) {
  // 1. and 2.
  const QString reference = Father_Ref + u'/' + Attr(LN, "lnClass");
  if (Attr(LN, "lnType").isEmpty()) return;
  // 3.
  const QList<TXMLNode> children = LN.ChildElements();
  for (const TXMLNode& child : children) {
    if (child.NodeName() != u"DataSet") continue;
    auto ds = std::make_unique<TIEC_DataSet>();
    Decode_DataSet(*ds, child, ctx, reference, IEC_Device);
    ln.List_DataSet.push_back(std::move(ds));
  }
  // 4.
  for (const TXMLNode& child : children)
    if (child.NodeName() == u"GSEControl") Decode_LN_Goose(ln, child);
}

QList<TXMLNode> Logical_Nodes(const TXMLNode& LDevice) {
  QList<TXMLNode> nodes;
  for (const TXMLNode& child : LDevice.ChildElements())
    if (child.NodeName() == u"LN0" || child.NodeName() == u"LN") nodes.append(child);
  return nodes;
}

// Logical device: pass 1 its logical nodes, pass 2 their data sets.
void Decode_LDevice(TIEC_LDevice& ld, const TXMLNode& LDevice, TSCL_Context& ctx, const QString& Father_Ref,
                    bool DataSetSearch, const TIEC_Device& IEC_Device) {
  ld.fName = Attr(LDevice, "inst");
  const QString reference = Father_Ref + ld.fName;
  const QList<TXMLNode> nodes = Logical_Nodes(LDevice);
  if (!DataSetSearch) {
    for (const TXMLNode& node : nodes) {
      auto ln = std::make_unique<TIEC_LN>();
      Decode_LN(*ln, node, ctx, reference);
      ld.List_LN.push_back(std::move(ln));
    }
    return;
  }
  for (qsizetype k = 0; k < nodes.size() && size_t(k) < ld.List_LN.size(); ++k)
    Decode_LN_DataSet(*ld.List_LN[size_t(k)], nodes[k], ctx, reference, IEC_Device);
}

TXMLNode First_Child(const TXMLNode& parent, const char* name) {
  return parent.IsNull() ? TXMLNode() : parent.ChildByName(QString::fromLatin1(name));
}

}  // namespace

// ---------------------------------------------------------------------------
// Searches

TIEC_DA* TIEC_DA::Find_DA(const QString& DA_Name) const {
  for (const auto& da : List_DA) {
    if (da->fName == DA_Name) return da.get();
    if (TIEC_DA* found = da->Find_DA(DA_Name)) return found;
  }
  return nullptr;
}

TIEC_DA* TIEC_DA::Find_First_DA() {
  TIEC_DA* da = this;
  while (!da->List_DA.empty()) da = da->List_DA.front().get();
  return da;
}

TIEC_DO* TIEC_DO::Find_DO(const QString& DO_Name) const {
  for (const auto& sub : List_DO) {
    if (sub->fName == DO_Name) return sub.get();
    if (TIEC_DO* found = sub->Find_DO(DO_Name)) return found;
  }
  return nullptr;
}

TIEC_DA* TIEC_DO::Find_DA(const QString& DA_Name) const {
  for (const auto& da : List_DA) {
    if (da->fName == DA_Name) return da.get();
    if (TIEC_DA* found = da->Find_DA(DA_Name)) return found;
  }
  return nullptr;
}

TIEC_DA* TIEC_DO::Find_First_DA() const { return List_DA.empty() ? nullptr : List_DA.front()->Find_First_DA(); }

TIEC_DO* TIEC_LN::Find_DO(const QString& DO_Name) const {
  for (const auto& dobj : List_DO) {
    if (dobj->fName == DO_Name) return dobj.get();
    if (TIEC_DO* found = dobj->Find_DO(DO_Name)) return found;
  }
  return nullptr;
}

TIEC_LN* TIEC_LDevice::Find_LN(const QString& LN_Class) const {
  for (const auto& ln : List_LN)
    if (ln->flnClass == LN_Class) return ln.get();
  return nullptr;
}

TIEC_LDevice* TIEC_Device::Find_LDevice(const QString& LD_Name) const {
  for (const auto& ld : List_LDevice)
    if (ld->fName == LD_Name) return ld.get();
  return nullptr;
}

// ---------------------------------------------------------------------------
// Loading a file

TIEC_Device::TIEC_Device(const QString& FileName_icd) : fFileName(QFileInfo(FileName_icd).fileName()) {
  // 1.
  if (!FileExists(FileName_icd)) return;
  // 2. The file's texts are copied out; the document goes when the device is made.
  TXMLDocument SCL_Document;
  SCL_Document.LoadFromFile(FileName_icd, kSCL_Max_File_Size);
  const TXMLNode scl = SCL_Document.DocumentElement();
  if (scl.IsNull() || scl.NodeName() != u"SCL") return;
  // 3. and 4.
  const TXMLNode ied = First_Child(scl, "IED");
  const TXMLNode DTT = First_Child(scl, "DataTypeTemplates");
  if (ied.IsNull() || DTT.IsNull()) return;
  fName = Attr(ied, "name");
  // 5.
  const TXMLNode server = First_Child(First_Child(ied, "AccessPoint"), "Server");
  if (server.IsNull()) return;
  QList<TXMLNode> devices;
  for (const TXMLNode& child : server.ChildElements())
    if (child.NodeName() == u"LDevice") devices.append(child);
  TSCL_Context ctx(fFileName, DTT);
  // 6. Pass 1: the logical devices and their trees.
  for (const TXMLNode& device : devices) {
    auto ld = std::make_unique<TIEC_LDevice>();
    Decode_LDevice(*ld, device, ctx, fName, false, *this);
    List_LDevice.push_back(std::move(ld));
  }
  // 7. Pass 2: the data sets, whose members may name any logical device.
  for (qsizetype k = 0; k < devices.size() && size_t(k) < List_LDevice.size(); ++k)
    Decode_LDevice(*List_LDevice[size_t(k)], devices[k], ctx, fName, true, *this);
}

TIEC_Device::~TIEC_Device() = default;
