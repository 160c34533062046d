#include "desktop/view/OptionAccessible.h"

#include "desktop/view/AccessibleFactory.h"

#include <QAccessibleWidget>
#include <QRadioButton>

namespace {

class OptionAccessible final : public QAccessibleWidget {
public:
    explicit OptionAccessible(QRadioButton& option) : QAccessibleWidget(&option, QAccessible::RadioButton) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = option().isChecked();
        return state;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& name) override
    {
        if (name == pressAction())
            option().click();
    }

private:
    QRadioButton& option() const { return static_cast<QRadioButton&>(*widget()); }
};

} // namespace

void installOptionAccessibility()
{
    installAccessibleInterface<QRadioButton, OptionAccessible>();
}
