#include "desktop/FolderSettings.h"

#include <QDir>
#include <QFileInfo>

namespace {

FolderSetting settingOf(const QSettings& settings, const QString& key)
{
    // A comma in an unquoted INI value makes a list of it; a folder name may hold commas.
    const QVariant raw = settings.value(QStringLiteral("Ordner/") + key);
    const QString value =
        (raw.typeId() == QMetaType::QStringList ? raw.toStringList().join(QLatin1Char(',')) : raw.toString())
            .trimmed();
    if (value.isEmpty())
        return {QString(), settings.fileName()};
    return {QFileInfo(settings.fileName()).dir().absoluteFilePath(value), settings.fileName()};
}

} // namespace

FolderSettings readFolderSettings(QSettings::Scope scope)
{
    // Qt names an INI file of a scope "koltest.ini"; the program's file beside it is "koltest.conf".
    const QSettings scoped(QSettings::IniFormat, scope, QStringLiteral("koltest"), QStringLiteral("koltest"));
    const QSettings settings(QFileInfo(scoped.fileName()).dir().filePath(QStringLiteral("koltest.conf")),
                             QSettings::IniFormat);
    return {settingOf(settings, QStringLiteral("Katalog")),
            settingOf(settings, QStringLiteral("Ergebnisse"))};
}
