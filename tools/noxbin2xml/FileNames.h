// Names from records as file names that Windows, macOS and Linux all accept,
// so that a scene folder written on one copies to another intact.
#pragma once

#include <set>
#include <string>
#include <string_view>

namespace noxbin2xml {

// A material name as a file name (an extension may follow): characters that
// some file system refuses (controls, / \ : * ? " < > |, bytes that are not
// UTF-8) become '_', as do trailing dots and spaces, which Windows drops; a
// Windows device name (CON, NUL, COM1, ... also with an extension) gets a
// leading '_'; the name is cut to a length every file system takes.
std::string fileNameFor(const std::string& name);

// The name as the strictest file system sees it: names with the same key
// are one file somewhere. Letter case is ignored as NTFS ignores it (it
// upper-cases) and as APFS does (full case folding: "ß" is "ss"), and
// composed and decomposed letters are equal (NFC and NFD, as on APFS and
// HFS+). The tables come from scripts/make-name-keys.rb.
std::string nameKey(std::string_view name);

// The file name of a scene's material document under materials/: its name as
// a file name with ".xml", or with "-2.xml", "-3.xml", ... when `used` (the
// name keys of the scene's earlier ones) already holds it.
std::string materialFileName(const std::string& name, std::set<std::string>& used);

}  // namespace noxbin2xml
