// SPDX-License-Identifier: GPL-3.0-or-later
// The payoff chart window: its client area is the picture's size, whatever the screen; it and the statistics
// close from the keyboard.
#include "ui/dialogs/PayChartDialog.h"

#include "tests/support/DialogRecorder.h"
#include "tests/support/KeyInput.h"
#include "ui/dialogs/HelpContext.h"
#include "ui/dialogs/StatisticsDialog.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

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

TEST(PayChartDialogTest, ChartAndStatisticsCloseOnEnterAndOnEsc)
{
    GameState state;
    testing::DialogRecorder dialogs;
    HelpContext help(QString(), dialogs);
    const std::pair<const char*, std::function<QDialog*()>> windows[] = {
        {"chart", [&help] { return new PayChartDialog(help); }},
        {"statistics", [&state, &help] { return new StatisticsDialog(state, help); }},
    };
    for (const auto& [name, make] : windows) {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            SCOPED_TRACE(std::string(name) + " " + QTest::toString(QKeySequence(key)));
            std::unique_ptr<QDialog> window(make());
            ASSERT_TRUE(testing::ShowActive(*window));
            testing::PressKey(key);
            EXPECT_FALSE(window->isVisible());
        }
    }
}

}  // namespace
}  // namespace zorvik
