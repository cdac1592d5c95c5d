#include "core/conversions.h"
#include "core/errors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr int OK = 0, OV = rt::Overflow, TM = rt::TypeMismatch;

// Runs `convert` and returns the error number it raised, 0 when none.
template <class F>
int errorOf(F&& convert) {
    return rt::leaveAtFirstError([&] { (void)convert(); });
}

TEST(Conversions, TextToIntegersRoundsHalfToEvenAndChecksRange) {
    struct Case { const char* text; char separator; long long expected; int error16, error32; };
    const std::vector<Case> cases = {
        {"0.5", '.', 0, OK, OK},         {"1.5", '.', 2, OK, OK},          {"2.5", '.', 2, OK, OK},
        {"-0.5", '.', 0, OK, OK},        {"-1.5", '.', -2, OK, OK},        {"-2.49", '.', -2, OK, OK},
        {" -2800 ", '.', -2800, OK, OK}, {"\t42\t", '.', 42, OK, OK},      {"+7", '.', 7, OK, OK},
        {"1.5E3", '.', 1500, OK, OK},    {".5", '.', 0, OK, OK},           {"3.", '.', 3, OK, OK},
        {"32767.49", '.', 32767, OK, OK}, {"32767.5", '.', 32768, OV, OK}, {"-32768.5", '.', -32768, OK, OK},
        {"-32768.51", '.', -32769, OV, OK}, {"2147483647", '.', 2147483647, OV, OK},
        {"2147483647.5", '.', 0, OV, OV}, {"-2147483648.5", '.', -2147483648LL, OV, OK},
        {"-2147483649", '.', 0, OV, OV},  {"1E400", '.', 0, OV, OV},
        {"2,5", ',', 2, OK, OK},          {" -3,5 ", ',', -4, OK, OK},
        {"2.5", ',', 0, TM, TM},          {"2,5", '.', 0, TM, TM},          {"", '.', 0, TM, TM},
        {" ", '.', 0, TM, TM},            {"abc", '.', 0, TM, TM},          {"1x", '.', 0, TM, TM},
        {"-", '.', 0, TM, TM},            {".", '.', 0, TM, TM},            {"1E", '.', 0, TM, TM},
        {"- 5", '.', 0, TM, TM},          {"1 2", '.', 0, TM, TM},          {"1.2.3", '.', 0, TM, TM},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("'") + c.text + "' with '" + c.separator + "'");
        std::int16_t v16 = 0;
        std::int32_t v32 = 0;
        EXPECT_EQ(errorOf([&] { return v16 = rt::toInt16(c.text, c.separator); }), c.error16);
        EXPECT_EQ(errorOf([&] { return v32 = rt::toInt32(c.text, c.separator); }), c.error32);
        if (c.error16 == OK) {
            EXPECT_EQ(v16, c.expected);
        }
        if (c.error32 == OK) {
            EXPECT_EQ(v32, c.expected);
        }
    }
}

TEST(Conversions, WithoutASeparatorTheUsersOneApplies) {
    rt::setUserDecimalSeparator(',');
    EXPECT_EQ(rt::toInt32("4,5"), 4);
    EXPECT_EQ(errorOf([] { return rt::toInt16("4.5"); }), TM);
    EXPECT_EQ(rt::singleToText(0.5f), "0,5");
    rt::setUserDecimalSeparator('.');
    EXPECT_EQ(rt::toInt16("5.5"), 6);
}

TEST(Conversions, FractionsToIntegersRoundHalfToEven) {
    struct Case { double value; long long expected; int error16, error32, error8; };
    const std::vector<Case> cases = {
        {0.5, 0, OK, OK, OK},            {1.5, 2, OK, OK, OK},           {2.5, 2, OK, OK, OK},
        {-0.5, 0, OK, OK, OK},           {-1.5, -2, OK, OK, OV},         {0.49999999999999994, 0, OK, OK, OK},
        {127.5, 128, OK, OK, OK},        {128.5, 128, OK, OK, OK},       {255.49, 255, OK, OK, OK},
        {255.5, 256, OK, OK, OV},        {-0.51, -1, OK, OK, OV},        {11050.0 / 330, 33, OK, OK, OK},
        {32767.5, 32768, OV, OK, OV},    {-32768.5, -32768, OK, OK, OV}, {-32769.0, -32769, OV, OK, OV},
        {2147483647.5, 0, OV, OV, OV},   {-2147483648.5, -2147483648LL, OV, OK, OV},
        {1e300, 0, OV, OV, OV},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        std::int16_t v16 = 0;
        std::int32_t v32 = 0;
        std::uint8_t v8 = 0;
        EXPECT_EQ(errorOf([&] { return v16 = rt::toInt16(c.value); }), c.error16);
        EXPECT_EQ(errorOf([&] { return v32 = rt::toInt32(c.value); }), c.error32);
        EXPECT_EQ(errorOf([&] { return v8 = rt::toByte(c.value); }), c.error8);
        if (c.error16 == OK) {
            EXPECT_EQ(v16, c.expected);
        }
        if (c.error32 == OK) {
            EXPECT_EQ(v32, c.expected);
        }
        if (c.error8 == OK) {
            EXPECT_EQ(v8, c.expected);
        }
    }
}

TEST(Conversions, NumbersToText) {
    EXPECT_EQ(rt::toText(0), "0");
    EXPECT_EQ(rt::toText(-2800), "-2800");
    EXPECT_EQ(rt::toText(-2147483648LL), "-2147483648");
    struct Case { float value; char separator; const char* expected; };
    const std::vector<Case> cases = {
        {1830.0f, '.', "1830"},    {1245.5f, '.', "1245.5"},      {0.1f, '.', "0.1"},
        {-2.25f, '.', "-2.25"},    {1234567.0f, '.', "1234567"},  {0.000123f, '.', "0.000123"},
        {1245.5f, ',', "1245,5"},  {-0.25f, ',', "-0,25"},        {-0.0f, '.', "0"},
        {100.0f, ',', "100"},      {1.0f / 3.0f, '.', "0.3333333"}, {12345678.0f, '.', "1.234568E+07"},
        {0.00001f, '.', "1E-05"},  {rt::toSingle(" 412,5 ", ','), '.', "412.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(rt::singleToText(c.value, c.separator), c.expected);
    }
    EXPECT_EQ(errorOf([] { return rt::toSingle("1E39", '.'); }), OV);
}

} // namespace
