#include "textures/BitmapBuffer.h"

namespace KilnCore {

// A read keeps what an old bitmap held where the record ends.
const ObjectLayout<BitmapBuffer>& BitmapBuffer::layout() {
    using B = BitmapBuffer;
    static const ObjectLayout<B> layout = [] {
        auto layout = layoutFromOneList<B>("BitmapBuffer", 1, 1,
                                           {{"filter_type", &B::filter_type},
                                            {"filter_blur", &B::filter_blur},
                                            {"gamma", &B::gamma},
                                            Field<B>::with<NoCaseText>("file", &B::file, Form::File)});
        layout.record.reset = Reset::Keep;
        return layout;
    }();
    return layout;
}

}  // namespace KilnCore
