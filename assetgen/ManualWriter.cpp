// SPDX-License-Identifier: GPL-3.0-or-later
// The manual's frame and its generated tables; the page texts themselves live in assetgen/manual.
#include "assetgen/ManualWriter.h"

#include "engine/PayTable.h"
#include "engine/TheoreticalReturn.h"
#include "zorvik/Version.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

#include <span>

namespace zorvik::art {

namespace {

QString SymbolName(int code)
{
    static const char* names[12] = {"Crest",    "Red Seven", "White Seven", "Green Seven",
                                    "Elephant", "Idol",      "Monkey",      "Tiger",
                                    "Blank",    "Cobra",     "Gold Coin",   "Leaves"};
    return code >= 0 && code < 12 ? names[code] : "?";
}

QString Describe(const PayRow& row)
{
    const QString name = SymbolName(row.Of);
    switch (row.Match) {
    case LineMatch::ThreeOf:
        return "Three " + name + "s";
    case LineMatch::AnySevens:
        return "Three sevens of mixed colours";
    case LineMatch::FirstTwoOf:
        return "Two " + name + "s, starting the line";
    case LineMatch::FirstOf:
        return "One " + name + ", starting the line";
    }
    return name;
}

QString Picture(int code)
{
    return QString("<img src=\"symbol%1.png\" width=\"32\" height=\"32\" alt=\"%2\">")
        .arg(code)
        .arg(SymbolName(code));
}

// The symbols a row asks for, first to third; a dash stands for any symbol.
QString Pictures(const PayRow& row)
{
    QString html;
    for (int i = 0; i < 3; ++i) {
        switch (row.Match) {
        case LineMatch::ThreeOf:
            html += Picture(row.Of);
            break;
        case LineMatch::AnySevens:
            html += Picture(RedSeven + i);
            break;
        case LineMatch::FirstTwoOf:
            html += i < 2 ? Picture(row.Of) : QString(" &ndash; ");
            break;
        case LineMatch::FirstOf:
            html += i < 1 ? Picture(row.Of) : QString(" &ndash; ");
            break;
        }
    }
    return html;
}

QString RowsTable(std::span<const PayRow> rows, bool freeSpinColumn)
{
    QString html = "<table border=\"1\" cellpadding=\"4\" cellspacing=\"0\">\n<tr><th colspan=\"2\">Line "
                   "shows</th><th>Pays (times the coins per line)</th>";
    if (freeSpinColumn) html += "<th>Also</th>";
    html += "</tr>\n";
    for (const PayRow& row : rows) {
        html += "<tr><td>" + Pictures(row) + "</td><td>" + Describe(row) + "</td><td align=\"right\">" +
                QString::number(row.Multiplier) + "</td>";
        if (freeSpinColumn)
            html += "<td>" +
                    (row.FreeSpins > 0 ? QString("%1 free spins").arg(row.FreeSpins) : QString("&nbsp;")) +
                    "</td>";
        html += "</tr>\n";
    }
    return html + "</table>\n";
}

bool Save(const QString& path, const QString& text, QString* error)
{
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace

QString ManualWriter::LinePaysTable()
{
    return RowsTable(NormalPayTable, true);
}

QString ManualWriter::ScreenPaysTable()
{
    QString html = "<table border=\"1\" cellpadding=\"4\" cellspacing=\"0\">\n"
                   "<tr><th>Screen shows (eight lines played)</th><th>Pays</th></tr>\n";
    for (int count = 3; count <= 9; ++count)
        html +=
            QString(
                "<tr><td>%1 Crests anywhere</td><td align=\"right\">%2 times the coins played</td></tr>\n")
                .arg(count)
                .arg(CrestScreenMultiplier[count]);
    html += QString("<tr><td>Nothing but animals in all nine cells</td><td align=\"right\">%1 times the "
                    "coins played</td></tr>\n")
                .arg(AllAnimalsScreenMultiplier);
    html += QString("<tr><td>Exactly one Crest, on the centre square</td><td align=\"right\">adds %1 to the "
                    "Idol Pool</td></tr>\n")
                .arg(CentreCrestPoolContribution);
    html +=
        QString(
            "<tr><td>Exactly two Crests anywhere</td><td align=\"right\">add %1 to the Idol Pool</td></tr>\n")
            .arg(TwoCrestsPoolContribution);
    return html + "</table>\n";
}

QString ManualWriter::BonusPaysTable()
{
    return "<h3>Cobra Rolls</h3>\n" + RowsTable(CobraRollPayTable, false) + "<h3>Free spins</h3>\n" +
           RowsTable(FreeSpinPayTable, false) +
           QString("<p>On every bonus spin each Gold Coin anywhere on the screen pays %1 times the wager "
                   "(the coins per line times the lines played).</p>\n")
               .arg(GoldCoinMultiplier);
}

QString ManualWriter::ReturnTable()
{
    QString html;
    for (const bool oneCard : {false, true}) {
        html += oneCard ? "<h3>Turning one Double or Nothing card after every win</h3>\n"
                        : "<h3>Without Double or Nothing</h3>\n";
        html += "<table border=\"1\" cellpadding=\"4\" cellspacing=\"0\">\n<tr><th>Lines</th>"
                "<th colspan=\"8\">Coins per line</th></tr>\n<tr><th>&nbsp;</th>";
        for (int coins = 1; coins <= 8; ++coins)
            html += QString("<th>%1</th>").arg(coins);
        html += "</tr>\n";
        for (int lines = 1; lines <= 8; ++lines) {
            html += QString("<tr><th>%1</th>").arg(lines);
            for (int coins = 1; coins <= 8; ++coins)
                html += QString("<td align=\"right\">%1%</td>")
                            .arg(*TheoreticalPayoffPercent(lines, coins, oneCard), 0, 'f', 2);
            html += "</tr>\n";
        }
        html += "</table>\n";
    }
    return html;
}

bool ManualWriter::Write(const QString& sourceFolder, const QString& outFolder, QString* error)
{
    const QDir source(sourceFolder);
    const QStringList pages = source.entryList({"*.html"}, QDir::Files, QDir::Name);
    if (pages.isEmpty()) {
        *error = "no manual pages in " + sourceFolder;
        return false;
    }
    static const QRegularExpression heading("<h1>(.*?)</h1>", QRegularExpression::DotMatchesEverythingOption);
    for (const QString& page : pages) {
        QFile in(source.filePath(page));
        if (!in.open(QIODevice::ReadOnly)) {
            *error = "cannot read " + in.fileName();
            return false;
        }
        QString body = QString::fromUtf8(in.readAll());
        body.replace("{{LINEPAYS}}", LinePaysTable());
        body.replace("{{SCREENPAYS}}", ScreenPaysTable());
        body.replace("{{BONUSPAYS}}", BonusPaysTable());
        body.replace("{{RETURNTABLE}}", ReturnTable());
        const QRegularExpressionMatch match = heading.match(body);
        const QString title = match.hasMatch() ? match.captured(1) : QString("Zorvik Slots");
        QString html = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
                       title + "</title>\n</head>\n<body>\n";
        if (page != "index.html") html += "<p><a href=\"index.html\">Contents</a></p>\n";
        html += body;
        html += QStringLiteral("<hr>\n<p><small>Zorvik Slots %1</small></p>\n</body>\n</html>\n")
                    .arg(QString::fromLatin1(ProgramVersion));
        if (!Save(QDir(outFolder).filePath(page), html, error)) return false;
    }
    return true;
}

}  // namespace zorvik::art
