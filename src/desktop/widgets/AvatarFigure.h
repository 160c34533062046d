#pragma once

#include <QWidget>

#include <functional>

// The avatar: a friendly lab flask with a face, in one of several looks (liquid colour and a hat, glasses,
// bow or bubbles). It stands centred in its widget, or at the left with the user's name beside it.
class AvatarFigure final : public QWidget {
public:
    enum class Placement { Centred, LeftWithName };
    AvatarFigure(QWidget* parent, Placement placement);

    void setOnClick(std::function<void()> onClick) { m_onClick = std::move(onClick); }
    // Each changes nothing when the value is as shown already.
    void setLook(int look);
    void setName(const QString& name);
    // Draws the figure again when the count of refresh requests has moved on.
    void setRefreshes(int refreshes);
    // The name ends before this x (the buttons standing over the widget begin there); a longer name is
    // shortened with "…".
    void setNameEnd(int x);

    // Where the name is drawn, and as what.
    QRectF nameArea() const;
    QString shownName() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRectF figureArea() const;

    Placement m_placement;
    std::function<void()> m_onClick;
    int m_look = 0;
    int m_refreshes = 0;
    int m_nameEnd = QWIDGETSIZE_MAX;
    QString m_name;
};
