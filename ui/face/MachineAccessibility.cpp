// SPDX-License-Identifier: GPL-3.0-or-later
// The machine face for assistive technology: Spin, Stop and the bet controls as buttons, the numbers on the
// machine as displays that announce their changes, and one line that tells the result of each spin.
#include "ui/face/MachineAccessibility.h"

#include "engine/GameState.h"
#include "engine/SlotEngine.h"
#include "ui/face/MachineFace.h"
#include "ui/face/PaintedElement.h"

#include <QStringList>
#include <QWidget>

#include <cstdint>

namespace zorvik {

MachineAccessibility::MachineAccessibility(QWidget& owner, const MachineFace& machine, const GameState& game,
                                           std::function<QRect(const QRect&)> toWindow,
                                           std::function<void(QPoint)> clickAt)
    : window_(owner), face_(machine), state_(game), toWindow_(std::move(toWindow)), click_(std::move(clickAt))
{
    // In the order the eye reads the machine: the left margin top down, the machine, the right margin.
    AddDisplay(
        QStringLiteral("Credits"), QStringLiteral("Your credits"), [this] { return state_.Credits; },
        [this] { return QRect(QPoint(0, 0), QPoint(face_.BackgroundX() - 1, face_.IdolSlot(1).top() - 1)); });
    AddDisplay(
        QStringLiteral("Idol Pool"), QStringLiteral("Won whole when the last idol goes out"),
        [this] { return state_.BellPool; },
        [this] {
            return QRect(QPoint(0, face_.IdolSlot(1).top()),
                         QPoint(face_.IdolSlot(3).left() - 1, face_.CobraSlot(1).top() - 1));
        });
    AddDisplay(
        QStringLiteral("Idols"), QStringLiteral("Idols still lit; a line of three Idols puts one out"),
        [this] { return state_.Bells; }, [this] { return face_.IdolSlot(3) | face_.IdolSlot(1); });
    AddDisplay(
        QStringLiteral("Cobra Roll"), QStringLiteral("Cobras still to count down before a Cobra Roll"),
        [this] { return state_.Cherries; }, [this] { return face_.CobraSlot(1) | face_.CobraSlot(6); });
    AddDisplay(
        QStringLiteral("Free Spins Left"), QStringLiteral("Free spins still to play"),
        [this] { return state_.FreeSpinsLeft; },
        [this] {
            return QRect(QPoint(0, face_.CobraSlot(1).bottom() + 1), face_.LegendSlot(3).bottomRight());
        });

    lastSpin_ = new PaintedElement(window_, PaintedElement::Kind::Status, QStringLiteral("Last Spin"));
    lastSpin_->SetDescription(QStringLiteral("The result of the last spin"));
    lastSpin_->SetArea([this] { return toWindow_(face_.CellRect(0) | face_.CellRect(8)); });

    AddDisplay(
        QStringLiteral("Lines Played"), QStringLiteral("Paylines played on the next spin"),
        [this] { return state_.LinesPlayed; },
        [this] {
            // The label and the number, up to the plus button beside them.
            return QRect(QPoint(face_.BgRight(), 0),
                         QPoint(face_.LinesPlusRect.Left - 1, face_.LinesPlusRect.Bottom));
        });
    AddButton(
        QStringLiteral("Add Line"), QStringLiteral("Play one more line"), QStringLiteral("L"),
        [this] { return face_.LinesPlusRect.Drawn(); }, false);
    AddButton(
        QStringLiteral("Remove Line"), QStringLiteral("Play one line fewer"), QStringLiteral("K"),
        [this] { return face_.LinesMinusRect().Drawn(); }, false);
    AddDisplay(
        QStringLiteral("Coins per Line"), QStringLiteral("Coins bet on each line played"),
        [this] { return state_.CoinsPerLine; },
        [this] {
            return QRect(QPoint(face_.LinesMinusRect().Right + 1, 0),
                         QPoint(face_.CoinsPlusRect.Left - 1, face_.CoinsPlusRect.Bottom));
        });
    AddButton(
        QStringLiteral("Add Coin"), QStringLiteral("Bet one more coin per line"), QStringLiteral("C"),
        [this] { return face_.CoinsPlusRect.Drawn(); }, false);
    AddButton(
        QStringLiteral("Remove Coin"), QStringLiteral("Bet one coin per line fewer"), QStringLiteral("X"),
        [this] { return face_.CoinsMinusRect().Drawn(); }, false);
    AddDisplay(
        QStringLiteral("Coins Played"), QStringLiteral("The bet of the next spin"),
        [this] { return state_.Bet(); },
        [this] {
            return QRect(face_.BgRight(), face_.LinesPlusRect.Bottom + 1,
                         face_.ScreenWidth() - face_.BgRight(), 70);
        });
    AddDisplay(
        QStringLiteral("Winnings"), QStringLiteral("What the last spin won"),
        [this] { return state_.SpinWin; },
        [this] {
            return face_.ScreenWidth() >= 1000
                       ? QRect(face_.BgRight() + 1, 240, face_.ScreenWidth() - face_.BgRight() - 1, 60)
                       : QRect(0, 10, face_.BackgroundX(), 50);
        });
    AddButton(
        QStringLiteral("Spin"), QStringLiteral("Spin the wheels"), QStringLiteral("Return"),
        [this] { return face_.SpinRect.Drawn(); }, false);
    AddButton(
        QStringLiteral("Stop"), QStringLiteral("Stop the wheels at once"), QStringLiteral("Space"),
        [this] { return face_.StopRect.Drawn(); }, true);
}

PaintedElement* MachineAccessibility::AddButton(const QString& name, const QString& description,
                                                const QString& key, std::function<QRect()> area,
                                                bool duringSpin)
{
    auto* button = new PaintedElement(window_, PaintedElement::Kind::Button, name);
    button->SetDescription(description);
    button->SetArea([this, area] { return toWindow_(area()); });
    // Pressed exactly where a click would press it, so the two can never differ.
    button->SetPress([this, area] { click_(toWindow_(area()).center()); }, key);
    // The bet controls and Spin refuse while the wheels turn; only Stop works then.
    if (!duringSpin) button->SetEnabled([this] { return !state_.Spinning; });
    return button;
}

PaintedElement* MachineAccessibility::AddDisplay(const QString& name, const QString& description,
                                                 std::function<std::int32_t()> value,
                                                 std::function<QRect()> area)
{
    auto* display = new PaintedElement(window_, PaintedElement::Kind::Display, name);
    display->SetDescription(description);
    display->SetValue(std::move(value));
    display->SetArea([this, area = std::move(area)] { return toWindow_(area()); });
    displays_.push_back(display);
    return display;
}

void MachineAccessibility::Refresh()
{
    for (PaintedElement* display : displays_)
        display->Refresh();
}

void MachineAccessibility::SpinEvaluated(const SpinRecord& spin)
{
    Refresh();
    const QString line = SpinResultLine(state_, spin);
    lastSpin_->Announce(line);
    // The window has the focus while the wheels turn, and screen readers speak a change of the focused
    // object's description on every desktop, where an alert is not passed on by all of them.
    window_.setAccessibleDescription(line);
}

QString MachineAccessibility::SpinResultLine(const GameState& state, const SpinRecord& spin)
{
    const QString kind = spin.Kind == SpinKind::Free    ? QStringLiteral("Free spin")
                         : spin.Kind == SpinKind::Cobra ? QStringLiteral("Cobra Roll")
                                                        : QStringLiteral("Spin");
    QString line = spin.Won > 0 ? QStringLiteral("%1 won %2 credits.").arg(kind).arg(spin.Won)
                                : QStringLiteral("%1 won nothing.").arg(kind);
    // The summary's lines, each a sentence, follow on the same line.
    const QStringList details =
        QString::fromUtf8(state.LastSpinSummary.Text()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    for (const QString& detail : details)
        line += QLatin1Char(' ') + detail.trimmed();
    return line;
}

}  // namespace zorvik
