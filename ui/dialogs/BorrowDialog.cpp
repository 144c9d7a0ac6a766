// SPDX-License-Identifier: GPL-3.0-or-later
// The borrow window: borrow credits from the house or pay them back, in amounts of 1000, 100, 10 and 1.
#include "ui/dialogs/BorrowDialog.h"

#include "engine/Saturating.h"
#include "ui/dialogs/HelpContext.h"
#include "ui/dialogs/LocaleFormat.h"
#include "ui/dialogs/PlayerDialogs.h"
#include "ui/dialogs/SideWindowStyle.h"
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
#include <QStyle>

namespace zorvik {

namespace {

constexpr std::int32_t Amounts[4] = {1000, 100, 10, 1};
const char* const AmountPictures[4] = {":/art/borrow/Amount1000.png", ":/art/borrow/Amount100.png",
                                       ":/art/borrow/Amount10.png", ":/art/borrow/Amount1.png"};
const char* const AmountCaptions[4] = {"$1,000", "$100", "$10", "$1"};
// The dialog frame adds this much on each side of the client area.
constexpr int FrameWidth = 3;

// The picture of an amount button: a dollar sign and the amount in large figures.
QPixmap AmountGlyph(int tag)
{
    QImage image(QString::fromLatin1(AmountPictures[tag]));
    if (!image.isNull() && image.width() <= 80 && image.height() <= 57) return QPixmap::fromImage(image);

    QImage plain(72, 48, QImage::Format_ARGB32);
    plain.fill(Qt::transparent);
    QPainter p(&plain);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(SideWindowFont(tag == 0 ? 19 : 24, true));
    p.setPen(QColor(0, 110, 0));
    p.drawText(plain.rect(), Qt::AlignCenter, QString::fromLatin1(AmountCaptions[tag]));
    return QPixmap::fromImage(plain);
}

}  // namespace

BorrowDialog::BorrowDialog(GameState& state, PlayerDialogs& dialogs, HelpContext& help, QWidget* parent)
    : QDialog(parent), state(state), dialogs(dialogs)
{
    setWindowTitle(QStringLiteral("Use this form to borrow or pay back credits"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(582, 300);
    setFont(SideWindowFont(13));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) ScreenWidth = screen->size().width();

    BitBtn1 = AmountButton(0, 89);
    BitBtn2 = AmountButton(1, 201);
    BitBtn3 = AmountButton(2, 313);
    BitBtn4 = AmountButton(3, 425);

    Label1 = new QLabel(QStringLiteral("Mode:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(SideWindowFont(19));
    QPalette red = Label1->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label1->setPalette(red);
    // As tall as the mode buttons beside it, so the three texts share one line.
    Label1->setGeometry(56, 192, 80, 33);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    RadioButton1 = new QRadioButton(QStringLiteral("Borrow Credits"), this);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setGeometry(147, 192, 190, 33);
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(QStringLiteral("Pay Back Credits"), this);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton2->setGeometry(355, 192, 190, 33);

    OKBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("&OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(442, 246, 127, 46);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

    BitBtn7 =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogHelpButton), QStringLiteral("&Help"), this);
    BitBtn7->setObjectName(QStringLiteral("BitBtn7"));
    BitBtn7->setGeometry(10, 246, 127, 46);
    BitBtn7->setAutoDefault(false);
    connect(BitBtn7, &QPushButton::clicked, this, &BorrowDialog::BitBtn7Click);

    auto* helpKey = new QShortcut(QKeySequence::HelpContents, this);
    connect(helpKey, &QShortcut::activated, this, [this, &help] { help.ShowTopic(this, HelpBorrow); });
}

QPushButton* BorrowDialog::AmountButton(int tag, int x)
{
    auto* button = new QPushButton(this);
    button->setObjectName(QStringLiteral("BitBtn%1").arg(tag + 1));
    button->setProperty("Tag", tag);
    button->setGeometry(x, 104, 80, 57);
    const QPixmap glyph = AmountGlyph(tag);
    button->setIcon(glyph);
    button->setIconSize(glyph.size());
    button->setAutoDefault(false);
    button->setToolTip(QStringLiteral("%1 credits").arg(Amounts[tag]));
    connect(button, &QPushButton::clicked, this, [this, button] { BitBtn1Click(button); });
    return button;
}

std::int32_t BorrowDialog::AmountOfTag(int tag)
{
    return tag >= 0 && tag < 4 ? Amounts[tag] : 0;
}

void BorrowDialog::BitBtn1Click(QAbstractButton* sender)
{
    const std::int32_t amount = AmountOfTag(sender ? sender->property("Tag").toInt() : -1);
    if (amount <= 0) return;

    if (RadioButton1->isChecked()) {
        // Both numbers must stay countable; a loan that would push either past the limit is refused whole.
        if (state.Credits > Int32Max - amount || state.Borrowed > Int32Max - amount) {
            dialogs.Inform(this, QStringLiteral("You cannot borrow that much: the machine cannot count "
                                                "more than %1 credits.")
                                     .arg(Int32Max));
            return;
        }
        state.Credits = SaturatingAdd(state.Credits, amount);
        state.Borrowed = SaturatingAdd(state.Borrowed, amount);
    } else {
        if (amount > state.Credits) {
            dialogs.Inform(this, QStringLiteral("You do not have ") + FormatFixed(amount, 7, 2) +
                                     QStringLiteral(" credits!"));
            return;
        }
        if (amount > state.Borrowed) {
            dialogs.Inform(this, QStringLiteral("You cannot pay back more credits than you have borrowed!"));
            return;
        }
        state.Credits = SaturatingSub(state.Credits, amount);
        state.Borrowed = SaturatingSub(state.Borrowed, amount);
    }
    update();
}

void BorrowDialog::BitBtn7Click()
{
    dialogs.Inform(
        this,
        QStringLiteral("Use this screen to borrow credits or pay back credits that you borrowed previously.  "
                       "Click on the button representing the amount to borrow (or pay back).\r\n\r\n"
                       "To switch between \"borrow\" and \"pay back\" select the mode."));
}

void BorrowDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(10);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::ButtonText));
    const QFontMetrics metrics(font);
    const int baseline = 20 + metrics.ascent();
    painter.drawText(20, baseline, QStringLiteral("Borrowed:"));
    const QString credits = QStringLiteral("Credits:");
    const int outerWidth = width() + 2 * FrameWidth;
    painter.drawText(outerWidth - 35 - metrics.horizontalAdvance(credits), baseline, credits);

    // Two long amounts in large digits would run into each other, the borrowed amount hiding the first digits
    // of the credits; then both take the small digits, which fit side by side whatever the amounts.
    const auto cells = [](std::int32_t value) { return DigitPainter::DigitCount(value) + 1; };  // and spare
    const int cellWidth = DigitPainter(pictures, ScreenWidth).DigitSize().width();
    const bool fits = 20 + (cells(state.Borrowed) + cells(state.Credits)) * cellWidth <= width() - 30;
    const DigitPainter digits(pictures, fits ? ScreenWidth : 0);  // no width reaches the large digits
    digits.DrawNumber(painter, state.Credits, width() - 30, 40, false, true, false);
    digits.DrawNumber(painter, state.Borrowed, 20, 40, true, false, false);
}

void BorrowDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

}  // namespace zorvik
