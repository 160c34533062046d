#pragma once

#include <QWidget>

// The colour of a grade: green for "1+", through yellow, to red for "6"; grey for anything else.
QColor gradeColour(const QString& grade);

// The grade badge: the grade large in a rosette of the grade's colour; nothing while there is no grade.
class GradeBadge final : public QWidget {
public:
    explicit GradeBadge(QWidget* parent);
    void setMarkText(const QString& text);
    const QString& markText() const { return m_text; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
};
