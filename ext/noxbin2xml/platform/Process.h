// What a command-line program asks of its operating system.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace platform {

int processId();

// True when the stream is a terminal (a console on Windows).
bool isTerminal(std::FILE* stream);

// Makes standard input and output carry bytes unchanged. Windows opens them
// in text mode, which writes "\r\n" for "\n" and ends input at byte 0x1A.
void useBinaryStandardStreams();

// The program's arguments in UTF-8, its name first. Windows passes argv in
// the ANSI code page, which cannot hold every file name; the wide command
// line can.
std::vector<std::string> utf8Arguments(int argc, char** argv);

}  // namespace platform
