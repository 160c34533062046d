#include "components/SystemErrors.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

QString germanSystemError(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT:
        return QStringLiteral("Unter diesem Namen gibt es nichts.");
    case EACCES:
        return QStringLiteral("Keine Berechtigung: Die Rechte erlauben diesen Zugriff nicht, oder ein Ordner "
                              "auf dem Weg dorthin darf nicht geöffnet werden.");
    case EPERM:
        return QStringLiteral("Das System erlaubt diesen Zugriff nicht.");
    case ELOOP:
        return QStringLiteral("Der Name führt über zu viele symbolische Verknüpfungen, vermutlich über eine "
                              "Schleife.");
    case ENAMETOOLONG:
        return QStringLiteral("Der Name ist länger, als das System erlaubt.");
    case ENOTDIR:
        return QStringLiteral("Ein Teil des Weges dorthin ist kein Ordner.");
    case EISDIR:
        return QStringLiteral("Das ist ein Ordner, keine Datei.");
    case EIO:
        return QStringLiteral("Der Datenträger meldet einen Ein-/Ausgabefehler.");
    case ENXIO:
    case ENODEV:
        return QStringLiteral("Das Gerät dahinter ist nicht erreichbar.");
    case ENOSPC:
        return QStringLiteral("Kein Speicherplatz mehr auf dem Datenträger.");
    case EFBIG:
        return QStringLiteral("Die Datei ist zu groß für den Datenträger.");
    case EEXIST:
        return QStringLiteral("Eine Datei dieses Namens gibt es schon.");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("Die Datei wird gerade benutzt.");
    case EDQUOT:
        return QStringLiteral("Das Speicherkontingent auf dem Datenträger ist erschöpft.");
    case EROFS:
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Es sind zu viele Dateien gleichzeitig geöffnet.");
    case ENOMEM:
        return QStringLiteral("Der Arbeitsspeicher reicht nicht.");
    case ESTALE:
    case ENOTCONN:
    case EHOSTDOWN:
    case ETIMEDOUT:
        return QStringLiteral("Die Netzwerkfreigabe ist nicht erreichbar.");
    default:
        return QStringLiteral("Das System meldet den Fehler %1 (%2).")
            .arg(errorNumber)
            .arg(systemErrorText(errorNumber));
    }
}

QString germanPathError(const QString& path, int errorNumber)
{
    QString sentence = germanSystemError(errorNumber);
    if (errorNumber == ENOENT && path.contains(QChar::ReplacementCharacter))
        sentence += QStringLiteral(" Der Name enthält Bytes, die kein gültiges UTF-8 sind; so lässt er sich "
                                   "nicht wiederfinden.");
    return sentence;
}

QString systemErrorText(int errorNumber)
{
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

QString germanFileKind(mode_t mode)
{
    const char* kind = S_ISLNK(mode)                    ? "eine symbolische Verknüpfung"
                       : S_ISDIR(mode)                  ? "ein Ordner"
                       : S_ISFIFO(mode)                 ? "eine benannte Pipe (FIFO)"
                       : S_ISCHR(mode) || S_ISBLK(mode) ? "ein Gerät"
                       : S_ISSOCK(mode)                 ? "ein Socket"
                                                        : "eine besondere Datei";
    return QString::fromUtf8(kind);
}
