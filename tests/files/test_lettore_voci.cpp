// The item reader of the data files: delimiters, quotation marks, blanks, and files that are
// short, broken or not data files at all.
#include "files/lettore_voci.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace tessaro {

namespace {
using V = std::vector<std::string>;

// Every item the reader gives until it gives none.
V voci(const std::string& contenuto) {
    std::istringstream in(contenuto);
    LettoreVoci lettore(in);
    V tutte;
    while (const auto v = lettore.voce()) tutte.push_back(*v);
    return tutte;
}
} // namespace

TEST(LettoreVoci, CommasLineEndsBlanksQuotesAndTheCodePage) {
    const std::pair<std::string, V> casi[] = {
        // Items end at commas and line ends.
        {"1450\r\n-14500\r\n", {"1450", "-14500"}}, {"1,5\r\n", {"1", "5"}},
        {"a\nb\rc\r\n\r\nd", {"a", "b", "c", "", "d"}}, {"x,\r\n", {"x", ""}}, {",,", {"", ""}},
        // Blanks before an item are skipped, blanks after it dropped.
        {"   2.5  \r\n\t7\t,8", {"2.5", "7", "8"}}, {"a b  c \r\n", {"a b  c"}}, {"   \r\n", {""}},
        // Quotation marks keep commas, blanks and line ends; inside an item a mark is text.
        {"\" 1,5 \"\r\nx", {" 1,5 ", "x"}}, {"  \"a\"  dropped ,b", {"a", "b"}},
        {"\"riga\r\ndue\"\r\n", {"riga\r\ndue"}}, {"\"\"\r\n", {""}}, {"a\"b\"\r\n", {"a\"b\""}},
        {"unit\xe0\r\n\x80", {"unità", "€"}}, {"", {}}, {"\r\n", {""}}};
    for (const auto& [testo, attese] : casi) EXPECT_EQ(voci(testo), attese) << testo;
}

TEST(LettoreVoci, BrokenInputEndsTheReading) {
    // A quotation mark that never closes gives nothing, and nothing after it.
    EXPECT_EQ(voci("1\r\n\"aperto,2\r\n3\r\n"), (V{"1"}));
    // An item far longer than any field: the reader stops instead of filling the memory.
    const std::string lunga(100000, 'x');
    EXPECT_EQ(voci("1\r\n" + lunga + "\r\n2\r\n"), (V{"1"}));
    EXPECT_EQ(voci("\"" + lunga + "\"\r\n"), V{});
    EXPECT_EQ(voci("\"a\"" + lunga + "\r\n"), V{});
}

} // namespace tessaro
