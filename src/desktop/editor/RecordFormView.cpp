#include "desktop/editor/RecordFormView.h"

#include "desktop/editor/FieldInputs.h"
#include "desktop/view/WidgetScaling.h"
#include "editing/ChemistryHelpers.h"
#include "editing/RecordForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString findingStyle = QStringLiteral("color: #B00020;");
const QString helperStyle = QStringLiteral("color: #1F4E8C;");

QLabel* wrappedLabel(const QString& style)
{
    auto* label = new QLabel;
    label->setWordWrap(true);
    label->setStyleSheet(style);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->hide();
    return label;
}

void showText(QLabel& label, const QString& text)
{
    label.setText(text);
    label.setVisible(!text.isEmpty());
}

int firstFieldOf(Section section, FieldInput input)
{
    const QList<FieldForm>& forms = fieldForms(section);
    for (int i = 0; i < forms.size(); ++i)
        if (forms[i].input == input)
            return i;
    return -1;
}

QString findingLines(const QList<RecordFinding>& findings, int id, int field)
{
    QStringList lines;
    for (const RecordFinding& finding : findings)
        if (finding.id == id && finding.field == field)
            lines << (finding.problem.severity == CatalogueProblem::Severity::Error
                          ? finding.problem.message
                          : QStringLiteral("Hinweis: ") + finding.problem.message);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

RecordFormView::RecordFormView(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    m_hint = new QLabel(QStringLiteral("Links eine Aufgabe auswählen oder mit „Neu“ eine anlegen."));
    m_hint->setWordWrap(true);
    m_recordFinding = wrappedLabel(findingStyle);
    m_sameDefinition = wrappedLabel(helperStyle);
    m_sameDefinition->setObjectName(QStringLiteral("sameDefinition"));
    layout->addWidget(m_hint);
    layout->addWidget(m_recordFinding);
    layout->addWidget(m_sameDefinition);
    layout->addStretch();
}

void RecordFormView::setOnEdited(std::function<void(int field, const QString& text)> onEdited)
{
    m_onEdited = std::move(onEdited);
}

void RecordFormView::setScale(double factor)
{
    m_scale = factor;
}

void RecordFormView::clearRows()
{
    delete m_rowsWidget;
    m_rowsWidget = nullptr;
    m_rows.clear();
    m_massField = -1;
    m_takeOver = nullptr;
}

void RecordFormView::showRecord(const CatalogueDocument& document, int id)
{
    clearRows();
    m_id = id;
    m_hint->setVisible(id == 0);
    m_recordFinding->hide();
    m_sameDefinition->hide();
    if (id == 0)
        return;
    const Section section = document.sectionOf(id);
    const QList<FieldForm>& forms = fieldForms(section);
    const QStringList fields = document.fields(id);
    // The rows are built apart and scaled before they join the form, so that they take the window's
    // scale from their design size and not from the scaled form they would inherit it from.
    m_rowsWidget = new QWidget;
    auto* grid = new QGridLayout(m_rowsWidget);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(1, 1);
    if (section == Section::MolarMasses)
        m_massField = firstFieldOf(section, FieldInput::Number);
    for (int field = 0; field < forms.size(); ++field) {
        const FieldForm& form = forms[field];
        Row row;
        // The program reads no more of the line than this.
        auto* label = new QLabel(
            form.longest > 0 ? QStringLiteral("%1\n(höchstens %2 Zeichen)").arg(form.label).arg(form.longest)
                             : form.label);
        label->setWordWrap(true);
        auto* cell = new QWidget;
        // The rows stand one under the other at the top; the space below stays empty.
        cell->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
        auto* column = new QVBoxLayout(cell);
        column->setContentsMargins(0, 0, 0, 0);
        row.input = makeFieldInput(form, fields.value(field),
                                   [this, field](const QString& text) { edited(field, text); });
        row.input->setObjectName(QStringLiteral("field-%1").arg(field));
        label->setBuddy(row.input);
        column->addWidget(row.input);
        if (field == m_massField || form.input == FieldInput::Equation) {
            auto* helperRow = new QHBoxLayout;
            row.helper = wrappedLabel(helperStyle);
            helperRow->addWidget(row.helper, 1);
            if (field == m_massField) {
                m_takeOver = new QPushButton(QStringLiteral("Übernehmen"));
                m_takeOver->setObjectName(QStringLiteral("takeOverMass"));
                m_takeOver->hide();
                connect(m_takeOver, &QPushButton::clicked, this, [this, row] {
                    setFieldInputText(*row.input, m_computedMass);
                    edited(m_massField, m_computedMass);
                });
                helperRow->addWidget(m_takeOver);
            }
            column->addLayout(helperRow);
        }
        row.finding = wrappedLabel(findingStyle);
        row.finding->setObjectName(QStringLiteral("finding-%1").arg(field));
        column->addWidget(row.finding);
        grid->addWidget(label, field, 0, Qt::AlignTop);
        grid->addWidget(cell, field, 1);
        m_rows << row;
    }
    scaleWidgetTree(*m_rowsWidget, m_scale);
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, m_rowsWidget);
}

void RecordFormView::refresh(const CatalogueDocument& document, const QList<RecordFinding>& findings)
{
    if (m_id == 0 || !document.contains(m_id))
        return;
    for (int field = 0; field < m_rows.size(); ++field)
        showText(*m_rows[field].finding, findingLines(findings, m_id, field));
    showText(*m_recordFinding, findingLines(findings, m_id, -1));
    refreshHelpers(document);
}

void RecordFormView::refreshHelpers(const CatalogueDocument& document)
{
    const Section section = document.sectionOf(m_id);
    const QStringList fields = document.fields(m_id);
    const QList<FieldForm>& forms = fieldForms(section);
    for (int field = 0; field < m_rows.size(); ++field) {
        QLabel* helper = m_rows[field].helper;
        if (helper == nullptr)
            continue;
        if (forms[field].input == FieldInput::Equation) {
            const EquationAtoms atoms = equationAtoms(fields.value(field));
            showText(*helper, atoms.left.isEmpty() && atoms.right.isEmpty()
                                  ? atoms.verdict
                                  : QStringLiteral("Links: %1   Rechts: %2   – %3")
                                        .arg(atoms.left, atoms.right, atoms.verdict));
            continue;
        }
        const int formulaField = firstFieldOf(section, FieldInput::Formula);
        const std::optional<QString> mass = molarMassField(fields.value(formulaField));
        m_computedMass = mass.value_or(QString());
        showText(*helper, mass ? QStringLiteral("Aus der Formel: %1 g/mol").arg(*mass)
                               : QStringLiteral("Die Formel lässt sich nicht lesen."));
        m_takeOver->setVisible(mass && *mass != fields.value(m_massField));
    }
    if (section == Section::Definitions) {
        const QStringList others = termsWithSameDefinition(document, m_id);
        showText(*m_sameDefinition,
                 others.isEmpty() ? QString()
                                  : QStringLiteral("Passt auch auf: ") + others.join(QStringLiteral(", ")));
    }
}

void RecordFormView::edited(int field, const QString& text)
{
    if (m_onEdited)
        m_onEdited(field, text);
}
