// Read + check + write of the three gateway editor files with full tables: the work
// of one OK after one showing of each editor. The Modbus rule file also prints its
// mean time ("ours_ms"), its budget of 10 ms ("goal_ms") and ours over the budget.
#include "gateway/ethercat_slave_checks.h"
#include "gateway/ethercat_slave_file.h"
#include "gateway/modbus_tcp_master_checks.h"
#include "gateway/modbus_tcp_master_file.h"
#include "gateway/par_gen_checks.h"
#include "gateway/par_gen_file.h"

#include "platform/os/files.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>

namespace {

// 256 enabled variables per direction, every type in turn, names and initial values.
void Fill_EtherCAT(TEtherCATSlaveModel& model) {
  for (TEtherCATVariableTable* t : {&model.SlaveToMaster, &model.MasterToSlave}) {
    for (int row = 1; row < kEC_RowCount; ++row) {
      const TVarTypeLength& type = Var_Types[size_t(row) % Var_Types.size()];
      model.VarSetLength(*t, QString::fromUtf16(type.Type), row);
      t->SetCell(kEC_Type, row, QString::fromUtf16(type.Type));
      t->SetCell(kEC_Name, row, QStringLiteral("Variable_%1").arg(row));
      if (t->Slave_To_Master()) t->SetCell(kStM_InitValue, row, type.ReadOnly ? QStringLiteral("1") : QStringLiteral("0A0B"));
    }
  }
  model.Calc_Positions();
}

// 512 enabled register rules per table that pass every check.
void Fill_Modbus(TModbusTCPMasterModel& model) {
  for (int row = 1; row < kMB_RowCount; ++row) {
    const QString position = QString::number((row - 1) * 2);
    const QStringList read{QStringLiteral("Y"), QStringLiteral("192.168.1.%1").arg(row % 250), QStringLiteral("502"),
                           QStringLiteral("1"), QStringLiteral("Holding Register"), QString::number(row),
                           QStringLiteral("1"), QStringLiteral("1000"), QStringLiteral("0"), position,
                           QString(), QStringLiteral("N"), QStringLiteral("N"), QString(), QStringLiteral("r")};
    for (int i = 0; i < read.size(); ++i) model.Read.SetCell(i + 1, row, read[i]);
    const QStringList write{QStringLiteral("Y"), QStringLiteral("192.168.1.%1").arg(row % 250), QStringLiteral("502"),
                            QStringLiteral("1"), QStringLiteral("Holding Register"), QString::number(row),
                            QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("Y"), QStringLiteral("N"),
                            QStringLiteral("0"), position, QString(), QStringLiteral("N"), QStringLiteral("N"),
                            QStringLiteral("w")};
    for (int i = 0; i < write.size(); ++i) model.Write.SetCell(i + 1, row, write[i]);
  }
}

void BM_EtherCAT_Slave_File(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = PathJoin(dir.path(), QStringLiteral("EtherCAT_Slave.xml"));
  TEtherCATSlaveModel model;
  Fill_EtherCAT(model);
  model.Save(path);
  for (auto _ : state) {
    if (!model.Load(path).isEmpty()) state.SkipWithError("load failed");
    if (Controllo_dati(model.SlaveToMaster, model.MasterToSlave)) state.SkipWithError("check failed");
    model.Save(path);
  }
}
BENCHMARK(BM_EtherCAT_Slave_File)->Unit(benchmark::kMillisecond);

void BM_Modbus_TCP_Master_File(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = PathJoin(dir.path(), QStringLiteral("ModbusTCPM_SetAccess.xml"));
  TModbusTCPMasterModel model;
  Fill_Modbus(model);
  model.Save(path);
  double seconds = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    if (!model.Load(path).isEmpty()) state.SkipWithError("load failed");
    if (Controllo_dati(model.Read, model.Write, model.NByte_IN, model.NByte_OUT)) state.SkipWithError("check failed");
    model.Save(path);
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  const double ms = seconds * 1000 / static_cast<double>(state.iterations());
  state.counters["ours_ms"] = ms;
  state.counters["goal_ms"] = 10.0;
  state.counters["ratio"] = ms / 10.0;
}
BENCHMARK(BM_Modbus_TCP_Master_File)->Unit(benchmark::kMillisecond);

void BM_Par_Gen_File(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = PathJoin(dir.path(), QStringLiteral("ParGen.xml"));
  TParGenModel model;
  model.SetChecked(pgEnableDNS, true);
  model.SetChecked(pgEnableGateway, true);
  model.Save(path);
  for (auto _ : state) {
    if (!model.Load(path).isEmpty()) state.SkipWithError("load failed");
    if (Controllo_Dati(model)) state.SkipWithError("check failed");
    model.Save(path);
  }
}
BENCHMARK(BM_Par_Gen_File)->Unit(benchmark::kMicrosecond);

}  // namespace
