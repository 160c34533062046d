#include "components/FileErrorText.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iterator>

namespace {

struct ErrorText {
    int error;
    const char* text;
};

constexpr ErrorText errorTexts[] = {
    {ENOSPC, "Kein Speicherplatz mehr auf dem Datenträger"},
    {EDQUOT, "Das Speicherkontingent (Quota) ist erschöpft"},
    {EFBIG, "Die Datei ist zu groß für den Datenträger"},
    {EACCES, "Keine Berechtigung für diesen Ordner oder diese Datei"},
    {EPERM, "Keine Berechtigung für diesen Ordner oder diese Datei"},
    {EROFS, "Der Datenträger ist schreibgeschützt"},
    {EIO, "Lese- oder Schreibfehler des Datenträgers"},
    {ENOENT, "Der Ordner existiert nicht"},
    {ENOTDIR, "Ein Teil des Pfades ist kein Ordner"},
    {EISDIR, "Unter diesem Namen steht ein Ordner"},
    {ELOOP, "Der Pfad enthält zu viele symbolische Verknüpfungen"},
    {ENAMETOOLONG, "Der Name ist zu lang"},
    {EMFILE, "Zu viele offene Dateien"},
    {ENFILE, "Zu viele offene Dateien"},
    {ENOMEM, "Nicht genug Arbeitsspeicher"},
    {EEXIST, "Eine Datei dieses Namens gibt es schon"},
    {EBUSY, "Die Datei wird gerade benutzt"},
    {ETXTBSY, "Die Datei wird gerade benutzt"},
    {ESTALE, "Die Netzwerkfreigabe ist nicht mehr erreichbar"},
    {ENOTCONN, "Die Netzwerkfreigabe ist nicht mehr erreichbar"},
    {ETIMEDOUT, "Die Netzwerkfreigabe antwortet nicht"},
};

} // namespace

QString fileErrorText(int error)
{
    const auto known = std::find_if(std::begin(errorTexts), std::end(errorTexts),
                                    [error](const ErrorText& entry) { return entry.error == error; });
    if (known != std::end(errorTexts))
        return QString::fromUtf8(known->text);
    return QStringLiteral("Systemfehler %1 (%2)")
        .arg(error)
        .arg(QString::fromLocal8Bit(std::strerror(error)));
}
