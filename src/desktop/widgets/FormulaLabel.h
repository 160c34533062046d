#pragma once

#include <QWidget>

// Shows a formula in the program's notation with its counts drawn as subscripts (H₂SO₄ from "H2SO4").
// A text that is no formula is shown as it stands. The font is the widget's; the accessible name is the
// plain formula text.
class FormulaLabel final : public QWidget {
    Q_OBJECT

public:
    explicit FormulaLabel(QWidget* parent = nullptr);

    void setFormula(const QString& formula);
    QString formula() const { return m_formula; }
    void setAlignment(Qt::Alignment alignment);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString m_formula;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
};
