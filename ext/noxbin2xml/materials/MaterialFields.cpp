#include "materials/MaterialFields.h"

#include "textures/TextureMakers.h"

namespace KilnCore {

bool FileNameTexture::read(RecordScope& rec, TextureRef& v, const FieldSpec&) {
    std::string path;
    rec.archive().readWString(path);
    v = makeBitmapTexture(path);
    return true;
}

bool FileNameTexture::write(QuickArchive& ar, TextureRef& v, const FieldSpec&) {
    ar.writeWString(bitmapFileOf(v));
    return true;
}

void FileNameTexture::text(std::string& out, const TextureRef& v) { Codec<std::string>::text(out, bitmapFileOf(v)); }

}  // namespace KilnCore
