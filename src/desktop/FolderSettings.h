#pragma once

#include "desktop/DataFolder.h"

#include <QSettings>

// The folders a school sets once, in section [Ordner] of a settings file (organisation and application
// "koltest", INI format): the system's /etc/xdg/koltest/koltest.conf or the user's
// ~/.config/koltest/koltest.conf. A relative folder counts from the settings file's own folder.
struct FolderSettings {
    FolderSetting catalogue; // key Katalog: the folder of koltest.dat
    FolderSetting results;   // key Ergebnisse: the results folder
};

// The settings of one scope only (the user's do not fall back to the system's here). The folder of a scope
// is QSettings' folder for INI files (QSettings::setPath moves it).
FolderSettings readFolderSettings(QSettings::Scope scope);
