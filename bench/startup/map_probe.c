/*
 * Starts a program on the X display and times how long its windows take to appear.
 *
 *   map_probe [--timeout MS] [--settle MS] [--open "KEY..."] [--prepare "KEY..."]
 *             [--measure KEY] [--hold MS] -- PROGRAM [ARGUMENT...]
 *
 * Prints, one per line, each timed window followed by its title:
 *   startup_ms T TITLE   from starting PROGRAM to the MapNotify of its first top-level window
 *   rss_kb N             PROGRAM's resident set size (VmRSS) right after that window is mapped
 * and, with --measure:
 *   opened TITLE         the window that the --open keys opened
 *   result_ms T TITLE    from pressing KEY to the MapNotify of the next top-level window
 *
 * The keys are X keysym names ("Tab", "c", "Return"), pressed through the XTEST extension
 * into the window that mapped last. The --open keys must open a new top-level window (a
 * calculator); the --prepare keys are then pressed in it without waiting for anything, and
 * the --measure key is timed. Before each group of keys the probe waits --settle
 * milliseconds so that the program is idle in its event loop, and gives the keyboard focus
 * to the window that mapped last, since a bare X server has no window manager to do it.
 *
 * Top-level windows are the root window's children that are not override-redirect (menus and
 * tooltips are); the probe learns of them through SubstructureNotify on the root window, so
 * it wakes on the map itself instead of looking for windows at intervals.
 *
 * PROGRAM is ended (SIGTERM, then SIGKILL) and reaped before the probe exits, --hold
 * milliseconds after its first window was mapped when nothing is measured after it (so that a
 * profiler that runs PROGRAM sees it paint and go idle). Exit status: 0
 * when everything was measured, 1 on a timeout, an early exit of PROGRAM or an X failure,
 * 2 on a usage error.
 */
#define _POSIX_C_SOURCE 200809L

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

struct options {
  int timeout_ms;
  int settle_ms;
  int hold_ms;
  const char* open_keys;
  const char* prepare_keys;
  const char* measure_key;
  char** program;
};

static pid_t child = -1;

/* An interrupted probe must not leave the program running. */
static void end_child_and_exit(int signal_number) {
  if (child > 0) {
    kill(child, SIGKILL);
  }
  _exit(128 + signal_number);
}

static double now_ms(void) {
  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

static void sleep_ms(int milliseconds) {
  struct timespec pause = {milliseconds / 1000, (milliseconds % 1000) * 1000000L};
  while (nanosleep(&pause, &pause) == -1 && errno == EINTR) {
  }
}

/* A window that vanished between its map and our focus request is not worth dying for. */
static int ignore_x_error(Display* display, XErrorEvent* error) {
  (void)display;
  (void)error;
  return 0;
}

static int child_has_exited(void) {
  int status;
  if (child > 0 && waitpid(child, &status, WNOHANG) == child) {
    child = -1;
    return 1;
  }
  return 0;
}

/*
 * Waits for the next top-level window to be mapped and returns it, with the time of its
 * MapNotify in *mapped_at; returns None after timeout_ms or when the program has exited.
 */
static Window await_top_level_map(Display* display, int timeout_ms, double* mapped_at) {
  const double deadline = now_ms() + timeout_ms;
  struct pollfd connection = {ConnectionNumber(display), POLLIN, 0};
  for (;;) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && !event.xmap.override_redirect) {
        *mapped_at = now_ms();
        return event.xmap.window;
      }
    }
    if (child_has_exited()) {
      fprintf(stderr, "map_probe: the program exited before its window was mapped\n");
      return None;
    }
    const double left = deadline - now_ms();
    if (left <= 0) {
      fprintf(stderr, "map_probe: no top-level window was mapped within %d ms\n", timeout_ms);
      return None;
    }
    /* Short slices so that an exited program is noticed without a signal handler. */
    poll(&connection, 1, left < 50 ? (int)left + 1 : 50);
  }
}

/* Prints the window's title after `line`, so that a reader can tell which window was timed. */
static void print_with_title(Display* display, Window window, const char* line) {
  char* title = NULL;
  XFetchName(display, window, &title);
  printf("%s %s\n", line, title != NULL ? title : "(untitled)");
  fflush(stdout);
  XFree(title);
}

static void focus(Display* display, Window window) {
  XSetInputFocus(display, window, RevertToPointerRoot, CurrentTime);
  XSync(display, False);
}

static int press(Display* display, const char* name) {
  const KeySym keysym = XStringToKeysym(name);
  const KeyCode keycode = keysym == NoSymbol ? 0 : XKeysymToKeycode(display, keysym);
  if (keycode == 0) {
    fprintf(stderr, "map_probe: no key for the keysym name \"%s\"\n", name);
    return 0;
  }
  XTestFakeKeyEvent(display, keycode, True, CurrentTime);
  XTestFakeKeyEvent(display, keycode, False, CurrentTime);
  XFlush(display);
  return 1;
}

/* Presses the blank-separated keys of `keys` in order. */
static int press_all(Display* display, const char* keys) {
  char buffer[256];
  if (snprintf(buffer, sizeof buffer, "%s", keys) >= (int)sizeof buffer) {
    fprintf(stderr, "map_probe: key list too long\n");
    return 0;
  }
  char* rest = buffer;
  for (char* name; (name = strtok_r(rest, " ", &rest)) != NULL;) {
    if (!press(display, name)) {
      return 0;
    }
  }
  return 1;
}

static long resident_kb(pid_t pid) {
  char path[64];
  snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
  FILE* status = fopen(path, "r");
  if (status == NULL) {
    return -1;
  }
  char line[256];
  long kb = -1;
  while (fgets(line, sizeof line, status) != NULL) {
    if (sscanf(line, "VmRSS: %ld kB", &kb) == 1) {
      break;
    }
  }
  fclose(status);
  return kb;
}

static pid_t start(char** program, int x_connection) {
  /* The program opens its own connection; ours must not leak into it. */
  fcntl(x_connection, F_SETFD, FD_CLOEXEC);
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(program[0], program);
    fprintf(stderr, "map_probe: cannot run %s: %s\n", program[0], strerror(errno));
    _exit(127);
  }
  return pid;
}

static void stop_child(void) {
  if (child <= 0) {
    return;
  }
  kill(child, SIGTERM);
  for (int waited = 0; waited < 2000 && !child_has_exited(); waited += 20) {
    sleep_ms(20);
  }
  if (child > 0) {
    kill(child, SIGKILL);
    waitpid(child, NULL, 0);
    child = -1;
  }
}

static int usage(void) {
  fprintf(stderr,
          "usage: map_probe [--timeout MS] [--settle MS] [--open \"KEY...\"] "
          "[--prepare \"KEY...\"] [--measure KEY] [--hold MS] -- PROGRAM [ARGUMENT...]\n");
  return 2;
}

static int parse(int argc, char** argv, struct options* options) {
  *options = (struct options){10000, 300, 0, NULL, NULL, NULL, NULL};
  for (int i = 1; i < argc; ++i) {
    if (strcmp(argv[i], "--") == 0) {
      options->program = i + 1 < argc ? argv + i + 1 : NULL;
      break;
    }
    if (i + 1 >= argc) {
      return 0;
    }
    const char* value = argv[++i];
    if (strcmp(argv[i - 1], "--timeout") == 0) {
      options->timeout_ms = atoi(value);
    } else if (strcmp(argv[i - 1], "--settle") == 0) {
      options->settle_ms = atoi(value);
    } else if (strcmp(argv[i - 1], "--hold") == 0) {
      options->hold_ms = atoi(value);
    } else if (strcmp(argv[i - 1], "--open") == 0) {
      options->open_keys = value;
    } else if (strcmp(argv[i - 1], "--prepare") == 0) {
      options->prepare_keys = value;
    } else if (strcmp(argv[i - 1], "--measure") == 0) {
      options->measure_key = value;
    } else {
      return 0;
    }
  }
  const int keys_without_window = options->measure_key == NULL && options->open_keys != NULL;
  return options->program != NULL && options->timeout_ms > 0 && options->settle_ms >= 0 &&
         options->hold_ms >= 0 && !keys_without_window;
}

/* Runs the measurements on an open display; returns the exit status. */
static int measure(Display* display, const struct options* options) {
  double mapped_at;
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const double started_at = now_ms();
  child = start(options->program, ConnectionNumber(display));
  if (child < 0) {
    perror("map_probe: fork");
    return 1;
  }
  Window window = await_top_level_map(display, options->timeout_ms, &mapped_at);
  if (window == None) {
    return 1;
  }
  const long rss_kb = resident_kb(child);
  char line[64];
  snprintf(line, sizeof line, "startup_ms %.2f", mapped_at - started_at);
  print_with_title(display, window, line);
  printf("rss_kb %ld\n", rss_kb);
  fflush(stdout);
  if (options->measure_key == NULL) {
    sleep_ms(options->hold_ms);
    return 0;
  }

  if (options->open_keys != NULL) {
    sleep_ms(options->settle_ms);
    focus(display, window);
    if (!press_all(display, options->open_keys)) {
      return 1;
    }
    window = await_top_level_map(display, options->timeout_ms, &mapped_at);
    if (window == None) {
      return 1;
    }
    print_with_title(display, window, "opened");
  }
  sleep_ms(options->settle_ms);
  focus(display, window);
  if (options->prepare_keys != NULL && !press_all(display, options->prepare_keys)) {
    return 1;
  }
  /* Let the prepared keys take effect, so that only the measured key is timed. */
  XSync(display, False);
  sleep_ms(options->settle_ms);
  const double pressed_at = now_ms();
  if (!press(display, options->measure_key)) {
    return 1;
  }
  const Window result = await_top_level_map(display, options->timeout_ms, &mapped_at);
  if (result == None) {
    return 1;
  }
  snprintf(line, sizeof line, "result_ms %.2f", mapped_at - pressed_at);
  print_with_title(display, result, line);
  return 0;
}

int main(int argc, char** argv) {
  struct options options;
  if (!parse(argc, argv, &options)) {
    return usage();
  }
  Display* display = XOpenDisplay(NULL);
  if (display == NULL) {
    fprintf(stderr, "map_probe: cannot open the display \"%s\"\n", XDisplayName(NULL));
    return 1;
  }
  int event_base, error_base, major, minor;
  if (!XTestQueryExtension(display, &event_base, &error_base, &major, &minor)) {
    fprintf(stderr, "map_probe: the X server has no XTEST extension\n");
    XCloseDisplay(display);
    return 1;
  }
  XSetErrorHandler(ignore_x_error);
  signal(SIGINT, end_child_and_exit);
  signal(SIGTERM, end_child_and_exit);
  const int status = measure(display, &options);
  stop_child();
  XCloseDisplay(display);
  return status;
}
