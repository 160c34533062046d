#pragma once

#include <QLabel>

// The text of a panel as rich text: the markup "<br>", "<b>" and "</b>" is kept, every other character
// is shown as it is (a "<" in a catalogue text is a "<" on screen), blanks and line ends included.
QString panelMarkupToHtml(const QString& text);

// A panel: shows a text with the panel markup, optionally bold as a whole.
class PanelLabel final : public QLabel {
public:
    explicit PanelLabel(QWidget* parent);
    // Changes nothing when text and bold are as shown already.
    void showPanel(const QString& text, bool bold);

private:
    QString m_text;
};
