#include "runtime/TVobrix.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PagedMemory, AddressesSplitIntoSixteenBitPages) {
    TVobrix runtime;
    runtime.mem(65535) = 1.0;
    runtime.mem(65536) = 2.0;
    EXPECT_EQ(runtime.pageCount(), 2u);
    EXPECT_EQ(CVobrixMemory::pageOf(65535), 0);
    EXPECT_EQ(CVobrixMemory::pageOf(65536), 1);
    EXPECT_EQ(CVobrixMemory::pageOf(-1), -1);
    EXPECT_EQ(CVobrixMemory::offsetOf(-1), 65535);
    runtime.mem(-1) = 3.0;
    EXPECT_EQ(runtime.mem(-1), 3.0);
    EXPECT_EQ(runtime.mem(65535), 1.0);
}

TEST(PagedMemory, ReadingCreatesAZeroPage) {
    TVobrix runtime;
    EXPECT_EQ(runtime.pageCount(), 0u);
    EXPECT_EQ(runtime.mem(1000000), 0.0);
    EXPECT_EQ(runtime.pageCount(), 1u);
    EXPECT_EQ(CVobrixMemory::pageOf(1000000), 15);
}

TEST(PagedMemory, OpenClearsMemoryAndStringsButKeepsFileNames) {
    TVobrix runtime;
    runtime.mem(42) = 7.0;
    runtime.setString(3, "text");
    runtime.fileNameTable[0] = "a.png";
    runtime.lastRepaint = 99;
    runtime.doOpen();
    EXPECT_EQ(runtime.mem(42), 0.0);
    EXPECT_EQ(runtime.strings.size(), 0u);
    EXPECT_EQ(runtime.stringCount, 0.0);
    EXPECT_EQ(runtime.fileNameTable.at(0), "a.png");
    EXPECT_EQ(runtime.lastRepaint, 0);
}

TEST(StringSlots, CountFollowsEveryAccess) {
    TVobrix runtime;
    EXPECT_EQ(runtime.stringAt(3), "");
    EXPECT_EQ(runtime.stringCount, 1.0);
    runtime.setString(10000, "a");
    runtime.setString(10001, "b");
    EXPECT_EQ(runtime.stringCount, 3.0);
    EXPECT_EQ(runtime.stringAt(9999.99995), "a"); // toIndex of the number
}

class FormatString : public ::testing::Test {
  protected:
    std::string format(const std::string& pattern, auto... values) {
        runtime.setString(1, pattern);
        runtime.formatString(2.0, 1.0, values...);
        return runtime.stringAt(2);
    }
    TVobrix runtime;
};

TEST_F(FormatString, FloatAndIntegerConversions) {
    EXPECT_EQ(format("%.1f", 3.14159), "3.1");
    EXPECT_EQ(format("%d", 2.99995), "3");
    EXPECT_EQ(format("%d", -2.5), "-2");
    EXPECT_EQ(format("v=%5.2f|%x|%c", 1.5, 255.0, 65.0), "v= 1.50|ff|A");
    EXPECT_EQ(format("%e", 1000.0), "1.000000e+03");
}

TEST_F(FormatString, StringConversionReadsASlot) {
    runtime.setString(7, "ab");
    EXPECT_EQ(format("[%s]", 7.0), "[ab]");
    EXPECT_EQ(format("[%5s]", 7.0), "[   ab]");
}

TEST_F(FormatString, UnknownLetterPrintsNothingAndConsumesNothing) {
    EXPECT_EQ(format("%q%d", 7.0), "7");
    // A length letter ends the conversion; the letter after it is plain text.
    EXPECT_EQ(format("%ld", 7.0), "d");
}

TEST_F(FormatString, TrailingPercentIsDropped) {
    EXPECT_EQ(format("abc%"), "abc");
    EXPECT_EQ(format("abc%5."), "abc");
}

TEST_F(FormatString, DestinationMayBeTheFormatItself) {
    runtime.setString(1, "%d apples");
    runtime.formatString(1.0, 1.0, 3.0);
    EXPECT_EQ(runtime.stringAt(1), "3 apples");
}

TEST_F(FormatString, OversizedResultsAreTruncatedNotOverrun) {
    const std::string longText(2000, 'x');
    EXPECT_EQ(format(longText).size(), 511u);
    EXPECT_EQ(format("%400d|%400d", 1.0, 2.0).size(), 511u);
    const std::string wide = format("%99999999999.3f", 1.0);
    EXPECT_EQ(wide, std::string(255, ' ')); // one conversion holds at most 255 bytes
}

TEST_F(FormatString, ArgumentsTheFormatCannotReachAreNeverRead) {
    // '*' would make the platform formatter take a value nobody passed.
    EXPECT_EQ(format("%*d", 5.0), "5");
    // Conversions beyond the values given format 0.
    EXPECT_EQ(format("%d,%d", 4.0), "4,0");
}

TEST_F(FormatString, WidthSplitByStrayBytesIsCappedAsOneNumber) {
    // The pieces join into a width of 300300300300; uncapped, the platform
    // formatter refuses it (or spends seconds on a smaller one of millions).
    EXPECT_EQ(format("%300\x01"
                     "300\x01"
                     "300\x01"
                     "300d",
                     1.0),
              std::string(255, ' '));
}

TEST_F(FormatString, NulByteInsideAConversionIsIgnoredLikeOtherStrayBytes) {
    // Slots are byte strings and may hold NUL; the conversion is still "%5d".
    EXPECT_EQ(format(std::string("%5\0d", 4), 7.0), "    7");
    EXPECT_EQ(format(std::string("<%\0.1f>", 7), 2.25), "<2.2>");
}

} // namespace
