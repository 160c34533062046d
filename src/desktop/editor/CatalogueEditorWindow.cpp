#include "desktop/editor/CatalogueEditorWindow.h"

#include "catalogue/SectionChecks.h"
#include "desktop/editor/CataloguePreview.h"
#include "desktop/editor/CatalogueTree.h"
#include "desktop/editor/CatalogueTrial.h"
#include "desktop/editor/RecordFormView.h"
#include "desktop/view/DialogScaling.h"
#include "desktop/view/WidgetScaling.h"
#include "editing/RecordForm.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMessageBox>
#include <QScrollArea>
#include <QSplitter>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int DesignIndentation = 20; // of the tree's levels
constexpr int RecheckDelayMs = 300;

QString partName(CataloguePart part)
{
    return part == CataloguePart::Beginner ? QStringLiteral("Anfängerteil") : QStringLiteral("Expertenteil");
}

CataloguePart otherPart(CataloguePart part)
{
    return part == CataloguePart::Beginner ? CataloguePart::Expert : CataloguePart::Beginner;
}

// The record that takes a deleted record's place in the tree: the next one of its part, else the one before.
int neighbourOf(const CatalogueDocument& document, int id)
{
    const QList<int> ids = document.records(document.sectionOf(id), document.partOf(id));
    const qsizetype at = ids.indexOf(id);
    if (at + 1 < ids.size())
        return ids[at + 1];
    return at > 0 ? ids[at - 1] : 0;
}

// Each record's section, part and fields, to find the record an undo or redo changed.
QMap<int, QStringList> recordStates(const CatalogueDocument& document)
{
    QMap<int, QStringList> states;
    for (Section section : allSections)
        for (CataloguePart part : {CataloguePart::Beginner, CataloguePart::Expert})
            for (int id : document.records(section, part))
                states[id] = document.fields(id)
                             << QString::number(sectionNumber(section) * 2 + static_cast<int>(part));
    return states;
}

bool isUndoOrRedo(const QKeyEvent& key)
{
    return key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo) ||
           key.keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
}

} // namespace

CatalogueEditorWindow::CatalogueEditorWindow(CatalogueDocument document, EditedFile file, QWidget* parent)
    : QMainWindow(parent), m_document(std::move(document)), m_file(std::move(file))
{
    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(buildLeft());
    splitter->addWidget(buildRight());
    splitter->setSizes({1000, 2000});
    setCentralWidget(splitter);
    buildActions();
    resize(TeacherWindowWidth, TeacherWindowHeight);
    // The document's undo wins over the undo of the line being typed in.
    qApp->installEventFilter(this);
    // The check runs over the whole file: while the teacher types, once a short pause shows the word is done.
    m_recheck.setSingleShot(true);
    m_recheck.setInterval(RecheckDelayMs);
    connect(&m_recheck, &QTimer::timeout, this, [this] {
        m_findings = findRecordProblems(m_document);
        m_form->refresh(m_document, m_findings);
        showFindings();
    });
    m_findings = findRecordProblems(m_document);
    showDocument(0);
}

QWidget* CatalogueEditorWindow::buildLeft()
{
    auto* left = new QWidget;
    auto* layout = new QVBoxLayout(left);
    m_search = new QLineEdit;
    m_search->setPlaceholderText(QStringLiteral("Suchen in allen Aufgaben …"));
    m_search->setClearButtonEnabled(true);
    m_tree = new CatalogueTree;
    layout->addWidget(m_search);
    layout->addWidget(m_tree, 1);
    connect(m_search, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_tree->setSearch(m_document, text); });
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, [this] { showSelected(); });
    return left;
}

QWidget* CatalogueEditorWindow::buildRight()
{
    auto* right = new QSplitter(Qt::Vertical);
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    m_form = new RecordFormView;
    m_form->setOnEdited([this](int field, const QString& text) { fieldEdited(field, text); });
    scroll->setWidget(m_form);
    auto* findings = new QWidget;
    auto* layout = new QVBoxLayout(findings);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Befunde der Prüfung (anklicken springt zur Aufgabe):")));
    m_findingList = new QListWidget;
    m_findingList->setObjectName(QStringLiteral("findings"));
    m_findingList->setWordWrap(true);
    layout->addWidget(m_findingList);
    connect(m_findingList, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int id = item->data(Qt::UserRole).toInt();
        if (id == 0)
            return;
        m_search->clear();
        selectRecord(id);
    });
    right->addWidget(scroll);
    right->addWidget(findings);
    right->setSizes({3000, 1000});
    return right;
}

void CatalogueEditorWindow::buildActions()
{
    // Two rows, so that every command shows also on a small screen: the records, then the catalogue.
    QToolBar* bar = nullptr;
    const auto newRow = [this, &bar](const QString& name) {
        bar = addToolBar(name);
        bar->setMovable(false);
        bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    };
    newRow(QStringLiteral("Aufgaben"));
    const auto add = [this, &bar](const QString& text, const std::function<void()>& run,
                                  const QList<QKeySequence>& keys = {}) {
        auto* action = new QAction(text, this);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, run);
        bar->addAction(action);
        addAction(action);
        return action;
    };
    add(QStringLiteral("Neu"), [this] { addRecord(); }, {QKeySequence::New});
    m_recordActions << add(QStringLiteral("Duplizieren"), [this] {
        changeSelected([this](int id) { showDocument(m_document.duplicateRecord(id)); });
    });
    m_recordActions << add(QStringLiteral("Löschen"), [this] {
        changeSelected([this](int id) {
            const int next = neighbourOf(m_document, id);
            m_document.deleteRecord(id);
            showDocument(next);
        });
    });
    m_recordActions << add(QStringLiteral("Nach oben"), [this] {
        changeSelected([this](int id) {
            m_document.moveBy(id, -1);
            showDocument(id);
        });
    });
    m_recordActions << add(QStringLiteral("Nach unten"), [this] {
        changeSelected([this](int id) {
            m_document.moveBy(id, +1);
            showDocument(id);
        });
    });
    m_toOtherPart = add(QStringLiteral("In den Expertenteil"), [this] {
        changeSelected([this](int id) {
            m_document.moveToPart(id, otherPart(m_document.partOf(id)));
            showDocument(id);
        });
    });
    m_recordActions << m_toOtherPart;
    addToolBarBreak();
    newRow(QStringLiteral("Katalog"));
    m_undo = add(QStringLiteral("Rückgängig"), [this] { stepHistory(&CatalogueDocument::undo); },
                 {QKeySequence::Undo});
    m_redo = add(QStringLiteral("Wiederholen"), [this] { stepHistory(&CatalogueDocument::redo); },
                 {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    bar->addSeparator();
    add(QStringLiteral("Speichern"), [this] { save(); }, {QKeySequence::Save});
    add(QStringLiteral("Speichern unter …"), [this] { saveAs(); }, {QKeySequence::SaveAs});
    bar->addSeparator();
    m_recordActions << add(QStringLiteral("Vorschau"), [this] {
        const int id = m_tree->selectedRecord();
        if (m_preview != nullptr)
            m_preview->close();
        m_preview = showRecordPreview(m_document, id, m_file.dataFolder, *this);
    });
    add(QStringLiteral("Als Schüler ausprobieren"),
        [this] { tryAsPupil(m_document.bytes(), m_file.dataFolder, *this); });
}

bool CatalogueEditorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this && isUndoOrRedo(*static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// The selection follows the record the step changed; a step that only took a record away keeps it.
void CatalogueEditorWindow::stepHistory(void (CatalogueDocument::*step)())
{
    const QMap<int, QStringList> before = recordStates(m_document);
    (m_document.*step)();
    const QMap<int, QStringList> after = recordStates(m_document);
    int select = m_tree->selectedRecord();
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        if (before.value(it.key()) != it.value()) {
            select = it.key();
            break;
        }
    showDocument(select);
}

void CatalogueEditorWindow::showDocument(int select)
{
    m_recheck.stop();
    m_findings = findRecordProblems(m_document);
    m_tree->rebuild(m_document);
    m_tree->selectRecord(select);
    // The form shows the document's state, also of the record it showed before.
    m_form->showRecord(m_document, m_tree->selectedRecord());
    showSelected();
    showFindings();
    updateTitle();
}

void CatalogueEditorWindow::selectRecord(int id)
{
    m_tree->selectRecord(id);
}

void CatalogueEditorWindow::showSelected()
{
    const int id = m_tree->selectedRecord();
    if (id != m_form->record())
        m_form->showRecord(m_document, id);
    m_form->refresh(m_document, m_findings);
    updateActions();
}

void CatalogueEditorWindow::fieldEdited(int field, const QString& text)
{
    const int id = m_form->record();
    m_document.setField(id, field, text);
    m_tree->retitle(m_document, id);
    updateTitle();
    updateActions();
    m_recheck.start();
}

void CatalogueEditorWindow::showFindings()
{
    m_findingList->clear();
    for (const RecordFinding& finding : m_findings) {
        QString where;
        if (finding.id != 0) {
            const Section section = m_document.sectionOf(finding.id);
            where = QStringLiteral("%1, %2 – %3")
                        .arg(sectionName(section), partName(m_document.partOf(finding.id)),
                             recordTitle(section, m_document.fields(finding.id)));
            if (finding.field >= 0)
                where += QStringLiteral(", ") + fieldForms(section).value(finding.field).label;
        } else if (finding.problem.line > 0) {
            where = QStringLiteral("Zeile %1").arg(finding.problem.line);
        } else {
            where = QStringLiteral("Datei");
        }
        const bool error = finding.problem.severity == CatalogueProblem::Severity::Error;
        auto* item =
            new QListWidgetItem(QStringLiteral("%1 %2: %3")
                                    .arg(error ? QStringLiteral("Fehler") : QStringLiteral("Hinweis"), where,
                                         finding.problem.message),
                                m_findingList);
        item->setData(Qt::UserRole, finding.id);
        item->setForeground(error ? QColor(0xB0, 0x00, 0x20) : QColor(0x8A, 0x5A, 0x00));
    }
    if (m_findings.isEmpty())
        new QListWidgetItem(QStringLiteral("Keine Fehler gefunden."), m_findingList);
}

void CatalogueEditorWindow::updateActions()
{
    const int id = m_tree->selectedRecord();
    for (QAction* action : std::as_const(m_recordActions))
        action->setEnabled(id != 0);
    if (id != 0) {
        m_toOtherPart->setText(m_document.partOf(id) == CataloguePart::Beginner
                                   ? QStringLiteral("In den Expertenteil")
                                   : QStringLiteral("In den Anfängerteil"));
        m_toOtherPart->setEnabled(hasBeginnerPart(m_document.sectionOf(id)));
    }
    m_undo->setEnabled(m_document.canUndo());
    m_redo->setEnabled(m_document.canRedo());
}

void CatalogueEditorWindow::updateTitle()
{
    QString title = QStringLiteral("Aufgaben bearbeiten – %1[*]").arg(QDir::toNativeSeparators(m_file.path));
    if (m_file.copy)
        title += QStringLiteral(" (Kopie: Speichern fragt nach einem neuen Ort)");
    setWindowTitle(title);
    setWindowModified(m_document.isModified());
}

void CatalogueEditorWindow::addRecord()
{
    const auto place =
        m_tree->selectedPlace().value_or(CatalogueTree::Place{Section::Elements, CataloguePart::Beginner});
    if (!m_document.hasSection(place.section)) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Der Abschnitt „%1“ fehlt in der Datei; ihm lassen sich keine "
                                            "Aufgaben hinzufügen.")
                                 .arg(sectionName(place.section)));
        return;
    }
    showDocument(m_document.addRecord(place.section, place.part, newRecordFields(place.section)));
}

void CatalogueEditorWindow::changeSelected(const std::function<void(int id)>& change)
{
    const int id = m_tree->selectedRecord();
    if (id != 0)
        change(id);
}

void CatalogueEditorWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    scaleToWindow();
}

void CatalogueEditorWindow::scaleToWindow()
{
    const double factor = teacherWindowScale(*this);
    m_form->setScale(factor);
    scaleWidgetTree(*this, factor);
    setDialogScale(*this, factor);
    m_tree->setIndentation(static_cast<int>(DesignIndentation * factor));
}
