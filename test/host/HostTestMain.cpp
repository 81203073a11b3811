// Runs the host access tests inside an embedded Ruby interpreter, from a
// Ruby-level frame (evaluation needs one), with the extension initialised
// and the fake host loaded after it.
#include <ruby.h>

#include <gtest/gtest.h>

extern "C" void Init_Noxbin2xml();

namespace {

VALUE runTests(VALUE) {
    Init_Noxbin2xml();
    int state = 0;
    rb_load_protect(rb_str_new_cstr(FAKE_HOST_PATH), 0, &state);
    if (state != 0) {
        fprintf(stderr, "cannot load the fake host %s\n", FAKE_HOST_PATH);
        return INT2FIX(1);
    }
    return INT2FIX(RUN_ALL_TESTS());
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    RUBY_INIT_STACK;
    ruby_init();
    rb_define_global_function("run_host_tests", RUBY_METHOD_FUNC(runTests), 0);
    char* rubyArgs[] = {const_cast<char*>("ruby"), const_cast<char*>("--disable-gems"), const_cast<char*>("-e"),
                        const_cast<char*>("exit(run_host_tests)")};
    return ruby_run_node(ruby_options(4, rubyArgs));
}
