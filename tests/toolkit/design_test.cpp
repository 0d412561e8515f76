#include <gtest/gtest.h>

#include "toolkit/decimal.h"
#include "toolkit/design.h"

namespace {

using namespace toolkit;

TEST(DesignTest, TwipsAreFifteenToThePixelAt96DpiAndScaleWithTheResolution) {
    EXPECT_EQ(TwipsToPixels(5565, 96), 371);
    EXPECT_EQ(TwipsToPixels(2115, 96), 141);
    EXPECT_EQ(TwipsToPixels(15, 96), 1);
    EXPECT_EQ(TwipsToPixels(0, 96), 0);
    EXPECT_EQ(TwipsToPixels(1440, 144), 144);
    EXPECT_EQ(TwipsToPixels(5565, 144), 557);  // 556.5, rounded
}

TEST(DesignTest, FontPointSizesBecomeCharacterHeightsInPixels) {
    EXPECT_EQ(FontHeightPixels(ArialRegular, 96), 11);
    EXPECT_EQ(FontHeightPixels(ArialBold, 96), 11);
    EXPECT_EQ(FontHeightPixels({L"Arial", 1425, FW_BOLD}, 96), 19);
    EXPECT_EQ(FontHeightPixels(ArialRegular, 144), 17);  // 16.5, rounded
}

TEST(DesignTest, ColoursResolveToSystemOrRgbValues) {
    EXPECT_EQ(SystemColour(COLOR_MENU).Value(), GetSysColor(COLOR_MENU));
    EXPECT_EQ(RgbColour(192, 192, 192, COLOR_MENU).Value(), RGB(192, 192, 192));
    EXPECT_FALSE(Unset.IsSet());
}

}  // namespace

namespace {

TEST(DecimalTest, WholeNumbersArePlainDigitsWithAMinusSignWhenNegative) {
    EXPECT_EQ(toolkit::Decimal(0), L"0");
    EXPECT_EQ(toolkit::Decimal(53), L"53");
    EXPECT_EQ(toolkit::Decimal(65535), L"65535");
    EXPECT_EQ(toolkit::Decimal(-5), L"-5");
    EXPECT_EQ(toolkit::Decimal(-2147483647 - 1), L"-2147483648");
    EXPECT_EQ(toolkit::Decimal(-9223372036854775807LL - 1), L"-9223372036854775808");
}

}  // namespace
