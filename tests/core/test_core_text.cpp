// A composed message's English: its arguments put in once, nested texts
// filled first.
#include "text/CoreText.h"

#include <gtest/gtest.h>

namespace {

struct EnglishRow {
    const char* name;
    CoreText text;
    const char* english;
};

const EnglishRow kEnglish[] = {
    {"arguments in their places", CoreText::Of("T", "%2 before %1", {"a", CoreText::Number(-3)}), "-3 before a"},
    {"an argument holding %2 is not filled again", CoreText::Of("T", "%1 and %2", {"%2", "b"}), "%2 and b"},
    {"a nested text is filled first", CoreText::Of("T", "[%1]", {CoreText::Of("U", "%1 = %2", {"k", "7"})}), "[k = 7]"},
    {"a number beyond the arguments stays", CoreText::Of("T", "%1 %3 100 %", {"x"}), "x %3 100 %"},
    {"a plain value keeps its %", CoreText("50 %1"), "50 %1"},
    {"ten and more arguments", CoreText::Joined({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}, ","),
     "1,2,3,4,5,6,7,8,9,10,11"},
    {"nothing joined is empty", CoreText::Joined({}, "\n"), ""},
};

TEST(CoreText, EnglishPutsEachArgumentInOnce) {
    for (const EnglishRow& row : kEnglish) EXPECT_EQ(row.text.English(), row.english) << row.name;
}

}  // namespace
