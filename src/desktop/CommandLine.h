#pragma once

#include <QStringList>

// What the program was started to do.
enum class ProgramCommand {
    Test,        // the test in its window
    Check,       // "--check [FILE]"
    Results,     // "--results [DIR]"
    ResultsView, // "--results-view [DIR]": the results window
    Edit,        // "--edit [FILE]": the catalogue editor
    Version,     // "--version"
    Help,        // "--help": the usage on standard output
    Wrong,       // a word the program does not know: the usage on standard error, exit status 2
};

// The words the program was started with, split into the options the desktop layer reads itself and the
// words the system sees (its command line: "/NEW", "-DEV", host parameters NAME=VALUE).
struct CommandLineWords {
    QStringList words;    // in order, without the options below
    QString dataDir;      // from "--data-dir DIR" or "--data-dir=DIR"; empty when not given
    QString resultsDir;   // from "--results-dir DIR" or "--results-dir=DIR"; empty when not given
    QStringList problems; // one diagnostic line per option given wrongly
    ProgramCommand command = ProgramCommand::Test;
    QString wrongWord; // the first word that makes the command line Wrong

    // The system's command line: the words joined by blanks.
    QString text() const { return words.join(QLatin1Char(' ')); }
};

// arguments: without the program's own name.
CommandLineWords splitCommandLine(const QStringList& arguments);

// The short German usage that "--help" prints.
QString usageText();

// The value of the word NAME=VALUE (NAME compared without regard to case); defaultValue when no word names
// it. The first such word wins.
QString parameterValue(const QStringList& words, const QString& name, const QString& defaultValue);
