// The sound player: each file's mode, the stand-in for a missing file, the click from memory, no device.
#include "PictureFolder.h"

#include "presentation/SoundPlayer.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

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
    SoundPlayer player;
    QElapsedTimer clock;
    clock.start();
    player.PlayWave("/nonexistent/Zorvik9.wav", SoundPlayer::Mode::Synchronous);
    EXPECT_TRUE(player.LastRequest().usedDefault);
    EXPECT_EQ(player.LastRequest().file, "Zorvik9.wav");
    // The stand-in is 150 ms; a synchronous play must neither return at once nor hang.
    if (player.DeviceOpen()) {
        EXPECT_GE(clock.elapsed(), 100);
    }
    EXPECT_LT(clock.elapsed(), 1000);
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
}

TEST(SoundPlayerTest, AsynchronousPlayReturnsAtOnce)
{
    testing::PictureFolder folder;
    SoundPlayer player;
    QElapsedTimer clock;
    clock.start();
    player.PlayWave(folder.Path() + "Zorvik0.wav", SoundPlayer::Mode::Asynchronous);
    EXPECT_LT(clock.elapsed(), 50);
    EXPECT_FALSE(player.LastRequest().usedDefault);
}

}  // namespace
}  // namespace zorvik
