#include "app/routines/wifi_protocols.h"

int Get_WiFi_Protocols(QString& name1, QString& name2) {
  name1 = QStringLiteral("MQTT");
  name2.clear();
  return 1;
}
