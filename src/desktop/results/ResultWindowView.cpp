#include "desktop/results/ResultWindowView.h"

#include "app/MainWindowDesign.h"
#include "desktop/view/Bindings.h"
#include "desktop/view/DialogScaling.h"
#include "desktop/view/Look.h"
#include "desktop/view/WidgetScaling.h"
#include "desktop/view/WindowFrame.h"
#include "desktop/widgets/AtomFigure.h"
#include "desktop/widgets/Frames.h"
#include "desktop/widgets/PanelLabel.h"
#include "results/window/frm_AppResult.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr double LinePointSize = 14;  // who, how many, which grade
constexpr double TablePointSize = 14; // the category results

// Keeps the layout still when the widget is hidden (the title lines and the anthem button come and go).
void keepPlaceWhenHidden(QWidget& widget)
{
    QSizePolicy policy = widget.sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget.setSizePolicy(policy);
}

} // namespace

ResultWindowView::ResultWindowView(frm_AppResult& model)
    : ModelWindowView(model, model.ScaleWidth, model.ScaleHeight, [&model] { model.CentreResultFrame(); }),
      m_model(model)
{
    setObjectName(QStringLiteral("frm_AppResult"));
    setWindowModality(Qt::ApplicationModal);

    auto* card = new CardFrame(this);
    card->setObjectName(QStringLiteral("Dahinter"));
    m_frame = card;
    bindings().frame(*card, m_model.Dahinter);

    auto* grid = new QGridLayout(card);
    grid->setContentsMargins(18, 16, 18, 20);
    grid->setHorizontalSpacing(20);
    grid->setVerticalSpacing(6);
    buildHeading(*grid);
    grid->addWidget(&buildCategories(), 7, 0, Qt::AlignTop | Qt::AlignLeft);
    grid->addWidget(&buildActions(), 7, 1, Qt::AlignTop);
    grid->setRowStretch(7, 1);
    grid->setColumnStretch(0, 1);

    bindings().renderer([this] { renderWindow(); });
}

QLabel& ResultWindowView::label(QWidget& parent, const QString& objectName, double pointSize, bool bold)
{
    auto* widget = new QLabel(&parent);
    widget->setObjectName(objectName);
    widget->setFont(look::sized(widget->font(), pointSize, bold));
    QPalette ink = widget->palette();
    ink.setColor(QPalette::WindowText, look::Ink);
    widget->setPalette(ink);
    return *widget;
}

QPushButton& ResultWindowView::button(QWidget& parent, const QString& objectName)
{
    auto* widget = new QPushButton(&parent);
    widget->setObjectName(objectName);
    widget->setFont(look::sized(widget->font(), look::TaskPointSize, true));
    widget->setMinimumHeight(48);
    return *widget;
}

void ResultWindowView::buildHeading(QGridLayout& grid)
{
    QLabel& title = label(*m_frame, QStringLiteral("lab_Title"), 30, true);
    QFont serif = title.font();
    serif.setFamilies({QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Serif"),
                       QStringLiteral("Times New Roman")});
    serif.setStyleHint(QFont::Serif);
    title.setFont(serif);
    title.setAlignment(Qt::AlignCenter);
    bindings().label(title, m_model.lab_Title);
    grid.addWidget(&title, 0, 0, 1, 2);

    // Who, how many, which grade, when and at which level: one line each, the figure beside them.
    auto* name = new QHBoxLayout;
    name->setSpacing(6);
    QLabel& intro = label(*m_frame, QStringLiteral("Label11"), LinePointSize);
    QLabel& candidate = label(*m_frame, QStringLiteral("Textname"), LinePointSize, true);
    bindings().label(intro, m_model.Label11);
    bindings().label(candidate, m_model.Textname);
    // A long name wraps in its own narrow column rather than pushing the card apart.
    candidate.setWordWrap(true);
    candidate.setMaximumWidth(300);
    name->addWidget(&intro);
    name->addWidget(&candidate, 1);
    grid.addLayout(name, 1, 0);

    QLabel& sentence = label(*m_frame, QStringLiteral("Texturt0"), LinePointSize);
    bindings().label(sentence, m_model.Texturt[0]);
    grid.addWidget(&sentence, 2, 0);

    auto* gradeLine = new QHBoxLayout;
    QLabel& gradeIntro = label(*m_frame, QStringLiteral("Label12"), LinePointSize);
    QLabel& gradeWords = label(*m_frame, QStringLiteral("Texturt1"), 20, true);
    // A good grade shines green; the others stand in the card's plain ink.
    bindings().renderer([this, &gradeWords] {
        const QColor ink = m_model.m_GoodGrade ? QColor(0x1B, 0x6E, 0x2A) : look::Ink;
        if (gradeWords.palette().color(QPalette::WindowText) != ink) {
            QPalette palette = gradeWords.palette();
            palette.setColor(QPalette::WindowText, ink);
            gradeWords.setPalette(palette);
        }
    });
    bindings().label(gradeIntro, m_model.Label12);
    bindings().label(gradeWords, m_model.Texturt[1]);
    gradeLine->addWidget(&gradeIntro);
    gradeLine->addWidget(&gradeWords, 1);
    grid.addLayout(gradeLine, 3, 0);

    QLabel& when = label(*m_frame, QStringLiteral("Texturt2"), look::BasePointSize);
    bindings().label(when, m_model.Texturt[2]);
    grid.addWidget(&when, 4, 0);
    QLabel& level = label(*m_frame, QStringLiteral("Streb"), look::BasePointSize);
    bindings().label(level, m_model.Streb);
    grid.addWidget(&level, 5, 0);

    auto* atom = new AtomFigure(m_frame);
    atom->setObjectName(QStringLiteral("ctl_DrAtom1"));
    atom->setMinimumSize(170, 170);
    bindings().renderer([this, atom] { atom->setExpression(m_model.ctl_DrAtom1.Expression); });
    grid.addWidget(atom, 1, 1, 6, 1, Qt::AlignCenter);
}

QWidget& ResultWindowView::buildCategories()
{
    // The nine categories as a table: the name on the left, the result right-aligned beside it.
    auto* table = new QWidget(m_frame);
    table->setObjectName(QStringLiteral("Einzelergebnisse"));
    auto* rows = new QGridLayout(table);
    rows->setContentsMargins(0, 8, 0, 0);
    rows->setHorizontalSpacing(24);
    rows->setVerticalSpacing(3);
    for (int i = 0; i < ResultCategoryCount; ++i) {
        const auto row = static_cast<std::size_t>(i);
        QLabel& name = label(*table, QStringLiteral("Einzelergebnis%1").arg(i), TablePointSize);
        QLabel& value =
            label(*table, QStringLiteral("lab_EinzelergebnisWert%1").arg(i), TablePointSize, true);
        value.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        bindings().label(name, m_model.Einzelergebnis[row]);
        bindings().label(value, m_model.lab_EinzelergebnisWert[row]);
        rows->addWidget(&name, i, 0);
        rows->addWidget(&value, i, 1);
    }
    return *table;
}

QWidget& ResultWindowView::buildActions()
{
    auto* actions = new QWidget(m_frame);
    actions->setObjectName(QStringLiteral("Aktionen"));
    auto* column = new QVBoxLayout(actions);
    column->setContentsMargins(0, 8, 0, 0);
    column->setSpacing(8);

    for (std::size_t i = 0; i < m_model.Titel.size(); ++i) {
        QLabel& line =
            label(*actions, QStringLiteral("Titel%1").arg(i), i == 0 ? look::BasePointSize : 20, i == 1);
        line.setAlignment(Qt::AlignCenter);
        line.setWordWrap(true); // the long first line takes two lines in the narrow column
        keepPlaceWhenHidden(line);
        bindings().label(line, m_model.Titel[i]);
        column->addWidget(&line);
    }

    auto* buttons = new QVBoxLayout;
    QPushButton& anthem = button(*actions, QStringLiteral("Musik"));
    QPushButton& print = button(*actions, QStringLiteral("but_Print"));
    keepPlaceWhenHidden(anthem);
    for (QPushButton* widget : {&anthem, &print})
        buttons->addWidget(widget);
    bindings().button(anthem, m_model.Musik, [this] { m_model.Musik_Click(); });
    bindings().button(print, m_model.but_Print, [this] { m_model.PrintCertificate(); });
    column->addLayout(buttons);

    // The question with its two answers in a panel of their own.
    auto* question = new QWidget(actions);
    question->setObjectName(QStringLiteral("NeuteFrage"));
    question->setAttribute(Qt::WA_StyledBackground);
    question->setStyleSheet(QStringLiteral("#NeuteFrage { background: #FFF6D5; border: 2px solid #F5A623;"
                                           " border-radius: 14px; }"));
    auto* row = new QHBoxLayout(question);
    row->setContentsMargins(12, 6, 12, 6);
    auto* panel = new PanelLabel(question);
    panel->setObjectName(QStringLiteral("Neute"));
    panel->setFont(look::sized(panel->font(), look::TaskPointSize, true));
    bindings().panel(*panel, m_model.Neute);
    row->addWidget(panel, 1);
    QPushButton& yes = button(*question, QStringLiteral("CSCmd1"));
    QPushButton& no = button(*question, QStringLiteral("CSCmd3"));
    for (QPushButton* widget : {&yes, &no}) {
        widget->setMinimumWidth(80);
        row->addWidget(widget);
    }
    // Enter presses the button that has the focus, so "Nein", which ends the program, only when it has it.
    bindings().button(yes, m_model.CSCmd1, [this] { m_model.CSCmd1_Click(); });
    bindings().button(no, m_model.CSCmd3, [this] { m_model.CSCmd3_Click(); });
    column->addSpacing(10);
    column->addWidget(question);
    return *actions;
}

void ResultWindowView::renderWindow()
{
    scaleWidgetTree(*m_frame, m_model.m_Scale);
    setDialogScale(*this, m_model.m_Scale);
    renderWindowFrame(*this, m_model);
}

void ResultWindowView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor base = QColor::fromRgb(design::WindowBackColor);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, base.lighter(125));
    background.setColorAt(1, base.darker(115));
    painter.fillRect(rect(), background);
}

void ResultWindowView::closeEvent(QCloseEvent* event)
{
    // The close box answers "Ja": a new test may follow, and nothing is lost. The handler runs here rather
    // than through handle(), which would ask for a close while this one is under way.
    if (!m_model.CloseRequested) {
        m_model.CloseBox_Click();
        render();
    }
    if (!m_model.CloseRequested) {
        event->ignore();
        return;
    }
    event->accept();
    closed();
}
