// SPDX-License-Identifier: GPL-3.0-or-later
// Helper for tests and benchmarks on a real X server.
//   xwindow wait NAME [SECONDS]     waits until a top-level window called NAME is mapped; prints WIDTHxHEIGHT ID
//   xwindow launch NAME -- CMD...   starts CMD and waits for its window; prints the milliseconds from exec
//                                   to the MapNotify, and the process id. The process is left running.
//   xwindow pixel ID X Y            prints the colour (RRGGBB) of the window's pixel at X,Y
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool hasName(Display* display, Window window, const char* name)
{
    char* title = nullptr;
    if (!XFetchName(display, window, &title) || !title)
        return false;
    const bool same = std::strcmp(title, name) == 0;
    XFree(title);
    return same;
}

bool isViewable(Display* display, Window window)
{
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

Window findMapped(Display* display, const char* name)
{
    Window root = DefaultRootWindow(display), parent = 0, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (XQueryTree(display, root, &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count && !found; ++i) {
            if (hasName(display, children[i], name) && isViewable(display, children[i]))
                found = children[i];
        }
        XFree(children);
    }
    return found;
}

// Waits, event-driven, for the MapNotify of a window called NAME; the caller has selected
// SubstructureNotify on the root window before the window could have been mapped.
Window waitForMap(Display* display, const char* name, double seconds, bool lookFirst)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    Window window = lookFirst ? findMapped(display, name) : 0;
    while (!window) {
        while (!window && XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && hasName(display, event.xmap.window, name))
                window = event.xmap.window;
        }
        if (window)
            break;
        const auto left = deadline - std::chrono::steady_clock::now();
        if (left <= std::chrono::steady_clock::duration::zero()) {
            std::fprintf(stderr, "no window called %s within %.0f s\n", name, seconds);
            return 0;
        }
        const int fd = ConnectionNumber(display);
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval timeout{0, 50000};
        select(fd + 1, &readable, nullptr, nullptr, &timeout);
    }
    return window;
}

void selectMaps(Display* display)
{
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
}

int waitFor(Display* display, const char* name, double seconds)
{
    selectMaps(display);
    const Window window = waitForMap(display, name, seconds, true);
    if (!window)
        return 1;
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    std::printf("%dx%d 0x%lx\n", attributes.width, attributes.height, window);
    return 0;
}

int launch(Display* display, const char* name, char* command[])
{
    selectMaps(display);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(command[0], command);
        std::perror(command[0]);
        _exit(127);
    }
    if (pid < 0)
        return 2;
    const Window window = waitForMap(display, name, 30, false);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    if (!window) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return 1;
    }
    std::printf("%.2f %d\n", std::chrono::duration<double, std::milli>(elapsed).count(), int(pid));
    return 0;
}

int printPixel(Display* display, Window window, int x, int y)
{
    XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return 1;
    XColor colour{};
    colour.pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    XQueryColor(display, attributes.colormap, &colour);
    std::printf("%02x%02x%02x\n", colour.red >> 8, colour.green >> 8, colour.blue >> 8);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: xwindow wait NAME [SECONDS] | launch NAME -- CMD... | pixel ID X Y\n");
        return 2;
    }
    const bool waiting = std::string(argv[1]) == "wait";
    const double seconds = waiting && argc > 3 ? std::stod(argv[3]) : 20;
    // An X server just started may not take connections yet, the less so on a busy machine: it is asked
    // again until the time is up, not once.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    Display* display = XOpenDisplay(nullptr);
    while (!display && std::chrono::steady_clock::now() < deadline) {
        timespec pause{0, 100'000'000};
        nanosleep(&pause, nullptr);
        display = XOpenDisplay(nullptr);
    }
    if (!display) {
        std::fprintf(stderr, "cannot open display within %.0f s\n", seconds);
        return 2;
    }
    // Other programs' windows come and go (Wine makes and drops short-lived ones): one that is gone by
    // the time it is asked for its name is no error, just not the window waited for.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    const std::string command = argv[1];
    int status = 2;
    if (waiting)
        status = waitFor(display, argv[2], seconds);
    else if (command == "launch" && argc > 4 && std::string(argv[3]) == "--")
        status = launch(display, argv[2], argv + 4);
    else if (command == "pixel" && argc == 5)
        status = printPixel(display, std::stoul(argv[2], nullptr, 0), std::stoi(argv[3]), std::stoi(argv[4]));
    XCloseDisplay(display);
    return status;
}
