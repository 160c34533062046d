#include "desktop/view/PageViews.h"

#include "app/MainWindowDesign.h"
#include "app/frm_AppMain.h"
#include "desktop/view/Look.h"
#include "desktop/widgets/Frames.h"
#include "desktop/widgets/GradeBadge.h"
#include "desktop/widgets/PanelLabel.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {

// The expert statistics: the counts so far and, right beside the badge, the caption of the grade.
QWidget& expertStatistics(QWidget& frame, PageContext& context)
{
    frm_AppMain& model = context.model;
    auto* panel = new CardFrame(&frame);
    panel->setObjectName(QStringLiteral("Streberstufe"));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(18, 6, 14, 6);
    row->setSpacing(10);

    auto* title = new PanelLabel(panel);
    title->setFont(look::sized(title->font(), look::TaskPointSize, true));
    title->setWordWrap(false);
    row->addWidget(title);
    row->addSpacing(24);
    context.bind.renderer([title, panel, &model] {
        title->showPanel(model.Streberstufe.Text, true);
        setShown(*panel, model.Streberstufe.Visible);
    });

    const std::pair<QString, const Label*> counts[] = {
        {QStringLiteral("Aufgaben bisher:"), &model.Aufgabenanz},
        {QStringLiteral("davon richtig:"), &model.RichtigAnz},
    };
    for (const auto& [caption, count] : counts) {
        row->addWidget(&fixedLabel(*panel, caption, look::BasePointSize));
        auto* value = new QLabel(panel);
        value->setObjectName(count == &model.Aufgabenanz ? QStringLiteral("Aufgabenanz")
                                                         : QStringLiteral("RichtigAnz"));
        value->setFont(look::sized(value->font(), look::TaskPointSize, true));
        value->setMinimumWidth(44);
        context.bind.label(*value, *count);
        row->addWidget(value);
    }
    row->addStretch();
    row->addWidget(&fixedLabel(*panel, QStringLiteral("Aktueller Notenstand:"), look::BasePointSize));
    return *panel;
}

} // namespace

void buildMarkBar(QWidget& frame, PageContext& context)
{
    auto* row = new QHBoxLayout(&frame);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);
    row->addWidget(&expertStatistics(frame, context), 1);

    auto* badge = new GradeBadge(&frame);
    badge->setObjectName(QStringLiteral("ctl_Mark"));
    badge->setFixedSize(design::MarkHeight, design::MarkHeight); // scaled with the page
    const GradeMark& mark = context.model.ctl_Mark;
    context.bind.renderer([badge, &mark] { badge->setMark(mark.MarkText, mark.Band); });
    row->addWidget(badge, 0, Qt::AlignRight);
}
