#include <gtest/gtest.h>

#include "engine/driver/calculate.h"

using namespace NCalculatorText;

TEST(Smoke, AddsTwoNumbers) {
    std::u16string text = u"1+1; 2*3";
    int caret = kCalculateAll;
    EXPECT_TRUE(Calculate(text, caret, {}));
    EXPECT_EQ(text, u"1+1=2; 2*3=6");
}
