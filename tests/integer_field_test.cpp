#include "exception.h"
#include "integer_field.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using namespace zarvin;

namespace {

TEST(ParseIntegerField, Accepts) {
    struct Case {
        std::string text;
        std::int32_t value;
    };
    const Case cases[] = {
        {"0", 0},
        {"12", 12},
        {" 12", 12},
        {"     -3", -3},
        {"+5", 5},
        {"-0", 0},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"0000000000002147483647", 2147483647},
        {"$1F", 31},
        {"x1F", 31},
        {"X1f", 31},
        {"0x1F", 31},
        {"0Xff", 255},
        {"  $10", 16},
        {"$FFFFFFFF", -1},
        {"$80000000", -2147483647 - 1},
        {"$7FFFFFFF", 2147483647},
        {"$000000000001", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("«" + c.text + "»");
        EXPECT_EQ(parseIntegerField(c.text), c.value);
    }
}

TEST(ParseIntegerField, RejectsWithTheTextQuoted) {
    const std::string cases[] = {
        "",
        " ",
        "   ",
        "-",
        "+",
        "$",
        "x",
        "0x",
        "0X",
        "12 ",
        "1.5",
        "1,5",
        "\t12",
        "12\t",
        "1 2",
        "abc",
        "12abc",
        "-$1F",
        "+$1F",
        "-0x1",
        "$ 1F",
        "$1G",
        "0x-1",
        "2147483648",
        "-2147483649",
        "99999999999999999999",
        "$100000000",
        "0x100000000",
        "--1",
        "+-1",
        "1e3",
        "\xd9\xa3",                 // ARABIC-INDIC DIGIT THREE
        "\xef\xbc\x91\xef\xbc\x92", // FULLWIDTH 12
        "\xc2\xa0"
        "12", // no-break space before
        std::string("1\0"
                    "2",
                    3),
        "'); <b>x</b> %s %n",
    };
    for (const std::string& text : cases) {
        SCOPED_TRACE("«" + text + "»");
        try {
            parseIntegerField(text);
            ADD_FAILURE() << "accepted";
        } catch (const EConvertError& e) {
            const Exception& base = e; // the shell shows it through the base class
            EXPECT_EQ(base.message(), "'" + text + "' is not a valid integer value");
        }
    }
}

} // namespace
