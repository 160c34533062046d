#pragma once

#include "editing/CatalogueDocument.h"
#include "editing/RecordFindings.h"

#include <QList>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

// The selected record as a form: one row per field, named and with the input its kind needs, the findings
// of the check in red under the field they concern, and the chemistry helpers beside the stored answer.
// It only shows the document and hands every edit on; what a field may hold is the document's and the
// check's business.
class RecordFormView final : public QWidget {
public:
    explicit RecordFormView(QWidget* parent = nullptr);

    // Called with each edit the teacher makes: the record's field and its new text.
    void setOnEdited(std::function<void(int field, const QString& text)> onEdited);

    // Builds the rows for the record, or shows a hint when id is 0.
    void showRecord(const CatalogueDocument& document, int id);
    int record() const { return m_id; }
    // The window's scale, for the rows of the next record shown.
    void setScale(double factor);
    // Shows the findings about the shown record and works the helpers out again from its fields; the
    // inputs keep their text and the cursor.
    void refresh(const CatalogueDocument& document, const QList<RecordFinding>& findings);

private:
    struct Row {
        QWidget* input = nullptr;
        QLabel* helper = nullptr;  // the chemistry helper's line; nullptr where the field has none
        QLabel* finding = nullptr; // the check's findings about the field
    };
    void clearRows();
    QWidget* makeInput(int field, const QString& label, const QString& text);
    void refreshHelpers(const CatalogueDocument& document);
    void edited(int field, const QString& text);

    std::function<void(int, const QString&)> m_onEdited;
    QWidget* m_rowsWidget = nullptr; // the rows of the record shown
    double m_scale = 1;
    QLabel* m_hint = nullptr;
    QLabel* m_recordFinding = nullptr; // findings about the record as a whole
    QLabel* m_sameDefinition = nullptr;
    QList<Row> m_rows;
    int m_id = 0;
    int m_massField = -1; // the molar mass field the helper's "Übernehmen" writes into
    QString m_computedMass;
    QPushButton* m_takeOver = nullptr; // "Übernehmen" beside the molar mass field
};
