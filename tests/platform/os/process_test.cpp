#include "platform/os/clock.h"
#include "platform/os/process.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <sys/stat.h>

namespace {

const QString kShell = QStringLiteral("/bin/sh");

// True once the process has gone completely: neither running nor a zombie.
bool processGone(int64_t pid) {
  for (int i = 0; i < 500; ++i) {
    if (!QFile::exists(QStringLiteral("/proc/%1").arg(pid))) return true;
    TSystemClock().Sleep(10);
  }
  return false;
}

// A started child that the test must not leave behind.
struct ChildGuard {
  int64_t pid = 0;
  ~ChildGuard() {
    if (pid > 0) ::kill(static_cast<pid_t>(pid), SIGKILL);
  }
};

TEST(ProgramRunner, ExitCodeOfAProgramThatEndsAtOnce) {
  const TProgramResult r = StartProgramAndWait(kShell, {QStringLiteral("-c"), QStringLiteral("exit 7")});
  EXPECT_EQ(r.Outcome, TProgramOutcome::Exited);
  EXPECT_EQ(r.ExitCode, 7);
  ASSERT_GT(r.Pid, 0);
  EXPECT_TRUE(processGone(r.Pid)) << "an exited child was not reaped";
}

TEST(ProgramRunner, StartsWithoutArgumentsInTheProgramsFolder) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString script = dir.filePath(QStringLiteral("updater"));
  QFile f(script);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("#!/bin/sh\necho \"$# $(pwd -P)\" > report.txt\nexit 3\n");
  f.close();
  ASSERT_EQ(::chmod(QFile::encodeName(script).constData(), 0755), 0);

  // Started from elsewhere by a relative-free absolute path.
  const TProgramResult r = StartProgramAndWait(script);
  EXPECT_EQ(r.Outcome, TProgramOutcome::Exited);
  EXPECT_EQ(r.ExitCode, 3);
  QFile report(dir.filePath(QStringLiteral("report.txt")));
  ASSERT_TRUE(report.open(QIODevice::ReadOnly)) << "the program did not run in its own folder";
  EXPECT_EQ(QString::fromLocal8Bit(report.readAll()).trimmed(),
            QStringLiteral("0 ") + QDir(dir.path()).canonicalPath());
}

TEST(ProgramRunner, MissingOrUnrunnableProgramIsNotStarted) {
  QTemporaryDir dir;
  const QString notExecutable = dir.filePath(QStringLiteral("plain.txt"));
  QFile f(notExecutable);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.close();
  struct Case {
    QString program;
    int error;
  };
  const Case cases[] = {
      {dir.filePath(QStringLiteral("Ethernet_Update")), ENOENT},
      {notExecutable, EACCES},
      {QString(), ENOENT},
  };
  for (const Case& c : cases) {
    const TProgramResult r = StartProgramAndWait(c.program);
    EXPECT_EQ(r.Outcome, TProgramOutcome::NotStarted) << c.program.toStdString();
    EXPECT_EQ(r.Error, c.error) << c.program.toStdString();
    EXPECT_EQ(r.Pid, 0);
  }
}

TEST(ProgramRunner, BoundLeavesTheProgramRunningAndReapsItLater) {
  bool repainted = false;
  QTimer::singleShot(0, [&] { repainted = true; });
  ChildGuard child;
  const TProgramResult r =
      StartProgramAndWait(kShell, {QStringLiteral("-c"), QStringLiteral("exec sleep 5")}, 200);
  child.pid = r.Pid;
  EXPECT_EQ(r.Outcome, TProgramOutcome::TimedOut);
  EXPECT_TRUE(repainted) << "events were not handled while waiting";
  ASSERT_GT(r.Pid, 0);
  EXPECT_EQ(::kill(static_cast<pid_t>(r.Pid), 0), 0) << "the program should still run after the bound";

  ::kill(static_cast<pid_t>(r.Pid), SIGKILL);
  EXPECT_TRUE(processGone(r.Pid)) << "the left-running child became a zombie";
  child.pid = 0;
}

TEST(ProgramRunner, DefaultBoundIsMeasuredOnTheCurrentClock) {
  TManualClock clock;
  SetClock(&clock);
  ChildGuard child;
  const TProgramResult r = StartProgramAndWait(kShell, {QStringLiteral("-c"), QStringLiteral("exec sleep 5")});
  SetClock(nullptr);
  child.pid = r.Pid;
  EXPECT_EQ(r.Outcome, TProgramOutcome::TimedOut);
  EXPECT_GE(clock.TickCount(), kProgramWaitBoundMs);
  EXPECT_LT(clock.TickCount(), kProgramWaitBoundMs + 2 * kProgramPollMs);
}

TEST(ProgramRunner, RunnerIsReplaceable) {
  struct FakeRunner : TProgramRunner {
    QString program;
    int64_t bound = 0;
    TProgramResult StartAndWait(const QString& p, const QStringList&, int64_t b) override {
      program = p;
      bound = b;
      return {TProgramOutcome::Exited, 0, 0, 42};
    }
  } fake;
  SetProgramRunner(&fake);
  const TProgramResult r = StartProgramAndWait(QStringLiteral("/nowhere/Ethernet_Update"));
  SetProgramRunner(nullptr);
  EXPECT_EQ(r.Pid, 42);
  EXPECT_EQ(fake.program, QStringLiteral("/nowhere/Ethernet_Update"));
  EXPECT_EQ(fake.bound, kProgramWaitBoundMs);
}

TEST(ShellOpen, OnlyWebAndMailAddressesAreOpened) {
  QList<QUrl> opened;
  SetUrlOpener([&](const QUrl& url) {
    opened.append(url);
    return true;
  });
  struct Case {
    const char* address;
    bool opens;
  };
  const Case cases[] = {
      {"http://www.zerfal.example/HOME/default.asp?frompg=KQ82K03", true},
      {"HTTPS://www.zerfal.example/Home/download/download.asp#KV82K03", true},
      {"mailto:info@zerfal.example", true},
      {"file:///etc/passwd", false},
      {"/usr/bin/xterm", false},
      {"javascript:alert(1)", false},
      {"ftp://www.zerfal.example/", false},
      {"http://", false},
      {"", false},
  };
  for (const Case& c : cases) {
    opened.clear();
    EXPECT_EQ(ShellOpenUrl(QString::fromUtf8(c.address)), c.opens) << c.address;
    EXPECT_EQ(opened.size(), c.opens ? 1 : 0) << c.address;
  }
  SetUrlOpener({});
}

}  // namespace
