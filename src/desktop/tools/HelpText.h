#pragma once

#include <QString>

// The help page as it is shipped in the data folder: HTML that a teacher may edit. Wherever the page
// holds the marker below, the running program's version stands.
inline const QString HelpFileName = QStringLiteral("hilfe.html");
inline const QString VersionMarker = QStringLiteral("{{VERSION}}");

struct HelpPage {
    QString html;
    QString error; // German: why the file could not be read (components/RegularFile.h); empty when it was
};

// Reads the page (UTF-8) from the file and puts the version in for its marker.
HelpPage readHelpPage(const QString& path, const QString& version);
