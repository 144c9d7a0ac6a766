// SPDX-License-Identifier: GPL-3.0-or-later
// The sound player: each file's mode, the stand-in for a missing file, the click from memory, no device.
#include "tests/support/PictureFolder.h"

#include "ui/sound/SoundPlayer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace zorvik {
namespace {

TEST(SoundPlayerTest, EachFilePlaysInItsMode)
{
    using Mode = SoundPlayer::Mode;
    const std::pair<const char*, Mode> table[] = {
        {"Zorvik1.wav", Mode::Synchronous},  {"Zorvik2.wav", Mode::Synchronous},
        {"Zorvik4.wav", Mode::Synchronous},  {"Zorvik5.wav", Mode::Synchronous},
        {"Zorvik6.wav", Mode::Synchronous},  {"Zorvik7.wav", Mode::Asynchronous},
        {"Zorvik8.wav", Mode::Asynchronous}, {"Zorvik9.wav", Mode::Synchronous},
        {"Zorvik10.wav", Mode::Synchronous},
    };
    for (const auto& [file, mode] : table) {
        SCOPED_TRACE(file);
        EXPECT_EQ(SoundPlayer::ModeOf(file), mode);
    }
}

TEST(SoundPlayerTest, MissingFilePlaysOurDefaultSoundAndBlocksOnlyWhileItPlays)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString pipe = folder.filePath("Zorvik9.wav");
    ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0644), 0);
    // A named pipe in the file's place is no wave either, and is not waited on.
    for (const QString& path : {QStringLiteral("/nonexistent/Zorvik9.wav"), pipe}) {
        SCOPED_TRACE(path.toStdString());
        SoundPlayer player;
        QElapsedTimer clock;
        clock.start();
        ::alarm(10);  // a blocked open would otherwise hang the run
        player.PlayWave(path, SoundPlayer::Mode::Synchronous);
        ::alarm(0);
        EXPECT_TRUE(player.LastRequest().usedDefault);
        EXPECT_EQ(player.LastRequest().file, "Zorvik9.wav");
        // The stand-in is 150 ms; a synchronous play must neither return at once nor hang.
        if (player.DeviceOpen()) {
            EXPECT_GE(clock.elapsed(), 100);
        }
        EXPECT_LT(clock.elapsed(), 1000);
    }
}

TEST(SoundPlayerTest, ALongWaveInPlaceOfOursHoldsTheGameOnlyBriefly)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("Zorvik9.wav");
    ASSERT_TRUE(testing::PictureFolder::WriteWave(path, 300));  // thirty seconds

    SoundPlayer player;
    if (!player.DeviceOpen()) GTEST_SKIP() << "no audio device, not even the dummy one";
    QElapsedTimer clock;
    clock.start();
    player.PlayWave(path, SoundPlayer::Mode::Synchronous);
    EXPECT_FALSE(player.LastRequest().usedDefault);
    EXPECT_GE(clock.elapsed(), 1000) << "a synchronous wave still holds the game";
    // Well short of the file's thirty seconds, with room for a loaded machine.
    EXPECT_LT(clock.elapsed(), 15000);
    player.Silence();
}

TEST(SoundPlayerTest, ClickIsReadIntoMemoryOnceAndAFailedReadIsReported)
{
    testing::PictureFolder folder;
    SoundPlayer player;
    QString error;
    EXPECT_TRUE(player.LoadClickSound(folder.Path() + "Zorvik0.wav", &error));
    EXPECT_TRUE(player.HasClick());
    EXPECT_TRUE(error.isEmpty());

    SoundPlayer without;
    EXPECT_FALSE(without.LoadClickSound(folder.Path() + "Nothing.wav", &error));
    EXPECT_TRUE(error.contains("Nothing.wav"));
    EXPECT_FALSE(without.HasClick());
    without.PlayClick();  // silent, and no crash

    // A device in its place would be read for ever; it is refused like a missing file.
    QTemporaryDir links;
    ASSERT_TRUE(links.isValid());
    const QString endless = links.filePath("Zorvik0.wav");
    ASSERT_TRUE(QFile::link("/dev/zero", endless));
    SoundPlayer zero;
    error.clear();
    EXPECT_FALSE(zero.LoadClickSound(endless, &error));
    EXPECT_TRUE(error.contains("Zorvik0.wav"));
    EXPECT_FALSE(zero.HasClick());
}

TEST(SoundPlayerTest, AsynchronousPlayReturnsAtOnce)
{
    // A wave far longer than any pause a loaded machine could add to the call.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("Zorvik8.wav");
    ASSERT_TRUE(testing::PictureFolder::WriteWave(path, 300));  // thirty seconds
    SoundPlayer player;
    if (!player.DeviceOpen()) GTEST_SKIP() << "no audio device, not even the dummy one";
    QElapsedTimer clock;
    clock.start();
    player.PlayWave(path, SoundPlayer::Mode::Asynchronous);
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_FALSE(player.LastRequest().usedDefault);
    player.Silence();
}

}  // namespace
}  // namespace zorvik
