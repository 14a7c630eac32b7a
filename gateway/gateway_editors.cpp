#include "gateway/gateway_editors.h"

TTableEditorSpec Gateway_Editor_Spec(const QString& name, int width, int first, int firstHint, QString* path,
                                     int rowPrefix, int messages) {
  TTableEditorSpec s{.FormName = name, .ClientWidth = width};
  Set_Frame_Texts(s, first, firstHint);
  s.Path = path;
  s.RowPrefix = rowPrefix;
  s.BoldCode = true;
  s.ShowHints = false;
  s.LostRowsText = messages;
  s.SurplusText = messages + 1;
  s.NotSavedText = messages + 2;
  return s;
}
