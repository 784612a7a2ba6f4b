#pragma once

#include <string_view>

// What the program says, in place of Qt's abort, when it has no graphical
// display to open its windows on.
inline constexpr const char* KomunikatBrakuEkranu =
    "Program Fazolab wymaga ekranu graficznego, a nie może z żadnego skorzystać (nie ustawiono\n"
    "zmiennej DISPLAY ani WAYLAND_DISPLAY albo ekran nie odpowiada).\n"
    "Symulacje bez okna i bez ekranu wykonuje program fazolab-batch (fazolab-batch --pomoc).\n";

// Whether Qt's platform, as chosen by "-platform" (or QT_QPA_PLATFORM; empty:
// the default, X11 or Wayland) can have a display: the default needs DISPLAY
// or WAYLAND_DISPLAY, X11 ("xcb") needs DISPLAY. Any other platform chosen
// (wayland with its own default socket, offscreen, minimal, eglfs, vnc), or a
// list ("wayland;xcb") naming one, is left to Qt and StrazEkranu.
bool EkranDostepny(std::string_view platforma, std::string_view display,
                   std::string_view waylandDisplay);

// The same for this process: its arguments and environment (on Windows and
// macOS always true: there the window system is the system's own).
bool EkranDostepny(int argc, char* argv[]);

// Holds Qt's messages while the application object is being made. If Qt
// then gives up for want of a display (a DISPLAY that does not answer), the
// program prints KomunikatBrakuEkranu and ends with status 1 instead of
// aborting; otherwise the held messages go out as they came.
class StrazEkranu {
public:
    StrazEkranu();
    ~StrazEkranu();
    StrazEkranu(const StrazEkranu&) = delete;
    StrazEkranu& operator=(const StrazEkranu&) = delete;
};
