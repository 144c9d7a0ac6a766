// SPDX-License-Identifier: GPL-3.0-or-later
// The control panel: fourteen picture buttons beside the wheels, their captions and the start-up timer.
#include "ui/face/ControlPanel.h"

#include "engine/GameHooks.h"
#include "engine/SlotEngine.h"
#include "ui/face/ControlPanelStyle.h"
#include "ui/face/PanelButton.h"
#include "ui/face/PanelRequests.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cmath>

namespace zorvik {

namespace {

constexpr const char* Captions[ControlPanel::ButtonCount] = {
    "Help?", "Pay Mode", "Pay Chart", "Borrow", "New Game",  "Summary",   "Auto Spin",
    "Exit",  "Sound",    "WWW Site",  "Double", "Save Game", "Load Game", "Stats",
};

QString StartupTooltip(int tag)
{
    switch (tag) {
    case HelpTag:
        return QStringLiteral("View the Zorvik Slots Manual");
    case PayModeTag:
        return QStringLiteral("Instant Payoff or Count Off Credits");
    case PayChartTag:
        return QStringLiteral("View the Zorvik Slots Payoff Chart");
    case BorrowTag:
        return QStringLiteral("Borrow Credits");
    case NewGameTag:
        return QStringLiteral("Start a New Game");
    case SummaryTag:
        return QStringLiteral("Summary of Last Spin");
    case AutoSpinTag:
        return QStringLiteral("Click to Start Auto Spin Mode");
    case ExitTag:
        return QStringLiteral("Exit");
    case SoundTag:
        return QStringLiteral("Click to Turn Sound On or Off");
    case WebSiteTag:
        return QStringLiteral("Visit %1 in Your Web Browser").arg(ControlPanel::WebSiteName());
    case DoubleTag:
        return QStringLiteral("Click to Disable the Double or Nothing Bonus Game");
    case SaveGameTag:
        return QStringLiteral("Save a Game");
    case LoadGameTag:
        return QStringLiteral("Load a Game");
    case StatsTag:
        return QStringLiteral("View Your Zorvik Slots Statistics");
    }
    return {};
}

const QColor Yellow(255, 255, 0);
const QColor Silver(192, 192, 192);
const QColor White(255, 255, 255);

// A plain button face of the template's size, for when the template picture is missing.
QImage FallbackButtonFace(QSize size)
{
    QImage face(size.isEmpty() ? QSize(62, 20) : size, QImage::Format_RGB32);
    face.fill(QColor(40, 40, 72));
    QPainter painter(&face);
    painter.setPen(QColor(150, 150, 190));
    painter.drawLine(0, 0, face.width() - 1, 0);
    painter.drawLine(0, 0, 0, face.height() - 1);
    painter.setPen(QColor(10, 10, 24));
    painter.drawLine(0, face.height() - 1, face.width() - 1, face.height() - 1);
    painter.drawLine(face.width() - 1, 0, face.width() - 1, face.height() - 1);
    return face;
}

}  // namespace

ControlPanel::ControlPanel(QWidget& window, GameState& state, SlotEngine& engine, GameHooks& hooks,
                           PanelRequests& requests, const QRect& optionsTemplate,
                           const QImage& optionsPicture)
    : QObject(&window), window_(window), state_(state), engine_(engine), hooks_(hooks), requests_(requests),
      templatePicture_(optionsPicture.isNull() ? FallbackButtonFace(optionsTemplate.size())
                                               : optionsPicture.convertToFormat(QImage::Format_RGB32)),
      buttonStyle_(std::make_unique<ControlPanelStyle>())
{
    for (int tag = 0; tag < ButtonCount; ++tag) {
        auto* button = new PanelButton(&window_);
        button->setStyle(buttonStyle_.get());
        button->setToolTip(StartupTooltip(tag));
        button->setAccessibleName(Caption(tag));
        button->setCursor(Qt::PointingHandCursor);
        button->setProperty("tag", tag);
        button->installEventFilter(this);
        // Assistive technology presses a button as a click does, and reads the four switches.
        button->SetPress([this, tag] { ClickButton(tag); });
        if (tag == PayModeTag) button->SetSwitch([this] { return state_.PayMode; });
        if (tag == AutoSpinTag) button->SetSwitch([this] { return state_.AutoSpin; });
        if (tag == SoundTag) button->SetSwitch([this] { return state_.Sound; });
        if (tag == DoubleTag) button->SetSwitch([this] { return state_.Double; });
        button->show();
        buttons_[static_cast<std::size_t>(tag)] = button;
    }
    Place(optionsTemplate, CanvasMapping{}, QImage());

    startupTimer_ = new QTimer(this);
    startupTimer_->setInterval(StartupTimerMs);
    connect(startupTimer_, &QTimer::timeout, this, &ControlPanel::StartupTick);
    startupTimer_->start();
}

ControlPanel::~ControlPanel()
{
    // The buttons belong to the window and may outlive the panel by a moment; they must not keep our style.
    for (PanelButton* button : buttons_) {
        if (button) {
            button->removeEventFilter(this);
            button->setStyle(nullptr);
        }
    }
}

QString ControlPanel::Caption(int tag)
{
    if (tag < 0 || tag >= ButtonCount) return {};
    return QString::fromLatin1(Captions[tag]);
}

QColor ControlPanel::CaptionColour(int tag) const
{
    if (tag == AutoSpinTag && state_.AutoSpin) return White;
    if ((tag == SoundTag && !state_.Sound) || (tag == DoubleTag && !state_.Double)) return Silver;
    if (tag == PayModeTag && !state_.PayMode) return Silver;
    return Yellow;
}

QLabel* ControlPanel::Button(int tag) const
{
    if (tag < 0 || tag >= ButtonCount) return nullptr;
    return buttons_[static_cast<std::size_t>(tag)];
}

void ControlPanel::Place(const QRect& layoutTemplate, const CanvasMapping& mapping, const QImage& face)
{
    zoom_ = mapping.Scale;
    scaledFace_ = face;
    // Every button has the template's size; the buttons grow upward from the template's place. Each is
    // placed by its own edges, so the two columns of seven meet without gaps at any zoom.
    const int width = templatePicture_.width();
    const int height = templatePicture_.height();
    for (int tag = 0; tag < ButtonCount; ++tag)
        buttons_[static_cast<std::size_t>(tag)]->setGeometry(
            mapping.Map(QRect(layoutTemplate.left() + (tag / 7) * width,
                              layoutTemplate.top() - (tag % 7) * height, width, height)));
    DrawCaptions();
}

void ControlPanel::DrawCaptions()
{
    // Frozen for the whole pass so the fourteen captions appear together.
    const bool wasEnabled = window_.updatesEnabled();
    window_.setUpdatesEnabled(false);

    const QFont font = CaptionFont();
    const QFontMetrics metrics(font);
    // Drawn at the window's own resolution: the captions stay sharp on a scaled desktop and a zoomed window.
    const qreal ratio = window_.devicePixelRatioF();
    const qreal scale = zoom_ * ratio;

    for (int tag = 0; tag < ButtonCount; ++tag) {
        PanelButton* button = buttons_[static_cast<std::size_t>(tag)];
        const QSize pixels(std::max(1, int(std::lround(button->width() * ratio))),
                           std::max(1, int(std::lround(button->height() * ratio))));
        // Each pass starts from the template, so a caption that changed colour leaves no trace of the old
        // one.
        QImage image(pixels, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        if (scale == 1.0)
            painter.drawImage(0, 0, templatePicture_);
        else if (!scaledFace_.isNull())
            painter.drawImage(0, 0, scaledFace_);
        else
            painter.drawImage(
                0, 0, templatePicture_.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        // The caption is laid out in the template's pixels and written at the button's resolution.
        painter.scale(scale, scale);
        // A button held down looks pushed in: a darker face and its caption one pixel down and right.
        const bool pushed = tag == pressedTag_;
        if (pushed) painter.fillRect(QRect(QPoint(0, 0), templatePicture_.size()), QColor(0, 0, 0, 90));
        painter.setFont(font);
        painter.setPen(CaptionColour(tag));
        const QString caption = Caption(tag);
        const int x = (templatePicture_.width() - metrics.horizontalAdvance(caption)) / 2 + (pushed ? 1 : 0);
        const int y = (templatePicture_.height() - metrics.height()) / 2 + (pushed ? 1 : 0);
        painter.drawText(x, y + metrics.ascent(), caption);
        painter.end();
        image.setDevicePixelRatio(ratio);
        button->setPixmap(QPixmap::fromImage(image));
        button->RefreshSwitch();
    }

    window_.setUpdatesEnabled(wasEnabled);
}

QFont ControlPanel::CaptionFont() const
{
    QFont font = window_.font();
    font.setPointSize(8);
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    // Grey levels only: coloured fringes would tint the silver and white captions.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));

    // The window's font where every caption fits inside the button's frame, else its narrow cut, else
    // smaller.
    const int room = templatePicture_.width() - 6;
    auto fits = [room](const QFont& candidate) {
        const QFontMetrics metrics(candidate);
        for (const char* caption : Captions)
            if (metrics.horizontalAdvance(QString::fromLatin1(caption)) > room) return false;
        return true;
    };
    if (fits(font)) return font;
    QFont narrow = font;
    narrow.setFamilies({QStringLiteral("Liberation Sans Narrow"), font.family()});
    if (fits(narrow)) return narrow;
    for (int pixels = QFontInfo(narrow).pixelSize() - 1; pixels >= 7; --pixels) {
        narrow.setPixelSize(pixels);
        if (fits(narrow)) break;
    }
    return narrow;
}

bool ControlPanel::eventFilter(QObject* watched, QEvent* event)
{
    auto* button = qobject_cast<QLabel*>(watched);
    const QEvent::Type type = event->type();
    if (!button || (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
                    type != QEvent::MouseButtonRelease))
        return QObject::eventFilter(watched, event);

    // Mouse presses and releases belong to the button: none falls through to the machine face underneath.
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return true;
    const int tag = button->property("tag").toInt();
    if (type != QEvent::MouseButtonRelease) {
        pressedTag_ = tag;
        DrawCaptions();
        return true;
    }
    // A click counts when the button is let go over the button it was pressed on.
    const bool click = pressedTag_ == tag && button->rect().contains(mouse->position().toPoint());
    pressedTag_ = -1;
    DrawCaptions();
    if (click) ClickButton(tag);
    return true;
}

QString ControlPanel::WebSiteName()
{
    return QStringLiteral("the Zorvik Slots Home Page");
}

void ControlPanel::ClickButton(int tag)
{
    switch (tag) {
    case HelpTag:
        requests_.ShowHelp();
        break;
    case PayModeTag:
        state_.PayMode = !state_.PayMode;
        Button(tag)->setToolTip(state_.PayMode ? QStringLiteral("Paymode is Count Off Credits")
                                               : QStringLiteral("Paymode is Instant Payoff"));
        DrawCaptions();
        break;
    case PayChartTag:
        requests_.ShowPayChart();
        break;
    case BorrowTag:
        requests_.ShowBorrow();
        break;
    case NewGameTag:
        requests_.AskNewGame();
        break;
    case SummaryTag:
        requests_.ShowSummary();
        break;
    case AutoSpinTag:
        state_.AutoSpin = !state_.AutoSpin;
        Button(tag)->setToolTip(QStringLiteral("Auto Spin Mode: %1").arg(state_.AutoSpin ? "On" : "Off"));
        DrawCaptions();
        // A running spin sees the switch itself and carries on; only an idle machine is started here.
        if (state_.AutoSpin && !state_.Spinning) engine_.StartSpin();
        break;
    case ExitTag:
        requests_.AskExit();
        break;
    case SoundTag:
        state_.Sound = !state_.Sound;
        Button(tag)->setToolTip(state_.Sound ? QStringLiteral("Sound is On")
                                             : QStringLiteral("Sound is Off"));
        // The switch is read at each request: a sound already playing (all are short) plays out.
        DrawCaptions();
        break;
    case WebSiteTag:
        requests_.OpenWebSite();
        break;
    case DoubleTag:
        state_.Double = !state_.Double;
        Button(tag)->setToolTip(state_.Double ? QStringLiteral("Double or Nothing Game is On")
                                              : QStringLiteral("Double or Nothing Game is Off"));
        DrawCaptions();
        break;
    case SaveGameTag:
        requests_.ShowSaveGame();
        break;
    case LoadGameTag:
        requests_.ShowLoadGame();
        break;
    case StatsTag:
        requests_.ShowStatistics();
        break;
    default:
        break;
    }
}

void ControlPanel::ClickLogo()
{
    requests_.ShowAbout();
}

void ControlPanel::StartupTick()
{
    startupTimer_->stop();
    if (startupTimerFired_) return;
    startupTimerFired_ = true;
    hooks_.StartTimer(GameTimer::LampCelebrationRow);
}

}  // namespace zorvik
