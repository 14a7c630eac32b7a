#include "gateway/update_run.h"

#include "app/state/comon.h"
#include "gateway/update_job.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"

QString Updater_Program_Path() {
  // Shipped beside the program; the data root's copy only when the program's folder has none.
  const QString name = QStringLiteral("Ethernet_Update");
  return PathJoin(Shipped_Folder_Of(QString(), name), name);
}

TProgramResult Start_Updater(int64_t boundMs) { return StartProgramAndWait(Updater_Program_Path(), {}, boundMs); }

TUpdate_Run_Result Run_Network_Update(const TUpdate_Request& request, TEchoProber& prober, TClock& clock,
                                      const std::function<void()>& processMessages,
                                      const std::function<bool()>& stopRequested) {
  TUpdate_Run_Result result;
  const QString address = QStringList(std::begin(request.IP_Parts), std::end(request.IP_Parts)).join(u'.');
  // 1. Does a device answer?
  result.Echo = Send_Ping(prober, clock, address, processMessages, stopRequested);
  if (result.Echo.Cancelled) {
    result.Outcome = TUpdate_Outcome::Cancelled;
    return result;
  }
  if (!result.Echo.Found) {
    result.Outcome = result.Echo.ping_res == 2  ? TUpdate_Outcome::Device_Not_Found
                     : result.Echo.Send_Failed ? TUpdate_Outcome::Echo_Not_Sent
                                               : TUpdate_Outcome::Address_Error;
    result.Error = result.Echo.Error;
    return result;
  }
  // 2. Remember the choices, write the job, run the updater.
  Last_IP_Address = address;
  Update_Option = request.Option;
  Update_Read_Back = request.Read_Back;
  try {
    Compile_XML_Parameter_New_Boot(Update_Job_Path(),
                                   {address, request.Option, request.Read_Back,
                                    Shipped_Folder_Of(QStringLiteral("MASTER"), QString::fromUtf16(kFirmware_Image_Name)), Project_Folder});
  } catch (const Exception& e) {
    // The updater would read an old job (another address or other images): it is not run.
    result.Outcome = TUpdate_Outcome::Job_Not_Written;
    result.Error = e.Message;
    return result;
  }
  result.Program = Start_Updater();
  result.Outcome = TUpdate_Outcome::Updater_Run;
  return result;
}
