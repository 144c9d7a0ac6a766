// SPDX-License-Identifier: GPL-3.0-or-later
// The payoff chart window: its client area is the picture's size, whatever the screen.
#include "ui/dialogs/PayChartDialog.h"

#include "tests/support/DialogRecorder.h"
#include "ui/dialogs/HelpContext.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace zorvik {
namespace {

TEST(PayChartDialogTest, ClientAreaIsExactlyTheChart)
{
    testing::DialogRecorder dialogs;
    HelpContext help(QString(), dialogs);
    PayChartDialog chart(help);
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    EXPECT_EQ(chart.size(), QSize(615, 450));
    EXPECT_EQ(chart.ChartLabel()->geometry(), QRect(0, 0, 615, 450));
    ASSERT_FALSE(chart.ChartLabel()->pixmap().isNull());
    EXPECT_EQ(chart.ChartLabel()->pixmap().size(), QSize(615, 450));
    // The player cannot resize it.
    EXPECT_EQ(chart.minimumSize(), chart.maximumSize());
    EXPECT_EQ(chart.windowTitle(), "Payoff Chart");
}

}  // namespace
}  // namespace zorvik
