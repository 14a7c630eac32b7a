// Every reader of the three project files refuses a file beyond the size cap with an
// error naming it, before parsing it.
#include "gateway/esi_writer.h"
#include "gateway/ethercat_slave_file.h"
#include "gateway/modbus_tcp_master_file.h"
#include "gateway/par_gen_file.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "tests/gateway/bank1_test_project.h"

#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A well-formed file of exactly one byte more than the cap: the document, then a
// comment that pads it.
QByteArray Padded(const QByteArray& document) {
  const QByteArray open("<!--");
  const QByteArray close("-->");
  return document + open + QByteArray(kMax_Input_File_Size + 1 - document.size() - open.size() - close.size(), 'x') +
         close;
}

QString Error_Of(const std::function<void()>& read) {
  try {
    read();
  } catch (const Exception& e) {
    return e.Message;
  }
  return {};
}

}  // namespace

TEST(ProjectFileSize, EveryReaderRefusesAFileBeyondTheCap) {
  struct Case {
    const char* file;
    QByteArray document;
  };
  const Case cases[] = {
      {"ParGen.xml", QByteArray("<Par_Gen><EtherCAT_Slave_Name>Big</EtherCAT_Slave_Name></Par_Gen>")},
      {"EtherCAT_Slave.xml",
       QByteArray("<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master/>"
                  "<EtherCAT_Master_To_Slave/></EtherCAT_Slave_Variables></EtherCAT_Slave>")},
      {"ModbusTCPM_SetAccess.xml",
       QByteArray("<PROFINET_Master_to_Modbus_TCP_Master><Modbus_Read/><Modbus_Write/>"
                  "</PROFINET_Master_to_Modbus_TCP_Master>")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    TTest_Project p;
    const QString name = QString::fromLatin1(c.file);
    QFile file(p.Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(Padded(c.document)) == kMax_Input_File_Size + 1);
    file.close();
    ASSERT_EQ(QFileInfo(p.Path(name)).size(), kMax_Input_File_Size + 1);
    const TDevice_Image_Sources files = p.Sources();

    // The editors: the reason is answered and the model keeps its defaults.
    QString editor;
    TParGenModel parGen;
    TEtherCATSlaveModel etherCAT;
    TModbusTCPMasterModel modbus;
    if (c.file == QLatin1String("ParGen.xml")) {
      editor = parGen.Load(files.ParGen);
      EXPECT_EQ(parGen.Text(pgSlaveName), QStringLiteral("devicename1"));
    } else if (c.file == QLatin1String("EtherCAT_Slave.xml")) {
      editor = etherCAT.Load(files.EtherCAT_Slave);
    } else {
      editor = modbus.Load(files.ModbusTCPM_SetAccess);
    }
    EXPECT_TRUE(editor.contains(name)) << editor.toStdString();

    // The device images and the slave information file: an error naming the file.
    const QString images = Error_Of([&] { Build_Device_Image(files); });
    EXPECT_TRUE(images.contains(name)) << images.toStdString();
    if (c.file != QLatin1String("ModbusTCPM_SetAccess.xml")) {
      const QString esi = Error_Of([&] { Load_ESI_Sources(files.ParGen, files.EtherCAT_Slave); });
      EXPECT_TRUE(esi.contains(name)) << esi.toStdString();
    }
  }
}
