#pragma once

#include "results/certificate/CertificateForm.h"

#include <QStringList>

#include <optional>

class PrintFields;

// The form file named by the field "FILE", read from the data folder and checked.
struct FormFileReading {
    QString path;
    std::optional<CertificateForm> form; // present only when the file was read without a finding
    QString message;                     // German, for the user, when there is no form
    QStringList diagnostics;             // "PATH:LINE: error: TEXT" lines for standard error
};

// The field "FILE" must be a bare file name: a name with a folder in it would let the certificate read a
// file from anywhere, so it is refused. Anything but a regular file of at most 256 KiB is refused as well
// (components/RegularFile.h).
FormFileReading readFormFile(const QString& dataFolder, const PrintFields& fields);
