#pragma once

#include <QWidget>

// The colour of a band of the grade scale: green for "1+", through yellow, to red for "6"; grey for
// anything else.
QColor gradeColour(int band);

// The grade badge: the grade large in a rosette of its band's colour; nothing while there is no grade.
class GradeBadge final : public QWidget {
public:
    explicit GradeBadge(QWidget* parent);
    void setMark(const QString& text, int band);
    const QString& markText() const { return m_text; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    int m_band = -1;
};
