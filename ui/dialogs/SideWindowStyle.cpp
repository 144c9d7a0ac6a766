// SPDX-License-Identifier: GPL-3.0-or-later
// What the side windows share in looks and placement: their pixel-sized sans font, centring on the screen
// and their OK and Help buttons.
#include "ui/dialogs/SideWindowStyle.h"

#include <QDialog>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace zorvik {

QFont SideWindowFont(int pixels, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void CentreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

namespace {

QPushButton* AddButton(QDialog& window, const QIcon& icon, const QString& text, const QString& name,
                       const QRect& place)
{
    auto* button = new QPushButton(icon, text, &window);
    button->setObjectName(name);
    button->setGeometry(place);
    return button;
}

}  // namespace

QPushButton* AddOkButton(QDialog& window, const QString& name, const QRect& place)
{
    QPushButton* button = AddButton(window, window.style()->standardIcon(QStyle::SP_DialogOkButton),
                                    QStringLiteral("&OK"), name, place);
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, &window, &QDialog::accept);
    return button;
}

QPushButton* AddHelpButton(QDialog& window, const QString& name, const QRect& place)
{
    QPushButton* button = AddButton(window, HelpButtonIcon(), QStringLiteral("&Help"), name, place);
    button->setAutoDefault(false);
    return button;
}

QIcon HelpButtonIcon()
{
    const QPixmap icon(QStringLiteral(":/art/icon.png"));
    return icon.isNull() ? QIcon() : QIcon(icon);
}

}  // namespace zorvik
