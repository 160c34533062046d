#pragma once

#include "editing/CatalogueDocument.h"
#include "editing/RecordFindings.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

class CatalogueTree;
class QAction;
class QLineEdit;
class QListWidget;
class RecordFormView;

// Where the edited catalogue came from.
struct EditedFile {
    QString path;
    // The file cannot be written or belongs to the installation: "Speichern" asks for another place.
    bool copy = false;
    // The folder with the help page and the certificate form that a trial run needs beside the catalogue.
    QString dataFolder;
};

// The teacher's window over a catalogue: the sections and their records on the left with a search, the
// selected record as a form on the right, the check's findings below, and the commands that change,
// save, preview and try the catalogue. Every change goes into the document at once; the window only
// shows it.
class CatalogueEditorWindow final : public QMainWindow {
public:
    CatalogueEditorWindow(CatalogueDocument document, EditedFile file, QWidget* parent = nullptr);

    const CatalogueDocument& document() const { return m_document; }
    // Saves where the file lives (a copy: asks for a place first). Returns whether it was saved.
    bool save();
    void selectRecord(int id);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildActions();
    QWidget* buildLeft();
    QWidget* buildRight();
    // After a change of the document's structure or an undo: tree, form and findings anew.
    void showDocument(int select);
    void stepHistory(void (CatalogueDocument::*step)());
    void showSelected();
    void fieldEdited(int field, const QString& text);
    void showFindings();
    void updateActions();
    void updateTitle();
    void addRecord();
    void changeSelected(const std::function<void(int id)>& change);
    bool saveAs();
    bool saveTo(const QString& path);
    bool maySave();
    void tellHowToUse(const QString& path);
    void scaleToWindow();
    void closeWithPreview(QCloseEvent& event);

    CatalogueDocument m_document;
    EditedFile m_file;
    QList<RecordFinding> m_findings;
    CatalogueTree* m_tree = nullptr;
    QLineEdit* m_search = nullptr;
    RecordFormView* m_form = nullptr;
    QListWidget* m_findingList = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QAction* m_toOtherPart = nullptr;
    QList<QAction*> m_recordActions; // those that need a selected record
    QTimer m_recheck;                // the check runs once typing pauses
    QPointer<QWidget> m_preview;
};
