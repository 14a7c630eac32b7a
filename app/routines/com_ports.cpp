#include "app/routines/com_ports.h"

#include "platform/os/serial_ports.h"

TStringList List_COM_Ports() {
  TStringList ports;
  for (const QString& path : ProbeSerialPorts()) ports.Add(path);
  return ports;
}
