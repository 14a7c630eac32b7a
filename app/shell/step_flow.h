// The main window's step flow: which button leads where. One click handler serves
// every button; the buttons are compared in this table's order and the first
// match acts. Every entry after the Options button is a project step: without an
// active project it only shows text 18.
#pragma once

#include <QString>

enum TStepAction {
  saNew_Project,       // Create_New_Project
  saOpen_Project,      // Open_Project
  saClose,             // close the main window
  saAbout,             // the About dialog
  saOptions,           // the options dialog, then save and switch the timer on OK
  saShow_Form,         // show the named form modally (its result is not looked at)
  saBACnet_EDE_File,   // save dialog SD1, then the EDE writer
  saBuild_EDS_File,    // save dialog SaveEDS, then the EDS writer
  saCreate_MIB_File,   // the MIB writer with SaveMIB
  saCreate_ESI_File,   // the ESI writer with SaveESI
  saPROFINET_XML,      // the GSDML file name dialog, then the GSDML writer
  saUpdate_Device,     // build and write the device images, then the update dialog
};

struct TStepEntry {
  const char16_t* Button;
  TStepAction Action;
  const char16_t* Form;  // saShow_Form: the form shown; else nullptr
};

extern const TStepEntry Step_Dispatch[];
extern const int Step_Dispatch_Count;

// The dispatch entry of a button (nullptr for a button not in the table).
const TStepEntry* Find_Step(const QString& button);

// Steps that work without an active project: New, Open, Close, About, Options.
bool Step_Needs_Project(TStepAction action);
