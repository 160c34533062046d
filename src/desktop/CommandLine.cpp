#include "desktop/CommandLine.h"

namespace {

// The options that take a folder, and where each keeps it.
struct FolderOption {
    QString name;
    QString CommandLineWords::*value;
};

const FolderOption folderOptions[] = {
    {QStringLiteral("--data-dir"), &CommandLineWords::dataDir},
    {QStringLiteral("--results-dir"), &CommandLineWords::resultsDir},
};

const QString helpOption = QStringLiteral("--help");

// The commands that stand first, with how many words (a file or folder) may follow them.
struct CommandWord {
    QString word;
    ProgramCommand command;
    qsizetype mostFollowing;
};

const CommandWord commandWords[] = {
    {QStringLiteral("--check"), ProgramCommand::Check, 1},
    {QStringLiteral("--results"), ProgramCommand::Results, 1},
    {QStringLiteral("--results-view"), ProgramCommand::ResultsView, 1},
    {QStringLiteral("--edit"), ProgramCommand::Edit, 1},
    {QStringLiteral("--version"), ProgramCommand::Version, 0},
};

// The words a test run understands: "/NEW" (capitals only), "-DEV" (any case), "DIFFICULTY=N".
bool isTestWord(const QString& word)
{
    return word == QLatin1String("/NEW") || word.compare(QLatin1String("-DEV"), Qt::CaseInsensitive) == 0 ||
           word.startsWith(QLatin1String("DIFFICULTY="), Qt::CaseInsensitive);
}

// Which command the words ask for; the first word that does not belong makes them Wrong.
void findCommand(CommandLineWords& line)
{
    if (line.words.contains(helpOption)) {
        line.command = ProgramCommand::Help;
        return;
    }
    const QString first = line.words.value(0);
    for (const CommandWord& command : commandWords) {
        if (first != command.word)
            continue;
        line.command = command.command;
        for (qsizetype i = 1; i < line.words.size(); ++i)
            if (i > command.mostFollowing || line.words[i].startsWith(QLatin1Char('-'))) {
                line.command = ProgramCommand::Wrong;
                line.wrongWord = line.words[i];
                return;
            }
        return;
    }
    for (const QString& word : line.words)
        if (!isTestWord(word)) {
            line.command = ProgramCommand::Wrong;
            line.wrongWord = word;
            return;
        }
}

} // namespace

CommandLineWords splitCommandLine(const QStringList& arguments)
{
    CommandLineWords result;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        bool taken = false;
        for (const FolderOption& option : folderOptions) {
            if (word == option.name) {
                if (i + 1 < arguments.size())
                    result.*option.value = arguments[++i];
                else
                    result.problems << QStringLiteral("%1 needs a folder after it; ignored").arg(option.name);
                taken = true;
            } else if (word.startsWith(option.name + QLatin1Char('='))) {
                result.*option.value = word.mid(option.name.size() + 1);
                taken = true;
            }
        }
        if (!taken)
            result.words << word;
    }
    findCommand(result);
    return result;
}

QString usageText()
{
    return QStringLiteral(
        "Aufruf: koltest [/NEW] [-DEV] [DIFFICULTY=N] [--data-dir ORDNER] [--results-dir ORDNER]\n"
        "        koltest [--data-dir ORDNER] --check [DATEI]\n"
        "        koltest [--results-dir ORDNER] --results [ORDNER]\n"
        "        koltest [--results-dir ORDNER] --results-view [ORDNER]\n"
        "        koltest [--data-dir ORDNER] --edit [DATEI]\n"
        "        koltest --version | --help\n"
        "\n"
        "Ohne Befehl startet der Chemietest im Fenster.\n"
        "  /NEW                    auch starten, wenn das Programm schon läuft\n"
        "  -DEV                    Fenster schließen ohne Rückfrage\n"
        "  DIFFICULTY=N            Schwierigkeitsgrad festlegen: 0 normal, 1 Experte\n"
        "  --data-dir ORDNER       Aufgabenkatalog aus ORDNER lesen\n"
        "  --results-dir ORDNER    Ergebnisse nach ORDNER schreiben\n"
        "  --check [DATEI]         Aufgabenkatalog prüfen\n"
        "  --results [ORDNER]      Übersicht der Klasse zeigen, Tabellen koltest-ergebnisse.csv und\n"
        "                          koltest-aufgaben.csv schreiben\n"
        "  --results-view [ORDNER] Ergebnisse der Klasse im Fenster ansehen\n"
        "  --edit [DATEI]          Aufgabenkatalog im Fenster bearbeiten\n"
        "  --version               Version ausgeben\n"
        "  --help                  diese Hilfe ausgeben\n"
        "\n"
        "Mehr in der Handbuchseite: man koltest\n");
}

QString parameterValue(const QStringList& words, const QString& name, const QString& defaultValue)
{
    const QString prefix = name + QLatin1Char('=');
    for (const QString& word : words)
        if (word.startsWith(prefix, Qt::CaseInsensitive))
            return word.mid(prefix.size());
    return defaultValue;
}
