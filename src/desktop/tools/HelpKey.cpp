#include "desktop/tools/HelpKey.h"

#include <QCoreApplication>
#include <QKeyEvent>

HelpKey::HelpKey(std::function<void()> openHelp) : m_openHelp(std::move(openHelp))
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(this);
}

HelpKey::~HelpKey()
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeEventFilter(this);
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            if (!key->isAutoRepeat())
                m_openHelp();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
