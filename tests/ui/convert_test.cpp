#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/ui/convert.h"
#include "platform/ui/errors.h"

namespace {

TEST(UiConvert, IntegersAcceptSignDigitsAndBlanksOnly) {
  struct Case {
    const char* text;
    std::optional<int> value;
  };
  const Case cases[] = {
      {"0", 0},          {"42", 42},       {"-7", -7},      {"+7", 7},           {" 12 ", 12},
      {"2147483647", 2147483647},          {"-2147483648", -2147483647 - 1},
      {"2147483648", std::nullopt},        {"", std::nullopt}, {"1.5", std::nullopt}, {"abc", std::nullopt},
      {"12abc", std::nullopt},             {"+-1", std::nullopt}, {"--1", std::nullopt}, {"0x10", std::nullopt},
      {"\xef\xbc\x91", std::nullopt},  // a full-width digit one
  };
  for (const Case& c : cases) EXPECT_EQ(ui::TryStrToInt(c.text), c.value) << "'" << c.text << "'";
}

TEST(UiConvert, DecimalNumbersUseDotAndRefuseNonFiniteForms) {
  struct Case {
    const char* text;
    std::optional<double> value;
  };
  const Case cases[] = {
      {"1.5", 1.5},   {"2", 2.0},      {"-0.25", -0.25},   {"+3.", 3.0},         {".5", 0.5},
      {"1e3", 1000.0}, {"1.5E-2", 0.015}, {" 7 ", 7.0},      {"", std::nullopt},   {"1,5", std::nullopt},
      {"inf", std::nullopt}, {"nan", std::nullopt}, {"0x1p3", std::nullopt}, {"1e", std::nullopt},
      {"1e999", std::nullopt}, {".", std::nullopt}, {"abc", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ui::TryStrToFloat(c.text), c.value) << "'" << c.text << "'";
}

TEST(UiConvert, FailuresCarryTheWindowSystemTexts) {
  try {
    ui::StrToInt("abc");
    FAIL();
  } catch (const ui::Error& e) {
    EXPECT_STREQ(e.what(), "'abc' は整数ではありません");
  }
  try {
    ui::StrToFloat("");
    FAIL();
  } catch (const ui::Error& e) {
    EXPECT_STREQ(e.what(), "'' は浮動小数点数ではありません");
  }
  // Texts from files are in the system code page and shown decoded.
  try {
    ui::StrToInt("\x83\x82\x81\x5b\x83\x56\x83\x87\x83\x93");  // "モーション"
    FAIL();
  } catch (const ui::Error& e) {
    EXPECT_STREQ(e.what(), "'モーション' は整数ではありません");
  }
}

TEST(UiConvert, GeneralDecimalFormHasAtMostFifteenDigitsAndReadsBack) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {0.0, "0"},          {2.0, "2"},           {-2.0, "-2"},         {1.5, "1.5"},
      {0.1, "0.1"},        {100.0, "100"},       {0.00001, "0.00001"}, {0.000001, "1E-6"},
      {1.0 / 3.0, "0.333333333333333"},          {123456789012345.0, "123456789012345"},
      {1234567890123456.0, "1.23456789012346E15"}, {-0.0000012345, "-1.2345E-6"},
      {static_cast<double>(0.3f), "0.300000011920929"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ui::FloatToStr(c.value), c.text);
    const auto back = ui::TryStrToFloat(ui::FloatToStr(c.value));
    ASSERT_TRUE(back.has_value()) << c.text;
    EXPECT_NEAR(*back, c.value, std::abs(c.value) * 1e-14) << c.text;
  }
}

TEST(UiConvert, NarrowingToFloatSaturatesToInfinityWithoutUndefinedBehaviour) {
  EXPECT_EQ(ui::ToFloat(1.5), 1.5f);
  EXPECT_EQ(ui::ToFloat(1e300), std::numeric_limits<float>::infinity());
  EXPECT_EQ(ui::ToFloat(-1e300), -std::numeric_limits<float>::infinity());
  EXPECT_EQ(ui::ToFloat(static_cast<double>(std::numeric_limits<float>::max())), std::numeric_limits<float>::max());
  EXPECT_TRUE(std::isnan(ui::ToFloat(std::nan(""))));
}

}  // namespace
