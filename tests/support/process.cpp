#include "process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>

namespace velmora::test {
namespace {

void CheckSys(bool ok, const char* what) {
  if (!ok) throw std::runtime_error(std::string(what) + " failed");
}

}  // namespace

ProcessResult RunProcess(const ProcessOptions& options) {
  int in_pipe[2], out_pipe[2], err_pipe[2];
  CheckSys(pipe2(in_pipe, O_CLOEXEC) == 0 && pipe2(out_pipe, O_CLOEXEC) == 0 &&
               pipe2(err_pipe, O_CLOEXEC) == 0,
           "pipe");
  const pid_t pid = fork();
  CheckSys(pid >= 0, "fork");
  if (pid == 0) {
    dup2(in_pipe[0], 0);
    dup2(out_pipe[1], 1);
    dup2(err_pipe[1], 2);
    for (const auto& [name, value] : options.env) setenv(name.c_str(), value.c_str(), 1);
    if (!options.working_dir.empty() && chdir(options.working_dir.c_str()) != 0) _exit(126);
    if (options.uid >= 0 && (setgid(static_cast<gid_t>(options.uid)) != 0 || setuid(static_cast<uid_t>(options.uid)) != 0)) {
      _exit(126);
    }
    std::vector<char*> argv;
    for (const auto& arg : options.argv) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    signal(SIGPIPE, SIG_DFL);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  close(in_pipe[0]);
  close(out_pipe[1]);
  close(err_pipe[1]);
  // The child's end, seen even when a grandchild (such as Wine's server)
  // keeps its output pipes open.
  const int exited_fd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
  CheckSys(exited_fd >= 0, "pidfd_open");
  bool exited = false;

  ProcessResult result;
  int in_fd = in_pipe[1];
  int out_fd = out_pipe[0];
  int err_fd = err_pipe[0];
  fcntl(in_fd, F_SETFL, O_NONBLOCK);
  if (options.close_input_early) {
    close(in_fd);
    in_fd = -1;
  }
  if (options.close_output_early) {
    close(out_fd);
    out_fd = -1;
  }
  std::size_t written = 0;
  const auto deadline = std::chrono::steady_clock::now() + options.timeout;
  // A failed write to a child that stopped reading must not end the test.
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  struct sigaction previous {};
  sigaction(SIGPIPE, &ignore, &previous);

  while ((out_fd >= 0 || err_fd >= 0) && !exited) {
    if (in_fd >= 0 && written == options.input.size()) {
      close(in_fd);
      in_fd = -1;
    }
    std::vector<pollfd> fds;
    if (in_fd >= 0) fds.push_back({in_fd, POLLOUT, 0});
    if (out_fd >= 0) fds.push_back({out_fd, POLLIN, 0});
    if (err_fd >= 0) fds.push_back({err_fd, POLLIN, 0});
    fds.push_back({exited_fd, POLLIN, 0});
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      result.timed_out = true;
      kill(pid, SIGKILL);
      break;
    }
    const int ready = poll(fds.data(), fds.size(), static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    CheckSys(ready >= 0, "poll");
    for (const auto& p : fds) {
      if (p.revents == 0) continue;
      if (p.fd == exited_fd) {
        exited = true;
        continue;
      }
      if (p.fd == in_fd) {
        const auto n = write(in_fd, options.input.data() + written, options.input.size() - written);
        if (n > 0) {
          written += static_cast<std::size_t>(n);
        } else if (n < 0 && errno != EAGAIN) {
          close(in_fd);
          in_fd = -1;
        }
        continue;
      }
      char buffer[65536];
      const auto n = read(p.fd, buffer, sizeof buffer);
      if (n > 0) {
        (p.fd == out_fd ? result.out : result.err).append(buffer, static_cast<std::size_t>(n));
      } else if (n == 0 || errno != EINTR) {
        close(p.fd);
        (p.fd == out_fd ? out_fd : err_fd) = -1;
      }
    }
  }
  // What the child wrote before it ended is still in the pipes.
  for (int* fd : {&out_fd, &err_fd}) {
    if (*fd < 0) continue;
    fcntl(*fd, F_SETFL, O_NONBLOCK);
    char buffer[65536];
    ssize_t n;
    while ((n = read(*fd, buffer, sizeof buffer)) > 0) {
      (fd == &out_fd ? result.out : result.err).append(buffer, static_cast<std::size_t>(n));
    }
  }
  for (int fd : {in_fd, out_fd, err_fd, exited_fd}) {
    if (fd >= 0) close(fd);
  }
  int status = 0;
  // Output closed early: the child may still be running; give it the rest of the time.
  while (true) {
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) break;
    if (std::chrono::steady_clock::now() > deadline) {
      result.timed_out = true;
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      break;
    }
    usleep(10000);
  }
  sigaction(SIGPIPE, &previous, nullptr);
  if (WIFEXITED(status)) result.exit_status = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  return result;
}

}  // namespace velmora::test
