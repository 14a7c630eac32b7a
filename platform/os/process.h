// Other programs: stands for the shell's execute with a process handle, the exit
// code poll and the bounded wait (ShellExecuteEx, GetExitCodeProcess), and for the
// shell's "open" of a web address (ShellExecute "open").
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <cstdint>
#include <functional>

enum class TProgramOutcome { NotStarted, Exited, TimedOut };

struct TProgramResult {
  TProgramOutcome Outcome = TProgramOutcome::NotStarted;
  int ExitCode = 0;  // Exited: the exit status, 128 + the signal number when killed, -1 when unknown
  int Error = 0;     // NotStarted: the OS error number
  int64_t Pid = 0;   // the started process (0 when not started)
};

inline constexpr int64_t kProgramWaitBoundMs = 150000;
inline constexpr int64_t kProgramPollMs = 10;

// Starts a program and waits for it. Injectable, so that callers can be tested
// without running anything.
class TProgramRunner {
public:
  virtual ~TProgramRunner() = default;
  virtual TProgramResult StartAndWait(const QString& program, const QStringList& arguments, int64_t boundMs) = 0;
};

// The real runner: starts the program file with the given arguments (none unless
// given) in the program's own folder, then polls its exit every 10 ms by the current
// clock until it exits or `boundMs` have passed. While it waits, the GUI thread keeps
// handling events other than user input, so windows repaint. A program still
// running at the bound is left running; a background waiter reaps it when it ends,
// so it never lingers as a zombie.
class TPosixProgramRunner : public TProgramRunner {
public:
  TProgramResult StartAndWait(const QString& program, const QStringList& arguments, int64_t boundMs) override;
};

// The current runner (the real one unless a test installed its own; not owned).
TProgramRunner& ProgramRunner();
void SetProgramRunner(TProgramRunner* runner);

// Starts and waits through the current runner.
TProgramResult StartProgramAndWait(const QString& program, const QStringList& arguments = {},
                                   int64_t boundMs = kProgramWaitBoundMs);

// Opens a web address with the desktop's handler. Only http, https and mailto
// addresses are opened; false when the address is refused or could not be opened.
bool ShellOpenUrl(const QString& address);
// Opens a local file with the desktop's handler for its type (the shell's "open"
// of a document); false when it could not be opened.
bool ShellOpenDocument(const QString& path);
// Installs the opener for tests; an empty function puts the desktop's back.
using TUrlOpener = std::function<bool(const QUrl&)>;
void SetUrlOpener(TUrlOpener opener);
