#include "platform/Utf8Text.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf8Text, CutDropsTheCharacterThatDoesNotFitWhole) {
    struct Cut {
        const char* text;
        std::size_t limit;
        const char* kept;
    };
    // é: 2 bytes, 中: 3, 😀: 4. Where the text is not UTF-8 it is cut at the limit.
    const Cut cuts[] = {{"abcd", 3, "abc"},
                        {"aé", 2, "a"},
                        {"a中", 3, "a"},
                        {"a😀", 4, "a"},
                        {"a😀b", 5, "a😀"},
                        {"é中😀", 8, "é中"},
                        {"a\xA9\xA9\xA9", 3, "a\xA9\xA9"},
                        {"é\xA9", 2, "é"}};
    for (const Cut& cut : cuts) {
        EXPECT_EQ(cut.kept, CutText(cut.text, cut.limit)) << cut.text << " " << cut.limit;
    }
}

} // namespace
