// The update run: echo check, remembered choices, job file and the updater.
#include "gateway/update_run.h"
#include "app/state/comon.h"
#include "platform/os/clock.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "platform/xml/xml_document.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <gtest/gtest.h>

namespace {

class TScripted_Prober : public TEchoProber {
public:
  explicit TScripted_Prober(int answer) : answer_(answer) {}
  int Echo(const QString& host, const QByteArray&, int) override {
    hosts << host;
    if (answer_ < 0) throw Exception(QStringLiteral("bad address"));
    return answer_;
  }
  QStringList hosts;

private:
  int answer_;
};

class TRecording_Runner : public TProgramRunner {
public:
  TProgramResult StartAndWait(const QString& program, const QStringList& arguments, int64_t boundMs) override {
    programs << program;
    this->arguments = arguments;
    bound = boundMs;
    TProgramResult r;
    r.Outcome = TProgramOutcome::Exited;
    return r;
  }
  QStringList programs;
  QStringList arguments;
  int64_t bound = 0;
};

class UpdateRun : public ::testing::Test {
protected:
  void SetUp() override {
    Reset_Comon();
    Set_Folders(dir_.path());
    Project_Folder = PathJoin(Projects_Folder, "P1");
    Last_IP_Address = "192.168.2.205";
    Update_Read_Back = true;  // as at program start
    SetProgramRunner(&runner_);
  }
  void TearDown() override {
    SetProgramRunner(nullptr);
    Reset_Comon();
  }

  TUpdate_Run_Result Update(int answer) {
    TManualClock clock;
    TScripted_Prober prober(answer);
    const TUpdate_Run_Result r = Run_Network_Update({{"127", "0", "0", "01"}, 2, false}, prober, clock, [] {});
    EXPECT_EQ(prober.hosts.first(), "127.0.0.01");
    return r;
  }

  QTemporaryDir dir_;
  TRecording_Runner runner_;
};

}  // namespace

TEST_F(UpdateRun, AnsweringDeviceGetsJobAndUpdater) {
  const TUpdate_Run_Result r = Update(9);
  EXPECT_EQ(r.Outcome, TUpdate_Outcome::Updater_Run);
  EXPECT_EQ(Last_IP_Address, "127.0.0.01");  // as typed
  EXPECT_EQ(Update_Option, 2);
  EXPECT_FALSE(Update_Read_Back);
  TXMLDocument job;
  job.LoadFromFile(PathJoin(dir_.path(), "Ethernet_Update.xml"));
  EXPECT_EQ(job.DocumentElement().ChildByName("IP_Address_Dev").Text(), "127.0.0.01");
  EXPECT_EQ(job.DocumentElement().ChildByName("Operations").ChildElements().size(), 2);
  EXPECT_EQ(runner_.programs, QStringList({PathJoin(dir_.path(), "Ethernet_Update")}));
  EXPECT_TRUE(runner_.arguments.isEmpty());
  EXPECT_EQ(runner_.bound, 150000);
}

TEST_F(UpdateRun, NoAnswerOrErrorChangesNothing) {
  struct Case {
    int answer;
    TUpdate_Outcome outcome;
  };
  for (const Case& c : {Case{0, TUpdate_Outcome::Device_Not_Found}, Case{-1, TUpdate_Outcome::Address_Error}}) {
    SCOPED_TRACE(c.answer);
    const TUpdate_Run_Result r = Update(c.answer);
    EXPECT_EQ(r.Outcome, c.outcome);
    EXPECT_EQ(Last_IP_Address, "192.168.2.205");
    EXPECT_EQ(Update_Option, 0);
    EXPECT_TRUE(Update_Read_Back);
    EXPECT_FALSE(FileExists(PathJoin(dir_.path(), "Ethernet_Update.xml")));
    EXPECT_TRUE(runner_.programs.isEmpty());
  }
  EXPECT_EQ(Update(-1).Error, "bad address");
}

TEST_F(UpdateRun, UpdaterIsNotRunWithoutAFreshJob) {
  Set_Folders(PathJoin(dir_.path(), "missing/folder"));
  const TUpdate_Run_Result r = Update(9);
  EXPECT_EQ(r.Outcome, TUpdate_Outcome::Job_Not_Written);
  EXPECT_FALSE(r.Error.isEmpty());
  EXPECT_TRUE(runner_.programs.isEmpty());
}

// The real runner: the updater starts in the program's folder, and the bounded wait
// returns while it still runs.
TEST_F(UpdateRun, BoundedWaitReturnsWhileTheUpdaterRuns) {
  SetProgramRunner(nullptr);
  const QString marker = PathJoin(dir_.path(), "started_in");
  WriteFileWhole(Updater_Program_Path(), "#!/bin/sh\npwd > started_in\nexec sleep 60\n");
  QFile::setPermissions(Updater_Program_Path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

  const TProgramResult r = Start_Updater(100);
  if (r.Outcome == TProgramOutcome::NotStarted && r.Error == EACCES)
    GTEST_SKIP() << "programs cannot be run from the temporary folder here";
  ASSERT_EQ(r.Outcome, TProgramOutcome::TimedOut);
  ASSERT_GT(r.Pid, 0);
  EXPECT_EQ(::kill(static_cast<pid_t>(r.Pid), 0), 0);  // still running
  TSystemClock clock;
  for (int i = 0; i < 300 && !FileExists(marker); ++i) clock.Sleep(10);
  EXPECT_EQ(QString::fromLocal8Bit(ReadFileWhole(marker)).trimmed(), QDir(dir_.path()).canonicalPath());
  ::kill(static_cast<pid_t>(r.Pid), SIGTERM);

  // A missing updater returns at once.
  QFile::remove(Updater_Program_Path());
  EXPECT_EQ(Start_Updater(100).Outcome, TProgramOutcome::NotStarted);
}
