#include "platform/Terminal.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <sys/ioctl.h>
#include <unistd.h>
#endif

#include <cstdio>

namespace platform {
namespace {
constexpr int kDefaultColumns = 80;
}

#ifdef _WIN32

bool isTerminal(StandardStream stream) {
    const int fd = stream == StandardStream::Input ? 0 : stream == StandardStream::Output ? 1 : 2;
    return _isatty(fd) != 0;
}

int terminalColumns() {
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(GetStdHandle(STD_ERROR_HANDLE), &info)) return kDefaultColumns;
    return info.srWindow.Right - info.srWindow.Left + 1;
}

#else

bool isTerminal(StandardStream stream) {
    const int fd = stream == StandardStream::Input    ? STDIN_FILENO
                   : stream == StandardStream::Output ? STDOUT_FILENO
                                                      : STDERR_FILENO;
    return isatty(fd) != 0;
}

int terminalColumns() {
    winsize size{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) != 0 || size.ws_col == 0) return kDefaultColumns;
    return size.ws_col;
}

#endif

}  // namespace platform
