#pragma once

#include <QDate>
#include <QString>

// The file name proposed for a certificate saved as PDF: "Zeugnis <name> <yyyy-mm-dd>.pdf". Characters
// that a file system or a shared folder would refuse or misread (path separators, : * ? " < > |, control
// characters) become "_", the name cannot start with a dot, and a very long name is cut.
QString certificateFileName(const QString& pupilName, const QDate& date);
