// The options records of every version, short ones included, are cases of
// RecordTableTest (golden/records.txt); here a path too long for a line.
#include <gtest/gtest.h>

#include "options/AllOptions.h"

using namespace KilnCore;

TEST(OptionsRecord, PathsKeepTheirFirst2047Units) {
    std::string path(3000, 'a');
    path[2046] = 'z';
    AllOptions written;
    written.outputImagePath = path;
    QuickArchive ar;
    ASSERT_TRUE(written.serialize(ar));
    AllOptions o;
    ASSERT_TRUE(o.deserialize(ar));
    EXPECT_EQ(o.outputImagePath, path.substr(0, 2047));
}
