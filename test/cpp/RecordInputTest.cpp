#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Outputs.h"
#include "RecordInput.h"

using namespace noxbin2xml;
namespace fs = std::filesystem;

TEST(RecordInput, TextualArraysKeepTheLowByteOfEachInteger) {
    std::vector<uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(parseRecordText(" [12, 0, 256, 511, -1]\n", bytes, error)) << error;
    EXPECT_EQ(bytes, (std::vector<uint8_t>{12, 0, 0, 255, 255}));

    for (const char* bad : {"[1, 2.5]", "[1, nil]", "[1, \"a\"]", "[[1]]", "[1, 2", "[]"}) {
        EXPECT_FALSE(parseRecordText(bad, bytes, error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
    // Console pastes: a byte-order mark, irb's "=>", and what follows the array.
    ASSERT_TRUE(parseRecordText(recordText("\xEF\xBB\xBF => [7, 8]\nnil\nirb> "), bytes, error)) << error;
    EXPECT_EQ(bytes, (std::vector<uint8_t>{7, 8}));
    EXPECT_TRUE(recordText(std::string("\0\0\x04\0", 4)).empty());
}

TEST(RecordInput, FilesAreReadInEitherFormAndWrittenAtomically) {
    const fs::path dir = fs::temp_directory_path() / ("noxbin2xml-input-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    {
        std::ofstream(dir / "raw.bin", std::ios::binary).write("\x00\x00\x04\x00", 4);
        std::ofstream(dir / "text.txt") << "[0, 0, 4, 0]";
    }
    std::vector<uint8_t> raw, text;
    std::string error;
    ASSERT_TRUE(loadRecordFile(dir / "raw.bin", raw, error));
    ASSERT_TRUE(loadRecordFile(dir / "text.txt", text, error));
    EXPECT_EQ(raw, text);
    EXPECT_FALSE(loadRecordFile(dir / "missing", raw, error));
    EXPECT_NE(error.find("cannot read"), std::string::npos);

    ASSERT_TRUE(writeOutputFile(dir / "out.xml", "<Assets/>", error));
    std::ifstream in(dir / "out.xml");
    std::string back((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(back, "<Assets/>");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 3);  // no temporaries left
    EXPECT_FALSE(writeOutputFile(dir / "raw.bin" / "out.xml", "x", error));  // a file where a folder goes
    fs::remove_all(dir);
}
