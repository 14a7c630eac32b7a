#include "app/shell/start_program.h"
#include "platform/os/clock.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/stat.h>

namespace {

// A small shell script in a folder of its own.
QString writeScript(const QTemporaryDir& dir, const char* name, const QByteArray& body) {
  const QString path = dir.filePath(QString::fromLatin1(name));
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write("#!/bin/sh\n" + body);
  f.close();
  ::chmod(QFile::encodeName(path).constData(), 0755);
  return path;
}

// Puts the system clock back however the test ends.
struct ClockGuard {
  ~ClockGuard() { SetClock(nullptr); }
};

}  // namespace

TEST(StartProgram, AProgramThatEndsAtOnceReturnsWithItsEnd) {
  QTemporaryDir dir;
  const QString script = writeScript(dir, "quick", "echo \"$@\" > args.txt\nexit 4\n");
  const TProgramResult r = Start_Program(script, QStringLiteral("-a \"two words\""), false);
  EXPECT_EQ(r.Outcome, TProgramOutcome::Exited);
  EXPECT_EQ(r.ExitCode, 4);
  QFile args(dir.filePath("args.txt"));
  ASSERT_TRUE(args.open(QIODevice::ReadOnly));
  EXPECT_EQ(args.readAll(), QByteArray("-a two words\n"));
}

TEST(StartProgram, AProgramOutlivingTheBoundIsLeftRunning) {
  QTemporaryDir dir;
  const QString script = writeScript(dir, "slow", "sleep 30\n");
  TManualClock clock;  // its Sleep moves time on at once: the 150 s pass without waiting
  ClockGuard guard;
  SetClock(&clock);
  const TProgramResult r = Start_Program(script, QString(), true);
  EXPECT_EQ(r.Outcome, TProgramOutcome::TimedOut);
  EXPECT_GE(clock.TickCount(), kProgramWaitBoundMs);
  ASSERT_GT(r.Pid, 0);
  EXPECT_EQ(::kill(static_cast<pid_t>(r.Pid), 0), 0) << "the program was not left running";
  ::kill(static_cast<pid_t>(r.Pid), SIGKILL);
}

TEST(StartProgram, AProgramThatCannotStartReturnsAtOnce) {
  QTemporaryDir dir;
  const QString notExecutable = dir.filePath("Ethernet_Update");
  QFile f(notExecutable);
  f.open(QIODevice::WriteOnly);
  f.close();
  for (const QString& program : {dir.filePath("missing"), notExecutable, QString()}) {
    const TProgramResult r = Start_Program(program, QString(), false);
    EXPECT_EQ(r.Outcome, TProgramOutcome::NotStarted) << program.toStdString();
  }
}
