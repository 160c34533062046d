#include "desktop/results/ResultStore.h"

#include "desktop/Diagnostics.h"
#include "desktop/results/RecordFiles.h"
#include "results/records/ResultRecord.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

QString ResultStore::prepareFolder() const
{
    if (m_folder.folder.isEmpty())
        return QStringLiteral("no results folder is known (no home folder)");
    if (QFileInfo(m_folder.folder).isDir())
        return QString();
    // Only the standard folder is made; a folder the teacher named is never replaced by another.
    if (m_folder.standard && QDir().mkpath(m_folder.folder))
        return QString();
    return m_folder.standard ? QStringLiteral("cannot create the folder")
                             : QStringLiteral("the folder does not exist");
}

void ResultStore::store(double right, double asked, const PrintFields& fields)
{
    QString problem = prepareFolder();
    if (problem.isEmpty()) {
        const ResultRecord record =
            recordFromReport(right, asked, fields, m_user.UserName(), QDateTime::currentDateTime());
        problem = writeNewRecord(m_folder.folder, recordText(record)).problem;
    }
    if (problem.isEmpty())
        return;
    writeDiagnostic(QStringLiteral("result record not stored in %1: %2").arg(m_folder.folder, problem));
    m_notices.ShowNotice(
        QStringLiteral("Dein Ergebnis konnte nicht im Ordner „%1“ gespeichert werden.\n"
                       "Bitte sag deiner Lehrerin oder deinem Lehrer Bescheid. Dein Test und "
                       "deine Urkunde gelten trotzdem.")
            .arg(m_folder.folder),
        QString());
}
