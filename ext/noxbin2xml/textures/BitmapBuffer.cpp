#include "textures/BitmapBuffer.h"

#include "serial/Text.h"

namespace KilnCore {
namespace {

// File names compare as the file system the records come from does.
struct FileName : Codec<std::string> {
    static bool equal(const std::string& a, const std::string& b) { return equalsNoCase(a, b); }
};

}  // namespace

// A read keeps what an old bitmap held where the record ends.
const ObjectLayout<BitmapBuffer>& BitmapBuffer::layout() {
    using B = BitmapBuffer;
    static const ObjectLayout<B> layout = [] {
        auto layout = layoutFromOneList<B>("BitmapBuffer", 1, 1,
                                           {{"filter_type", &B::filter_type},
                                            {"filter_blur", &B::filter_blur},
                                            {"gamma", &B::gamma},
                                            Field<B>::with<FileName>("file", &B::file, Form::File)});
        layout.record.beforeRead = nullptr;
        return layout;
    }();
    return layout;
}

}  // namespace KilnCore
