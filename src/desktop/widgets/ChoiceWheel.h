#pragma once

#include <QElapsedTimer>
#include <QFrame>
#include <QStringList>

class QLabel;
class QListWidget;
class QToolButton;

// A choice wheel. It shows the item it stands on in full (a long item wraps, nothing is cut) and turns one
// item at a time with its arrow buttons, the mouse wheel, a vertical swipe over the text or the arrow keys
// (Page Up/Down five items, Home/End to the ends). Typing the first letters of an item jumps there; the
// same letter again walks on through the items that begin with it. A click or tap on the text, F4,
// Alt+Down or Space opens the list of every item to pick from. Only what the user does raises activated.
class ChoiceWheel final : public QFrame {
    Q_OBJECT

public:
    explicit ChoiceWheel(QWidget* parent);

    // Replaces the items; the shown text stays.
    void setItems(const QStringList& items);
    const QStringList& items() const { return m_items; }
    // Shows the text, normally one of the items.
    void setCurrentText(const QString& text);
    const QString& currentText() const { return m_current; }
    // The position of the shown text among the items, from 0; -1 when it is none of them.
    int currentIndex() const;
    // The list of every item while it is open, else nullptr.
    QListWidget* openList() const;

signals:
    // The user turned the wheel to the item at index (from 0).
    void activated(int index, const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void turnBy(int steps);
    void choose(int index);
    void typeAhead(const QString& typed);
    void showList();
    void showCurrent();
    void keepTextWhole();

    QStringList m_items;
    QString m_current;
    QLabel* m_text;
    QToolButton* m_previous;
    QToolButton* m_next;
    QFrame* m_popup = nullptr; // holds the list; created when first opened
    QListWidget* m_list = nullptr;
    int m_wheelDelta = 0; // mouse-wheel turn not yet a whole step
    int m_pressY = 0;     // where a press on the text began
    int m_swipeSteps = 0; // steps the current swipe has turned
    bool m_swiped = false;
    QString m_typed; // the letters typed in quick succession
    QElapsedTimer m_lastTyped;
};
