// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: --help and --version answer and end, Qt's own options pass, anything else is refused.
#include "app/CommandLine.h"

#include "zorvik/Version.h"

#include <gtest/gtest.h>

namespace zorvik {
namespace {

TEST(CommandLineTest, AnswersRefusesOrRuns)
{
    struct Row {
        QStringList arguments;
        bool run;
        int exitCode;
        QString output;  // the start of what goes to standard output
        QString error;   // the start of what goes to standard error
    };
    const QString version = QStringLiteral("zorvik-slots %1\n").arg(QString::fromLatin1(ProgramVersion));
    const Row rows[] = {
        {{}, true, 0, "", ""},
        {{"--version"}, false, 0, version, ""},
        {{"-v"}, false, 0, version, ""},
        {{"--help"}, false, 0, "Usage: zorvik-slots [OPTION]...", ""},
        {{"-h", "--bogus"}, false, 0, "Usage:", ""},
        {{"--bogus"}, false, 2, "", "zorvik-slots: unknown option '--bogus'"},
        {{"-x"}, false, 2, "", "zorvik-slots: unknown option '-x'"},
        {{"saved.ini"}, false, 2, "", "zorvik-slots: unexpected argument 'saved.ini'"},
        // Qt's own options, with their values apart or attached, one dash or two.
        {{"-platform", "offscreen", "--style=fusion", "-reverse"}, true, 0, "", ""},
        {{"-session", "1234", "--version"}, false, 0, version, ""},
        {{"-reverse=yes"}, false, 2, "", "zorvik-slots: unknown option '-reverse=yes'"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        const CommandLineOutcome outcome = ParseCommandLine(row.arguments);
        EXPECT_EQ(outcome.Run, row.run);
        EXPECT_EQ(outcome.ExitCode, row.exitCode);
        EXPECT_EQ(outcome.Output.left(row.output.size()), row.output);
        EXPECT_EQ(outcome.Output.isEmpty(), row.output.isEmpty());
        EXPECT_EQ(outcome.Error.left(row.error.size()), row.error);
        EXPECT_EQ(outcome.Error.isEmpty(), row.error.isEmpty());
    }
}

}  // namespace
}  // namespace zorvik
