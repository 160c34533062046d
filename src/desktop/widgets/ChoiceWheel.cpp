#include "desktop/widgets/ChoiceWheel.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr int MinimumHeight = 44;
constexpr int PageSteps = 5;
constexpr int SwipeStepPixels = 36; // a swipe this far turns one item
constexpr int TapSlopPixels = 8;    // a press that moves less is a tap
constexpr int WheelNotch = 120;     // one notch of a mouse wheel
constexpr int ListMaxHeight = 360;
constexpr int ListMinWidth = 240;
constexpr int ListItemPadding = 4; // as the list's style sheet says
constexpr int ListTextMargin = 8;  // what the style adds beside an item's text

QToolButton* arrowButton(QWidget* parent, const QString& arrow, const QString& name)
{
    auto* button = new QToolButton(parent);
    button->setText(arrow);
    button->setAccessibleName(name);
    button->setToolTip(name);
    button->setFocusPolicy(Qt::NoFocus); // the wheel keeps the keyboard
    button->setAutoRepeat(true);
    button->setMinimumSize(34, 20);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return button;
}

} // namespace

ChoiceWheel::ChoiceWheel(QWidget* parent)
    : QFrame(parent), m_text(new QLabel(this)),
      m_previous(arrowButton(this, QStringLiteral("▲"), QStringLiteral("Vorheriger Eintrag"))),
      m_next(arrowButton(this, QStringLiteral("▼"), QStringLiteral("Nächster Eintrag")))
{
    setFocusPolicy(Qt::StrongFocus);
    setStyleSheet(QStringLiteral(
        "ChoiceWheel { background: white; border: 1px solid #7A9CC6; border-radius: 8px; }"
        "ChoiceWheel:focus { border: 2px solid #F5A623; }"
        "ChoiceWheel:disabled { background: #ECEFF1; }"
        "QToolButton { border: none; border-radius: 4px; color: #1F4E8C; background: #E1EAF6; }"
        "QToolButton:pressed { background: #C9DAF0; }"
        "QToolButton:disabled { color: #B0BEC5; background: transparent; }"));

    m_text->setTextFormat(Qt::PlainText); // items come from the catalogue
    m_text->setWordWrap(true);
    m_text->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_text->setCursor(Qt::PointingHandCursor);
    m_text->setToolTip(
        QStringLiteral("Drehen: Pfeile, Mausrad oder Wischen – Antippen zeigt die ganze Liste"));
    m_text->installEventFilter(this);

    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(2);
    arrows->addWidget(m_previous);
    arrows->addWidget(m_next);
    // The arrows stand at the top, where they stay when a longer item makes the wheel taller, so repeated
    // clicks hit.
    arrows->addStretch();
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(10, 4, 4, 4);
    row->addWidget(m_text, 1);
    row->addLayout(arrows);

    connect(m_previous, &QToolButton::clicked, this, [this] { turnBy(-1); });
    connect(m_next, &QToolButton::clicked, this, [this] { turnBy(1); });
    showCurrent();
}

void ChoiceWheel::setItems(const QStringList& items)
{
    m_items = items;
    showCurrent();
}

void ChoiceWheel::setCurrentText(const QString& text)
{
    m_current = text;
    showCurrent();
}

int ChoiceWheel::currentIndex() const
{
    return static_cast<int>(m_items.indexOf(m_current));
}

QListWidget* ChoiceWheel::openList() const
{
    return m_popup && m_popup->isVisible() ? m_list : nullptr;
}

void ChoiceWheel::turnBy(int steps)
{
    const auto count = static_cast<int>(m_items.size());
    if (count == 0 || steps == 0)
        return;
    const int index = currentIndex();
    const int from = index >= 0 ? index : (steps > 0 ? -1 : count);
    const int to = std::clamp(from + steps, 0, count - 1);
    if (to != index)
        choose(to);
}

void ChoiceWheel::choose(int index)
{
    m_current = m_items.at(index);
    showCurrent();
    emit activated(index, m_current);
}

void ChoiceWheel::typeAhead(const QString& typed)
{
    if (!m_lastTyped.isValid() || m_lastTyped.elapsed() > QApplication::keyboardInputInterval())
        m_typed.clear();
    m_lastTyped.start();
    // The same single letter again walks on; more letters narrow the search from the shown item on.
    const bool walkOn = m_typed.isEmpty() || m_typed.compare(typed, Qt::CaseInsensitive) == 0;
    if (!(m_typed.size() == 1 && walkOn))
        m_typed += typed;
    const auto count = static_cast<int>(m_items.size());
    const int start = std::max(currentIndex(), 0) + (walkOn ? 1 : 0);
    for (int i = 0; i < count; ++i) {
        const int candidate = (start + i) % count;
        if (m_items.at(candidate).startsWith(m_typed, Qt::CaseInsensitive)) {
            if (candidate != currentIndex())
                choose(candidate);
            return;
        }
    }
}

void ChoiceWheel::showList()
{
    if (m_items.isEmpty())
        return;
    if (!m_list) {
        // A plain popup frame around the list closes on a click outside and on Escape, as popups do.
        m_popup = new QFrame(this, Qt::Popup);
        auto* holder = new QVBoxLayout(m_popup);
        holder->setContentsMargins(0, 0, 0, 0);
        m_list = new QListWidget(m_popup);
        holder->addWidget(m_list);
        m_list->setObjectName(QStringLiteral("ChoiceWheelList"));
        m_list->setWordWrap(true);
        m_list->setTextElideMode(Qt::ElideNone);
        m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_list->setStyleSheet(
            QStringLiteral("QListWidget::item { padding: 4px; border-bottom: 1px solid #E1EAF6; }"
                           "QListWidget::item:selected { background: #C9DAF0; color: #17375E; }"));
        const auto pick = [this](QListWidgetItem* item) {
            m_popup->hide();
            choose(m_list->row(item));
        };
        connect(m_list, &QListWidget::itemClicked, this, pick);
        connect(m_list, &QListWidget::itemActivated, this, pick);
    }
    m_list->setFont(font());
    m_list->clear();
    m_list->addItems(m_items);
    m_list->setAccessibleName(accessibleName());
    m_popup->setFixedWidth(std::max(width(), ListMinWidth));
    // Each item wraps at the list's width; the list shows all of them up to a height, then it scrolls.
    const QFontMetrics metrics(m_list->font());
    const int textWidth = m_popup->width() - 2 * m_list->frameWidth() - 2 * ListItemPadding - ListTextMargin;
    int height = 2 * m_list->frameWidth();
    for (const QString& item : m_items)
        height +=
            metrics.boundingRect(QRect(0, 0, textWidth, ListMaxHeight), Qt::TextWordWrap, item).height() +
            2 * ListItemPadding + 1;
    m_popup->setFixedHeight(std::min(height, ListMaxHeight));

    QPoint place = mapToGlobal(QPoint(0, this->height()));
    if (const QScreen* shown = screen()) {
        const QRect area = shown->availableGeometry();
        if (place.y() + m_popup->height() > area.bottom())
            place.setY(std::max(area.top(), mapToGlobal(QPoint(0, 0)).y() - m_popup->height()));
        place.setX(
            std::clamp(place.x(), area.left(), std::max(area.left(), area.right() - m_popup->width())));
    }
    m_popup->move(place);
    m_list->setCurrentRow(std::max(currentIndex(), 0));
    m_popup->show();
    m_list->scrollToItem(m_list->currentItem());
    m_list->setFocus(Qt::PopupFocusReason);
}

void ChoiceWheel::showCurrent()
{
    if (m_text->text() != m_current)
        m_text->setText(m_current);
    setAccessibleDescription(m_current);
    keepTextWhole();
    const int index = currentIndex();
    const auto count = static_cast<int>(m_items.size());
    m_previous->setEnabled(count > 0 && index != 0);
    m_next->setEnabled(count > 0 && (index < 0 || index < count - 1));
}

// A layout sizes the wheel from its size hint, which guesses the wrapped text's width; the height the
// real width needs becomes the least the wheel may get, so no line of a long item is cut.
void ChoiceWheel::keepTextWhole()
{
    if (!layout())
        return; // still being built
    const int needed = std::max(MinimumHeight, layout()->heightForWidth(width()));
    if (minimumHeight() != needed)
        setMinimumHeight(needed);
}

void ChoiceWheel::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    keepTextWhole();
}

void ChoiceWheel::keyPressEvent(QKeyEvent* event)
{
    const bool alt = event->modifiers() & Qt::AltModifier;
    switch (event->key()) {
    case Qt::Key_Up:
        return alt ? showList() : turnBy(-1);
    case Qt::Key_Down:
        return alt ? showList() : turnBy(1);
    case Qt::Key_PageUp:
        return turnBy(-PageSteps);
    case Qt::Key_PageDown:
        return turnBy(PageSteps);
    case Qt::Key_Home:
        return turnBy(-static_cast<int>(m_items.size()));
    case Qt::Key_End:
        return turnBy(static_cast<int>(m_items.size()));
    case Qt::Key_F4:
    case Qt::Key_Space:
        return showList();
    default:
        break;
    }
    const QString typed = event->text();
    const bool shortcut = event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier);
    if (!shortcut && typed.size() == 1 && typed.at(0).isLetterOrNumber()) {
        typeAhead(typed);
        return;
    }
    QFrame::keyPressEvent(event);
}

void ChoiceWheel::wheelEvent(QWheelEvent* event)
{
    m_wheelDelta += event->angleDelta().y();
    const int notches = m_wheelDelta / WheelNotch;
    m_wheelDelta -= notches * WheelNotch;
    turnBy(-notches); // turning the wheel away from the pupil goes back in the list
    event->accept();
}

bool ChoiceWheel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_text || !isEnabled())
        return QFrame::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() != Qt::LeftButton)
            return false;
        setFocus(Qt::MouseFocusReason);
        m_pressY = qRound(press->position().y());
        m_swipeSteps = 0;
        m_swiped = false;
        return true;
    }
    case QEvent::MouseMove: {
        const auto* move = static_cast<QMouseEvent*>(event);
        if (!(move->buttons() & Qt::LeftButton))
            return false;
        const int distance = m_pressY - qRound(move->position().y()); // upwards brings the next items
        m_swiped = m_swiped || std::abs(distance) > TapSlopPixels;
        const int steps = distance / SwipeStepPixels;
        turnBy(steps - m_swipeSteps);
        m_swipeSteps = steps;
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return false;
        if (!m_swiped)
            showList();
        return true;
    default:
        return false;
    }
}

void ChoiceWheel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        showCurrent();
    if (event->type() == QEvent::FontChange) {
        m_text->setFont(font()); // the style sheet keeps the label from inheriting it
        keepTextWhole();
    }
    QFrame::changeEvent(event);
}
