#include "app/settings/settings_file.h"

#include "app/editor_file/editor_file.h"
#include "app/state/comon.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "platform/xml/xml_document.h"

namespace {

// A text value: root > Group > Element holds the global's text.
struct TSettingText {
  const char16_t* Group;
  const char16_t* Element;
  QString* Global;
  const char16_t* Default;
};

const TSettingText kSettingTexts[] = {
    {u"lastproj", u"projectname", &Project_Name, u""},
    {u"lastipadd", u"ipaddress", &Last_IP_Address, kDefault_IP_Address},
    {u"lastlang", u"language", &Language_Name, kDefault_Language},
};

// The four options, all children of one group, "1" or "0", off when missing.
const char16_t* const kOptionsGroup = u"lastinternet";

struct TSettingFlag {
  const char16_t* Element;
  bool* Global;
};

const TSettingFlag kSettingFlags[] = {
    {u"enable_internet", &Opt_Enable_Internet},
    {u"enable_update", &Opt_Enable_Update},
    {u"enable_jump_field_tables", &Opt_Jump_Field_Tables},
    {u"Double_Click_Auto_Size", &Opt_Double_Click_Auto_Size},
};

QString Q(const char16_t* s) { return QString::fromUtf16(s); }

void setDefaultSettings() {
  Project_Folder.clear();
  for (const TSettingText& t : kSettingTexts) *t.Global = Q(t.Default);
  for (const TSettingFlag& f : kSettingFlags) *f.Global = false;
}

}  // namespace

QString Settings_File_Path() { return PathJoin(Exe_Folder, QStringLiteral("Fabricor.xml")); }

void Read_Settings() {
  // 1. No file (or one that cannot be loaded): every default.
  const QString path = Settings_File_Path();
  if (!FileExists(path)) {
    setDefaultSettings();
    return;
  }
  // 2. Load; the first element is the root, whatever its name.
  TXMLDocument doc;
  try {
    doc.LoadFromFile(path);
  } catch (const EFileError&) {
    setDefaultSettings();
    return;
  }
  const TXMLNode root = doc.DocumentElement();
  // 3./4. Each value on its own: a missing element gives the default, an empty one
  // the empty text; an option is on only for the text "1".
  for (const TSettingText& t : kSettingTexts)
    *t.Global = Field_Text(root.ChildByName(Q(t.Group)), Q(t.Element), Q(t.Default));
  const TXMLNode options = root.ChildByName(Q(kOptionsGroup));
  for (const TSettingFlag& f : kSettingFlags) *f.Global = Field_Flag(options, Q(f.Element));
}

void Save_Setting() {
  // 1. A new document.
  TXMLDocument doc;
  // 2. The root and the values in their fixed order.
  TXMLNode root = doc.AddRoot(QStringLiteral("Conf_Settings"));
  for (const TSettingText& t : kSettingTexts) root.AddChild(Q(t.Group)).AddChild(Q(t.Element)).SetText(*t.Global);
  TXMLNode options = root.AddChild(Q(kOptionsGroup));
  for (const TSettingFlag& f : kSettingFlags) options.AddChild(Q(f.Element)).SetText(Flag_Text(*f.Global));
  // 3. Replace the file whole.
  doc.SaveToFile(Settings_File_Path());
}
