// The item reader of the data files: delimiters, quotation marks, blanks, and files that are
// short, broken or not data files at all.
#include "files/lettore_voci.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace tessaro {

namespace {
// Every item the reader gives until it gives none.
std::vector<std::string> voci(const std::string& contenuto) {
    std::istringstream in(contenuto);
    LettoreVoci lettore(in);
    std::vector<std::string> tutte;
    while (const auto v = lettore.voce())
        tutte.push_back(*v);
    return tutte;
}
using V = std::vector<std::string>;
} // namespace

TEST(LettoreVoci, ItemsEndAtCommasAndLineEnds) {
    EXPECT_EQ(voci("1450\r\n-14500\r\n"), (V{"1450", "-14500"}));
    EXPECT_EQ(voci("1,5\r\n"), (V{"1", "5"}));
    EXPECT_EQ(voci("a\nb\rc\r\n\r\nd"), (V{"a", "b", "c", "", "d"}));
    EXPECT_EQ(voci("x,\r\n"), (V{"x", ""}));
    EXPECT_EQ(voci(",,"), (V{"", ""}));
}

TEST(LettoreVoci, BlanksBeforeAreSkippedAndAfterDropped) {
    EXPECT_EQ(voci("   2.5  \r\n\t7\t,8"), (V{"2.5", "7", "8"}));
    EXPECT_EQ(voci("a b  c \r\n"), (V{"a b  c"}));
    EXPECT_EQ(voci("   \r\n"), (V{""}));
}

TEST(LettoreVoci, QuotationMarksKeepCommasAndBlanks) {
    EXPECT_EQ(voci("\" 1,5 \"\r\nx"), (V{" 1,5 ", "x"}));
    EXPECT_EQ(voci("  \"a\"  dropped ,b"), (V{"a", "b"}));
    EXPECT_EQ(voci("\"riga\r\ndue\"\r\n"), (V{"riga\r\ndue"}));
    EXPECT_EQ(voci("\"\"\r\n"), (V{""}));
    EXPECT_EQ(voci("a\"b\"\r\n"), (V{"a\"b\""})); // a mark inside an item is plain text
}

TEST(LettoreVoci, TheCodePageBecomesUtf8) {
    EXPECT_EQ(voci("unit\xe0\r\n\x80"), (V{"unità", "€"}));
}

TEST(LettoreVoci, BrokenInputEndsTheReading) {
    // A quotation mark that never closes gives nothing, and nothing after it.
    EXPECT_EQ(voci("1\r\n\"aperto,2\r\n3\r\n"), (V{"1"}));
    EXPECT_EQ(voci(""), V{});
    EXPECT_EQ(voci("\r\n"), (V{""}));
    // An item far longer than any field: the reader stops instead of filling the memory.
    EXPECT_EQ(voci("1\r\n" + std::string(100000, 'x') + "\r\n2\r\n"), (V{"1"}));
    EXPECT_EQ(voci("\"" + std::string(100000, 'x') + "\"\r\n"), V{});
    EXPECT_EQ(voci("\"a\"" + std::string(100000, 'x') + "\r\n"), V{});
}

} // namespace tessaro
