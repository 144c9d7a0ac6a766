// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: --help and --version answered before any window exists, Qt's options let by.
#pragma once

#include <QString>
#include <QStringList>

namespace zorvik {

struct CommandLineOutcome {
    bool Run = true;   // false: print Output and Error, then exit with ExitCode
    int ExitCode = 0;  // 0 after --help and --version, 2 after a wrong argument
    QString Output;    // for standard output
    QString Error;     // for standard error
};

// arguments leaves out the program's name. Needs no QCoreApplication and no display, so it can run first.
CommandLineOutcome ParseCommandLine(const QStringList& arguments);

}  // namespace zorvik
