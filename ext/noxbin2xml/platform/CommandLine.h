// What a command-line program needs to read its arguments and standard
// streams the same way on every platform.
#pragma once

#include <string>
#include <vector>

namespace platform {

// Makes the standard streams carry bytes unchanged, so that the tool reads
// and writes the same bytes on every platform. Windows opens them in text
// mode, which writes "\r\n" for "\n" and ends input at byte 0x1A.
void useBinaryStandardStreams();

// The program's arguments in UTF-8, its name first. Windows passes argv in
// the ANSI code page, which cannot hold every file name; the wide command
// line can.
std::vector<std::string> utf8Arguments(int argc, char** argv);

}  // namespace platform
