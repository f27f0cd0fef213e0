#include "platform/os/shell.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/os/path.h"

namespace fs = std::filesystem;

namespace os {

bool ShellOpen(std::string_view file) {
  // Everything the child needs is built before fork: after it only async-signal-safe calls are made.
  std::string target = ResolvePath(file);
  if (target.empty() || target.find('\0') != std::string::npos) return false;
  std::error_code ec;
  const fs::path absolute = fs::absolute(target, ec);
  if (ec) return false;
  target = absolute.string();  // starts with "/", so xdg-open cannot take it for an option
  char program[] = "xdg-open";
  char* const argv[] = {program, target.data(), nullptr};

  // The handler reports a failed exec through this pipe; a successful exec closes it empty.
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) return false;

  const pid_t child = ::fork();
  if (child < 0) {
    ::close(report[0]);
    ::close(report[1]);
    return false;
  }
  if (child == 0) {
    // First child: leave the viewer's session and hand the handler to init by exiting at once.
    ::close(report[0]);
    ::setsid();
    const pid_t handler = ::fork();
    if (handler < 0) ::_exit(1);
    if (handler == 0) {
      sigset_t none;
      ::sigemptyset(&none);
      ::sigprocmask(SIG_SETMASK, &none, nullptr);
      ::execvp(argv[0], argv);
      const int err = errno;
      ssize_t written;
      do {
        written = ::write(report[1], &err, sizeof err);
      } while (written < 0 && errno == EINTR);
      ::_exit(127);
    }
    ::_exit(0);
  }

  ::close(report[1]);
  bool started = true;
  int status = 0;
  pid_t waited;
  do {
    waited = ::waitpid(child, &status, 0);
  } while (waited < 0 && errno == EINTR);
  // ECHILD: the application reaps children itself; the pipe still tells how the exec went.
  if (waited == child && !(WIFEXITED(status) && WEXITSTATUS(status) == 0)) started = false;

  int err = 0;
  ssize_t got;
  do {
    got = ::read(report[0], &err, sizeof err);
  } while (got < 0 && errno == EINTR);
  if (got != 0) started = false;  // an errno from the handler's failed exec, or a read error
  ::close(report[0]);
  return started;
}

}  // namespace os
