#include "desktop/results/ResultsViewWindow.h"

#include "desktop/Diagnostics.h"
#include "desktop/results/RecordFiles.h"
#include "desktop/results/ResultsCommand.h"
#include "desktop/results/ResultsViewCharts.h"
#include "desktop/results/ResultsViewPdf.h"
#include "desktop/view/DialogScaling.h"
#include "desktop/view/WidgetScaling.h"
#include "desktop/view/WindowFrame.h"
#include "results/records/ClassSelection.h"

#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int ChangeDelayMs = 400;
constexpr int RescanMs = 20000;
constexpr qsizetype WeakestShown = 15;
const QDate NoDate(2000, 1, 1); // a date field at this date is not set and shows "beliebig"

// A cell that sorts by a key of its own (a date, a number) while it shows a text.
class SortedCell : public QTableWidgetItem {
public:
    SortedCell(const QString& text, const QVariant& key) : QTableWidgetItem(text)
    {
        setData(Qt::UserRole, key);
    }
    bool operator<(const QTableWidgetItem& other) const override
    {
        return QVariant::compare(data(Qt::UserRole), other.data(Qt::UserRole)) == QPartialOrdering::Less;
    }
};

// A step of 1, 2 or 5 times a power of ten that cuts 0 … most into at most five parts.
int tickStep(int most)
{
    for (int power = 1;; power *= 10)
        for (const int factor : {1, 2, 5})
            if (most <= factor * power * 5)
                return factor * power;
}

QTableWidget& makeTable(const QStringList& headings, QWidget* parent)
{
    auto* table = new QTableWidget(0, static_cast<int>(headings.size()), parent);
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    return *table;
}

// The figures always show whole; the text columns share what is left and give way on a narrow screen
// (their whole text in a tooltip), never to a sideways scroll bar.
void fitColumnsToWidth(QTableWidget& table, const QList<int>& textColumns)
{
    QHeaderView& header = *table.horizontalHeader();
    header.setStretchLastSection(false);
    header.setSectionResizeMode(QHeaderView::ResizeToContents);
    for (const int column : textColumns)
        header.setSectionResizeMode(column, QHeaderView::Stretch);
}

// Rows as tall as the table's text needs, which grows with the window.
void fitRowsToText(QTableWidget& table)
{
    table.verticalHeader()->setDefaultSectionSize(table.fontMetrics().height() * 3 / 2);
}

QDateEdit& makeDateField(QWidget* parent)
{
    auto* field = new QDateEdit(parent);
    field->setCalendarPopup(true);
    field->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    field->setMinimumDate(NoDate);
    field->setSpecialValueText(QStringLiteral("beliebig"));
    field->setDate(NoDate);
    return *field;
}

// The table's texts in the order shown.
OverviewTable shownTable(const QString& heading, const QTableWidget& table)
{
    OverviewTable shown{heading, {}, {}};
    for (int column = 0; column < table.columnCount(); ++column)
        shown.columns << table.horizontalHeaderItem(column)->text().replace(QLatin1Char('\n'),
                                                                            QLatin1Char(' '));
    for (int row = 0; row < table.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table.columnCount(); ++column)
            cells << (table.item(row, column) ? table.item(row, column)->text() : QString());
        shown.rows << cells;
    }
    return shown;
}

QDate chosenDate(const QDateEdit& field)
{
    return field.date() == NoDate ? QDate() : field.date();
}

QString dateText(const QDate& date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

// The level in a word, so that the class table fits a small screen.
QString shortLevelText(bool expert)
{
    return expert ? QStringLiteral("Experte") : QStringLiteral("normal");
}

QString categoryHeading(TaskCategory category)
{
    return QString::fromUtf8(ResultCategories[static_cast<std::size_t>(category)].heading);
}

QString percentText(double share)
{
    return QStringLiteral("%1 %").arg(qRound(share * 100));
}

// One run of a pupil and below it each task they got wrong with their answer.
QString runText(const ResultRecord& run)
{
    QString text =
        QStringLiteral("%1 %2 – %3 – %4 von %5 richtig – Note %6%7\n")
            .arg(dateText(run.date), run.end.toString(QStringLiteral("HH:mm")), levelText(run.expert))
            .arg(run.right)
            .arg(run.asked)
            .arg(run.grade.isEmpty() ? QStringLiteral("–") : run.grade,
                 run.endedEarly ? QStringLiteral(" – vorzeitig beendet") : QString());
    for (const JudgedTask& task : run.tasks)
        if (!task.right())
            text += QStringLiteral("    %1: %2 – eingegeben „%3“, richtig „%4“\n")
                        .arg(categoryHeading(task.category), task.task, task.entered, task.expected);
    return text;
}

} // namespace

ResultsViewWindow::ResultsViewWindow(const QString& folder, QWidget* parent)
    : QWidget(parent), m_folder(folder), m_follower(folder)
{
    setObjectName(QStringLiteral("ResultsView"));
    setWindowTitle(QStringLiteral("Kolbrix Test – Ergebnisse der Klasse"));
    resize(TeacherWindowWidth, TeacherWindowHeight);

    m_status = new QLabel(this);
    m_status->setTextFormat(Qt::PlainText);
    m_pupils = &makeTable({QStringLiteral("Name"), QStringLiteral("Datum"), QStringLiteral("Stufe"),
                           QStringLiteral("Note"), QStringLiteral("Punkte"), QStringLiteral("Läufe"),
                           QStringLiteral("Vorzeitig\nbeendet")},
                          this);
    m_pupils->setObjectName(QStringLiteral("pupils"));
    m_pupils->setSortingEnabled(true);
    m_pupils->sortByColumn(0, Qt::AscendingOrder);
    fitColumnsToWidth(*m_pupils, {0});
    m_tasks =
        &makeTable({QStringLiteral("Bereich"), QStringLiteral("Aufgabe"), QStringLiteral("Anteil richtig"),
                    QStringLiteral("Gestellt"), QStringLiteral("Richtig wäre")},
                   this);
    m_tasks->setObjectName(QStringLiteral("weakestTasks"));
    fitColumnsToWidth(*m_tasks, {1, 4});
    m_pupilRuns = new QPlainTextEdit(this);
    m_pupilRuns->setObjectName(QStringLiteral("pupilRuns"));
    m_pupilRuns->setReadOnly(true);
    m_pupilRuns->setPlaceholderText(QStringLiteral("Einen Namen in der Tabelle wählen: seine Läufe und "
                                                   "falsch beantworteten Aufgaben erscheinen hier."));

    // The class on the left over the weakest tasks and, a tab further, the chosen pupil's runs, each the
    // whole width; the charts the whole height on the right.
    auto* lower = new QTabWidget(this);
    lower->addTab(m_tasks, QStringLiteral("Die schwächsten Aufgaben"));
    lower->addTab(m_pupilRuns, QStringLiteral("Läufe und Fehler"));
    auto* tables = new QSplitter(Qt::Vertical, this);
    tables->addWidget(m_pupils);
    tables->addWidget(lower);
    tables->setSizes({TeacherWindowHeight * 3 / 5, TeacherWindowHeight * 2 / 5});
    auto* parts = new QSplitter(Qt::Horizontal, this);
    parts->addWidget(tables);
    parts->addWidget(&buildCharts());
    parts->setSizes({TeacherWindowWidth * 7 / 10, TeacherWindowWidth * 3 / 10});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(&buildFilters());
    layout->addWidget(parts, 1);
    layout->addWidget(m_status);

    connect(m_pupils, &QTableWidget::itemSelectionChanged, this, [this, lower] {
        showSelectedPupil();
        if (!m_pupils->selectedItems().isEmpty())
            lower->setCurrentWidget(m_pupilRuns);
    });
    m_changeDelay.setSingleShot(true);
    m_changeDelay.setInterval(ChangeDelayMs);
    connect(&m_changeDelay, &QTimer::timeout, this, [this] { follow(); });
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { m_changeDelay.start(); });
    m_rescan.setInterval(RescanMs);
    connect(&m_rescan, &QTimer::timeout, this, [this] { follow(); });
    m_rescan.start();
    m_watcher.addPath(m_folder);
    m_follower.update();
    showFolder();
}

QWidget& ResultsViewWindow::buildFilters()
{
    auto* filters = new QWidget(this);
    auto* row = new QHBoxLayout(filters);
    row->setContentsMargins(0, 0, 0, 0);
    m_from = &makeDateField(filters);
    m_from->setObjectName(QStringLiteral("from"));
    m_to = &makeDateField(filters);
    m_to->setObjectName(QStringLiteral("to"));
    m_level = new QComboBox(filters);
    m_level->setObjectName(QStringLiteral("level"));
    m_level->addItem(QStringLiteral("alle Stufen"));
    m_level->addItem(levelText(false), false);
    m_level->addItem(levelText(true), true);
    row->addWidget(new QLabel(QStringLiteral("Von:"), filters));
    row->addWidget(m_from);
    row->addWidget(new QLabel(QStringLiteral("Bis:"), filters));
    row->addWidget(m_to);
    row->addWidget(new QLabel(QStringLiteral("Stufe:"), filters));
    row->addWidget(m_level);
    row->addStretch(1);
    auto* tables = new QPushButton(QStringLiteral("Tabelle speichern"), filters);
    auto* pdf = new QPushButton(QStringLiteral("Als PDF speichern"), filters);
    row->addWidget(tables);
    row->addWidget(pdf);
    connect(tables, &QPushButton::clicked, this, [this] { saveTables(); });
    connect(pdf, &QPushButton::clicked, this, [this] { askAndSavePdf(); });
    connect(m_from, &QDateEdit::dateChanged, this, [this] { showClass(); });
    connect(m_to, &QDateEdit::dateChanged, this, [this] { showClass(); });
    connect(m_level, &QComboBox::currentIndexChanged, this, [this] { showClass(); });
    return *filters;
}

QWidget& ResultsViewWindow::buildCharts()
{
    auto* charts = new QWidget(this);
    auto* column = new QVBoxLayout(charts);
    column->setContentsMargins(0, 0, 0, 0);
    m_gradeChart =
        makeBarChart(QStringLiteral("gradeChart"), QStringLiteral("Noten"), BarDirection::Upward, charts);
    m_categoryChart = makeBarChart(QStringLiteral("categoryChart"), QStringLiteral("Richtig je Bereich (%)"),
                                   BarDirection::Rightward, charts);
    column->addWidget(m_gradeChart, 2);
    column->addWidget(m_categoryChart, 3);
    return *charts;
}

void ResultsViewWindow::follow()
{
    // A folder that was gone or replaced is watched anew.
    if (!m_watcher.directories().contains(m_folder))
        m_watcher.addPath(m_folder);
    if (m_follower.update())
        showFolder();
}

void ResultsViewWindow::showFolder()
{
    const FolderScan& scan = m_follower.scan();
    QString status = scan.problem;
    if (!status.isEmpty()) {
        writeDiagnostic(status);
    } else {
        status = QStringLiteral("Ergebnisordner: %1 – %2 Läufe")
                     .arg(QDir::toNativeSeparators(m_folder))
                     .arg(scan.results.runs().size());
        if (!scan.skipped.isEmpty())
            status += QStringLiteral(" – %1 Dateien übergangen, die keine Ergebnisse sind")
                          .arg(scan.skipped.size());
    }
    m_status->setText(status);
    showClass();
    showWeakestTasks();
}

void ResultsViewWindow::showClass()
{
    const PupilFilter filter{chosenDate(*m_from), chosenDate(*m_to),
                             m_level->currentData().isValid()
                                 ? std::optional<bool>(m_level->currentData().toBool())
                                 : std::nullopt};
    const QList<PupilSummary> pupils = filteredPupils(m_follower.scan().results.pupils(), filter);
    showPupilTable(pupils);
    showCharts(pupils);
}

void ResultsViewWindow::showPupilTable(const QList<PupilSummary>& pupils)
{
    const QList<QTableWidgetItem*> selected = m_pupils->selectedItems();
    const QString selectedName =
        selected.isEmpty() ? QString() : m_pupils->item(selected[0]->row(), 0)->text();
    // The pupil chosen before stays chosen, and the tab stays as the teacher left it.
    const QSignalBlocker quiet(m_pupils);
    m_pupils->setSortingEnabled(false);
    m_pupils->clearContents();
    m_pupils->setRowCount(static_cast<int>(pupils.size()));
    int row = 0;
    for (const PupilSummary& pupil : pupils) {
        const std::optional<ResultRecord>& run = pupil.latest;
        const QString grade = run ? run->grade : QString();
        // A pupil with only runs ended early has no latest run: "–" as in the text overview.
        const QString none = QStringLiteral("–");
        const QList<QTableWidgetItem*> cells = {
            new SortedCell(pupil.name, pupilKey(pupil.name)),
            new SortedCell(run ? dateText(run->date) : none, run ? run->date.toJulianDay() : 0),
            new SortedCell(run ? shortLevelText(run->expert) : none, run ? int(run->expert) : -1),
            new SortedCell(grade.isEmpty() ? none
                                           : QStringLiteral("%1 (%2)").arg(grade, gradeNumberText(grade)),
                           gradeNumber(grade).value_or(99)),
            new SortedCell(run ? QStringLiteral("%1 von %2").arg(run->right).arg(run->asked) : none,
                           run ? run->right : -1),
            new SortedCell(QString::number(pupil.runs), pupil.runs),
            new SortedCell(pupil.endedEarly > 0 ? QString::number(pupil.endedEarly) : QString(),
                           pupil.endedEarly),
        };
        cells[0]->setToolTip(pupil.name);
        for (int column = 0; column < cells.size(); ++column)
            m_pupils->setItem(row, column, cells[column]);
        if (pupil.name == selectedName)
            m_pupils->selectRow(row);
        ++row;
    }
    m_pupils->setSortingEnabled(true);
    showSelectedPupil();
}

void ResultsViewWindow::showCharts(const QList<PupilSummary>& pupils)
{
    const std::array<int, GradeBandCount> grades = gradeDistribution(pupils);
    QStringList gradeLabels;
    QList<qreal> gradeCounts;
    for (int index = 0; index < GradeBandCount; ++index) {
        gradeLabels << distributionGrade(index);
        gradeCounts << grades[static_cast<std::size_t>(index)];
    }
    const int most = *std::max_element(grades.begin(), grades.end());
    const int step = tickStep(most);
    setBars(*m_gradeChart, gradeLabels, gradeCounts, std::max(1, (most + step - 1) / step) * step, step);

    const std::array<CategoryScore, ResultCategoryCount> scores = latestRunScores(pupils);
    QStringList categoryLabels;
    QList<qreal> shares;
    for (std::size_t i = 0; i < scores.size(); ++i) {
        categoryLabels << QString::fromUtf8(ResultCategories[i].heading);
        shares << (scores[i].asked > 0 ? qRound(100.0 * scores[i].right / scores[i].asked) : 0);
    }
    setBars(*m_categoryChart, categoryLabels, shares, 100, 25);
}

void ResultsViewWindow::showWeakestTasks()
{
    const QList<TaskSummary> tasks = weakestTasks(m_follower.scan().results.taskAnalysis(), WeakestShown);
    m_tasks->clearContents();
    m_tasks->setRowCount(static_cast<int>(tasks.size()));
    for (int row = 0; row < tasks.size(); ++row) {
        const TaskSummary& task = tasks[row];
        const QStringList texts = {categoryHeading(task.category), task.task, percentText(task.shareRight()),
                                   QString::number(task.asked), task.expected};
        for (int column = 0; column < texts.size(); ++column) {
            auto* cell = new QTableWidgetItem(texts[column]);
            cell->setToolTip(texts[column]);
            m_tasks->setItem(row, column, cell);
        }
    }
}

void ResultsViewWindow::showSelectedPupil()
{
    const QList<QTableWidgetItem*> selected = m_pupils->selectedItems();
    if (selected.isEmpty()) {
        m_pupilRuns->clear();
        return;
    }
    const QString name = m_pupils->item(selected[0]->row(), 0)->text();
    QString text = name + QLatin1Char('\n');
    for (const ResultRecord& run : m_follower.scan().results.runsOf(name))
        text += runText(run);
    m_pupilRuns->setPlainText(text);
}

void ResultsViewWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const double factor = teacherWindowScale(*this);
    scaleWidgetTree(*this, factor);
    setDialogScale(*this, factor);
    setChartFont(*m_gradeChart, m_gradeChart->font());
    setChartFont(*m_categoryChart, m_categoryChart->font());
    fitRowsToText(*m_pupils);
    fitRowsToText(*m_tasks);
}

void ResultsViewWindow::saveTables()
{
    const QString folder =
        QFileDialog::getExistingDirectory(this, QStringLiteral("Tabellen speichern in"), m_folder);
    if (folder.isEmpty())
        return;
    QStringList problems;
    QStringList written;
    for (const TableWrite& table : writeResultsTables(folder, m_follower.scan().results)) {
        if (table.problem.isEmpty())
            written << table.path;
        else
            problems << table.problem;
    }
    if (problems.isEmpty())
        QMessageBox::information(this, windowTitle(),
                                 QStringLiteral("Gespeichert:\n") + written.join(QLatin1Char('\n')));
    else
        QMessageBox::warning(this, windowTitle(), problems.join(QLatin1Char('\n')));
}

QString ResultsViewWindow::savePdf(const QString& path) const
{
    const QString level = m_level->currentText();
    const QString from = chosenDate(*m_from).isValid() ? dateText(chosenDate(*m_from)) : QStringLiteral("…");
    const QString to = chosenDate(*m_to).isValid() ? dateText(chosenDate(*m_to)) : QStringLiteral("…");
    const ResultsOverview overview{
        QStringLiteral("Ergebnisse der Klasse"),
        {QStringLiteral("Ergebnisordner: %1").arg(QDir::toNativeSeparators(m_folder)),
         QStringLiteral("Stand: %1")
             .arg(QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"))),
         QStringLiteral("Zeitraum: %1 bis %2 – Stufe: %3").arg(from, to, level)},
        {m_gradeChart, m_categoryChart},
        {shownTable(QStringLiteral("Klasse"), *m_pupils),
         shownTable(QStringLiteral("Die schwächsten Aufgaben"), *m_tasks)}};
    return saveResultsPdf(overview, path);
}

void ResultsViewWindow::askAndSavePdf()
{
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Als PDF speichern"),
        QDir::home().filePath(QStringLiteral("koltest-uebersicht.pdf")), QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    const QString problem = savePdf(path);
    if (problem.isEmpty())
        QMessageBox::information(this, windowTitle(),
                                 QStringLiteral("Gespeichert: %1").arg(QDir::toNativeSeparators(path)));
    else
        QMessageBox::warning(this, windowTitle(), problem);
}

int runResultsView(const QString& folder)
{
    ResultsViewWindow window(folder);
    // Like the test's window, so that it reads on a whiteboard.
    showFillingTheScreen(window);
    return QApplication::exec();
}
