#pragma once

#include <QStringList>

// The words the program was started with, split into the options the desktop layer reads itself and the
// words the system sees (its command line: "/NEW", "-DEV", host parameters NAME=VALUE).
struct CommandLineWords {
    QStringList words;    // in order, without the options below
    QString dataDir;      // from "--data-dir DIR" or "--data-dir=DIR"; empty when not given
    QString resultsDir;   // from "--results-dir DIR" or "--results-dir=DIR"; empty when not given
    QStringList problems; // one diagnostic line per option given wrongly

    // The system's command line: the words joined by blanks.
    QString text() const { return words.join(QLatin1Char(' ')); }
};

// arguments: without the program's own name.
CommandLineWords splitCommandLine(const QStringList& arguments);

// The value of the word NAME=VALUE (NAME compared without regard to case); defaultValue when no word names
// it. The first such word wins.
QString parameterValue(const QStringList& words, const QString& name, const QString& defaultValue);
