// The options records of every version are cases of RecordTableTest
// (golden/records.txt); here the rules a record of values cannot show.
#include <gtest/gtest.h>

#include "RecordBuilder.h"

#include <algorithm>

#include "options/AllOptions.h"

using namespace KilnCore;

namespace {

// The newest record holding `outputPath` and the channel ids.
QuickArchive newestRecord(const std::string& outputPath, const std::vector<uint32_t>& channels) {
    AllOptions options;
    options.outputImagePath = outputPath;
    options.renderChannels.assign(channels.begin(), channels.end());
    QuickArchive ar;
    options.serialize(ar);
    return ar;
}

}  // namespace

TEST(OptionsRecord, HostileChannelCountStopsAtTheEndOfTheInput) {
    // A record that ends inside its channel list after claiming 2^31 ids.
    const std::vector<uint8_t> bytes = bytesOf(newestRecord("", {0xABCDEF01}));
    const uint8_t marker[] = {0x01, 0xEF, 0xCD, 0xAB};
    const auto at = std::search(bytes.begin(), bytes.end(), std::begin(marker), std::end(marker));
    ASSERT_NE(at, bytes.end());
    std::vector<uint8_t> hostile(bytes.begin(), at - 4);
    for (uint8_t b : {0xFF, 0xFF, 0xFF, 0x7F, 100, 0, 0, 0}) hostile.push_back(b);
    QuickArchive input(hostile.data(), hostile.size());
    AllOptions o;
    EXPECT_TRUE(o.deserialize(input));
    EXPECT_EQ(o.renderChannels, std::vector<int32_t>{100});
    EXPECT_TRUE(o.outputImagePath.empty());
}

TEST(OptionsRecord, PathsKeepTheirFirst2047Units) {
    std::string path(3000, 'a');
    path[2046] = 'z';
    QuickArchive ar = newestRecord(path, {});
    AllOptions o;
    ASSERT_TRUE(o.deserialize(ar));
    EXPECT_EQ(o.outputImagePath, path.substr(0, 2047));
}
