#include "core/platform/VersionNumber.h"
#include "support/NameOfParam.h"

#include <gtest/gtest.h>

namespace {

struct Published {
    const char* name;
    const char16_t* text;
    int value;
};

class VersionNumberParse : public ::testing::TestWithParam<Published> {};

TEST_P(VersionNumberParse, ReadsTheLeadingInteger) {
    EXPECT_EQ(VersionNumber::leadingInteger(QString::fromUtf16(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, VersionNumberParse,
    ::testing::Values(Published{"plain", u"142\n", 142},
                      Published{"spacesAndWord", u"  150 words", 150},
                      Published{"otherWhiteSpace", u"\t\r\n\v\f143", 143},
                      Published{"signs", u"+144", 144}, Published{"minus", u"-5", -5},
                      Published{"digitsThenDot", u"1.4.2", 1}, Published{"empty", u"", 0},
                      Published{"word", u"version 142", 0}, Published{"signAlone", u"- 142", 0},
                      Published{"byteOrderMark", u"\uFEFF142", 142},
                      Published{"otherDigits", u"\u0661\u0664\u0662", 0},
                      Published{"tooLarge", u"99999999999999999999", 2147483647},
                      Published{"smallest", u"-2147483648", -2147483647 - 1},
                      Published{"tooSmall", u"-99999999999999999999", -2147483647 - 1}),
    NameOfParam());

} // namespace
