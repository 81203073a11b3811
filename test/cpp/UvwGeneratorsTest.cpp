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

TEST(UvwGenerators, XmlFollowsTheComponents) {
    GenChannelUVW channel;
    channel.texComponents.x_offset = 7;  // no updateMatrices: the writer recomputes
    channel.wrap_v = 1;
    channel.uvw_channel = 2;
    EXPECT_EQ(documentOf(channel, "/M/tex"), golden("channel-uvw.xml"));

    GenEnvironmentUVW environment;
    environment.mapping_type = 3;
    EXPECT_NE(documentOf(environment, "/M/tex").find("label=\"mapping_type\">\n            <value>mirror_ball</value>\n"),
              std::string::npos);
    environment.mapping_type = 9;  // only code can set this; it has no name
    EXPECT_NE(documentOf(environment, "/M/tex").find("label=\"mapping_type\">\n            <value></value>\n"), std::string::npos);
}
