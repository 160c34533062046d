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
    return result;
}

QString parameterValue(const QStringList& words, const QString& name, const QString& defaultValue)
{
    const QString prefix = name + QLatin1Char('=');
    for (const QString& word : words)
        if (word.startsWith(prefix, Qt::CaseInsensitive))
            return word.mid(prefix.size());
    return defaultValue;
}
