// SPDX-License-Identifier: GPL-3.0-or-later
// A throw-away program folder with a complete picture set of known colours, for the window's tests.
#pragma once

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <cstring>

namespace zorvik::testing {

// Each symbol cell is one flat colour, so a cell on the canvas tells which symbol it shows.
inline QColor SymbolColour(int code)
{
    return QColor(20 + 18 * code, 240 - 17 * code, (60 * code) % 256);
}
// Row y of the motion strip has its own colour.
inline QColor MotionColour(int row)
{
    return QColor(row % 256, row / 256 * 100 + 20, 77);
}
inline const QColor LitLamp(250, 220, 10), UnlitLamp(60, 50, 40);
// Side-lamp bands: left unlit, left lit, right unlit, right lit.
inline const QColor SideBand[4] = {QColor(10, 10, 90), QColor(90, 90, 250), QColor(90, 10, 10),
                                   QColor(250, 90, 90)};
inline const QColor BackgroundColour(30, 40, 120);

class PictureFolder {
public:
    // Writes every set picture of both colour depths, a click wave and the optional window pictures
    // except those named in leaveOut.
    explicit PictureFolder(const QStringList& leaveOut = {})
    {
        auto save = [&](const QString& name, const QImage& image) {
            if (!leaveOut.contains(name)) image.save(Path() + name, "BMP");
        };
        for (const char* name : {"Backsm.bmp", "Backs256.bmp"})
            save(name, Flat(330, 400, BackgroundColour));
        for (const char* name : {"Backlg.bmp", "Backlg2.bmp"})
            save(name, Flat(510, 610, BackgroundColour));
        for (const char* name : {"Zorvik64.bmp", "Zor64256.bmp"})
            save(name, Symbols(64));
        for (const char* name : {"Zorvik96.bmp", "Zor96256.bmp"})
            save(name, Symbols(96));
        for (const char* name : {"Motion2.bmp", "Moti2256.bmp"})
            save(name, Motion(64));
        for (const char* name : {"Motion.bmp", "Motio256.bmp"})
            save(name, Motion(96));
        for (const char* name : {"Zor64on.bmp", "C64on256.bmp"})
            save(name, Flat(318, 30, LitLamp));
        for (const char* name : {"Zor64of.bmp", "C64of256.bmp"})
            save(name, Flat(318, 30, UnlitLamp));
        for (const char* name : {"Zor96on.bmp", "C96on256.bmp"})
            save(name, Flat(498, 100, LitLamp));
        for (const char* name : {"Zor96of.bmp", "C96of256.bmp"})
            save(name, Flat(498, 100, UnlitLamp));
        for (const char* name : {"Zorbut0.bmp", "Cbut0256.bmp"})
            save(name, SideLamps(30, 20));
        for (const char* name : {"Zorbut1.bmp", "Cbut1256.bmp"})
            save(name, SideLamps(48, 32));
        save("Logo.bmp", Flat(100, 90, QColor(200, 0, 200)));
        if (!leaveOut.contains("Zorvik0.wav")) WriteWave(Path() + "Zorvik0.wav");
    }

    QString Path() const { return dir_.path() + '/'; }

    static QImage Flat(int w, int h, QColor colour)
    {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }

    // Silence, 16-bit mono at 22050 Hz; false when the file could not be written.
    static bool WriteWave(const QString& path, int tenthsOfASecond = 1)
    {
        QByteArray pcm(2205 * 2 * tenthsOfASecond, '\0');
        QByteArray wave("RIFF");
        auto put32 = [&wave](std::uint32_t v) { wave.append(reinterpret_cast<const char*>(&v), 4); };
        auto put16 = [&wave](std::uint16_t v) { wave.append(reinterpret_cast<const char*>(&v), 2); };
        put32(36 + pcm.size());
        wave.append("WAVEfmt ");
        put32(16);
        put16(1);
        put16(1);
        put32(22050);
        put32(44100);
        put16(2);
        put16(16);
        wave.append("data");
        put32(pcm.size());
        wave.append(pcm);
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(wave) == wave.size();
    }

private:
    static QImage Symbols(int cell)
    {
        QImage image(4 * cell, 3 * cell, QImage::Format_RGB32);
        QPainter p(&image);
        for (int k = 0; k < 12; ++k)
            p.fillRect(k % 4 * cell, k / 4 * cell, cell, cell, SymbolColour(k));
        return image;
    }

    static QImage Motion(int w)
    {
        QImage image(w, 576, QImage::Format_RGB32);
        for (int y = 0; y < 576; ++y)
            for (int x = 0; x < w; ++x)
                image.setPixelColor(x, y, MotionColour(y));
        return image;
    }

    static QImage SideLamps(int w, int band)
    {
        QImage image(w, 4 * band, QImage::Format_RGB32);
        QPainter p(&image);
        for (int b = 0; b < 4; ++b)
            p.fillRect(0, b * band, w, band, SideBand[b]);
        return image;
    }

    QTemporaryDir dir_;
};

}  // namespace zorvik::testing
