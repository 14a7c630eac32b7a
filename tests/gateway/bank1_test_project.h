// A throw-away project folder for the device image and slave information file tests:
// writes the project files as text and hands their paths to the builders.
#pragma once

#include "gateway/bank2_device_image.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>

class TTest_Project {
public:
  QString Folder() const { return dir_.path(); }
  QString Path(const QString& name) const { return dir_.filePath(name); }

  void Write(const QString& name, const QString& text) const {
    QFile f(Path(name));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(text.toUtf8());
  }
  void ParGen(const QString& elements) const {
    Write(QStringLiteral("ParGen.xml"), QStringLiteral("<Par_Gen>%1</Par_Gen><!--SW_VERSION = 1.001-->").arg(elements));
  }
  void EtherCAT(const QString& inputs, const QString& outputs) const {
    Write(QStringLiteral("EtherCAT_Slave.xml"),
          QStringLiteral("<EtherCAT_Slave><EtherCAT_Slave_Variables>"
                         "<EtherCAT_Slave_To_Master>%1</EtherCAT_Slave_To_Master>"
                         "<EtherCAT_Master_To_Slave>%2</EtherCAT_Master_To_Slave>"
                         "</EtherCAT_Slave_Variables></EtherCAT_Slave>")
              .arg(inputs, outputs));
  }
  void Modbus(const QString& readRows, const QString& writeRows) const {
    Write(QStringLiteral("ModbusTCPM_SetAccess.xml"),
          QStringLiteral("<PROFINET_Master_to_Modbus_TCP_Master><Modbus_Read>%1</Modbus_Read>"
                         "<Modbus_Write>%2</Modbus_Write></PROFINET_Master_to_Modbus_TCP_Master>")
              .arg(readRows, writeRows));
  }

  TDevice_Image_Sources Sources() const {
    return {Path(QStringLiteral("ParGen.xml")), Path(QStringLiteral("EtherCAT_Slave.xml")),
            Path(QStringLiteral("ModbusTCPM_SetAccess.xml"))};
  }
  TDevice_Images Build() const { return Build_Device_Image(Sources()); }

private:
  QTemporaryDir dir_;
};

// Little-endian reads from an image.
inline uint32_t Image_U8(const QByteArray& b, int off) { return static_cast<uint8_t>(b.at(off)); }
inline uint32_t Image_U16(const QByteArray& b, int off) { return Image_U8(b, off) | Image_U8(b, off + 1) << 8; }
inline uint32_t Image_U32(const QByteArray& b, int off) { return Image_U16(b, off) | Image_U16(b, off + 2) << 16; }
inline QByteArray Image_Hex(const QByteArray& b, int off, int count) { return b.mid(off, count).toHex(' '); }
