// Start-up time as the user sees it: from exec to the program's first
// top-level window being mapped, watched from outside as a second X client.
//
//   startup_probe [--close] [--idle SECONDS] PROGRAM [ARGS...]
//
// Prints one line: "map_ms=<exec to MapNotify> cpu_ms=<the program's user +
// system time at exit> hwm_kb=<VmHWM when left> rss_kb=<max RSS at exit>
// exit_ms=<close to exit>". Without --close the
// program is ended with SIGTERM (no State.ini is written); with --close it
// gets the window manager's close request and ends as a user closing the
// window would. --idle waits that long after the map before leaving.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

double now_ms() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

long vm_hwm_kb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0)
      return std::atol(line.c_str() + 6);
  return -1;
}

void fail(const char* what) {
  std::fprintf(stderr, "startup_probe: %s\n", what);
  std::exit(1);
}

/// Waits for the next X event up to `deadline`; false on time-out.
bool next_event(Display* display, XEvent& event, double deadline) {
  while (!XPending(display)) {
    double left = deadline - now_ms();
    if (left <= 0)
      return false;
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    poll(&fd, 1, static_cast<int>(left) + 1);
  }
  XNextEvent(display, &event);
  return true;
}

void request_close(Display* display, Window window) {
  XEvent message{};
  message.xclient.type = ClientMessage;
  message.xclient.window = window;
  message.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  message.xclient.format = 32;
  message.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  message.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &message);
  XFlush(display);
}

/// Waits up to 10 s for the child; returns its rusage, kills it on time-out.
rusage wait_child(pid_t child) {
  rusage usage{};
  int status = 0;
  for (int i = 0; i < 1000; ++i) {
    if (wait4(child, &status, WNOHANG, &usage) == child)
      return usage;
    usleep(10000);
  }
  kill(child, SIGKILL);
  wait4(child, &status, 0, &usage);
  fail("the program did not end within 10 s");
  return usage;
}

} // namespace

int main(int argc, char** argv) {
  bool close_window = false;
  double idle_s = 0;
  int first = 1;
  while (first < argc && argv[first][0] == '-') {
    if (std::strcmp(argv[first], "--close") == 0) {
      close_window = true;
      ++first;
    } else if (std::strcmp(argv[first], "--idle") == 0 && first + 1 < argc) {
      idle_s = std::atof(argv[first + 1]);
      first += 2;
    } else {
      fail("usage: startup_probe [--close] [--idle SECONDS] PROGRAM [ARGS...]");
    }
  }
  if (first >= argc)
    fail("no program given");

  // A busy server may refuse a connection for a moment: try again, briefly.
  Display* display = nullptr;
  for (int attempt = 0; attempt < 100 && !display; ++attempt) {
    display = XOpenDisplay(nullptr);
    if (!display) {
      std::fprintf(stderr, "startup_probe: display busy (%s), retrying\n", std::strerror(errno));
      usleep(20000);
    }
  }
  if (!display)
    fail("cannot open the display");
  // Top-level windows are children of the root: their MapNotify comes here.
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const double start = now_ms();
  pid_t child = fork();
  if (child < 0)
    fail("fork failed");
  if (child == 0) {
    close(ConnectionNumber(display));
    execv(argv[first], argv + first);
    _exit(127);
  }

  XEvent event{};
  Window mapped = 0;
  double mapped_at = 0;
  while (!mapped) {
    if (!next_event(display, event, std::min(now_ms() + 50, start + 10000))) {
      if (waitpid(child, nullptr, WNOHANG) == child)
        fail("the program ended without showing a window");
      if (now_ms() < start + 10000)
        continue;
      kill(child, SIGKILL);
      waitpid(child, nullptr, 0);
      fail("no window was mapped within 10 s");
    }
    // Menus and tooltips bypass the window manager; the main window does not.
    if (event.type == MapNotify && !event.xmap.override_redirect) {
      mapped = event.xmap.window;
      mapped_at = now_ms();
    }
  }

  if (idle_s > 0)
    usleep(static_cast<useconds_t>(idle_s * 1e6));
  const long hwm = vm_hwm_kb(child);
  const double leave = now_ms();
  if (close_window)
    request_close(display, mapped);
  else
    kill(child, SIGTERM);
  rusage usage = wait_child(child);
  const double cpu_ms = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                        static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
  std::printf("map_ms=%.1f cpu_ms=%.1f hwm_kb=%ld rss_kb=%ld exit_ms=%.1f\n", mapped_at - start,
              cpu_ms, hwm, usage.ru_maxrss, now_ms() - leave);
  XCloseDisplay(display);
  return 0;
}
