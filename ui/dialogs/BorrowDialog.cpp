// SPDX-License-Identifier: GPL-3.0-or-later
// The borrow window: borrow credits from the house or pay them back, in amounts of 1000, 100, 10 and 1.
#include "ui/dialogs/BorrowDialog.h"

#include "assetgen/PanelArt.h"
#include "engine/Borrowing.h"
#include "engine/Saturating.h"
#include "ui/dialogs/HelpContext.h"
#include "ui/dialogs/LocaleFormat.h"
#include "ui/dialogs/PlayerDialogs.h"
#include "ui/dialogs/SideWindowStyle.h"
#include "ui/face/CanvasMapping.h"
#include "ui/face/DigitPainter.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>

#include <cmath>

namespace zorvik {

namespace {

constexpr std::int32_t Amounts[4] = {1000, 100, 10, 1};
const char* const AmountNames[4] = {"amount1000Button", "amount100Button", "amount10Button", "amount1Button"};
const char* const AmountPictures[4] = {":/art/borrow/Amount1000.png", ":/art/borrow/Amount100.png",
                                       ":/art/borrow/Amount10.png", ":/art/borrow/Amount1.png"};
const char* const AmountCaptions[4] = {"$1,000", "$100", "$10", "$1"};
// The dialog frame adds this much on each side of the client area.
constexpr int FrameWidth = 3;

// The picture of an amount button: a dollar sign and the amount in large figures.
QPixmap AmountGlyph(int index)
{
    QImage image(QString::fromLatin1(AmountPictures[index]));
    if (!image.isNull() && image.width() <= 80 && image.height() <= 57) return QPixmap::fromImage(image);

    QImage plain(72, 48, QImage::Format_ARGB32);
    plain.fill(Qt::transparent);
    QPainter p(&plain);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(SideWindowFont(index == 0 ? 19 : 24, true));
    p.setPen(QColor(0, 110, 0));
    p.drawText(plain.rect(), Qt::AlignCenter, QString::fromLatin1(AmountCaptions[index]));
    return QPixmap::fromImage(plain);
}

}  // namespace

BorrowDialog::BorrowDialog(GameState& state, PlayerDialogs& dialogs, HelpContext& help, QWidget* parent,
                           double zoom)
    : QDialog(parent), state_(state), dialogs_(dialogs)
{
    setWindowTitle(QStringLiteral("Use this form to borrow or pay back credits"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(582, 300);
    setFont(SideWindowFont(13));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) ScreenWidth = screen->size().width();

    const int amountX[4] = {89, 201, 313, 425};
    for (int i = 0; i < 4; ++i)
        AmountButtons[i] = AddAmountButton(i, amountX[i]);

    ModeLabel = new QLabel(QStringLiteral("Mode:"), this);
    ModeLabel->setObjectName(QStringLiteral("modeLabel"));
    ModeLabel->setFont(SideWindowFont(19));
    QPalette red = ModeLabel->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    ModeLabel->setPalette(red);
    // As tall as the mode buttons beside it, so the three texts share one line.
    ModeLabel->setGeometry(56, 192, 80, 33);
    ModeLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    BorrowModeButton = new QRadioButton(QStringLiteral("Borrow Credits"), this);
    BorrowModeButton->setObjectName(QStringLiteral("borrowModeButton"));
    BorrowModeButton->setGeometry(147, 192, 190, 33);
    BorrowModeButton->setChecked(true);
    PayBackModeButton = new QRadioButton(QStringLiteral("Pay Back Credits"), this);
    PayBackModeButton->setObjectName(QStringLiteral("payBackModeButton"));
    PayBackModeButton->setGeometry(355, 192, 190, 33);

    OkButton = AddOkButton(*this, QStringLiteral("okButton"), QRect(442, 246, 127, 46));
    HelpButton = AddHelpButton(*this, QStringLiteral("helpButton"), QRect(10, 246, 127, 46));
    connect(HelpButton, &QPushButton::clicked, this, &BorrowDialog::ShowHelpText);

    auto* helpKey = new QShortcut(QKeySequence::HelpContents, this);
    connect(helpKey, &QShortcut::activated, this, [this, &help] { help.ShowTopic(this, HelpBorrow); });

    zoom_ = ZoomSideWindow(*this, zoom);
    const double ratio = devicePixelRatioF();
    if (zoom_ != 1.0 || ratio != 1.0) {
        // The bills drawn afresh at the buttons' resolution.
        for (int i = 0; i < 4; ++i) {
            QImage bill = art::PanelArt::Amount(AmountOfButton(i), zoom_ * ratio);
            bill.setDevicePixelRatio(ratio);
            AmountButtons[static_cast<std::size_t>(i)]->setIcon(QPixmap::fromImage(bill));
        }
    }
}

QPushButton* BorrowDialog::AddAmountButton(int index, int x)
{
    auto* button = new QPushButton(this);
    button->setObjectName(QString::fromLatin1(AmountNames[index]));
    button->setGeometry(x, 104, 80, 57);
    const QPixmap glyph = AmountGlyph(index);
    button->setIcon(glyph);
    button->setIconSize(glyph.size());
    button->setAutoDefault(false);
    button->setToolTip(QStringLiteral("%1 credits").arg(Amounts[index]));
    connect(button, &QPushButton::clicked, this, [this, index] { AmountClicked(index); });
    return button;
}

std::int32_t BorrowDialog::AmountOfButton(int index)
{
    return index >= 0 && index < 4 ? Amounts[index] : 0;
}

void BorrowDialog::AmountClicked(int index)
{
    const std::int32_t amount = AmountOfButton(index);
    const LoanMode mode = BorrowModeButton->isChecked() ? LoanMode::Borrow : LoanMode::PayBack;
    switch (ApplyLoan(state_, mode, amount)) {
    case LoanOutcome::Done:
        update();
        break;
    case LoanOutcome::NoAmount:
        break;
    case LoanOutcome::PastTheLimit:
        dialogs_.Inform(this, QStringLiteral("You cannot borrow that much: the machine cannot count "
                                             "more than %1 credits.")
                                  .arg(Int32Max));
        break;
    case LoanOutcome::NotEnoughCredits:
        dialogs_.Inform(this, QStringLiteral("You do not have ") + FormatFixed(amount, 7, 2) +
                                  QStringLiteral(" credits!"));
        break;
    case LoanOutcome::MoreThanBorrowed:
        dialogs_.Inform(this, QStringLiteral("You cannot pay back more credits than you have borrowed!"));
        break;
    }
}

void BorrowDialog::ShowHelpText()
{
    dialogs_.Inform(
        this,
        QStringLiteral("Use this screen to borrow credits or pay back credits that you borrowed previously.  "
                       "Click on the button representing the amount to borrow (or pay back).\r\n\r\n"
                       "To switch between \"borrow\" and \"pay back\" select the mode."));
}

void BorrowDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    // Laid out in the pixels of the unzoomed window; written and drawn at the window's own resolution.
    const int width = static_cast<int>(std::lround(this->width() / zoom_));
    painter.save();
    painter.scale(zoom_, zoom_);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(10);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::ButtonText));
    const QFontMetrics metrics(font);
    const int baseline = 20 + metrics.ascent();
    painter.drawText(20, baseline, QStringLiteral("Borrowed:"));
    const QString credits = QStringLiteral("Credits:");
    const int outerWidth = width + 2 * FrameWidth;
    painter.drawText(outerWidth - 35 - metrics.horizontalAdvance(credits), baseline, credits);
    painter.restore();

    // Two long amounts in large digits would run into each other, the borrowed amount hiding the first digits
    // of the credits; then both take the small digits, which fit side by side whatever the amounts.
    const auto cells = [](std::int32_t value) { return DigitPainter::DigitCount(value) + 1; };  // and spare
    const int cellWidth = DigitPainter(pictures_, ScreenWidth).DigitSize().width();
    const bool fits = 20 + (cells(state_.Borrowed) + cells(state_.Credits)) * cellWidth <= width - 30;
    const DigitPainter digits(pictures_, fits ? ScreenWidth : 0);  // no width reaches the large digits
    // The digits are copied pixel for pixel from strips drawn at the device's resolution.
    const double ratio = devicePixelRatioF();
    pictures_.ScaleTo(zoom_ * ratio);
    painter.scale(1 / ratio, 1 / ratio);
    const CanvasMapping device{zoom_ * ratio, {}};
    digits.DrawNumber(painter, state_.Credits, width - 30, 40, false, true, false, device);
    digits.DrawNumber(painter, state_.Borrowed, 20, 40, true, false, false, device);
}

void BorrowDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

}  // namespace zorvik
