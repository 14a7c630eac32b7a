// The protocols the converter serves over its Wi-Fi link.
#pragma once

#include <QString>

// The number of protocols (1) with their names: "MQTT" and an empty second name.
int Get_WiFi_Protocols(QString& name1, QString& name2);
