#include "editors/can/device_net.h"

#include "app/state/comon.h"

namespace {

std::optional<TRowCheckFailure> Check_Slave(const TEditorTable& t, int row, TRowCheckRun&) {
  if (!In_Range(t.Cell(kDN_ID, row), 0, 63)) return Row_Fault(2924);
  if (!In_Range(t.Cell(kDN_NB_IN, row), 0, 65535)) return Row_Fault(2925);
  if (!In_Range(t.Cell(kDN_NB_OUT, row), 0, 65535)) return Row_Fault(2926);
  return std::nullopt;
}

TTableEditorSpec Make_Spec() {
  TTableEditorSpec s{.FormName = QStringLiteral("FDNet"), .ClientWidth = 745};
  Set_Frame_Texts(s, 2900, 2908);
  s.Root = QStringLiteral("DNET_Net");
  s.Version = QStringLiteral("1.000");
  s.Path = &File_DNETM_Net;
  s.RowPrefix = 2923;
  s.RowHeight = 21;
  Set_Message_Texts(s, 2928);
  TEditorTableSpec t{.Grid = QStringLiteral("ESG"), .Rows = 64};
  t.Columns = {
      {.Title = 2914, .Width = 45},
      {.Title = 2915, .Hint = 2919, .Width = 100, .Attribute = {"ID"}},
      {.Title = 2916, .Hint = 2920, .Width = 100, .Attribute = {"NB_IN"}},
      {.Title = 2917, .Hint = 2921, .Width = 100, .Attribute = {"NB_OUT"}},
      {.Title = 2918, .Hint = 2922, .Width = 375, .Attribute = {"Mnemonic"}},
  };
  t.KeyColumn = kDN_ID;
  t.KeyTrimmed = false;
  t.DeleteQuestion = 2927;
  t.Check = Check_Slave;
  s.Tables = {t};
  return s;
}

}  // namespace

const TTableEditorSpec DNet_Spec = Make_Spec();
