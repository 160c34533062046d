#include "desktop/view/PageParts.h"

#include "desktop/view/Look.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int TaskColumnWidth = 330;
constexpr int FieldHeight = 40;

} // namespace

QVBoxLayout& pageColumn(QWidget& frame)
{
    auto* column = new QVBoxLayout(&frame);
    column->setContentsMargins(20, 14, 20, 14);
    column->setSpacing(8);
    return *column;
}

void addTitle(QVBoxLayout& column, const QString& text)
{
    QWidget& page = *column.parentWidget();
    QLabel& title = fixedLabel(page, text, 15, true);
    title.setStyleSheet(
        QStringLiteral("QLabel { color: white; border-radius: 7px; padding: 4px 10px;"
                       " background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 %1, stop:1 %2); }")
            .arg(look::TitleFrom.name(), look::TitleTo.name()));
    column.addWidget(&title);
}

void addHint(QVBoxLayout& column, const QString& text)
{
    QLabel& hint = fixedLabel(*column.parentWidget(), text, look::BasePointSize);
    QFont italic = hint.font();
    italic.setItalic(true);
    hint.setFont(italic);
    hint.setStyleSheet(QStringLiteral("QLabel { color: #37474F; padding-left: 10px; }"));
    column.addWidget(&hint);
}

QLabel& fixedLabel(QWidget& parent, const QString& text, double pointSize, bool bold)
{
    auto* label = new QLabel(&parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setFont(look::sized(label->font(), pointSize, bold));
    return *label;
}

QGridLayout& addRowGrid(QVBoxLayout& column)
{
    auto* grid = new QGridLayout;
    grid->setContentsMargins(10, 2, 0, 6);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);
    grid->setColumnMinimumWidth(0, TaskColumnWidth);
    grid->setColumnStretch(1, 1);
    column.addLayout(grid);
    return *grid;
}

void addAnswerRow(PageContext& page, QGridLayout& grid, const AnswerRow& row)
{
    QWidget& frame = *grid.parentWidget();
    auto* task = new QLabel(&frame);
    task->setObjectName(row.fieldName + QStringLiteral("_Aufgabe"));
    task->setFont(look::sized(task->font(), look::TaskPointSize, true));
    QPalette ink = task->palette();
    ink.setColor(QPalette::WindowText, look::Ink);
    task->setPalette(ink);

    auto* field = new QLineEdit(&frame);
    field->setObjectName(row.fieldName);
    field->setFont(look::sized(field->font(), look::TaskPointSize));
    field->setMinimumHeight(FieldHeight);
    field->setCursor(Qt::PointingHandCursor);
    field->setToolTip(QStringLiteral("Anklicken für die Bildschirmtastatur – oder einfach lostippen"));

    const int line = grid.count() / 2; // two widgets a row
    grid.addWidget(task, line, 0);
    grid.addWidget(field, line, 1);
    page.bind.label(*task, row.task);
    page.bind.textField(*field, row.field, row.task, row.click, row.keyPress);
}
