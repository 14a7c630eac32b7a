// Start-up of the configurator: the time from starting the program's process to its
// main window being shown (with every form built into the program so far), and the
// resident memory of the process at that moment. Each iteration starts this
// program again in its child role, which runs the program's start-up in a data root
// of its own, reports once the main window has been painted, and ends.
// The peer is a plain Qt program run the same way: it creates 41 dialogs of about
// 30 controls each, every second one with a 512 x 15 table widget, and shows the
// first. The Ratio benchmark runs both in turn and reports the median time and the
// memory of ours, of the peer and ours over the peer's; each child also reports the processor time
// it used until then, which a loaded machine disturbs less than the wall-clock time.
#include "app/forms/main_window.h"
#include "app/forms/startup_forms.h"
#include "platform/os/data_root.h"
#include "platform/ui/application.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <vector>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr const char* kChildFlag = "--startup-child";
constexpr const char* kPeerFlag = "--peer-child";
constexpr int kPeerDialogs = 41;
std::string selfPath;

// Resident memory of this process in KiB (VmRSS), 0 when unknown.
long residentKiB() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
  return 0;
}

// Processor time this process has used so far, in milliseconds.
double cpuMs() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

// The report line of a child: "SHOWN <resident KiB> <processor ms>".
void reportShown() {
  std::printf("SHOWN %ld %.3f\n", residentKiB(), cpuMs());
  std::fflush(stdout);
}

// The child: the program's start-up, the main window shown and painted, then one
// report line on standard output.
int runChild(int argc, char** argv, const char* dataRoot) {
  QApplication app(argc, argv);
  SetDataRootOverride(QString::fromLocal8Bit(dataRoot));
  Create_Startup_Forms();
  FFabricoreFirmWare->Show();
  FFabricoreFirmWare->Repaint();
  Application->ProcessMessages();
  reportShown();
  Free_Startup_Forms();
  return 0;
}

// The peer child: 41 dialogs of 30 controls (6 rows of label, line edit, combo box,
// check box and spin box, with the buttons), every second one with a 512 x 15
// table widget, the first shown and painted, then the same report line.
int runPeerChild(int argc, char** argv) {
  QApplication app(argc, argv);
  std::vector<std::unique_ptr<QDialog>> dialogs;
  for (int d = 0; d < kPeerDialogs; ++d) {
    auto dialog = std::make_unique<QDialog>();
    dialog->setWindowTitle(QStringLiteral("Dialog %1").arg(d));
    auto* layout = new QGridLayout(dialog.get());
    for (int r = 0; r < 6; ++r) {
      layout->addWidget(new QLabel(QStringLiteral("Field %1").arg(r)), r, 0);
      layout->addWidget(new QLineEdit(QStringLiteral("Value %1").arg(r)), r, 1);
      auto* combo = new QComboBox;
      combo->addItems({QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")});
      layout->addWidget(combo, r, 2);
      layout->addWidget(new QCheckBox(QStringLiteral("Enabled")), r, 3);
      layout->addWidget(new QSpinBox, r, 4);
    }
    layout->addWidget(new QPushButton(QStringLiteral("OK")), 6, 3);
    layout->addWidget(new QPushButton(QStringLiteral("Cancel")), 6, 4);
    if (d % 2 == 1) layout->addWidget(new QTableWidget(512, 15), 7, 0, 1, 5);
    dialogs.push_back(std::move(dialog));
  }
  dialogs.front()->show();
  dialogs.front()->repaint();
  QApplication::processEvents();
  reportShown();
  return 0;
}

struct TChildRun {
  double seconds = 0;
  long rssKiB = 0;
  double cpuMs = 0;
  bool ok = false;
};

TChildRun startChild(const QString& dataRoot, const char* flag = kChildFlag) {
  TChildRun run;
  int fds[2];
  if (pipe(fds) != 0) return run;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  const QByteArray root = QFile::encodeName(dataRoot);
  char* args[] = {selfPath.data(), const_cast<char*>(flag), const_cast<char*>(root.constData()), nullptr};

  const auto begin = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int rc = posix_spawn(&pid, selfPath.c_str(), &actions, nullptr, args, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  if (rc != 0) {
    close(fds[0]);
    return run;
  }
  // Read until the report line arrives (at most a minute).
  std::string out;
  char buffer[256];
  pollfd p{fds[0], POLLIN, 0};
  while (out.find('\n') == std::string::npos && poll(&p, 1, 60000) > 0) {
    const ssize_t n = read(fds[0], buffer, sizeof buffer);
    if (n <= 0) break;
    out.append(buffer, static_cast<size_t>(n));
  }
  const auto shown = std::chrono::steady_clock::now();
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  long kib = 0;
  double cpu = 0;
  if (std::sscanf(out.c_str(), "SHOWN %ld %lf", &kib, &cpu) == 2) {
    run.ok = true;
    run.rssKiB = kib;
    run.cpuMs = cpu;
    run.seconds = std::chrono::duration<double>(shown - begin).count();
  }
  return run;
}

void BM_ProcessStartToMainWindowShown(benchmark::State& state) {
  QTemporaryDir root;
  double rss = 0;
  for (auto _ : state) {
    const TChildRun run = startChild(root.path());
    if (!run.ok) {
      state.SkipWithError("the program did not report its main window");
      break;
    }
    state.SetIterationTime(run.seconds);
    rss = static_cast<double>(run.rssKiB);
  }
  state.counters["resident_KiB"] = rss;
}
BENCHMARK(BM_ProcessStartToMainWindowShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// The middle value of a set of run figures.
double median(std::vector<double> values) {
  if (values.empty()) return 0;
  const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
  std::nth_element(values.begin(), middle, values.end());
  return *middle;
}

// Ours and the peer in turn: median times, last resident sizes and the two ratios.
// Medians, because on a shared machine a neighbour's burst stretches a single
// start-up of either side by half or more, and a mean takes that in.
void BM_Startup_Ratio(benchmark::State& state) {
  QTemporaryDir root;
  std::vector<double> ours, peer, oursCpu, peerCpu;
  double oursKiB = 0, peerKiB = 0;
  for (auto _ : state) {
    const TChildRun a = startChild(root.path());
    const TChildRun b = startChild(root.path(), kPeerFlag);
    if (!a.ok || !b.ok) {
      state.SkipWithError("a child did not report its window");
      break;
    }
    ours.push_back(a.seconds * 1000);
    peer.push_back(b.seconds * 1000);
    oursCpu.push_back(a.cpuMs);
    peerCpu.push_back(b.cpuMs);
    oursKiB = static_cast<double>(a.rssKiB);
    peerKiB = static_cast<double>(b.rssKiB);
    state.SetIterationTime(a.seconds + b.seconds);
  }
  const double oursMs = median(ours), peerMs = median(peer);
  const double oursCpuMs = median(oursCpu), peerCpuMs = median(peerCpu);
  if (oursMs <= 0 || peerMs <= 0) return;
  state.counters["ours_ms"] = oursMs;
  state.counters["peer_ms"] = peerMs;
  state.counters["ratio"] = oursMs / peerMs;
  state.counters["ours_cpu_ms"] = oursCpuMs;
  state.counters["peer_cpu_ms"] = peerCpuMs;
  state.counters["cpu_ratio"] = peerCpuMs > 0 ? oursCpuMs / peerCpuMs : 0;
  state.counters["ours_KiB"] = oursKiB;
  state.counters["peer_KiB"] = peerKiB;
  state.counters["memory_ratio"] = peerKiB > 0 ? oursKiB / peerKiB : 0;
}
BENCHMARK(BM_Startup_Ratio)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(21);

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], kChildFlag) == 0) return runChild(argc, argv, argv[2]);
  if (argc >= 2 && std::strcmp(argv[1], kPeerFlag) == 0) return runPeerChild(argc, argv);
  selfPath = argv[0];
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
