#include "core/conversions.h"
#include "core/errors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// Runs `convert` and returns the error number it raised, 0 when none.
template <class F>
int errorOf(F&& convert) {
    return rt::leaveAtFirstError([&] { (void)convert(); });
}

struct TextCase {
    const char* text;
    char separator;
    long long expected;  // the value, when error is 0
    int error;
};

TEST(Conversions, TextToInt16RoundsHalfToEvenAndChecksRange) {
    const std::vector<TextCase> cases = {
        {"0.5", '.', 0, 0},          {"1.5", '.', 2, 0},        {"2.5", '.', 2, 0},
        {"3.5", '.', 4, 0},          {"-0.5", '.', 0, 0},       {"-1.5", '.', -2, 0},
        {"-2.5", '.', -2, 0},        {"2.51", '.', 3, 0},       {"-2.49", '.', -2, 0},
        {" -2800 ", '.', -2800, 0},  {"\t42\t", '.', 42, 0},    {"+7", '.', 7, 0},
        {"1.5E3", '.', 1500, 0},     {".5", '.', 0, 0},         {"3.", '.', 3, 0},
        {"32767", '.', 32767, 0},    {"32767.49", '.', 32767, 0},
        {"32767.5", '.', 0, rt::Overflow},   {"32768", '.', 0, rt::Overflow},
        {"-32768", '.', -32768, 0},  {"-32768.5", '.', -32768, 0},
        {"-32768.51", '.', 0, rt::Overflow}, {"-32769", '.', 0, rt::Overflow},
        {"1E400", '.', 0, rt::Overflow},
        {"2,5", ',', 2, 0},          {"3,5", ',', 4, 0},        {" -2,5 ", ',', -2, 0},
        {"2.5", ',', 0, rt::TypeMismatch},   {"2,5", '.', 0, rt::TypeMismatch},
        {"", '.', 0, rt::TypeMismatch},      {" ", '.', 0, rt::TypeMismatch},
        {"abc", '.', 0, rt::TypeMismatch},   {"1x", '.', 0, rt::TypeMismatch},
        {"-", '.', 0, rt::TypeMismatch},     {".", '.', 0, rt::TypeMismatch},
        {"1E", '.', 0, rt::TypeMismatch},    {"- 5", '.', 0, rt::TypeMismatch},
        {"1 2", '.', 0, rt::TypeMismatch},   {"1.2.3", '.', 0, rt::TypeMismatch},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("'") + c.text + "' with '" + c.separator + "'");
        std::int16_t got = 0;
        EXPECT_EQ(errorOf([&] { return got = rt::toInt16(c.text, c.separator); }), c.error);
        if (c.error == 0) {
            EXPECT_EQ(got, c.expected);
        }
    }
}

TEST(Conversions, TextToInt32EdgesAndUserSeparator) {
    const std::vector<TextCase> cases = {
        {"2147483647", '.', 2147483647LL, 0},  {"2147483647.5", '.', 0, rt::Overflow},
        {"2147483648", '.', 0, rt::Overflow},  {"-2147483648", '.', -2147483648LL, 0},
        {"-2147483648.5", '.', -2147483648LL, 0}, {"-2147483649", '.', 0, rt::Overflow},
        {"40000", '.', 40000, 0},              {" 13397 ", '.', 13397, 0},
        {"99999999999999999999", '.', 0, rt::Overflow}, {"x", '.', 0, rt::TypeMismatch},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::int32_t got = 0;
        EXPECT_EQ(errorOf([&] { return got = rt::toInt32(c.text, c.separator); }), c.error);
        if (c.error == 0) {
            EXPECT_EQ(got, c.expected);
        }
    }
    // Without a separator argument the user's separator applies.
    rt::setUserDecimalSeparator(',');
    EXPECT_EQ(rt::toInt32("4,5"), 4);
    EXPECT_EQ(errorOf([] { return rt::toInt32("4.5"); }), rt::TypeMismatch);
    rt::setUserDecimalSeparator('.');
    EXPECT_EQ(rt::toInt16("4.5"), 4);
}

TEST(Conversions, FractionsToIntegersRoundHalfToEven) {
    struct Case { double value; long long expected; int error16; int error32; };
    const std::vector<Case> cases = {
        {0.5, 0, 0, 0},           {1.5, 2, 0, 0},          {2.5, 2, 0, 0},
        {-0.5, 0, 0, 0},          {-1.5, -2, 0, 0},        {0.49999999999999994, 0, 0, 0},
        {33.4848, 33, 0, 0},      {1000.0 / 21 / 2, 24, 0, 0},
        {32767.5, 32768, rt::Overflow, 0},  {-32768.5, -32768, 0, 0},
        {-32769.0, -32769, rt::Overflow, 0},
        {2147483647.5, 0, rt::Overflow, rt::Overflow},
        {-2147483648.5, -2147483648LL, rt::Overflow, 0},
        {-2147483649.0, 0, rt::Overflow, rt::Overflow},
        {1e300, 0, rt::Overflow, rt::Overflow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        std::int16_t v16 = 0;
        std::int32_t v32 = 0;
        EXPECT_EQ(errorOf([&] { return v16 = rt::toInt16(c.value); }), c.error16);
        EXPECT_EQ(errorOf([&] { return v32 = rt::toInt32(c.value); }), c.error32);
        if (c.error16 == 0) {
            EXPECT_EQ(v16, c.expected);
        }
        if (c.error32 == 0) {
            EXPECT_EQ(v32, c.expected);
        }
    }
}

TEST(Conversions, BytesCoverZeroTo255) {
    struct Case { double value; int expected; int error; };
    const std::vector<Case> cases = {
        {128.0, 128, 0}, {127.5, 128, 0}, {128.5, 128, 0}, {254.5, 254, 0},
        {255.49, 255, 0}, {0.9, 1, 0}, {-0.5, 0, 0},
        {255.5, 0, rt::Overflow}, {256.0, 0, rt::Overflow}, {-0.51, 0, rt::Overflow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        std::uint8_t got = 0;
        EXPECT_EQ(errorOf([&] { return got = rt::toByte(c.value); }), c.error);
        if (c.error == 0) {
            EXPECT_EQ(got, c.expected);
        }
    }
}

TEST(Conversions, WholeNumbersAsPlainDecimal) {
    EXPECT_EQ(rt::toText(0), "0");
    EXPECT_EQ(rt::toText(-2800), "-2800");
    EXPECT_EQ(rt::toText(13397), "13397");
    EXPECT_EQ(rt::toText(-2147483648LL), "-2147483648");
}

TEST(Conversions, SinglesToTextWithSevenDigitsAndNoTrailingZeros) {
    struct Case { float value; char separator; const char* expected; };
    const std::vector<Case> cases = {
        {1830.0f, '.', "1830"},         {1245.5f, '.', "1245.5"},    {0.1f, '.', "0.1"},
        {-2.25f, '.', "-2.25"},         {1234567.0f, '.', "1234567"}, {0.000123f, '.', "0.000123"},
        {1245.5f, ',', "1245,5"},       {-0.25f, ',', "-0,25"},      {0.0f, '.', "0"},
        {-0.0f, '.', "0"},              {1.0f / 3.0f, '.', "0.3333333"}, {100.0f, ',', "100"},
        {12345678.0f, '.', "1.234568E+07"}, {0.00001f, '.', "1E-05"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(rt::singleToText(c.value, c.separator), c.expected);
    }
}

TEST(Conversions, SingleRoundTripsThroughText) {
    for (const char* text : {"412.5", "-0.75", "13397", "0.001"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(rt::singleToText(rt::toSingle(text, '.'), '.'), text);
    }
    EXPECT_EQ(errorOf([] { return rt::toSingle("1E39", '.'); }), rt::Overflow);
}

} // namespace
