#include <gtest/gtest.h>

#include "Golden.h"


#include "serial/AssetXmlWriter.h"
#include "textures/BitmapBuffer.h"
#include "textures/UvwGenerators.h"

using namespace KilnCore;

// Mirror flags compare as whole integers; file names ignore letter case.
TEST(UvwGenerators, Comparisons) {
    auto channel = std::make_shared<GenChannelUVW>();
    channel->texComponents.y_mirror = 2;
    auto mirrored = std::static_pointer_cast<GenChannelUVW>(channel->clone());
    mirrored->texComponents.y_mirror = 1;  // still mirrored, but another flag value
    EXPECT_FALSE(channel->isEqual(mirrored));
    EXPECT_FALSE(GenObjectUVW().isEqual(std::make_shared<GenPlanarWorldUVW>()));
    EXPECT_FALSE(createBitmap(1));

    BitmapBuffer buffer;
    buffer.file = "C:\\Maps\\Brick.PNG";
    auto other = std::make_shared<BitmapBuffer>(buffer);
    other->file = "c:\\maps\\brick.png";
    EXPECT_TRUE(buffer.isEqual(other));
    other->filter_type = 0;
    EXPECT_FALSE(buffer.isEqual(other));
}

// The written documents are cases of RecordTableTest (golden/records.txt);
// a mapping type outside 0..3, which only code can set, has no name.
TEST(UvwGenerators, AMappingTypeWithoutAName) {
    GenEnvironmentUVW environment;
    environment.mapping_type = 9;
    EXPECT_NE(documentOf(environment, "/M/tex").find("label=\"mapping_type\">\n            <value></value>\n"), std::string::npos);
}
