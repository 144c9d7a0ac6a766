// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and prints the milliseconds until it maps its first top-level window, then ends it.
// Usage: map-timer [-t SECONDS] COMMAND [ARGUMENT...]   (the X display comes from DISPLAY)
// Exit status 0 with the figure on standard output; 1 when nothing mapped in time or the program ended first.
#define _POSIX_C_SOURCE 200809L
#include <X11/Xlib.h>

#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double NowMs(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// True once the child has been reaped, within graceMs.
static int Reap(pid_t child, double graceMs)
{
    const double end = NowMs() + graceMs;
    do {
        const pid_t r = waitpid(child, NULL, WNOHANG);
        if (r == child || (r < 0 && errno == ECHILD)) return 1;
        nanosleep(&(struct timespec){0, 10 * 1000 * 1000}, NULL);
    } while (NowMs() < end);
    return 0;
}

// SIGTERM first, so the program closes as a desktop would close it; SIGKILL if it will not.
static void End(pid_t child)
{
    kill(child, SIGTERM);
    if (Reap(child, 5000)) return;
    kill(child, SIGKILL);
    waitpid(child, NULL, 0);
}

int main(int argc, char** argv)
{
    double timeoutMs = 30000;
    int first = 1;
    if (argc > 2 && strcmp(argv[1], "-t") == 0) {
        timeoutMs = atof(argv[2]) * 1000;
        first = 3;
    }
    if (first >= argc || timeoutMs <= 0) {
        fprintf(stderr, "usage: %s [-t SECONDS] COMMAND [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    // A server that has just said it is ready may still refuse the first connection for a moment.
    Display* display = XOpenDisplay(NULL);
    for (int tries = 0; !display && tries < 200; ++tries) {
        nanosleep(&(struct timespec){0, 10 * 1000 * 1000}, NULL);
        display = XOpenDisplay(NULL);
    }
    if (!display) {
        fprintf(stderr, "map-timer: cannot open the display\n");
        return 2;
    }
    // A top-level window is a child of the root; its MapNotify reaches whoever watches the root's
    // substructure. Selected before the program starts, so no map can slip past.
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = NowMs();
    const pid_t child = fork();
    if (child < 0) {
        perror("map-timer: fork");
        return 2;
    }
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[first], argv + first);
        perror("map-timer: exec");
        _exit(127);
    }

    struct pollfd x = {ConnectionNumber(display), POLLIN, 0};
    double mappedMs = -1;
    while (mappedMs < 0) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            // Menus and tooltips bypass the window manager; they are not the program's window.
            if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect) {
                mappedMs = NowMs() - start;
                break;
            }
        }
        if (mappedMs >= 0) break;
        const double left = start + timeoutMs - NowMs();
        if (left <= 0) {
            fprintf(stderr, "map-timer: no window within %.0f s\n", timeoutMs / 1000);
            break;
        }
        if (waitpid(child, NULL, WNOHANG) == child) {
            fprintf(stderr, "map-timer: %s ended before mapping a window\n", argv[first]);
            XCloseDisplay(display);
            return 1;
        }
        // Wake now and then to notice a program that ended without a window.
        poll(&x, 1, left < 100 ? (int)left + 1 : 100);
    }
    End(child);
    XCloseDisplay(display);
    if (mappedMs < 0) return 1;
    printf("%.1f\n", mappedMs);
    return 0;
}
