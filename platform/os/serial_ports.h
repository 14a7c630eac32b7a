// Serial ports: stands for opening "\\.\COMn" only to learn which ports exist.
// Probes the serial device nodes of a device folder (ttyS*, ttyUSB*, ttyACM*).
#pragma once

#include <QString>
#include <QStringList>

// Paths of the serial devices in `deviceFolder` that can be opened for reading and
// writing, or that exist but are refused as not permitted or busy. Ordered by
// family (ttyS, ttyUSB, ttyACM), then by number.
QStringList ProbeSerialPorts(const QString& deviceFolder = QStringLiteral("/dev"));
