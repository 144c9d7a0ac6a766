// SPDX-License-Identifier: GPL-3.0-or-later
// The program folder: the build tree's assets beside the program, else the installed data folder.
#include "ui/face/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zorvik {
namespace {

void Touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(ProgramFolderTest, PrefersAssetsBesideTheProgramThenTheInstalledLayout)
{
    QTemporaryDir root;
    const QString bin = root.path() + "/bin", data = root.path() + "/share/zorvik-slots";
    ASSERT_TRUE(QDir().mkpath(bin));
    ASSERT_TRUE(QDir().mkpath(data));
    const QString elsewhere = root.path() + "/configured";

    // Nothing anywhere: the program's own folder, so the missing-files message has somewhere to point.
    EXPECT_EQ(ProgramFolderFor(bin, elsewhere), bin + '/');

    Touch(data + "/Zorvik0.wav");
    EXPECT_EQ(ProgramFolderFor(bin, elsewhere), data + '/');

    Touch(bin + "/Backsm.bmp");
    EXPECT_EQ(ProgramFolderFor(bin + '/', elsewhere), bin + '/');
}

}  // namespace
}  // namespace zorvik
