// The memory pane's geometry: button size and margin from the pixels per inch, the
// list on the left and the column of buttons on the right.

#include <gtest/gtest.h>

#include "app/panes/memory_layout.h"

using namespace NCalculatorPanes;

struct MetricsCase {
    const char* name;
    int dpiX, dpiY;
    int width, height, margin, step;
};

class MemoryMetricsTest : public testing::TestWithParam<MetricsCase> {};

TEST_P(MemoryMetricsTest, FollowThePixelsPerInch) {
    const MetricsCase& c = GetParam();
    const MemoryPaneMetrics metrics = MemoryPaneMetricsForDpi(c.dpiX, c.dpiY);
    EXPECT_EQ(metrics.buttonWidth, c.width);
    EXPECT_EQ(metrics.buttonHeight, c.height);
    EXPECT_EQ(metrics.margin, c.margin);
    EXPECT_EQ(metrics.step, c.step);
}

INSTANTIATE_TEST_SUITE_P(
    Dpi, MemoryMetricsTest,
    testing::Values(MetricsCase{"At96", 96, 96, 35, 35, 3, 38}, MetricsCase{"At120", 120, 120, 43, 43, 4, 47},
                    MetricsCase{"At144", 144, 144, 52, 52, 5, 57},
                    MetricsCase{"At192", 192, 192, 69, 69, 7, 76},
                    MetricsCase{"WidthAndMarginFromXHeightFromY", 96, 192, 35, 69, 3, 72}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MemoryGeometry, ListLeftButtonsRightAt96Dpi) {
    const MemoryPaneGeometry geometry =
        LayOutMemoryPane(QRect(0, 0, 300, 250), MemoryPaneMetricsForDpi(96, 96));
    // right = 300 - (3 * 3 + 1) / 2 - 35 = 260, bottom = 250 - 3
    EXPECT_EQ(geometry.list, QRect(QPoint(3, 3), QPoint(259, 246)));
    const int tops[] = {3, 41, 79, 117, 155};
    for (int i = 0; i < kMemoryButtonCount; ++i)
        EXPECT_EQ(geometry.buttons[static_cast<std::size_t>(i)], QRect(263, tops[i], 35, 35))
            << "button " << i;
}

TEST(MemoryGeometry, FollowsAClientRectangleThatDoesNotStartAtZero) {
    const MemoryPaneGeometry geometry =
        LayOutMemoryPane(QRect(10, 20, 300, 250), MemoryPaneMetricsForDpi(96, 96));
    EXPECT_EQ(geometry.list, QRect(QPoint(13, 23), QPoint(269, 266)));
    EXPECT_EQ(geometry.buttons[0].topLeft(), QPoint(273, 23));
    // The last button ends inside the pane's right edge.
    EXPECT_LE(geometry.buttons[4].right(), 309);
}
