#pragma once

#include <QLineEdit>

// A formula input that a pupil types into directly. It keeps the plain notation as its text ("H2SO4")
// and shows the counts lowered as subscripts, while typing too. "*" typed on the keyboard becomes the
// adduct dot "·" of the notation. Besides QLineEdit's textEdited and returnPressed it signals a click,
// on which a page can open the formula editor.
class FormulaField final : public QLineEdit {
    Q_OBJECT

public:
    explicit FormulaField(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QRect textArea() const;
    int withRoomForSubscripts(int height) const;
    // The character boundary under the mouse, by the drawn layout rather than QLineEdit's own.
    int indexAtMouse(const QMouseEvent& event) const;

    mutable qreal m_scroll = 0; // how far the text is shifted left to keep the cursor in view
    int m_dragAnchor = 0;
};
