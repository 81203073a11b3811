#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "serial/AssetXmlWriter.h"
#include "serial/NumberFormat.h"

using namespace KilnCore;

namespace {

// Writes one parameter inside an open parameters element and returns its lines.
template <class Write>
std::string param(Write write) {
    std::string out;
    AssetXmlWriter w(out);
    write(w);
    return out;
}

}  // namespace

TEST(NumberFormat, SixSignificantDigitsAndThreeDigitExponents) {
    const std::pair<double, const char*> cases[] = {
        {0.1f, "0.1"},          {100000, "100000"},     {1000000, "1e+006"},   {1234567, "1.23457e+006"},
        {1e-7, "1e-007"},       {-2.5, "-2.5"},         {0, "0"},              {-0.0, "-0"},
        {2.2f, "2.2"},          {0.5, "0.5"},           {-1234567, "-1.23457e+006"},
        {1e100, "1e+100"},      {1.5e-05, "1.5e-005"},  {123456, "123456"},    {0.0001, "0.0001"}};
    for (const auto& [value, text] : cases) {
        std::string exact;
        appendFloat(exact, value);
        EXPECT_EQ(exact, text) << value;
    }
}

// Floats take faster paths than doubles; both must give the same text,
// including around powers of ten, the fixed/exponent switch, whole numbers,
// subnormals, infinities and NaNs.
TEST(NumberFormat, FloatsWriteWhatTheirDoubleValuesWrite) {
    auto same = [](float f) {
        std::string fast, exact;
        char buf[kMaxFloatText];
        fast.assign(buf, writeFloat(buf, f));
        appendFloat(exact, static_cast<double>(f));
        return fast == exact ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << fast << " != " << exact;
    };
    for (uint64_t bits = 0; bits < (1ull << 32); bits += 4093) {
        const uint32_t pattern = static_cast<uint32_t>(bits);
        float f;
        std::memcpy(&f, &pattern, sizeof f);
        ASSERT_TRUE(same(f)) << std::hex << pattern;
    }
    for (float decade = 1e-38f; decade < 1e38f; decade *= 10)
        for (const float f : {decade, std::nextafter(decade, 0.0f), std::nextafter(decade, std::numeric_limits<float>::max()), -decade * 9.999995f,
                              decade * 1.000005f, decade * 0.99999949f})
            ASSERT_TRUE(same(f)) << f;
    for (const float f : {0.0f, -0.0f, 1e-45f, std::numeric_limits<float>::infinity(),
                          -std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN(),
                          999999.5f, 999999.4f, 0.0001f, 0.00009999999f, 123456.7f, 1.0f, -7.0f, 100000.0f,
                          999999.0f, 1000000.0f, 16777216.0f})
        EXPECT_TRUE(same(f)) << f;
}

TEST(AssetXmlWriter, StringsAreRawAndFilesAreEscapedOnce) {
    EXPECT_EQ(param([](AssetXmlWriter& w) { w.writeStringParam("s", "a<b"); }),
              "<parameter type=\"string\" name=\"s\" handler=\"default\" listType=\"none\" label=\"s\">\n"
              "  <value>a<b</value>\n</parameter>\n");
    EXPECT_EQ(param([](AssetXmlWriter& w) { w.writeFileParam("f", "a<b&c"); }),
              "<parameter type=\"string\" name=\"f\" handler=\"FileBrowserHandler\" listType=\"none\" label=\"f\">\n"
              "  <value>a&lt;b&amp;c</value>\n</parameter>\n");
    EXPECT_EQ(escapeXml("a&amp;b"), "a&amp;b");
    EXPECT_EQ(escapeXml("x &lt;&gt; \"q\" &amp;lt;"), "x &lt;&gt; \"q\" &amp;lt;");
    EXPECT_EQ(escapeXml("&&"), "&amp;&amp;");
    std::string out;
    AssetXmlWriter w(out);
    w.beginAsset("/A&B\"", "texture", "");
    EXPECT_EQ(out, "  <Asset layout=\"\" renderer=\"kiln\" type=\"texture\" url=\"/A&amp;B\"\" >\n");
}

// Past its size limit (checked at each line) a writer gives the document
// up: what it held is cut away, record text written after never lands,
// appendDocument leaves the text it appends to as it was, and the watch has
// the reason.
TEST(AssetXmlWriter, GivesADocumentPastItsLimitUp) {
    DocumentChecks checks;
    checks.maxBytes = size_t{1} << 20;
    const DocumentCheckScope scope(checks);
    const DocumentLimitWatch watch;
    std::string xml = "before\n";
    const std::string longName(300000, 'N');
    appendDocument(xml, [&](AssetXmlWriter& w) {
        w.beginElement("Assets");
        for (int i = 0; i < 4; ++i) w.beginAsset(longName, "material", "");
        w.endAsset();
        EXPECT_TRUE(w.gaveUp());
        for (int i = 0; i < 4; ++i) w.writeStringParam("name", longName);
        w.writeListEntry(longName);
        EXPECT_LT(w.text().size(), 100u);
    });
    EXPECT_EQ(xml, "before\n");
    EXPECT_EQ(watch.failure(), "document would exceed 1 MB");
    EXPECT_TRUE(checks.pieces.empty());
}
