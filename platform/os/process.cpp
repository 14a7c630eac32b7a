#include "platform/os/process.h"

#include "platform/os/clock.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace {

TProgramRunner* installedRunner = nullptr;

TUrlOpener& urlOpener() {
  static TUrlOpener opener;
  return opener;
}

// Spawns `path` with `arguments` in `folder`; the pid, or -errno.
pid_t spawnIn(const QByteArray& path, const QStringList& arguments, const QByteArray& folder) {
  std::vector<QByteArray> storage;
  storage.push_back(path);
  for (const QString& a : arguments) storage.push_back(a.toLocal8Bit());
  std::vector<char*> argv;
  for (QByteArray& s : storage) argv.push_back(s.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, folder.constData());
  // The child starts with default signal handling and nothing blocked, whatever
  // this program has set up for itself.
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  sigset_t all;
  sigfillset(&all);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigdefault(&attr, &all);
  posix_spawnattr_setsigmask(&attr, &none);
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);

  pid_t pid = 0;
  const int rc = posix_spawn(&pid, path.constData(), &actions, &attr, argv.data(), environ);
  posix_spawnattr_destroy(&attr);
  posix_spawn_file_actions_destroy(&actions);
  return rc == 0 ? pid : -rc;
}

int exitCodeOf(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

// Keeps windows repainting while the GUI thread waits; user input stays queued.
void pumpEvents() {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || QThread::currentThread() != app->thread()) return;
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// A child that outlived the wait: a detached thread waits for its end and reaps it.
void reapWhenEnded(pid_t pid) {
  std::thread([pid] {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
}

}  // namespace

TProgramResult TPosixProgramRunner::StartAndWait(const QString& program, const QStringList& arguments, int64_t boundMs) {
  TProgramResult result;
  const QFileInfo file(program);
  if (program.isEmpty()) {
    result.Error = ENOENT;
    return result;
  }
  const pid_t pid = spawnIn(QFile::encodeName(file.absoluteFilePath()), arguments, QFile::encodeName(file.absolutePath()));
  if (pid < 0) {
    result.Error = -pid;
    return result;
  }
  result.Pid = pid;

  TClock& clock = Clock();
  const int64_t start = clock.TickCount();
  for (;;) {
    int status = 0;
    const pid_t r = waitpid(pid, &status, WNOHANG);
    if (r == pid) {
      result.Outcome = TProgramOutcome::Exited;
      result.ExitCode = exitCodeOf(status);
      return result;
    }
    if (r < 0 && errno != EINTR) {  // no longer our child to wait for
      result.Outcome = TProgramOutcome::Exited;
      result.ExitCode = -1;
      return result;
    }
    if (clock.TickCount() - start >= boundMs) {
      result.Outcome = TProgramOutcome::TimedOut;
      reapWhenEnded(pid);
      return result;
    }
    pumpEvents();
    clock.Sleep(kProgramPollMs);
  }
}

TProgramRunner& ProgramRunner() {
  static TPosixProgramRunner posixRunner;
  return installedRunner ? *installedRunner : posixRunner;
}

void SetProgramRunner(TProgramRunner* runner) { installedRunner = runner; }

TProgramResult StartProgramAndWait(const QString& program, const QStringList& arguments, int64_t boundMs) {
  return ProgramRunner().StartAndWait(program, arguments, boundMs);
}

bool ShellOpenUrl(const QString& address) {
  const QUrl url(address.trimmed(), QUrl::StrictMode);
  if (!url.isValid()) return false;
  const QString scheme = url.scheme().toLower();
  const bool web = scheme == QLatin1String("http") || scheme == QLatin1String("https");
  if (web && url.host().isEmpty()) return false;
  if (!web && scheme != QLatin1String("mailto")) return false;
  if (urlOpener()) return urlOpener()(url);
  return QDesktopServices::openUrl(url);
}

bool ShellOpenDocument(const QString& path) {
  if (path.isEmpty()) return false;
  const QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
  if (urlOpener()) return urlOpener()(url);
  return QDesktopServices::openUrl(url);
}

void SetUrlOpener(TUrlOpener opener) { urlOpener() = std::move(opener); }
