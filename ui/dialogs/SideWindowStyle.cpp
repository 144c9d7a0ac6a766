// SPDX-License-Identifier: GPL-3.0-or-later
// What the side windows share in looks and placement: their pixel-sized sans font, their zoom, centring on
// the screen and their OK and Help buttons.
#include "ui/dialogs/SideWindowStyle.h"

#include <QAbstractButton>
#include <QDialog>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <cmath>

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

int Scaled(int v, double zoom)
{
    return static_cast<int>(std::lround(v * zoom));
}

// Each edge on its own, so neighbouring controls stay neighbours.
QRect Scaled(const QRect& r, double zoom)
{
    return QRect(QPoint(Scaled(r.left(), zoom), Scaled(r.top(), zoom)),
                 QPoint(Scaled(r.left() + r.width(), zoom) - 1, Scaled(r.top() + r.height(), zoom) - 1));
}

void ScaleFont(QWidget& widget, double zoom)
{
    QFont font = widget.font();
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, Scaled(font.pixelSize(), zoom)));
    else
        font.setPointSizeF(font.pointSizeF() * zoom);
    widget.setFont(font);
}

void ScaleChildren(QWidget& parent, double zoom)
{
    for (QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) continue;
        // Only fonts set on the child itself: the others follow their parent's, which is scaled already.
        if (child->testAttribute(Qt::WA_SetFont)) ScaleFont(*child, zoom);
        child->setGeometry(Scaled(child->geometry(), zoom));
        if (auto* button = qobject_cast<QAbstractButton*>(child))
            button->setIconSize(button->iconSize() * zoom);
        ScaleChildren(*child, zoom);
    }
}

QPushButton* AddButton(QDialog& window, QStyle::StandardPixmap icon, const QString& text, const QString& name,
                       const QRect& place)
{
    auto* button = new QPushButton(window.style()->standardIcon(icon), text, &window);
    button->setObjectName(name);
    button->setGeometry(place);
    return button;
}

}  // namespace

QPushButton* AddOkButton(QDialog& window, const QString& name, const QRect& place)
{
    QPushButton* button = AddButton(window, QStyle::SP_DialogOkButton, QStringLiteral("&OK"), name, place);
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, &window, &QDialog::accept);
    return button;
}

QPushButton* AddHelpButton(QDialog& window, const QString& name, const QRect& place)
{
    QPushButton* button =
        AddButton(window, QStyle::SP_DialogHelpButton, QStringLiteral("&Help"), name, place);
    button->setAutoDefault(false);
    return button;
}

double ZoomSideWindow(QWidget& window, double zoom)
{
    // The frame and title bar the desktop adds around the window need room too.
    constexpr int FrameRoom = 60;
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const QSize size = window.size();
    if (screen && !size.isEmpty()) {
        const QRect room = screen->availableGeometry();
        zoom = std::min({zoom, double(room.width() - FrameRoom) / size.width(),
                         double(room.height() - FrameRoom) / size.height()});
    }
    if (zoom <= 1.0) return 1.0;
    const bool fixed = window.minimumSize() == window.maximumSize();
    const QSize zoomed(Scaled(size.width(), zoom), Scaled(size.height(), zoom));
    // The window's font, the application's own unless it set one, is what its other controls inherit.
    ScaleFont(window, zoom);
    ScaleChildren(window, zoom);
    if (fixed)
        window.setFixedSize(zoomed);
    else
        window.resize(zoomed);
    return zoom;
}

}  // namespace zorvik
