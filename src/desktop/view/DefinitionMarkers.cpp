#include "desktop/view/PageViews.h"

#include "app/frm_AppMain.h"
#include "desktop/widgets/PanelLabel.h"
#include "desktop/widgets/TickMark.h"

#include <QGridLayout>
#include <QVBoxLayout>

void addDefinitionMarkers(QVBoxLayout& column, PageContext& context, int first, int count)
{
    QWidget& frame = *column.parentWidget();
    auto* grid = new QGridLayout;
    grid->setColumnStretch(0, 1); // the rows' own widgets stand left of the markers
    grid->setColumnMinimumWidth(2, 320);
    column.insertLayout(column.count() - 1, grid); // above the closing stretch
    for (int row = 0; row < count; ++row) {
        const auto index = static_cast<std::size_t>(first + row);
        auto* tick = new TickMark(&frame);
        tick->setObjectName(QStringLiteral("img_Correct%1").arg(index));
        tick->setFixedSize(40, 40);
        auto* wrong = new PanelLabel(&frame);
        wrong->setObjectName(QStringLiteral("lab_Wrong%1").arg(index));
        wrong->setStyleSheet(QStringLiteral("QLabel { color: #B71C1C; }"));
        grid->addWidget(tick, row, 1);
        grid->addWidget(wrong, row, 2);

        const TickImage& image = context.model.img_Correct[index];
        context.bind.renderer([tick, &image] { setShown(*tick, image.Visible); });
        context.bind.panel(*wrong, context.model.lab_Wrong[index]);
    }
}
