#pragma once

#include <QWidget>

class QPainter;

// The cartoon atom of the result window: a round nucleus with a face, three orbits and their electrons.
// Its face follows the result: beaming with stars (2), happy (1), content (5), unsure (6) or sad (3).
// It stands centred in its widget, as large as fits.
class AtomFigure final : public QWidget {
public:
    explicit AtomFigure(QWidget* parent);

    // Changes nothing when the expression is shown already.
    void setExpression(int expression);
    int expression() const { return m_expression; }

    QSize sizeHint() const override { return {220, 220}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintOrbits(QPainter& painter) const;
    void paintFace(QPainter& painter) const;
    void paintStars(QPainter& painter) const;

    int m_expression = 0;
};

// How the figure looks for an expression, in words (its accessible description).
QString atomMoodText(int expression);
