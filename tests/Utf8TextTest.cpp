#include "platform/Utf8Text.h"

#include <gtest/gtest.h>

namespace {

struct Cut {
    const char* text;
    std::size_t limit;
    const char* kept;
};

TEST(Utf8Text, CutDropsTheCharacterThatDoesNotFitWhole) {
    // é: 2 bytes, 中: 3, 😀: 4.
    const Cut cuts[] = {
        {"abc", 3, "abc"},
        {"abcd", 3, "abc"},
        {"aé", 2, "a"},
        {"aé", 3, "aé"},
        {"a中", 2, "a"},
        {"a中", 3, "a"},
        {"a😀", 2, "a"},
        {"a😀", 4, "a"},
        {"a😀b", 5, "a😀"},
        {"😀", 3, ""},
        {"é中😀é", 8, "é中"},
        // Not UTF-8 at the limit: cut there, as a byte-wise copy would.
        {"a\xA9\xA9\xA9\xA9", 3, "a\xA9\xA9"},
        {"é\xA9", 2, "é"},
    };
    for (const Cut& cut : cuts) {
        EXPECT_EQ(cut.kept, CutText(cut.text, cut.limit)) << cut.text << " " << cut.limit;
    }
}

} // namespace
