#pragma once

#include "catalogue/FormulaNotation.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPointF>

class QPainter;

// Formula runs laid out in a font: subscripts smaller and lowered. Measures for size hints and cursors,
// and draws with the painter's pen.
class FormulaText {
public:
    FormulaText(const QList<FormulaRun>& runs, const QFont& font);

    qreal width() const;
    qreal ascent() const { return m_normal.ascent(); }
    // From the top of the normal letters to the bottom of the lowered digits.
    qreal height() const { return lineHeight(m_normal); }
    static qreal lineHeight(const QFontMetricsF& normal);

    // Where the character with this index of the plain text starts (index == length: the end).
    qreal xAt(qsizetype index) const;
    // The index of the character boundary nearest to x.
    qsizetype indexAt(qreal x) const;

    void draw(QPainter& painter, QPointF baselineStart) const;

private:
    const QFontMetricsF& metricsOf(const FormulaRun& run) const { return run.subscript ? m_small : m_normal; }

    QList<FormulaRun> m_runs;
    QFont m_normalFont;
    QFont m_smallFont;
    QFontMetricsF m_normal;
    QFontMetricsF m_small;
};
