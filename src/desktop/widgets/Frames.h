#pragma once

#include "components/Colours.h"

#include <QWidget>

class QPainter;

// Fills the gradient's rectangle (in the painter's coordinates) with its colours; angle 90 runs from top
// to bottom, 0 from left to right.
void paintGradient(QPainter& painter, const Gradient& gradient);

// A frame that shows a gradient behind its children.
class GradientFrame final : public QWidget {
public:
    explicit GradientFrame(QWidget* parent) : QWidget(parent) {}
    void setGradient(const Gradient& gradient);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Gradient m_gradient;
};

// A page: a light card with rounded corners on which the rows stand.
class CardFrame final : public QWidget {
public:
    explicit CardFrame(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};
