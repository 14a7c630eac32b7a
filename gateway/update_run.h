// The network update without its dialog: the echo check on the entered address,
// then the remembered choices, the job file and the run of the external updater
// (the dialog's Update button). The dialog turns the outcome into its message box.
#pragma once

#include "gateway/echo_check.h"
#include "platform/os/process.h"

#include <QString>
#include <cstdint>
#include <functional>

class TClock;

enum class TUpdate_Outcome {
  Updater_Run,       // the device answered; the job was written and the updater run
  Device_Not_Found,  // no answer: warning 1236 "Device Not Found!"
  Address_Error,     // the check failed: error 1237 "Error!!! Check the Ip Address"
  Job_Not_Written,   // the device answered but the job file could not be written
  Echo_Not_Sent,     // no echo request could be sent (no permission, no route)
  Cancelled,         // the user closed the dialog during the check: nothing done
};

struct TUpdate_Request {
  QString IP_Parts[4];  // the four address edits, as typed
  int32_t Option = 0;   // item of the option list
  bool Read_Back = true;
};

struct TUpdate_Run_Result {
  TUpdate_Outcome Outcome = TUpdate_Outcome::Address_Error;
  TEcho_Result Echo;
  TProgramResult Program;  // the updater's run (Updater_Run only)
  QString Error;           // the cause for Address_Error and Job_Not_Written
};

// The updater program in the program's folder: Exe_Folder + "/Ethernet_Update".
QString Updater_Program_Path();
// Starts the updater without arguments in its own folder and waits for its end, at
// most `boundMs`; a program still running then is left running.
TProgramResult Start_Updater(int64_t boundMs = kProgramWaitBoundMs);

// The whole update: Send_Ping on the joined address; when the device answered,
// Last_IP_Address, Update_Option and Update_Read_Back take the request's values,
// the job file is written beside the program and the updater is run. When
// `stopRequested` answers true during the check, it ends there: nothing is
// remembered, written or started.
TUpdate_Run_Result Run_Network_Update(const TUpdate_Request& request, TEchoProber& prober, TClock& clock,
                                      const std::function<void()>& processMessages = {},
                                      const std::function<bool()>& stopRequested = {});
