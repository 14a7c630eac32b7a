// The DMX default values editor (TFDMXDefVal): a table editor whose one grid gets
// one row per DMX channel at every showing (dmx_values.h), with OK and Cancel only.
#pragma once

#include "app/table_editor/table_editor.h"

class TFDMXDefVal : public TTableEditor {
public:
  explicit TFDMXDefVal(TComponent* AOwner);

  // The channel count of the last showing.
  int Channels = kChannels_Default;
  static constexpr int kChannels_Default = 512;

protected:
  // The channel count from ParGen.xml, and the grid sized to it.
  void Before_Reset() override;
  void Finish_Show() override;

private:
  QString Channel_Note;  // shown after the showing: a count that was bounded
};

extern TFDMXDefVal* FDMXDefVal;
