#include "editors/network/iec61850_client_form.h"

#include "app/grid_rows/grid_rows.h"
#include "app/language/language.h"
#include "app/routines/decimal_numbers.h"
#include "app/state/comon.h"
#include "app/table_editor/form_frame.h"
#include "app/table_editor/table_editor_grids.h"
#include "controls/button/fade_button.h"
#include "editors/network/iec61850_client_pictures.h"
#include "grid/view/column_grid.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"
#include "platform/ui/application.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/labels.h"
#include "platform/ui/list_controls.h"
#include "platform/ui/page_control.h"
#include "platform/ui/shapes.h"
#include "platform/ui/tree_view.h"

#include <QFileInfo>
#include <algorithm>

TFIEC_61850_Access* FIEC_61850_Access = nullptr;

namespace {

constexpr TColor kForm_Color = 0xEDF7F8;
constexpr int kTitle_Height = 69;
constexpr int kButtons_Height = 40;
constexpr int kLeft_Width = 250;
constexpr int kTree_Width = 320;
constexpr int kGap = 8;

// The tree's pictures, by level.
enum TTree_Image { tiDevice, tiLDevice, tiLN, tiDO, tiDA, tiDataSet };

// Own texts of this editor.
constexpr int kText_Not_Saved = 3268;
constexpr int kText_Failed_Load = 3269;
constexpr int kText_Catalog_Missing = 3270;
constexpr int kText_Missing_Mark = 3271;
constexpr int kText_Copy_Failed = 3272;
constexpr int kText_Catalog_Unreadable = 3273;
constexpr int kText_Members_Dropped = 3274;
constexpr int kText_Device_In_Use = 3275;

const char* const kSCL_Filter =
    "SCL Files (*.scd, *.ssd, *.sed, *.icd, *.iid, *.cid)|*.scd; *.ssd; *.sed; *.icd; *.iid; *.cid;|Any File (*.*)|*.*";

// Titles of the two data-set grids: fixed, not translated.
const char* const kDataSet_Titles[kDS_Columns] = {"N",          "Index", "Reference", "Goose Name", "En. Goose",
                                                  "IP Address", "Port",  "Time (ms)", "Mnemonic"};
const char* const kMember_Titles[kDSV_Columns] = {"N",         "bType",      "Reference", "Position",
                                                  "Start Bit", "Convertion", "Mult Fact", "Mnemonic"};
// Titles of the Variables grid (row 0, columns 0 to 18) and its 19 header hints.
constexpr int kDA_Titles[kDA_Columns] = {3218, 3219, 3220, 3221, 3222, 3258, 3259, 3223, 3224, 3225,
                                         3226, 3227, 3228, 3229, 3230, 3231, 3232, 3233, 3234};
constexpr int kDA_Hints[kDA_Columns] = {3235, 3236, 3237, 3238, 3239, 3260, 3261, 3240, 3241, 3242,
                                        3243, 3244, 3245, 3246, 3247, 3248, 3249, 3250, 3251};
constexpr int kDA_Widths[kDA_Columns] = {30, 45, 90, 35, 260, 70, 70, 100, 50, 70, 60, 65, 70, 65, 65, 55, 85, 70, 120};
constexpr int kDS_Widths[kDS_Columns] = {30, 45, 220, 120, 70, 100, 50, 70, 120};
constexpr int kDSV_Widths[kDSV_Columns] = {30, 90, 260, 65, 65, 85, 70, 120};

TStringList Items(std::initializer_list<const char*> texts) {
  TStringList list;
  for (const char* t : texts) list.Add(QString::fromLatin1(t));
  return list;
}

void Set_Combo(TExColumnGrid* grid, int col, const TStringList& items) {
  TGridColumnItem* item = grid->Columns()->Items(col);
  item->SetEditor(edComboList);
  item->SetComboItems(&items);
}

}  // namespace

TFIEC_61850_Access::TFIEC_61850_Access(TComponent* AOwner) : TForm(AOwner) {
  SetName(QStringLiteral("FIEC_61850_Access"));
  SetColor(kForm_Color);
  SetPosition(poScreenCenter);
  Font()->SetName(QStringLiteral("Verdana"));
  Font()->SetSize(8);
  Make_Controls();
  SetClientSize(kClient_Width, kClient_Height);
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
  Place_Areas();
}

TFIEC_61850_Access::~TFIEC_61850_Access() {
  // The tree's nodes refer to the devices' objects only through the objects' own
  // TreeNode fields; the selections go before the devices do.
  Selected_IEC_DA = nullptr;
  Selected_IEC_DS = nullptr;
}

// ---------------------------------------------------------------------------
// Building

TExColumnGrid* TFIEC_61850_Access::Make_Grid(TWinControl* parent, const QString& name, int cols) {
  auto* g = new TExColumnGrid(this);
  g->SetName(name);
  g->SetParent(parent);
  g->SetOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing, goEditing});
  g->SetColCount(cols);
  g->SetRowCount(2);
  g->SetFixedCols(1);
  g->SetFixedRows(1);
  g->FixedRowAlways = true;
  g->SetDefaultRowHeight(22);
  g->SetShowHint(true);
  g->OnClickCell = [this](TObject* s, int r, int c) { ClickCell(s, r, c); };
  g->OnDblClickCell = [this](TObject* s, int r, int c) { ECG_DADblClickCell(s, r, c); };
  g->OnKeyPress = [this](TObject* s, QChar& k) { ECG_DAKeyPress(s, k); };
  g->OnGridHint = [this](TObject* s, int r, int c, QString& h) { ECG_DAGridHint(s, r, c, h); };
  return g;
}

void TFIEC_61850_Access::Make_Controls() {
  const TFormTitle title = Make_Form_Title(this, kForm_Color, 300, 900, true);
  Set_Editor_Title_Look(title);
  P_Title = title.Panel;
  L_SW_Code = title.Code;
  L_SW_Desc = title.Desc;

  P_Button = Make_Button_Panel(this, kForm_Color);
  struct TPlace {
    TFadeButton* TFIEC_61850_Access::*Button;
    const char16_t* Name;
    int Left;
  };
  static constexpr TPlace places[] = {
      {&TFIEC_61850_Access::Btn_OK, u"Btn_OK", 16},         {&TFIEC_61850_Access::Btn_Cancel, u"Btn_Cancel", 134},
      {&TFIEC_61850_Access::Btn_AddVar, u"Btn_AddVar", 252}, {&TFIEC_61850_Access::Btn_RemoveVar, u"Btn_RemoveVar", 370},
      {&TFIEC_61850_Access::Btn_MoveUp, u"Btn_MoveUp", 488}, {&TFIEC_61850_Access::Btn_ModeDown, u"Btn_ModeDown", 606},
  };
  for (const TPlace& place : places) {
    this->*place.Button = Make_Panel_Button(this, P_Button, QString::fromUtf16(place.Name), place.Left, 110);
    (this->*place.Button)->SetShowHint(true);
  }
  Btn_Cancel->SetModalResult(mrCancel);
  Btn_MoveUp->SetVisible(false);
  Btn_ModeDown->SetVisible(false);
  Btn_OK->OnClick = [this](TObject* s) { Btn_OKClick(s); };
  Btn_AddVar->OnClick = [this](TObject* s) { Btn_AddVarClick(s); };
  Btn_RemoveVar->OnClick = [this](TObject* s) { Btn_RemoveVarClick(s); };

  Btn_Add_IEC_Device = new TFadeButton(this);
  Btn_Add_IEC_Device->SetName(QStringLiteral("Btn_Add_IEC_Device"));
  Btn_Add_IEC_Device->SetParent(this);
  Btn_Add_IEC_Device->SetShowHint(true);
  Btn_Add_IEC_Device->OnClick = [this](TObject* s) { Btn_Add_IEC_DeviceClick(s); };
  LB_IEC_Devices = new TListBox(this);
  LB_IEC_Devices->SetName(QStringLiteral("LB_IEC_Devices"));
  LB_IEC_Devices->SetParent(this);
  LB_IEC_Devices->OnClick = [this](TObject* s) { LB_IEC_DevicesClick(s); };
  Btn_Remove_IEC_Device = new TFadeButton(this);
  Btn_Remove_IEC_Device->SetName(QStringLiteral("Btn_Remove_IEC_Device"));
  Btn_Remove_IEC_Device->SetParent(this);
  Btn_Remove_IEC_Device->SetShowHint(true);
  Btn_Remove_IEC_Device->OnClick = [this](TObject* s) { Btn_Remove_IEC_DeviceClick(s); };

  TV_IEC_Device = new TTreeView(this);
  TV_IEC_Device->SetName(QStringLiteral("TV_IEC_Device"));
  TV_IEC_Device->SetParent(this);
  TV_IEC_Device->SetReadOnly(true);
  for (int i = 0; i < kIEC_Tree_Pictures; ++i) {
    const std::unique_ptr<TBitmap> picture = IEC_Tree_Picture(i);
    TV_IEC_Device->AddImage(*picture);
  }
  TV_IEC_Device->OnClick = [this](TObject* s) { TV_IEC_DeviceClick(s); };
  TV_IEC_Device->OnCustomDrawItem = [this](TObject* s, TTreeNode* n, TCustomDrawState st, bool& d) {
    TV_IEC_DeviceCustomDrawItem(s, n, st, d);
  };

  PC_DA_DataSet = new TPageControl(this);
  PC_DA_DataSet->SetName(QStringLiteral("PC_DA_DataSet"));
  PC_DA_DataSet->SetParent(this);
  TS_DA = new TTabSheet(this);
  TS_DA->SetName(QStringLiteral("TS_DA"));
  TS_DA->SetPageControl(PC_DA_DataSet);
  TS_DataSet = new TTabSheet(this);
  TS_DataSet->SetName(QStringLiteral("TS_DataSet"));
  TS_DataSet->SetPageControl(PC_DA_DataSet);

  ECG_DA = Make_Grid(TS_DA, QStringLiteral("ECG_DA"), kDA_Columns);
  for (int c = 0; c < kDA_Columns; ++c) ECG_DA->Columns()->Items(c)->SetWidth(kDA_Widths[c]);
  for (int c : {kDA_bType, kDA_fc, kDA_Reference}) ECG_DA->Columns()->Items(c)->ReadOnly = true;
  for (int c : {kDA_OnChange, kDA_OnCMD, kDA_OnTimer}) {
    ECG_DA->Columns()->Items(c)->SetEditor(edDataCheckBox);
    ECG_DA->Columns()->Items(c)->SetAlignment(taCenter);
  }
  Set_Combo(ECG_DA, 14, Items({"0", "1", "2", "3", "4", "5", "6", "7"}));
  Set_Combo(ECG_DA, 15, Items({"Read", "Write"}));
  Set_Combo(ECG_DA, 16, Items({"None", "ItoF/FtoI"}));

  ECG_DataSet = Make_Grid(TS_DataSet, QStringLiteral("ECG_DataSet"), kDS_Columns);
  for (int c = 0; c < kDS_Columns; ++c) {
    ECG_DataSet->Columns()->Items(c)->SetWidth(kDS_Widths[c]);
    ECG_DataSet->Columns()->Items(c)->SetHeader(QString::fromLatin1(kDataSet_Titles[c]));
  }
  for (int c : {kDS_Reference, kDS_GooseName}) ECG_DataSet->Columns()->Items(c)->ReadOnly = true;
  ECG_DataSet->Columns()->Items(kDS_EnGoose)->SetEditor(edDataCheckBox);
  ECG_DataSet->Columns()->Items(kDS_EnGoose)->SetAlignment(taCenter);

  ECG_DS_Vars = Make_Grid(TS_DataSet, QStringLiteral("ECG_DS_Vars"), kDSV_Columns);
  for (int c = 0; c < kDSV_Columns; ++c) {
    ECG_DS_Vars->Columns()->Items(c)->SetWidth(kDSV_Widths[c]);
    ECG_DS_Vars->Columns()->Items(c)->SetHeader(QString::fromLatin1(kMember_Titles[c]));
  }
  for (int c : {kDSV_bType, kDSV_Reference}) ECG_DS_Vars->Columns()->Items(c)->ReadOnly = true;
  Set_Combo(ECG_DS_Vars, 4, Items({"0", "1", "2", "3", "4", "5", "6", "7"}));
  Set_Combo(ECG_DS_Vars, 5, Items({"None", "ItoF/FtoI"}));
  ECG_DS_Vars->OnSelectCell = [this](TObject* s, int c, int r, bool& can) { ECG_DS_VarsSelectCell(s, c, r, can); };
  ECG_DS_Vars->OnEditCellDone = [this](TObject* s, int c, int r) { ECG_DS_VarsEditCellDone(s, c, r); };

  OD_IcdFile = new TOpenDialog(this);
  OD_IcdFile->SetName(QStringLiteral("OD_IcdFile"));
  OD_IcdFile->Filter = QString::fromLatin1(kSCL_Filter);
}

// ---------------------------------------------------------------------------
// Creation and texts

void TFIEC_61850_Access::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SW_Code);
  SetClientSize(kClient_Width, kClient_Height);
  PC_DA_DataSet->SetActivePage(TS_DA);
  Set_Lang();
}

void TFIEC_61850_Access::Set_Lang() {
  SetCaption(Lang_Text(3200));
  L_SW_Desc->SetCaption(Lang_Text(3201));
  TFadeButton* buttons[] = {Btn_OK,     Btn_Cancel,   Btn_AddVar,         Btn_RemoveVar,
                            Btn_MoveUp, Btn_ModeDown, Btn_Add_IEC_Device, Btn_Remove_IEC_Device};
  for (int i = 0; i < 8; ++i) {
    buttons[i]->SetCaption(Lang_Text(3202 + i));
    buttons[i]->SetHint(Lang_Text(3210 + i));
  }
  for (int c = 0; c < kDA_Columns; ++c) ECG_DA->SetCellEx(c, 0, Lang_Text(kDA_Titles[c]));
  Hint.Clear();
  for (int c = 0; c < kDA_Columns; ++c) Hint.Add(Lang_Text(kDA_Hints[c]));
  // The tab captions and the data-set grids' titles are fixed texts.
  TS_DA->SetCaption(QStringLiteral("Variables"));
  TS_DataSet->SetCaption(QStringLiteral("DataSet"));
}

// ---------------------------------------------------------------------------
// Showing

void TFIEC_61850_Access::Clear_All() {
  // 1.
  DataSet_Row_Select = 0;
  Selected_IEC_DA = nullptr;
  Selected_IEC_DS = nullptr;
  // 2. The tree first: its nodes name the devices' objects.
  Clear_Tree();
  LB_IEC_Devices->Clear();
  List_DataSet.clear();
  while (!List_IEC_Dev.empty()) List_IEC_Dev.pop_back();
  Missing_Reason.clear();
  // 3. One empty row per grid.
  for (TExColumnGrid* g : {ECG_DA, ECG_DataSet, ECG_DS_Vars}) {
    for (int row = 1; row < g->RowCount(); ++row)
      for (int c = 0; c < g->AllColCount(); ++c) g->SetCellEx(c, row, QString());
    g->SetRowCount(2);
  }
}

void TFIEC_61850_Access::FormShow(TObject*) {
  Clear_All();
  PC_DA_DataSet->SetActivePage(TS_DA);
  Load_File();
}

void TFIEC_61850_Access::Add_Catalog_Device(const QString& fileName, QStringList& warnings) {
  const QString path = PathJoin(ICD_Catalog_Folder(), fileName);
  QString reason;
  if (!IsPlainFileName(fileName) || !FileExists(path)) {
    warnings << Lang_Text(kText_Catalog_Missing).arg(fileName, ICD_Catalog_Folder());
    reason = Lang_Text(kText_Missing_Mark);
  } else {
    try {
      List_IEC_Dev.push_back(std::make_unique<TIEC_Device>(path));
      Missing_Reason.push_back(QString());
      return;
    } catch (const Exception& e) {
      warnings << Lang_Text(kText_Catalog_Unreadable).arg(fileName, e.Message);
      reason = Lang_Text(kText_Missing_Mark);
    }
  }
  // A placeholder: no tree, but its place in the list, and its file name for the save.
  auto placeholder = std::make_unique<TIEC_Device>(QString());
  placeholder->fFileName = fileName;
  List_IEC_Dev.push_back(std::move(placeholder));
  Missing_Reason.push_back(reason);
}

void TFIEC_61850_Access::Load_File() {
  Load_Failure.clear();
  TIEC_Client_File file;
  const TIEC_Client_Load load = Read_IEC_Client_File(File_IEC_61850_Client, file);
  if (!load.Found) return;
  QStringList warnings;
  // 4.1 The devices of the catalog, each in its place.
  for (const QString& name : file.ICD_Files) Add_Catalog_Device(name, warnings);
  // 4.2 The Variables rows.
  if (!file.DA_Items.isEmpty()) {
    ECG_DA->SetRowCount(int(file.DA_Items.size()) + 1);
    for (int i = 0; i < int(file.DA_Items.size()); ++i) {
      ECG_DA->SetCellEx(0, i + 1, IntToStr(i + 1));
      const QStringList& cells = file.DA_Items[i];
      for (int c = 1; c < kDA_Columns && c - 1 < cells.size(); ++c) ECG_DA->SetCellEx(c, i + 1, cells[c - 1]);
    }
  }
  // 4.3
  Set_Start_Num_Byte();
  // 4.4 The data sets, their members matched again against the SCL.
  if (!file.DataSets.isEmpty()) {
    ECG_DataSet->SetRowCount(int(file.DataSets.size()) + 1);
    QStringList dropped;
    for (int i = 0; i < int(file.DataSets.size()); ++i) {
      const TDataSet_Item& item = file.DataSets[i];
      ECG_DataSet->SetCellEx(0, i + 1, IntToStr(i + 1));
      for (int c = 1; c < kDS_Columns && c - 1 < item.Cells.size(); ++c) ECG_DataSet->SetCellEx(c, i + 1, item.Cells[c - 1]);
      auto chosen = std::make_unique<TDataSet>();
      TIEC_DataSet* ds = Get_DataSet(StrToIntDef(item.Cells.value(kDS_Index - 1), -1), item.Cells.value(kDS_Reference - 1));
      for (const QString& member : Match_DataSet_Members(ds, item.Members, *chosen))
        dropped << item.Cells.value(kDS_Reference - 1) + QStringLiteral(": ") + member;
      List_DataSet.push_back(std::move(chosen));
    }
    if (!dropped.isEmpty()) warnings << Lang_Text(kText_Members_Dropped).arg(dropped.join(u'\n'));
  }
  // 4.5
  Show_IEC_Devices();
  // A load that stopped keeps what it read; OK asks before it overwrites the file.
  Load_Failure = load.Failure;
  if (!load.Failure.isEmpty()) Application->HandleException(load.Box);
  for (const QString& warning : warnings) MessageDlg(warning, mtWarning, {mbOK});
}

// ---------------------------------------------------------------------------
// Devices and the tree

TIEC_Device* TFIEC_61850_Access::Selected_Device() const {
  const int k = LB_IEC_Devices->ItemIndex();
  if (k < 0 || k >= int(List_IEC_Dev.size())) return nullptr;
  return List_IEC_Dev[size_t(k)].get();
}

void TFIEC_61850_Access::Show_IEC_Devices() {
  LB_IEC_Devices->Clear();
  for (size_t k = 0; k < List_IEC_Dev.size(); ++k) {
    const TIEC_Device& device = *List_IEC_Dev[k];
    if (Missing_Reason[k].isEmpty())
      LB_IEC_Devices->Items()->Add(device.Name());
    else
      LB_IEC_Devices->Items()->Add(device.FileName() + u' ' + Missing_Reason[k]);
  }
  LB_IEC_Devices->SetItemIndex(-1);
}

void TFIEC_61850_Access::LB_IEC_DevicesClick(TObject*) {
  TIEC_Device* device = Selected_Device();
  if (!device) return;
  Clear_Tree();
  Show_Tree_IEC_Device(device);
  Selected_IEC_DA = nullptr;
  Selected_IEC_DS = nullptr;
}

// The tree emptied, and every object forgets its node.
void TFIEC_61850_Access::Clear_Tree() {
  for (const auto& device : List_IEC_Dev) {
    device->TreeNode = nullptr;
    for (const auto& ld : device->List_LDevice) {
      ld->TreeNode = nullptr;
      for (const auto& ln : ld->List_LN) {
        ln->TreeNode = nullptr;
        for (const auto& ds : ln->List_DataSet) ds->TreeNode = nullptr;
        std::vector<TIEC_DO*> dos;
        for (const auto& d : ln->List_DO) dos.push_back(d.get());
        while (!dos.empty()) {
          TIEC_DO* d = dos.back();
          dos.pop_back();
          d->TreeNode = nullptr;
          for (const auto& sub : d->List_DO) dos.push_back(sub.get());
          std::vector<TIEC_DA*> das;
          for (const auto& a : d->List_DA) das.push_back(a.get());
          while (!das.empty()) {
            TIEC_DA* a = das.back();
            das.pop_back();
            a->TreeNode = nullptr;
            for (const auto& c : a->List_DA) das.push_back(c.get());
          }
        }
      }
    }
  }
  TV_IEC_Device->Items()->Clear();
  NODE_ORIG = nullptr;
}

void TFIEC_61850_Access::Show_Tree_IEC_Device(TIEC_Device* device) {
  TV_IEC_Device->Items()->BeginUpdate();
  NODE_ORIG = TV_IEC_Device->Items()->Add(nullptr, device->Name());
  NODE_ORIG->SetImageIndex(tiDevice);
  NODE_ORIG->Data = device;
  device->TreeNode = NODE_ORIG;
  for (const auto& ld : device->List_LDevice) Show_Tree_IEC_LDevice(NODE_ORIG, ld.get());
  NODE_ORIG->Expand(false);
  TV_IEC_Device->Items()->EndUpdate();
}

void TFIEC_61850_Access::Show_Tree_IEC_LDevice(TTreeNode* parent, TIEC_LDevice* ld) {
  TTreeNode* node = TV_IEC_Device->Items()->AddChild(parent, ld->Name());
  node->SetImageIndex(tiLDevice);
  ld->TreeNode = node;
  for (const auto& ln : ld->List_LN) Show_Tree_IEC_LN(node, ln.get());
  node->Expand(false);
}

void TFIEC_61850_Access::Show_Tree_IEC_LN(TTreeNode* parent, TIEC_LN* ln) {
  TTreeNode* node = TV_IEC_Device->Items()->AddChild(parent, ln->Prefix() + ln->lnClass() + ln->Inst());
  node->SetImageIndex(tiLN);
  ln->TreeNode = node;
  for (const auto& d : ln->List_DO) Show_Tree_IEC_DO(node, d.get());
  for (const auto& ds : ln->List_DataSet) Show_Tree_IEC_DataSet(node, ds.get());
  node->Expand(false);
}

void TFIEC_61850_Access::Show_Tree_IEC_DO(TTreeNode* parent, TIEC_DO* dobj) {
  TTreeNode* node = TV_IEC_Device->Items()->AddChild(parent, dobj->Name());
  node->SetImageIndex(tiDO);
  dobj->TreeNode = node;
  for (const auto& sub : dobj->List_DO) Show_Tree_IEC_DO(node, sub.get());
  for (const auto& da : dobj->List_DA) Show_Tree_IEC_DA(node, da.get());
}

void TFIEC_61850_Access::Show_Tree_IEC_DA(TTreeNode* parent, TIEC_DA* da) {
  TTreeNode* node = TV_IEC_Device->Items()->AddChild(parent, da->Name());
  node->SetImageIndex(tiDA);
  da->TreeNode = node;
  for (const auto& c : da->List_DA) Show_Tree_IEC_DA(node, c.get());
}

void TFIEC_61850_Access::Show_Tree_IEC_DataSet(TTreeNode* parent, TIEC_DataSet* ds) {
  TTreeNode* node = TV_IEC_Device->Items()->AddChild(parent, ds->Name());
  node->SetImageIndex(tiDataSet);
  ds->TreeNode = node;
}

void TFIEC_61850_Access::TV_IEC_DeviceCustomDrawItem(TObject*, TTreeNode* Node, TCustomDrawState, bool& DefaultDraw) {
  TColor color = clBlack;
  if (Node->ImageIndex() == tiDO) color = 0xFF0000;       // RGB 0, 0, 255
  if (Node->ImageIndex() == tiDataSet) color = 0x008000;  // RGB 0, 128, 0
  TV_IEC_Device->Canvas()->Font()->SetColor(color);
  DefaultDraw = true;
}

namespace {

// The leaf attribute whose node is `selected` below `da`; `stop` set when the walk
// met the selected node on an attribute that has components.
TIEC_DA* Find_Leaf(TIEC_DA* da, TTreeNode* selected, bool& stop) {
  if (da->TreeNode == selected) {
    if (da->List_DA.empty()) return da;
    stop = true;
    return nullptr;
  }
  for (const auto& c : da->List_DA) {
    if (TIEC_DA* found = Find_Leaf(c.get(), selected, stop)) return found;
    if (stop) return nullptr;
  }
  return nullptr;
}

TIEC_DA* Find_Leaf(TIEC_DO* dobj, TTreeNode* selected, bool& stop) {
  if (dobj->TreeNode == selected) {
    stop = true;
    return nullptr;
  }
  for (const auto& sub : dobj->List_DO) {
    if (TIEC_DA* found = Find_Leaf(sub.get(), selected, stop)) return found;
    if (stop) return nullptr;
  }
  for (const auto& da : dobj->List_DA) {
    if (TIEC_DA* found = Find_Leaf(da.get(), selected, stop)) return found;
    if (stop) return nullptr;
  }
  return nullptr;
}

}  // namespace

TIEC_DA* TFIEC_61850_Access::Search_Node_Selected() {
  TIEC_Device* device = Selected_Device();
  TTreeNode* selected = TV_IEC_Device->Selected();
  if (!device || !selected || selected == device->TreeNode) return nullptr;
  bool stop = false;
  for (const auto& ld : device->List_LDevice) {
    if (ld->TreeNode == selected) return nullptr;
    for (const auto& ln : ld->List_LN) {
      if (ln->TreeNode == selected) return nullptr;
      for (const auto& d : ln->List_DO) {
        if (TIEC_DA* found = Find_Leaf(d.get(), selected, stop)) return found;
        if (stop) return nullptr;
      }
    }
  }
  return nullptr;
}

TIEC_DataSet* TFIEC_61850_Access::Search_Node_Selected_DataSet() {
  TIEC_Device* device = Selected_Device();
  TTreeNode* selected = TV_IEC_Device->Selected();
  if (!device || !selected || selected == device->TreeNode) return nullptr;
  for (const auto& ld : device->List_LDevice) {
    if (ld->TreeNode == selected) return nullptr;
    for (const auto& ln : ld->List_LN) {
      if (ln->TreeNode == selected) return nullptr;
      for (const auto& ds : ln->List_DataSet)
        if (ds->TreeNode == selected) return ds.get();
    }
  }
  return nullptr;
}

void TFIEC_61850_Access::TV_IEC_DeviceClick(TObject*) {
  Selected_IEC_DA = nullptr;
  Selected_IEC_DS = nullptr;
  Selected_IEC_DA = Search_Node_Selected();
  if (!Selected_IEC_DA) Selected_IEC_DS = Search_Node_Selected_DataSet();
}

void TFIEC_61850_Access::Btn_Add_IEC_DeviceClick(TObject*) {
  // 1.
  if (!OD_IcdFile->Execute()) return;
  const QString source = OD_IcdFile->FileName;
  // A file that cannot be decoded is refused before it reaches the catalog, where it
  // could replace a good copy of the same name.
  try {
    TIEC_Device check(source);
  } catch (const Exception& e) {
    Application->HandleException(e.Message);
    return;
  }
  // 2. and 3.
  const QString folder = ICD_Catalog_Folder();
  const QString name = QFileInfo(source).fileName();
  const QString target = PathJoin(folder, name);
  try {
    if (!ForceDirectories(folder)) throw EFileError(QStringLiteral("Cannot create the folder \"%1\".").arg(folder));
    // 4.
    if (FileExists(target)) {
      const int answer = MessageDlg(QStringLiteral("File already exists in catalog directory. Do you want to overwrite file?"),
                                    mtConfirmation, {mbYes, mbNo, mbCancel});
      if (answer == mrCancel) return;
      if (answer == mrYes) CopyFileWhole(source, target);
    } else {
      CopyFileWhole(source, target);
    }
  } catch (const Exception& e) {
    MessageDlg(Lang_Text(kText_Copy_Failed).arg(source, folder) + u'\n' + e.Message, mtError, {mbOK});
    return;
  }
  // 5. The device of the catalog copy.
  try {
    List_IEC_Dev.push_back(std::make_unique<TIEC_Device>(target));
    Missing_Reason.push_back(QString());
  } catch (const Exception& e) {
    Application->HandleException(e.Message);
    return;
  }
  Clear_Tree();
  Selected_IEC_DA = nullptr;
  Selected_IEC_DS = nullptr;
  Show_IEC_Devices();
}

void TFIEC_61850_Access::Btn_Remove_IEC_DeviceClick(TObject*) {
  const int k = LB_IEC_Devices->ItemIndex();
  if (k < 0 || k >= int(List_IEC_Dev.size())) return;
  TGridEditorTable das(ECG_DA);
  TGridEditorTable sets(ECG_DataSet);
  // 1. A device in use stays, and the user learns why.
  if (Index_In_Use(das, kDA_Index, k) || Index_In_Use(sets, kDS_Index, k)) {
    MessageDlg(Lang_Text(kText_Device_In_Use).arg(LB_IEC_Devices->Items()->Strings(k)), mtWarning, {mbOK});
    return;
  }
  // 3. Nothing may show or hold the device's objects any more.
  Clear_Tree();
  Selected_IEC_DA = nullptr;
  Selected_IEC_DS = nullptr;
  // 2.
  List_IEC_Dev.erase(List_IEC_Dev.begin() + k);
  Missing_Reason.erase(Missing_Reason.begin() + k);
  Shift_Indexes_Down(das, kDA_Index, k);
  Shift_Indexes_Down(sets, kDS_Index, k);
  Show_IEC_Devices();
}

TIEC_DataSet* TFIEC_61850_Access::Get_DataSet(int index, const QString& reference) {
  if (index < 0 || index >= int(List_IEC_Dev.size())) return nullptr;
  return Find_DataSet(List_IEC_Dev[size_t(index)].get(), reference);
}

// ---------------------------------------------------------------------------
// Entries

int TFIEC_61850_Access::Next_Row(TExColumnGrid* grid, int indexCol) {
  if (grid->RowCount() == 2 && grid->GetCellEx(indexCol, 1).isEmpty()) return 1;
  grid->SetRowCount(grid->RowCount() + 1);
  return grid->RowCount() - 1;
}

void TFIEC_61850_Access::Btn_AddVarClick(TObject*) {
  const QString device = IntToStr(LB_IEC_Devices->ItemIndex());
  // 1. A leaf attribute into the Variables table.
  if (Selected_IEC_DA) {
    PC_DA_DataSet->SetActivePage(TS_DA);
    const int row = Next_Row(ECG_DA, kDA_Index);
    for (int c = 1; c < kDA_Columns; ++c) ECG_DA->SetCellEx(c, row, QString());
    ECG_DA->SetCellEx(0, row, IntToStr(row));
    ECG_DA->SetCellEx(kDA_Index, row, device);
    ECG_DA->SetCellEx(kDA_bType, row, Selected_IEC_DA->bType());
    ECG_DA->SetCellEx(kDA_fc, row, Selected_IEC_DA->FC());
    ECG_DA->SetCellEx(kDA_Reference, row, Selected_IEC_DA->Reference());
    for (int c : {kDA_OnChange, kDA_OnCMD, kDA_OnTimer}) ECG_DA->SetCellEx(c, row, QStringLiteral("N"));
    Set_Start_Num_Byte();
    return;
  }
  // 2. A whole data set into the DataSet table, its members below.
  if (!Selected_IEC_DS) return;
  PC_DA_DataSet->SetActivePage(TS_DataSet);
  const int row = Next_Row(ECG_DataSet, kDS_Index);
  ECG_DataSet->SetCellEx(0, row, IntToStr(row));
  ECG_DataSet->SetCellEx(kDS_Index, row, device);
  ECG_DataSet->SetCellEx(kDS_Reference, row, Selected_IEC_DS->Reference());
  ECG_DataSet->SetCellEx(kDS_GooseName, row, Selected_IEC_DS->GooseName());
  ECG_DataSet->SetCellEx(kDS_EnGoose, row, Selected_IEC_DS->GooseName().isEmpty() ? QStringLiteral("N") : QStringLiteral("Y"));
  for (int c = kDS_EnGoose + 1; c < kDS_Columns; ++c) ECG_DataSet->SetCellEx(c, row, QString());
  // A row without its chosen data set (a file row read before) gets one first.
  while (int(List_DataSet.size()) < row - 1) List_DataSet.push_back(New_DataSet(nullptr));
  if (int(List_DataSet.size()) >= row)
    List_DataSet[size_t(row - 1)] = New_DataSet(Selected_IEC_DS);
  else
    List_DataSet.push_back(New_DataSet(Selected_IEC_DS));
}

void TFIEC_61850_Access::Remove_Grid_Row(TExColumnGrid* grid, int row) {
  if (grid->RowCount() <= 2) {
    for (int c = 1; c < grid->AllColCount(); ++c) grid->SetCellEx(c, 1, QString());
    return;
  }
  for (int r = row; r < grid->RowCount() - 1; ++r)
    for (int c = 1; c < grid->AllColCount(); ++c) grid->SetCellEx(c, r, grid->GetCellEx(c, r + 1));
  grid->SetRowCount(grid->RowCount() - 1);
  for (int r = 1; r < grid->RowCount(); ++r) grid->SetCellEx(0, r, IntToStr(r));
}

void TFIEC_61850_Access::Btn_RemoveVarClick(TObject*) {
  if (PC_DA_DataSet->ActivePage() == TS_DA) {
    const int r = ECG_DA->Row();
    if (r < 1 || r >= ECG_DA->RowCount()) return;
    Remove_Grid_Row(ECG_DA, r);
    Set_Start_Num_Byte();
    return;
  }
  const int r = ECG_DataSet->Row();
  if (r < 1 || r >= ECG_DataSet->RowCount()) return;
  if (r - 1 < int(List_DataSet.size())) List_DataSet.erase(List_DataSet.begin() + (r - 1));
  if (List_DataSet.empty()) {
    for (int c = 1; c < ECG_DataSet->AllColCount(); ++c) ECG_DataSet->SetCellEx(c, 1, QString());
    if (ECG_DataSet->RowCount() > 2) ECG_DataSet->SetRowCount(2);
  } else {
    Remove_Grid_Row(ECG_DataSet, r);
  }
  // The member grid never goes on editing a data set that is gone.
  Show_DataSet_DAs();
}

// ---------------------------------------------------------------------------
// Grid events

void TFIEC_61850_Access::ClickCell(TObject* Sender, int ARow, int ACol) {
  if (Sender == ECG_DA && ACol == 0 && ARow > 0) ECG_DA->SelectRows(ARow, 1);
  if (Sender == ECG_DataSet) Show_DataSet_DAs();
}

void TFIEC_61850_Access::ECG_DADblClickCell(TObject* Sender, int ARow, int ACol) {
  if (auto* grid = dynamic_cast<TExStringGrid*>(Sender)) Grid_Auto_Size_Col(grid, ARow, ACol);
}

void TFIEC_61850_Access::ECG_DAKeyPress(TObject* Sender, QChar& Key) {
  if (auto* grid = dynamic_cast<TExStringGrid*>(Sender)) Grid_Enter_Next_Cell(grid, Key);
}

// The Variables grid's titles have hints by column; the data-set grids have none.
void TFIEC_61850_Access::ECG_DAGridHint(TObject* Sender, int ARow, int ACol, QString& HintStr) {
  auto* grid = dynamic_cast<TExStringGrid*>(Sender);
  if (Sender != ECG_DA || !grid || ARow != 0 || grid->RealColIndex(ACol) <= 0) {
    HintStr.clear();
    return;
  }
  HintStr = ACol < Hint.Count() ? Hint[ACol] : QString();
}

void TFIEC_61850_Access::ECG_DS_VarsSelectCell(TObject*, int, int, bool& CanSelect) { CanSelect = true; }

void TFIEC_61850_Access::ECG_DS_VarsEditCellDone(TObject*, int ACol, int ARow) {
  if (DataSet_Row_Select <= 0 || DataSet_Row_Select > int(List_DataSet.size())) return;
  TDataSet& ds = *List_DataSet[size_t(DataSet_Row_Select - 1)];
  if (ARow < 1 || ARow > int(ds.List_DAs.size())) return;
  TDataSet_DA& member = *ds.List_DAs[size_t(ARow - 1)];
  const QString text = ECG_DS_Vars->GetCellEx(ACol, ARow);
  switch (ACol) {
    case 3: member.Position = text; break;
    case 4: member.bitAddress = text; break;
    case 5: member.conversion = text; break;
    case 6: member.multFactor = text; break;
    case 7: member.Mnemonic = text; break;
    default: break;
  }
}

void TFIEC_61850_Access::Show_DataSet_DAs() {
  const int r = ECG_DataSet->Row();
  const TDataSet* ds = r >= 1 && r <= int(List_DataSet.size()) ? List_DataSet[size_t(r - 1)].get() : nullptr;
  if (!ds || ds->List_DAs.empty()) {
    // No member to show or edit.
    DataSet_Row_Select = 0;
    ECG_DS_Vars->SetRowCount(2);
    for (int c = 0; c < kDSV_Columns; ++c) ECG_DS_Vars->SetCellEx(c, 1, QString());
    return;
  }
  // The members of the data set of row r: edits go to it.
  DataSet_Row_Select = r;
  ECG_DS_Vars->SetRowCount(int(ds->List_DAs.size()) + 1);
  for (int i = 0; i < int(ds->List_DAs.size()); ++i) {
    const TDataSet_DA& m = *ds->List_DAs[size_t(i)];
    const QStringList cells = {IntToStr(i + 1), m.Select_DA ? m.Select_DA->bType() : QString(),
                               m.Select_DA ? m.Select_DA->Reference() : QString(), m.Position, m.bitAddress,
                               m.conversion, m.multFactor, m.Mnemonic};
    for (int c = 0; c < kDSV_Columns; ++c) ECG_DS_Vars->SetCellEx(c, i + 1, cells[c]);
  }
}

// ---------------------------------------------------------------------------
// Sizes, checks and saving

void TFIEC_61850_Access::Set_Start_Num_Byte() {
  for (int row = 1; row < ECG_DA->RowCount(); ++row) {
    QString start, num;
    const bool fixed = Fixed_Byte_Size(ECG_DA->GetCellEx(kDA_bType, row), start, num);
    if (fixed) {
      ECG_DA->SetCellEx(kDA_StartByte, row, start);
      ECG_DA->SetCellEx(kDA_NumByte, row, num);
    }
    ECG_DA->SetReadOnly(kDA_StartByte, row, fixed);
    ECG_DA->SetReadOnly(kDA_NumByte, row, fixed);
  }
}

bool TFIEC_61850_Access::Controllo_dati() {
  QChar separator = u',';
  try {
    separator = Get_Decimal_Separator();
  } catch (const Exception&) {
  }
  TGridEditorTable cells(ECG_DA);
  const std::optional<TRowCheckFailure> failure = Check_IEC_Client_Variables(cells, separator);
  if (!failure) return true;
  MessageDlg(Row_Check_Message(*failure, 3252), mtError, {mbOK});
  return false;
}

TIEC_Client_File TFIEC_61850_Access::File_Of_Grids() const {
  TIEC_Client_File file;
  for (const auto& device : List_IEC_Dev) file.ICD_Files << device->FileName();
  // The rows of a grid whose only row is still empty are no entries.
  auto used = [](TExColumnGrid* grid, int indexCol) {
    return grid->RowCount() > 2 || !grid->GetCellEx(indexCol, 1).isEmpty();
  };
  if (used(ECG_DA, kDA_Index))
    for (int row = 1; row < ECG_DA->RowCount(); ++row) {
      QStringList cells;
      for (int c = 1; c < kDA_Columns; ++c) cells << ECG_DA->GetCellEx(c, row);
      file.DA_Items.append(cells);
    }
  if (used(ECG_DataSet, kDS_Index))
    for (int row = 1; row < ECG_DataSet->RowCount(); ++row) {
      TDataSet_Item item;
      for (int c = 1; c < kDS_Columns; ++c) item.Cells << ECG_DataSet->GetCellEx(c, row);
      if (row - 1 < int(List_DataSet.size()))
        for (const auto& m : List_DataSet[size_t(row - 1)]->List_DAs)
          item.Members.append({m->Select_DA ? m->Select_DA->bType() : QString(),
                               m->Select_DA ? m->Select_DA->Reference() : QString(), m->Position, m->bitAddress,
                               m->conversion, m->multFactor, m->Mnemonic});
      file.DataSets.append(item);
    }
  return file;
}

bool TFIEC_61850_Access::Confirm_Failed_Load() {
  if (Load_Failure.isEmpty()) return true;
  const QString question = Lang_Text(kText_Failed_Load).arg(File_IEC_61850_Client, Load_Failure);
  return MessageDlg(question, mtConfirmation, {mbYes, mbNo}, 0, mbNo) == mrYes;
}

void TFIEC_61850_Access::Btn_OKClick(TObject*) {
  if (!Controllo_dati()) return;
  if (!Confirm_Failed_Load()) return;
  QStringList names;
  for (size_t k = 0; k < List_IEC_Dev.size(); ++k) names << List_IEC_Dev[k]->Name();
  try {
    Write_IEC_Client_File(File_IEC_61850_Client, File_Of_Grids(), names);
  } catch (const Exception& e) {
    MessageDlg(Lang_Text(kText_Not_Saved) + u'\n' + e.Message, mtError, {mbOK});
    return;
  }
  Load_Failure.clear();
  SetModalResult(mrOk);
}

// ---------------------------------------------------------------------------
// Layout: the title on top, the buttons at the bottom; in between the device list
// with its two buttons, the tree, and the tables.

void TFIEC_61850_Access::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TForm::SetBounds(ALeft, ATop, AWidth, AHeight);
  Place_Areas();
}

void TFIEC_61850_Access::Place_Areas() {
  if (!P_Title || !P_Button || !ECG_DS_Vars) return;
  const int w = ClientWidth();
  const int h = ClientHeight();
  const int top = kTitle_Height + kGap;
  const int bottom = std::max(top, h - kButtons_Height - kGap);
  P_Title->SetBounds(0, 0, w, kTitle_Height);
  P_Button->SetBounds(0, std::max(kTitle_Height, h - kButtons_Height), w, kButtons_Height);
  const int listWidth = kLeft_Width - 2 * kGap;
  Btn_Add_IEC_Device->SetBounds(kGap, top, listWidth, 28);
  Btn_Remove_IEC_Device->SetBounds(kGap, std::max(top, bottom - 28), listWidth, 28);
  LB_IEC_Devices->SetBounds(kGap, top + 28 + kGap, listWidth, std::max(0, bottom - 28 - kGap - (top + 28 + kGap)));
  TV_IEC_Device->SetBounds(kLeft_Width, top, kTree_Width, std::max(0, bottom - top));
  const int pagesLeft = kLeft_Width + kTree_Width + kGap;
  const int pagesWidth = std::max(0, w - pagesLeft - kGap);
  const int pagesHeight = std::max(0, bottom - top);
  PC_DA_DataSet->SetBounds(pagesLeft, top, pagesWidth, pagesHeight);
  const int sheetWidth = std::max(0, pagesWidth - 6);
  const int sheetHeight = std::max(0, pagesHeight - 28);
  ECG_DA->SetBounds(0, 0, sheetWidth, sheetHeight);
  const int upper = sheetHeight * 2 / 5;
  ECG_DataSet->SetBounds(0, 0, sheetWidth, upper);
  ECG_DS_Vars->SetBounds(0, upper + 4, sheetWidth, std::max(0, sheetHeight - upper - 4));
}
