// Starts a program under the X server named by $DISPLAY, waits for its
// window with the given title, gives that window the focus and presses a key
// there through the XTest extension, as a user at the keyboard would. The
// key is pressed again if the window is still there a moment later. Exits
// with the program's own status, or 124 when it has not ended in time.
//
//   zolvane_x11_press_keys TITLE KEY SECONDS -- PROGRAM [ARGUMENTS...]

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

std::string WindowName(Display* display, Window window) {
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    for (Atom property : {netName, static_cast<Atom>(XA_WM_NAME)}) {
        Atom type;
        int format;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, window, property, 0, 1024, False, AnyPropertyType, &type,
                               &format, &count, &after, &data) == Success &&
            data) {
            std::string name(reinterpret_cast<char*>(data), count);
            XFree(data);
            if (!name.empty()) return name;
        }
    }
    return {};
}

Window FindWindow(Display* display, const std::string& title) {
    Window root = DefaultRootWindow(display), parent, *children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (!XQueryTree(display, root, &root, &parent, &children, &count)) return 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) &&
            attributes.map_state == IsViewable && WindowName(display, children[i]) == title)
            found = children[i];
    }
    if (children) XFree(children);
    return found;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 6 || std::strcmp(argv[4], "--") != 0) {
        std::fprintf(stderr, "usage: %s TITLE KEY SECONDS -- PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const std::string title = argv[1];
    const char* keyName = argv[2];
    const int seconds = std::atoi(argv[3]);

    Display* display = XOpenDisplay(nullptr);
    int event, error, major, minor;
    if (!display || !XTestQueryExtension(display, &event, &error, &major, &minor)) {
        std::fprintf(stderr, "press_keys: no X server with the XTest extension\n");
        return 3;
    }
    const KeyCode key = XKeysymToKeycode(display, XStringToKeysym(keyName));

    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[5], argv + 5);
        std::perror("press_keys: exec");
        _exit(127);
    }

    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::seconds(seconds);
    auto nextPress = Clock::now();
    int presses = 0;
    while (Clock::now() < deadline) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "press_keys: %s pressed %d time(s); the program ended\n", keyName,
                         presses);
            XCloseDisplay(display);
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        if (Clock::now() >= nextPress) {
            if (Window window = FindWindow(display, title)) {
                // Let the window finish appearing, then type into it.
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                XSetInputFocus(display, window, RevertToParent, CurrentTime);
                XSync(display, False);
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                XTestFakeKeyEvent(display, key, True, CurrentTime);
                XTestFakeKeyEvent(display, key, False, CurrentTime);
                XSync(display, False);
                ++presses;
                nextPress = Clock::now() + std::chrono::milliseconds(1500);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::fprintf(stderr, "press_keys: the program did not end within %d seconds\n", seconds);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return 124;
}
