#include "desktop/services/AppInfo.h"

#include <QCoreApplication>

namespace {

QString& titleStore()
{
    static QString title;
    return title;
}

} // namespace

QString programTitle()
{
    return titleStore();
}

void DesktopAppDescription::SetShortName(const QString& text)
{
    QCoreApplication::setApplicationName(text);
}

// Kept apart from Qt's application display name, which window systems would append to every caption.
void DesktopAppDescription::SetTitle(const QString& text)
{
    titleStore() = text;
}

void DesktopAppDescription::SetVersion(const QString& text)
{
    QCoreApplication::setApplicationVersion(text);
}
