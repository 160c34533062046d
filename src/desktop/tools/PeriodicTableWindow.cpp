#include "desktop/tools/PeriodicTableWindow.h"

#include "catalogue/ElementSearch.h"
#include "desktop/tools/ElementBlocks.h"
#include "desktop/tools/PeriodicTableGrid.h"
#include "desktop/view/DialogScaling.h"
#include "desktop/view/Look.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

// A dialog-type window without modality: window managers keep it above the test's window, so a click into
// the test does not bury it, and the test stays usable beside it.
PeriodicTableWindow::PeriodicTableWindow(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Periodensystem der Elemente"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(4);

    auto* top = new QHBoxLayout;
    auto* searchLabel = new QLabel(QStringLiteral("&Suchen:"), this);
    m_search = new QLineEdit(this);
    m_search->setPlaceholderText(QStringLiteral("Name oder Symbol"));
    m_search->setClearButtonEnabled(true);
    m_search->setAccessibleName(QStringLiteral("Element suchen"));
    m_search->setMinimumWidth(220);
    searchLabel->setBuddy(m_search);
    top->addWidget(searchLabel);
    top->addWidget(m_search);
    top->addStretch();
    top->addWidget(makeLegend());
    layout->addLayout(top);

    m_grid = new PeriodicTableGrid;
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(m_grid);
    scroll->setWidgetResizable(true); // the table fills the window and scrolls only below its smallest size
    scroll->setFrameShape(QFrame::NoFrame);
    layout->addWidget(scroll, 1);

    auto* footer = new QLabel(
        QStringLiteral(
            "Die Atommassen (in u) sind genau die, mit denen die Aufgaben gerechnet sind. Für die molare "
            "Masse einer Verbindung gilt: Erst mit diesen Werten addieren, dann auf eine Nachkommastelle "
            "runden."),
        this);
    footer->setWordWrap(true);
    footer->setAlignment(Qt::AlignCenter);
    layout->addWidget(footer);

    connect(m_search, &QLineEdit::textChanged, this, &PeriodicTableWindow::search);
    connect(m_search, &QLineEdit::returnPressed, this, &PeriodicTableWindow::selectFirstFound);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    scaleDialog(*this);
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        resize(available.width() * 94 / 100, available.height() * 90 / 100);
    }
}

QWidget* PeriodicTableWindow::makeLegend()
{
    auto* legend = new QWidget(this);
    auto* row = new QHBoxLayout(legend);
    row->setContentsMargins(0, 0, 0, 0);
    for (const ElementBlock block : {ElementBlock::S, ElementBlock::P, ElementBlock::D, ElementBlock::F}) {
        auto* chip = new QLabel(blockName(block), legend);
        chip->setStyleSheet(
            QStringLiteral("background: %1; border: 1px solid %2; border-radius: 4px; padding: 2px 10px;")
                .arg(blockColour(block).name(), blockColour(block).darker(140).name()));
        row->addWidget(chip);
    }
    return legend;
}

void PeriodicTableWindow::search(const QString& text)
{
    const bool searching = !text.trimmed().isEmpty();
    const QList<const ChemicalElement*> found = searchElements(text);
    m_grid->showSearch(searching, found);
    // A search that finds nothing turns the field light red, so the faded table is not taken for a fault.
    m_search->setStyleSheet(searching && found.isEmpty() ? QStringLiteral("background: #F8D0D0;")
                                                         : QString());
}

void PeriodicTableWindow::selectFirstFound()
{
    const QList<const ChemicalElement*> found = searchElements(m_search->text());
    if (found.isEmpty())
        return;
    m_grid->select(found.constFirst());
    m_grid->setFocus(); // the arrow keys go on from the element found
}
