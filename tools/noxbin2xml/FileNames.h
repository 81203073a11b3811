// Names from records as file names that Windows, macOS and Linux all accept,
// so that a scene folder written on one copies to another intact.
#pragma once

#include <string>
#include <string_view>

namespace noxbin2xml {

// A material name as a file name (an extension may follow): characters that
// some file system refuses (controls, / \ : * ? " < > |, bytes that are not
// UTF-8) become '_', as do trailing dots and spaces, which Windows drops; a
// Windows device name (CON, NUL, COM1, ... also with an extension) gets a
// leading '_'; the name is cut to a length every file system takes.
std::string fileNameFor(const std::string& name);

// The name as file systems that ignore case see it: names with the same key
// are one file on NTFS (which upper-cases), APFS or HFS+ (which fold case).
std::string caseKey(std::string_view name);

}  // namespace noxbin2xml
