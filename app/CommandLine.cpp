// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: --help and --version answered before any window exists, Qt's options let by.
#include "app/CommandLine.h"

#include "persistence/SavedGames.h"
#include "zorvik/Version.h"

namespace zorvik {

namespace {

const QString Program = QStringLiteral("zorvik-slots");

// Qt reads these itself when the application object is built (a session manager restarting the game passes
// -session, for example); they take a value, as the next argument or after '='.
const QStringList QtOptionsWithValue = {
    QStringLiteral("platform"),
    QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),
    QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"),
    QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"),
    QStringLiteral("session"),
    QStringLiteral("display"),
    QStringLiteral("geometry"),
    QStringLiteral("name"),
    QStringLiteral("title"),
    QStringLiteral("style"),
    QStringLiteral("stylesheet"),
    QStringLiteral("qmljsdebugger"),
};
const QStringList QtFlags = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                             QStringLiteral("nograb"), QStringLiteral("dograb"), QStringLiteral("sync")};

QString HelpText()
{
    return QStringLiteral("Usage: %1 [OPTION]...\n"
                          "Zorvik Slots: a video slot machine of nine wheels and eight paylines.\n"
                          "\n"
                          "  -h, --help     show this help and exit\n"
                          "  -v, --version  show the version and exit\n"
                          "\n"
                          "Qt's own options, such as -platform, -style and -display, are passed on to Qt.\n"
                          "Saved games are kept in %2\n")
        .arg(Program, QString::fromStdString(DefaultSavedGamesPath()));
}

CommandLineOutcome Refuse(const QString& why)
{
    CommandLineOutcome outcome;
    outcome.Run = false;
    outcome.ExitCode = 2;
    outcome.Error = QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(Program, why);
    return outcome;
}

}  // namespace

CommandLineOutcome ParseCommandLine(const QStringList& arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            CommandLineOutcome outcome;
            outcome.Run = false;
            outcome.Output = HelpText();
            return outcome;
        }
        if (argument == QLatin1String("-v") || argument == QLatin1String("--version")) {
            CommandLineOutcome outcome;
            outcome.Run = false;
            outcome.Output = QStringLiteral("%1 %2\n").arg(Program, QString::fromLatin1(ProgramVersion));
            return outcome;
        }
        if (!argument.startsWith('-') || argument.size() < 2)
            return Refuse(QStringLiteral("unexpected argument '%1'").arg(argument));

        // Qt takes its options with one dash or two.
        QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const qsizetype equals = name.indexOf('=');
        const bool valueAttached = equals >= 0;
        if (valueAttached) name.truncate(equals);
        if (QtOptionsWithValue.contains(name)) {
            if (!valueAttached) ++i;  // its value
            continue;
        }
        if (QtFlags.contains(name) && !valueAttached) continue;
        return Refuse(QStringLiteral("unknown option '%1'").arg(argument));
    }
    return {};
}

}  // namespace zorvik
