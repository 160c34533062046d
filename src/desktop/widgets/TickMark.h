#pragma once

#include <QWidget>

// The tick beside a right row: a green check mark, drawn to fit the widget.
class TickMark final : public QWidget {
public:
    explicit TickMark(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
