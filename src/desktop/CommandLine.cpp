#include "desktop/CommandLine.h"

namespace {

const QString dataDirOption = QStringLiteral("--data-dir");

} // namespace

CommandLineWords splitCommandLine(const QStringList& arguments)
{
    CommandLineWords result;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if (word == dataDirOption) {
            if (i + 1 < arguments.size())
                result.dataDir = arguments[++i];
            else
                result.problems << QStringLiteral("%1 needs a folder after it; ignored").arg(dataDirOption);
        } else if (word.startsWith(dataDirOption + QLatin1Char('='))) {
            result.dataDir = word.mid(dataDirOption.size() + 1);
        } else {
            result.words << word;
        }
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
