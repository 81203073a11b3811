// The three texture-side families: textures, UVW generators and bitmaps.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "serial/Children.h"
#include "serial/Serializable.h"

namespace KilnCore {

// Type identifiers, as records give them, per family.
namespace TextureType {
constexpr int32_t Bitmap = 0;
constexpr int32_t Fresnel = 1;
constexpr int32_t Uvw = 2;
constexpr int32_t Noise = 3;
constexpr int32_t Checker = 4;
constexpr int32_t AColor = 5;
constexpr int32_t Grid = 6;
constexpr int32_t Cloth = 7;
constexpr int32_t Bulge = 8;
constexpr int32_t Invert = 9;
constexpr int32_t Blend = 10;
constexpr int32_t Ramp = 11;
constexpr int32_t Sky = 12;
}  // namespace TextureType

namespace UvwType {
constexpr int32_t PlanarWorld = 0;
constexpr int32_t Object = 1;
constexpr int32_t Environment = 3;
constexpr int32_t Channel = 4;
}  // namespace UvwType

namespace BitmapType {
constexpr int32_t Buffer = 0;
}  // namespace BitmapType

class BaseTexture : public TessarSerializable, public TessarXMLSerializable {
public:
    static constexpr const char* kFamilyNoun = "texture";
    virtual void reset() = 0;
    virtual int32_t typeId() const = 0;
    virtual std::shared_ptr<BaseTexture> clone() const = 0;
    virtual bool isEqual(const std::shared_ptr<BaseTexture>& other) const = 0;
    std::string_view category() const override { return "texture"; }
};

class BaseUVW : public TessarSerializable, public TessarXMLSerializable {
public:
    static constexpr const char* kFamilyNoun = "UVW";
    virtual void reset() = 0;
    virtual int32_t typeId() const = 0;
    // Brings the matrix forms up to date from the component forms.
    virtual void updateMatrices() = 0;
    virtual std::shared_ptr<BaseUVW> clone() const = 0;
    virtual bool isEqual(const std::shared_ptr<BaseUVW>& other) const = 0;
    std::string_view category() const override { return "uvw"; }
};

class BaseBitmap : public TessarSerializable, public TessarXMLSerializable {
public:
    static constexpr const char* kFamilyNoun = "bitmap";
    virtual void reset() = 0;
    virtual int32_t typeId() const = 0;
    virtual std::shared_ptr<BaseBitmap> clone() const = 0;
    virtual bool isEqual(const std::shared_ptr<BaseBitmap>& other) const = 0;
    std::string_view category() const override { return "bitmap"; }
};

// Factories: a new object in its default state, or empty for an unknown id.
std::shared_ptr<BaseTexture> createTexture(int32_t id);
std::shared_ptr<BaseUVW> createUVW(int32_t id);
std::shared_ptr<BaseBitmap> createBitmap(int32_t id);

// The short display name of a texture type ("Bitmap" .. "Sky"); empty for
// an id outside 0..12.
std::string_view textureTypeName(int32_t id);

inline std::shared_ptr<BaseTexture> create(int32_t id, FamilyTag<BaseTexture>) { return createTexture(id); }
inline std::shared_ptr<BaseUVW> create(int32_t id, FamilyTag<BaseUVW>) { return createUVW(id); }
inline std::shared_ptr<BaseBitmap> create(int32_t id, FamilyTag<BaseBitmap>) { return createBitmap(id); }

}  // namespace KilnCore
