#include <ruby.h>

#include <gtest/gtest.h>

#include <string>

#include "ruby/ByteArrays.h"
#include "ruby/HostAccess.h"
#include "ruby/RubyText.h"
#include "serial/QuickArchive.h"

using namespace KilnRuby;
using KilnCore::QuickArchive;

namespace {

VALUE eval(const char* source) { return rb_eval_string(source); }

std::string text(VALUE string) { return std::string(RSTRING_PTR(string), RSTRING_LEN(string)); }

std::string encodingName(VALUE string) {
    return text(rb_funcall(rb_funcall(string, rb_intern("encoding"), 0), rb_intern("to_s"), 0));
}

TEST(RubyValueGuard, SharesTheStoreAndReleasesOneReferenceAtATime) {
    const long before = keptAliveCount();
    const VALUE value = rb_str_new_cstr("kept");
    {
        RubyValueGuard first(value);
        {
            RubyValueGuard second(first);
            RubyValueGuard immediate(INT2FIX(3)), none(Qnil);
            EXPECT_EQ(before + 2, keptAliveCount());
        }
        EXPECT_EQ(before + 1, keptAliveCount());
        first.set(rb_str_new_cstr("other"));
        EXPECT_EQ(before + 1, keptAliveCount());
        RubyValueGuard moved(std::move(first));
        EXPECT_EQ(Qnil, first.get());
        EXPECT_EQ(before + 1, keptAliveCount());
        EXPECT_EQ("other", text(moved.take()));
        EXPECT_EQ(before, keptAliveCount());
    }
    EXPECT_EQ(before, keptAliveCount());
}

TEST(RubyValueGuard, KeepsAValueOnlyItHoldsThroughACollection) {
    auto* guard = new RubyValueGuard(eval("'guarded ' * 3"));
    eval("GC.start(full_mark: true, immediate_sweep: true); GC.compact");
    EXPECT_EQ("guarded guarded guarded ", text(guard->get()));
    delete guard;
}

TEST(ProtectedCall, TurnsMissingMethodsAndExceptionsIntoNil) {
    RubyValueGuard out;
    const VALUE array = eval("[1, 2]");
    protectedCall(out, array, rb_intern("push"), INT2FIX(3));
    EXPECT_EQ(3, RARRAY_LEN(out.get()));
    protectedCall(out, array, rb_intern("no_such_method"));
    EXPECT_EQ(Qnil, out.get());
    protectedCall(out, Qnil, rb_intern("to_s"));
    EXPECT_EQ(Qnil, out.get());
    protectedCall(out, Qfalse, rb_intern("to_s"));
    EXPECT_EQ(Qnil, out.get());

    const VALUE raising = eval("o = Object.new; def o.fail! = raise('boom'); o");
    protectedCall(out, raising, rb_intern("fail!"));
    EXPECT_EQ(Qnil, out.get());
    const VALUE liar = eval("o = Object.new; def o.respond_to?(*) = raise('no'); o");
    protectedCall(out, liar, rb_intern("to_s"));
    EXPECT_EQ(Qnil, out.get());
    EXPECT_EQ(Qnil, rb_errinfo());
}

TEST(EvalProtected, ReportsWhetherTheLineRaised) {
    RubyValueGuard out;
    EXPECT_TRUE(evalProtected("6 * 7", out));
    EXPECT_EQ(INT2FIX(42), out.get());
    EXPECT_FALSE(evalProtected("raise 'no model'", out));
    EXPECT_EQ(Qnil, out.get());
    EXPECT_FALSE(evalProtected("1 +", out));
    EXPECT_EQ(Qnil, rb_errinfo());
}

TEST(Warnings, ReachTheWarningHandlerAndNeverRaise) {
    eval("$warnings = []; def Warning.warn(text, **) = $warnings << text");
    warnProtected("Failed to start operation");
    EXPECT_EQ(Qtrue, eval("$warnings.last.end_with?('warning: Failed to start operation\n')"));
    eval("def Warning.warn(*, **) = raise('no warnings')");
    warnProtected("ignored");
    EXPECT_EQ(Qnil, rb_errinfo());
    eval("def Warning.warn(text, **) = $stderr.write(text)");
}

TEST(Attributes, ReadWriteAndDeleteThroughTheEntitysDictionary) {
    const VALUE entity = eval("Sketchup::Entity.new");
    const VALUE dictionary = keyString(Key::Guid), key = keyString(Key::Material);
    RubyValueGuard out;
    EXPECT_FALSE(getAttribute(entity, dictionary, key, out));
    setAttribute(entity, dictionary, false, key, rb_str_new_cstr("Brick"));
    EXPECT_EQ(0, RARRAY_LEN(rb_funcall(entity, rb_intern("attribute_dictionaries"), 0)));

    setAttribute(entity, dictionary, true, key, rb_str_new_cstr("Brick"));
    ASSERT_TRUE(getAttribute(entity, dictionary, key, out));
    EXPECT_EQ("Brick", text(out.get()));
    EXPECT_FALSE(getAttribute(entity, dictionary, keyString(Key::MaterialName), out));

    deleteAttribute(entity, dictionary, key);
    EXPECT_FALSE(getAttribute(entity, dictionary, key, out));
    EXPECT_FALSE(getAttribute(Qnil, dictionary, key, out));
}

TEST(KeyStrings, AreFrozenUtf8AndMadeOnce) {
    const VALUE guid = keyString(Key::Guid);
    EXPECT_EQ("{DD17A615-9867-4806-8F46-B37031D7F153}", text(guid));
    rb_gc_start();
    EXPECT_EQ(guid, keyString(Key::Guid));
    EXPECT_EQ("{DD17A615-9867-4806-8F46-B37031D7F153}", text(keyString(Key::Guid)));
    EXPECT_TRUE(OBJ_FROZEN(guid));
    EXPECT_EQ("UTF-8", encodingName(guid));
    EXPECT_EQ("serial_data", text(keyString(Key::SerialData)));
    EXPECT_EQ("kiln_material_type", text(keyString(Key::MaterialType)));
    EXPECT_EQ("kiln_material_name", text(keyString(Key::MaterialName)));
}

TEST(HostClasses, AreFoundWhenTheHostArrivesAfterTheExtension) {
    EXPECT_EQ(eval("Geom::Transformation"), hostClass(HostClass::Transformation));
    EXPECT_EQ(eval("Sketchup"), hostClass(HostClass::SketchupModule));
    EXPECT_TRUE(isKindOf(eval("Sketchup::Material.new('Brick')"), HostClass::Material));
    EXPECT_FALSE(isKindOf(eval("Sketchup::Entity.new"), HostClass::Material));
}

TEST(Text, RubyToWideKeepsUtf8AndReadsOtherBytesAsWindows1252) {
    std::string out = "stale";
    EXPECT_TRUE(rubyToWide(eval("\"caf\\u00e9\""), out));
    EXPECT_EQ("caf\xC3\xA9", out);
    EXPECT_TRUE(rubyToWide(eval("\"caf\\xE9\".b"), out));
    EXPECT_EQ("caf\xC3\xA9", out);
    EXPECT_TRUE(rubyToWide(eval("o = Object.new; def o.to_str = 'converted'; o"), out));
    EXPECT_EQ("converted", out);
    EXPECT_FALSE(rubyToWide(Qnil, out));
    EXPECT_EQ("", out);
    EXPECT_FALSE(rubyToWide(INT2FIX(5), out));
    EXPECT_FALSE(rubyToWide(eval("o = Object.new; def o.to_str = raise('no'); o"), out));
    EXPECT_EQ(Qnil, rb_errinfo());
}

TEST(Text, ModelTextGoesOutUtf8AndBytesUntagged) {
    const VALUE wide = wideToRuby("caf\xC3\xA9");
    EXPECT_EQ("UTF-8", encodingName(wide));
    EXPECT_EQ("caf\xC3\xA9", text(wide));
    const VALUE narrow = narrowToRuby(std::string("a\0b", 3));
    EXPECT_EQ("ASCII-8BIT", encodingName(narrow));
    EXPECT_EQ(3, RSTRING_LEN(narrow));
}

TEST(Numbers, RubyToIntTakesOnly32BitIntegers) {
    int32_t out = 99;
    EXPECT_TRUE(rubyToInt(INT2FIX(-6), out));
    EXPECT_EQ(-6, out);
    EXPECT_FALSE(rubyToInt(rb_float_new(2.0), out));
    EXPECT_FALSE(rubyToInt(eval("2**31"), out));
    EXPECT_FALSE(rubyToInt(eval("2**80"), out));
    EXPECT_EQ(-6, out);

    long number = 0;
    EXPECT_TRUE(numberToLong(rb_float_new(2.9), number));
    EXPECT_EQ(2, number);
    EXPECT_FALSE(numberToLong(Qnil, number));
    EXPECT_FALSE(numberToLong(eval("2**80"), number));
    EXPECT_EQ(Qnil, rb_errinfo());
}

TEST(ByteArrays, LoadingKeepsTheLowByteOfEachElement) {
    QuickArchive archive(1);
    ASSERT_TRUE(loadArchiveFromByteArray(eval("o = Object.new; def o.to_int = 0x1234; [1, 256, 511, -1, 3.7, o]"),
                                         archive));
    EXPECT_EQ(6u, archive.writePos());
    uint8_t bytes[6] = {};
    archive.readBytes(bytes, 6);
    const uint8_t expected[6] = {1, 0, 255, 255, 3, 0x34};
    EXPECT_EQ(0, memcmp(expected, bytes, 6));
}

TEST(ByteArrays, LoadingRefusesAnythingButANonEmptyArrayOfNumbers) {
    for (const char* source : {"[]", "'abc'", "nil", "{1 => 2}", "[1, nil]", "[1, 'x']", "[2**70]"}) {
        QuickArchive archive(1);
        EXPECT_FALSE(loadArchiveFromByteArray(eval(source), archive)) << source;
    }
    EXPECT_EQ(Qnil, rb_errinfo());
}

TEST(ByteArrays, LoadingSpansBlocks) {
    QuickArchive archive(1);
    ASSERT_TRUE(loadArchiveFromByteArray(eval("Array.new(5000) { |i| i }"), archive));
    EXPECT_EQ(2u, archive.blockCount());
    EXPECT_EQ(5000u, archive.writePos());
    archive.setReadPos(4999);
    uint8_t last = 0;
    archive.readBytes(&last, 1);
    EXPECT_EQ(4999 & 0xFF, last);
}

TEST(ByteArrays, TheWholeBlockImageGoesOutFromTheReadPosition) {
    QuickArchive empty;
    EXPECT_EQ(Qnil, archiveToByteArray(empty));

    QuickArchive archive(1);
    archive.writeUInt32(0x00020000);
    archive.writeBytes(std::string(4100, '\x07').data(), 4100);
    const VALUE whole = archiveToByteArray(archive);
    ASSERT_EQ(8192, RARRAY_LEN(whole));
    EXPECT_EQ(INT2FIX(2), rb_ary_entry(whole, 2));
    EXPECT_EQ(INT2FIX(7), rb_ary_entry(whole, 4103));
    EXPECT_EQ(INT2FIX(0), rb_ary_entry(whole, 4104));

    QuickArchive roundTrip(1);
    ASSERT_TRUE(loadArchiveFromByteArray(whole, roundTrip));
    uint32_t word = 0;
    roundTrip.readUInt32(word);
    EXPECT_EQ(0x00020000u, word);

    archive.setReadPos(2);
    const VALUE shifted = archiveToByteArray(archive);
    ASSERT_EQ(8192, RARRAY_LEN(shifted));
    EXPECT_EQ(INT2FIX(2), rb_ary_entry(shifted, 0));
    EXPECT_EQ(INT2FIX(0), rb_ary_entry(shifted, 8191));
}

// A stop ends a module call only after the call's guards have let go of
// what they kept (here the record, while an element converts).
TEST(ModuleCalls, AStopLeavesTheKeepAliveStoreAsItWas) {
    const long before = keptAliveCount();
    eval("d = { 'serial_data' => [0, Object.new.tap { |o| def o.to_int = throw(:out) }] }; e = Object.new; "
         "e.define_singleton_method(:attribute_dictionary) { |*| d }; catch(:out) { Noxbin2xml.old_deserialize(e) }");
    EXPECT_EQ(before, keptAliveCount());
}

}  // namespace
