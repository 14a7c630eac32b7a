#include "gateway/update_run.h"

#include "app/state/comon.h"
#include "gateway/update_job.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"

QString Updater_Program_Path() { return PathJoin(Exe_Folder, QStringLiteral("Ethernet_Update")); }

TProgramResult Start_Updater(int64_t boundMs) { return StartProgramAndWait(Updater_Program_Path(), {}, boundMs); }

TUpdate_Run_Result Run_Network_Update(const TUpdate_Request& request, TEchoProber& prober, TClock& clock,
                                      const std::function<void()>& processMessages) {
  TUpdate_Run_Result result;
  const QString address = QStringList(std::begin(request.IP_Parts), std::end(request.IP_Parts)).join(u'.');
  // 1. Does a device answer?
  result.Echo = Send_Ping(prober, clock, address, processMessages);
  if (!result.Echo.Found) {
    result.Outcome = result.Echo.ping_res == 2 ? TUpdate_Outcome::Device_Not_Found : TUpdate_Outcome::Address_Error;
    result.Error = result.Echo.Error;
    return result;
  }
  // 2. Remember the choices, write the job, run the updater.
  Last_IP_Address = address;
  Update_Option = request.Option;
  Update_Read_Back = request.Read_Back;
  try {
    Compile_XML_Parameter_New_Boot(Update_Job_Path(),
                                   {address, request.Option, request.Read_Back, Master_Folder, Project_Folder});
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
