#pragma once

#include "results/certificate/CertificateFill.h"

class QPrinter;

// Where a filled certificate goes, without any dialog. Each returns a German message for the user when
// the certificate could not be made, else the empty text; the exact cause goes to standard error.

// Prints on a printer chosen and set up before (its paper set up by setUpCertificatePaper).
QString printCertificate(QPrinter& printer, const CertificatePage& page);

// Writes the certificate as a PDF file. The file appears complete or not at all: an existing file is
// replaced only when the whole new one was written, and a link, folder or other special file of that name
// never.
QString saveCertificatePdf(const CertificatePage& page, const QString& path);
