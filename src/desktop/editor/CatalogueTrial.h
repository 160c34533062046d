#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class QObject;
class QWidget;

// The files a data folder holds beside the catalogue: the help page and the certificate form.
QStringList trialCompanionFiles();

// A private temporary data folder with the edited catalogue and copies of the companion files from
// dataFolder, and a private results folder beside it; both are removed with owner, or stay in the temporary
// folder without one. Returns the folders, or nothing with a German reason in problem.
struct TrialFolders {
    QString data;
    QString results;
};
std::optional<TrialFolders> makeTrialFolders(const QByteArray& catalogue, const QString& dataFolder,
                                             QObject* owner, QString& problem);

// Starts the program itself as a separate test over the edited catalogue, with its records in a private
// folder, never among the class's; both folders stay in the temporary folder for the trial to use as long
// as it runs. Tells the teacher when it cannot start.
void tryAsPupil(const QByteArray& catalogue, const QString& dataFolder, QWidget& window);
