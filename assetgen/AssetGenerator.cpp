// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time generator: writes every picture, sound and manual page of the game from our own drawing code.
//
// zorvik-assetgen <program folder> <artwork folder> <icon folder> <manual source folder>
//   program folder: the picture set, the window pictures, the waves and manual/ that lie beside the game;
//   artwork folder: the PNG and JPEG files compiled into the program as resources;
//   icon folder:    the application icon in the hicolor sizes (<size>.png).
#include "assetgen/ArtStyle.h"
#include "assetgen/BmpWriter.h"
#include "assetgen/CardArt.h"
#include "assetgen/ChartArt.h"
#include "assetgen/MachineArt.h"
#include "assetgen/ManualWriter.h"
#include "assetgen/PanelArt.h"
#include "assetgen/SoundSynth.h"
#include "assetgen/SymbolArt.h"
#include "assetgen/WavWriter.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>

#include <cstdio>

using namespace zorvik::art;

namespace {

bool failed = false;

void Fail(const QString& message)
{
    std::fprintf(stderr, "zorvik-assetgen: %s\n", qPrintable(message));
    failed = true;
}

void Check(bool ok, const QString& path)
{
    if (!ok) Fail("cannot write " + path);
}

// A picture of the set in both depths: the high-colour file and its 256-colour twin.
void Pair(const QImage& picture, const QString& folder, const QString& highColour, const QString& palettised)
{
    Check(BmpWriter::Write24(picture, folder + "/" + highColour), highColour);
    Check(BmpWriter::Write8(picture, folder + "/" + palettised, true), palettised);
}

void Png(const QImage& picture, const QString& path)
{
    QImageWriter writer(path, "png");
    Check(writer.write(picture), path);
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(
            stderr,
            "usage: zorvik-assetgen <program folder> <artwork folder> <icon folder> <manual source>\n");
        return 2;
    }
    const QString program = QString::fromLocal8Bit(argv[1]);
    const QString art = QString::fromLocal8Bit(argv[2]);
    const QString icons = QString::fromLocal8Bit(argv[3]);
    const QString manualSource = QString::fromLocal8Bit(argv[4]);
    // The animal symbols are drawn from colour emoji glyphs; without the font they would come out as
    // placeholder boxes, which is worth a loud warning but not a failed build.
    if (!QFontDatabase::hasFamily("Noto Color Emoji"))
        std::fprintf(stderr, "zorvik-assetgen: warning: font \"Noto Color Emoji\" is missing; "
                             "install fonts-noto-color-emoji for the animal symbols\n");
    for (const QString& dir : {program, art, art + "/cards", art + "/borrow", icons, program + "/manual"})
        QDir().mkpath(dir);

    // The picture set. "Backlg2.bmp" is both the 256-colour large background and the fallback for
    // "Backlg.bmp", so it is the 256-colour twin of the large background.
    Pair(MachineArt::Background(64), program, "Backsm.bmp", "Backs256.bmp");
    Pair(MachineArt::Background(96), program, "Backlg.bmp", "Backlg2.bmp");
    Pair(SymbolArt::SymbolsPicture(64), program, "Zorvik64.bmp", "Zor64256.bmp");
    Pair(SymbolArt::SymbolsPicture(96), program, "Zorvik96.bmp", "Zor96256.bmp");
    Pair(SymbolArt::MotionPicture(64), program, "Motion2.bmp", "Moti2256.bmp");
    Pair(SymbolArt::MotionPicture(96), program, "Motion.bmp", "Motio256.bmp");
    Pair(MachineArt::LampRow(64, true), program, "Zor64on.bmp", "C64on256.bmp");
    Pair(MachineArt::LampRow(64, false), program, "Zor64of.bmp", "C64of256.bmp");
    Pair(MachineArt::LampRow(96, true), program, "Zor96on.bmp", "C96on256.bmp");
    Pair(MachineArt::LampRow(96, false), program, "Zor96of.bmp", "C96of256.bmp");
    Pair(MachineArt::SideLamps(true), program, "Zorbut0.bmp", "Cbut0256.bmp");
    Pair(MachineArt::SideLamps(false), program, "Zorbut1.bmp", "Cbut1256.bmp");

    // Window pictures that replace the built-in artwork when present ("Bonus32.bmp" serves both depths).
    const QImage spin = PanelArt::SpinButton(), stop = PanelArt::StopButton(), logo = PanelArt::Logo();
    const QImage box = PanelArt::OptionsFace(), bonus = SymbolArt::BonusIcons();
    Pair(box, program, "Box.bmp", "Box256.bmp");
    Pair(spin, program, "Spin.bmp", "Spin256.bmp");
    Pair(stop, program, "Stop.bmp", "Stop256.bmp");
    Pair(logo, program, "Logo.bmp", "Logo256.bmp");
    Check(BmpWriter::Write24(bonus, program + "/Bonus32.bmp"), "Bonus32.bmp");

    // Built-in artwork, compiled into the program.
    Png(spin, art + "/SpinBtn.png");
    Png(stop, art + "/StopBtn.png");
    Png(logo, art + "/Logo.png");
    Png(box, art + "/Options.png");
    Png(PanelArt::DigitStrip(false, QColor(255, 0, 0)), art + "/DigitsSmall.png");
    Png(PanelArt::DigitStrip(true, QColor(255, 0, 0)), art + "/DigitsLarge.png");
    Png(PanelArt::DigitStrip(false, QColor(0, 255, 0)), art + "/GreenSmall.png");
    Png(PanelArt::DigitStrip(true, QColor(0, 255, 0)), art + "/GreenLarge.png");
    Png(PanelArt::PlusMinus(true), art + "/PlusMinus.png");
    Png(PanelArt::PlusMinus(false), art + "/PlusSmall.png");
    Png(bonus, art + "/Bonus.png");
    Png(SymbolArt::BarIcon(), art + "/Bar.png");
    Png(CardArt::Back(), art + "/cards/back.png");
    Png(CardArt::Joker(), art + "/cards/Joker.png");
    Png(CardArt::Pos(), art + "/cards/Pos.png");
    Png(CardArt::Neg(), art + "/cards/Neg.png");
    Png(CardArt::Values(false), art + "/cards/Black.png");
    Png(CardArt::Values(true), art + "/cards/Red.png");
    Png(CardArt::SuitsSmall(), art + "/cards/SuitSm.png");
    Png(CardArt::SuitsLarge(), art + "/cards/Suits.png");
    Png(CardArt::Royal(), art + "/cards/Royal.png");
    for (int amount : {1000, 100, 10, 1})
        Png(PanelArt::Amount(amount), art + QString("/borrow/Amount%1.png").arg(amount));
    Png(PanelArt::AppIcon(256), art + "/icon.png");
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        Png(PanelArt::AppIcon(size), icons + QString("/%1.png").arg(size));

    // The payoff chart: a baseline JPEG, in the resources and beside the manual that shows it.
    const QImage chart = ChartArt::Chart();
    for (const QString& path : {art + "/Paychart.jpg", program + "/manual/Paychart.jpg"}) {
        QImageWriter writer(path, "jpeg");
        writer.setQuality(92);
        writer.setOptimizedWrite(false);
        writer.setProgressiveScanWrite(false);
        Check(writer.write(chart), path);
    }

    for (int n : {0, 1, 2, 4, 5, 6, 7, 8, 9, 10}) {
        const QString name = QString("Zorvik%1.wav").arg(n);
        Check(WavWriter::Write(SoundSynth::Make(n), program + "/" + name), name);
    }

    // Symbol pictures for the manual's pay tables.
    for (int code = 0; code < 12; ++code) {
        QImage tile(32, 32, QImage::Format_ARGB32_Premultiplied);
        tile.fill(Qt::white);
        QPainter p(&tile);
        ArtStyle::Begin(p);
        SymbolArt::Draw(p, code, QRectF(0, 0, 32, 32));
        p.end();
        Png(tile.convertToFormat(QImage::Format_RGB32), program + QString("/manual/symbol%1.png").arg(code));
    }

    QString error;
    if (!ManualWriter::Write(manualSource, program + "/manual", &error)) Fail(error);
    return failed ? 1 : 0;
}
