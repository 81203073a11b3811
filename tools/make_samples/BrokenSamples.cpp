// Records that do not convert, each damaged in one known way, for the
// explain command and for batch tests: the reader must name the failing
// class, the offset and the reason.
#include <algorithm>
#include <string>

#include "SampleMaterials.h"
#include "SampleSet.h"
#include "SampleTextures.h"
#include "lights/OmniLight.h"
#include "materials/BRDFs.h"
#include "options/AllOptions.h"
#include "textures/BitmapBuffer.h"
#include "textures/UvwGenerators.h"

using namespace KilnCore;

namespace samples {
namespace {

MaterialRef sampleMaterial(const std::string& file) {
    for (const MaterialSample& sample : materialSamples())
        if (sample.file == file) return sample.material;
    return nullptr;
}

// A bitmap texture whose generator id is 2, a UVW type that does not exist;
// the rest of the record is what a channel generator would have written.
bool bitmapWithUnknownUvw(QuickArchive& ar) {
    ar.writeInt32(0);  // bitmap texture
    ar.writeUInt32(versionWord(1));
    ar.writeInt32(2);  // no UVW generator has type 2
    ar.writeInt32(0);  // bitmap buffer
    GenChannelUVW().serialize(ar);
    BitmapBuffer buffer;
    buffer.file = "C:\\Textures\\plaster-bump.png";
    buffer.serialize(ar);
    ar.writeBool(true);
    return true;
}

// A bump material whose bump texture fails to read.
bool bumpWithBrokenTexture(QuickArchive& ar) {
    ar.writeUInt32(versionWord(3));
    ar.writeFloat(0.5f);  // bump_tex_mult
    ar.writeBool(true);   // a bump texture follows
    bitmapWithUnknownUvw(ar);
    if (!writeChild(ar, sampleMaterial("layered"))) return false;
    ar.writeUInt32(versionWord(2));
    ar.writeWString("Broken Bump");
    ar.writeWString(sampleUuid(100));
    return true;
}

// The damage four levels down: a layered material inside a two-sided one,
// whose diffuse layer holds the same broken bitmap.
bool deepBrokenTexture(QuickArchive& ar) {
    ar.writeUInt32(versionWord(3));  // two-sided material
    ar.writeBool(true);              // front
    ar.writeInt32(1);                // layered material
    ar.writeUInt32(versionWord(4));
    ar.writeUInt32(1);
    ar.writeInt32(2);  // diffuse BRDF
    ar.writeUInt32(versionWord(4));
    ar.writeColor({0.5f, 0.5f, 0.5f});
    ar.writeColor({0, 0, 0});
    ar.writeFloat(1.0f);
    ar.writeFloat(1.0f);
    ar.writeBool(true);  // colour texture
    return bitmapWithUnknownUvw(ar);
}

bool layeredWithUnknownBrdf(QuickArchive& ar) {
    ar.writeUInt32(versionWord(4));
    ar.writeUInt32(2);
    ar.writeInt32(2);  // diffuse BRDF
    Diffuse_BRDF().serialize(ar);
    ar.writeInt32(3);  // no BRDF has type 3
    return true;
}

bool omniWithFutureVersion(QuickArchive& ar) {
    OmniLight light;
    light.serialize(ar);
    const std::vector<uint8_t> bytes = writtenBytes(ar);
    ar.clear();
    ar.writeUInt32(versionWord(9));  // a version this reader does not know
    ar.writeBytes(bytes.data() + 4, bytes.size() - 4);
    return true;
}

// The first `length` bytes of a good record.
bool truncated(QuickArchive& ar, const MaterialRef& material, size_t length) {
    QuickArchive whole;
    if (!material->serialize(whole)) return false;
    const std::vector<uint8_t> bytes = writtenBytes(whole);
    ar.writeBytes(bytes.data(), std::min(length, bytes.size()));
    return true;
}

bool sceneOfUnknownKind(QuickArchive& ar) {
    ar.writeUInt32(versionWord(7));
    return AllOptions().serialize(ar);
}

// A kind-2 scene whose library holds a good material and then the broken bump.
bool sceneWithBrokenMaterial(QuickArchive& ar) {
    ar.writeUInt32(versionWord(2));
    if (!AllOptions().serialize(ar)) return false;
    ar.writeUInt32(versionWord(2));
    ar.writeUInt32(2);
    if (!writeChild(ar, sampleMaterial("layered"))) return false;
    ar.writeInt32(3);
    bumpWithBrokenTexture(ar);
    ar.writeUInt32(0);
    return true;
}

std::vector<uint8_t> text(const std::string& content) { return {content.begin(), content.end()}; }

}  // namespace

void addBrokenSamples(SampleSet& set) {
    set.add("broken/bump-bad-uvw-3.rec", bumpWithBrokenTexture);
    set.add("broken/two-sided-deep-bad-uvw-5.rec", deepBrokenTexture);
    set.add("broken/layered-unknown-brdf-1.rec", layeredWithUnknownBrdf);
    set.add("broken/layered-truncated-1.rec", [](QuickArchive& ar) { return truncated(ar, sampleMaterial("layered"), 40); });
    set.add("broken/omni-future-version-2.rec", omniWithFutureVersion);
    set.add("broken/scene-kind7.rec", sceneOfUnknownKind);
    set.add("broken/scene-kind2-bad-material.rec", sceneWithBrokenMaterial);
    set.addBytes("broken/malformed-text-2.txt", text("[0, 0, 4, 0, 0, 0, 128, oops]\n"));
    set.addBytes("broken/empty-3.rec", {});
}

}  // namespace samples
