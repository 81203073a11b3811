#include "ruby/ValueClasses.h"

#include <sstream>

#include "ruby/HostAccess.h"

using KilnCore::Vector3;

namespace KilnRuby {

void defineValueClasses(VALUE pluginModule) {
    using Definer = VALUE (*)(VALUE);
    const Definer definers[] = {defineVectorClass, defineColorClass, defineTransformClass, defineMaterialClass};
    for (Definer define : definers) protectedValue([define, pluginModule] { return define(pluginModule); });
}

VALUE newColorObject(const KilnCore::Color& c) {
    const VALUE klass = valueClass<KilnCore::Color>();
    if (NIL_P(klass)) return Qnil;
    const VALUE object = allocValue<KilnCore::Color>(klass);
    *valueData<KilnCore::Color>(object) = c;
    return object;
}

std::string formatTriple(float a, float b, float c) {
    std::ostringstream out;
    out << "{ " << a << ", " << b << ", " << c << " }";
    return out.str();
}

bool hostTriple(VALUE hostValue, Vector3& out) {
    const VALUE values = callPassingStops(hostValue, ids().toA, 0, nullptr);
    if (!RB_TYPE_P(values, T_ARRAY) || RARRAY_LEN(values) < 3) return false;
    const double x = rb_num2dbl(rb_ary_entry(values, 0));
    const double y = rb_num2dbl(rb_ary_entry(values, 1));
    const double z = rb_num2dbl(rb_ary_entry(values, 2));
    out = Vector3{static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
    return true;
}

}  // namespace KilnRuby
