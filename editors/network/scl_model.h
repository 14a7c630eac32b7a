// The data model of one IEC 61850 device as an SCL file (IEC 61850-6: .icd, .cid,
// .iid, .scd, .ssd, .sed) describes it, decoded into plain objects: the device (the
// file's first IED), its logical devices, their logical nodes, the data objects of
// each node's type with their sub data objects, the data attributes with the
// components of structured ones, and the data sets of each node with the name of
// the GOOSE control block that publishes them. Only names, basic types, functional
// constraints and references are read; enumeration types and every IED after the
// first are not, and the file is not checked against the SCL schema.
//
// References: the logical device's name is the IED name followed by its inst; a
// logical node adds "/" + prefix + lnClass + inst; each data object, sub data
// object, attribute and component adds "." + its name. A data set's reference is
// the logical device's name + "/" + lnClass + "." + its name (without the node's
// prefix and inst): IED1LD0/MMXU1.TotW.mag.f, IED1LD0/LLN0.DS1.
//
// Types are templates ("LNodeType", "DOType", "DAType" under "DataTypeTemplates")
// named by id; every template of a matching id counts, in file order. A template
// that contains itself, directly or through others, cannot be decoded: the device
// is refused with an error naming it, as is a file whose templates nest deeper than
// kSCL_Max_Depth or unfold into more than kSCL_Max_Objects objects.
//
// Ownership: a device owns its logical devices, a logical device its logical
// nodes, a node its data objects and data sets, a data object its sub data objects
// and attributes, an attribute its components. A data set's members are attributes
// of the same device's tree, not owned by the data set, so each object is
// destroyed exactly once.
#pragma once

#include "platform/rtl/object.h"

#include <QString>
#include <memory>
#include <vector>

class TTreeNode;

// The deepest nesting of templates in one logical node (sub data objects and
// components together), and the most objects one device unfolds into.
inline constexpr int kSCL_Max_Depth = 64;
inline constexpr int kSCL_Max_Objects = 200000;
// The largest SCL file read (substation files describe many devices).
inline constexpr qsizetype kSCL_Max_File_Size = 64 * 1024 * 1024;

class TIEC_DA : public TObject {
public:
  const QString& Reference() const { return fReference; }
  const QString& FC() const { return fFC; }
  const QString& bType() const { return fbType; }
  const QString& Name() const { return fName; }

  // Depth first over the attribute's components: the first of that name.
  TIEC_DA* Find_DA(const QString& DA_Name) const;
  // The first leaf: this attribute without components, else its first component's.
  TIEC_DA* Find_First_DA();

  QString fReference;
  QString fFC;
  QString fbType;
  QString fName;
  std::vector<std::unique_ptr<TIEC_DA>> List_DA;  // components
  TTreeNode* TreeNode = nullptr;
};

class TIEC_DO : public TObject {
public:
  const QString& Name() const { return fName; }

  // Depth first over the sub data objects: the first whose whole name is DO_Name.
  TIEC_DO* Find_DO(const QString& DO_Name) const;
  // Depth first over the attributes (not those of sub data objects) and their
  // components.
  TIEC_DA* Find_DA(const QString& DA_Name) const;
  // The first leaf of the first attribute, nullptr without attributes.
  TIEC_DA* Find_First_DA() const;

  QString fName;
  std::vector<std::unique_ptr<TIEC_DO>> List_DO;  // sub data objects
  std::vector<std::unique_ptr<TIEC_DA>> List_DA;
  TTreeNode* TreeNode = nullptr;
};

class TIEC_DataSet : public TObject {
public:
  const QString& Name() const { return fName; }
  const QString& Reference() const { return fReference; }
  const QString& GooseName() const { return fGooseName; }

  QString fName;
  QString fReference;
  QString fGooseName;
  std::vector<TIEC_DA*> List_DA;  // members: attributes of the device's tree, not owned
  TTreeNode* TreeNode = nullptr;
};

class TIEC_LN : public TObject {
public:
  const QString& lnClass() const { return flnClass; }
  const QString& lnType() const { return flnType; }
  const QString& Prefix() const { return fPrefix; }
  const QString& Inst() const { return fInst; }

  // Depth first over the data objects and their sub data objects.
  TIEC_DO* Find_DO(const QString& DO_Name) const;

  QString flnClass;
  QString flnType;
  QString fPrefix;
  QString fInst;
  std::vector<std::unique_ptr<TIEC_DO>> List_DO;
  std::vector<std::unique_ptr<TIEC_DataSet>> List_DataSet;
  TTreeNode* TreeNode = nullptr;
};

class TIEC_LDevice : public TObject {
public:
  const QString& Name() const { return fName; }

  // The first logical node of that class, whatever its prefix and inst.
  TIEC_LN* Find_LN(const QString& LN_Class) const;

  QString fName;
  std::vector<std::unique_ptr<TIEC_LN>> List_LN;
  TTreeNode* TreeNode = nullptr;
};

class TIEC_Device : public TObject {
public:
  // Decodes the SCL file. A missing file, or one without SCL, IED or
  // DataTypeTemplates element, gives a device without name and logical devices; an
  // IED without AccessPoint or Server one with its name only. Raises EFileError for
  // a file that cannot be read or is not well-formed, and for templates that
  // contain themselves or unfold beyond the limits above.
  explicit TIEC_Device(const QString& FileName_icd);
  ~TIEC_Device() override;

  const QString& Name() const { return fName; }
  const QString& FileName() const { return fFileName; }

  TIEC_LDevice* Find_LDevice(const QString& LD_Name) const;

  QString fName;
  QString fFileName;
  std::vector<std::unique_ptr<TIEC_LDevice>> List_LDevice;
  TTreeNode* TreeNode = nullptr;
};
