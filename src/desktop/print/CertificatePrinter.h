#pragma once

#include "components/Services.h"

class DesktopWindows;
class QWidget;
struct CertificatePage;

// "Diplom drucken": fills the certificate form for the current pupil and lets the user print it on a
// printer or save it as a PDF file. Every failure (form missing or broken, no printer, a file that cannot
// be written) ends in a German message and a line on standard error; a cancelled dialog ends quietly.
class CertificatePrinter {
public:
    CertificatePrinter(FolderService& folders, const UserService& user, const DesktopWindows& windows)
        : m_folders(folders), m_user(user), m_windows(windows)
    {
    }

    void PrintForm(const QString& body, const PrintFields& fields);

private:
    void print(const CertificatePage& page, QWidget* parent);
    void savePdf(const CertificatePage& page, QWidget* parent);

    FolderService& m_folders;
    const UserService& m_user;
    const DesktopWindows& m_windows;
};
