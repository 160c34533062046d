#include "desktop/tools/HelpText.h"

#include "components/RegularFile.h"

namespace {

// The shipped page is a few kilobytes; a teacher's own may hold more, but never this much.
constexpr qint64 LargestHelpPage = 1024 * 1024;

} // namespace

HelpPage readHelpPage(const QString& path, const QString& version)
{
    const FileContent file = readRegularFile(path, LargestHelpPage);
    if (!file.bytes)
        return {{}, file.problem};
    QString html = QString::fromUtf8(*file.bytes);
    html.replace(VersionMarker, version.toHtmlEscaped());
    return {html, {}};
}
