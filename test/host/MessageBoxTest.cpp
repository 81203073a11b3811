#include <ruby.h>

#include <gtest/gtest.h>

#include <string>

#include "ruby/SceneUpgrade.h"

using namespace KilnRuby;

namespace {

VALUE eval(const char* source) { return rb_eval_string(source); }

std::string lastMessageText() {
    const VALUE text = eval("FakeHost.messages.last[0]");
    return std::string(RSTRING_PTR(text), RSTRING_LEN(text));
}

TEST(MessageBox, AnyTextReachesTheBoxUnchanged) {
    eval("FakeHost.reset!");
    const char tail[] = "\0 \x7F caf\xC3\xA9 \xF0\x9F\x98\x80 '";
    const std::string text = "It's \"quoted\", a \\ and \\' and \\\\\nline\r\nbreaks\t#{raise 'x'} %q{y} " +
                             std::string(tail, sizeof tail - 1);
    showMessage(text);
    EXPECT_EQ(text, lastMessageText());
    EXPECT_EQ(Qtrue, eval("FakeHost.messages.last[1] == MB_OK"));
    EXPECT_EQ(Qtrue, eval("FakeHost.messages.last[0].encoding == Encoding::UTF_8"));
    askYesNo(text);
    EXPECT_EQ(text, lastMessageText());
    EXPECT_EQ(Qtrue, eval("FakeHost.messages.last[1] == MB_YESNO"));
    EXPECT_EQ(Qnil, rb_errinfo());
}

TEST(MessageBox, OnlyTheYesButtonAnswersYes) {
    eval("FakeHost.reset!; FakeHost.answers.push(IDYES, IDNO, IDOK, '6', 6.0)");
    EXPECT_TRUE(askYesNo("first"));
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(askYesNo("other"));
    eval("module UI; class << self; alias kept_messagebox messagebox; def messagebox(*); raise('closed'); end; end; end");
    EXPECT_FALSE(askYesNo("raising"));
    EXPECT_EQ(Qnil, rb_errinfo());
    eval("module UI; class << self; alias messagebox kept_messagebox; end; end");
}

}  // namespace
