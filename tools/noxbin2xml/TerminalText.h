// File names and record text as the tool prints them to a terminal or into
// a report line: nothing in them can move the cursor, clear the screen,
// retitle the window, recolour the terminal or start a line of its own.
#pragma once

#include <string>
#include <string_view>

namespace noxbin2xml {

// The text with control characters (C0, DEL, C1), bidirectional overrides
// and bytes that are not UTF-8 shown as \xNN, one per byte; line ends stay
// when `keepLines`.
std::string printable(std::string_view text, bool keepLines = false);

// The printable text cut to at most `columns` characters (never inside one),
// or padded with spaces to exactly that many.
std::string fittedTo(std::string_view printableText, size_t columns);

}  // namespace noxbin2xml
