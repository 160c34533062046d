#pragma once

#include "desktop/results/RecordFiles.h"

#include <QFileSystemWatcher>
#include <QTimer>
#include <QWidget>

class QChartView;
class QComboBox;
class QDateEdit;
class QLabel;
class QPlainTextEdit;
class QTableWidget;

// The teacher's window over a results folder: the class table, filtered by date and level, the grade
// distribution and the share right per category as bar charts, the weakest tasks, and the runs of the
// selected pupil with the tasks they got wrong. It follows the folder while a class takes the test: a
// change that the system reports is read a moment later, and a slow rescan catches shares that report none.
class ResultsViewWindow : public QWidget {
public:
    explicit ResultsViewWindow(const QString& folder, QWidget* parent = nullptr);

    // Writes the overview as it is shown, charts included, as a PDF on A4. Returns a German message when it
    // was not written, else the empty text.
    QString savePdf(const QString& path) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget& buildFilters();
    QWidget& buildCharts();
    void follow();
    void showFolder();
    void showClass();
    void showPupilTable(const QList<PupilSummary>& pupils);
    void showCharts(const QList<PupilSummary>& pupils);
    void showWeakestTasks();
    void showSelectedPupil();
    void saveTables();
    void askAndSavePdf();

    QString m_folder;
    FolderFollower m_follower;
    QLabel* m_status = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QComboBox* m_level = nullptr;
    QTableWidget* m_pupils = nullptr;
    QChartView* m_gradeChart = nullptr;
    QChartView* m_categoryChart = nullptr;
    QTableWidget* m_tasks = nullptr;
    QPlainTextEdit* m_pupilRuns = nullptr;
    QFileSystemWatcher m_watcher;
    QTimer m_changeDelay; // a new record is a temporary file and a rename: read once both are done
    QTimer m_rescan;      // for shares that report no changes
};

// "koltest --results-view [DIR]": the window over DIR, else over the folder the results go to.
int runResultsView(const QString& folder);
