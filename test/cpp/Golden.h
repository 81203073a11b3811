#pragma once
// Expected documents too long to read inline live in test/cpp/golden/.
#include <fstream>
#include <sstream>
#include <string>

inline std::string golden(const std::string& name) {
    std::ifstream in(std::string(NOXBIN2XML_GOLDEN_DIR) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
