// What the tool asks of the terminal it runs in.
#pragma once

namespace platform {

enum class StandardStream { Input, Output, Error };

// True when the stream is a terminal rather than a file or a pipe.
bool isTerminal(StandardStream stream);

// The width of the terminal standard error shows on, in columns; 80 when it
// cannot be told.
int terminalColumns();

}  // namespace platform
