#include "button/chameleonButtonAccessible.h"

#include "button/chameleonButton.h"

#include <QKeySequence>

namespace {

// "Cl&ose" reads "Close", "Fish && Chips" reads "Fish & Chips".
QString withoutAccessKeyMarks(const QString &caption)
{
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && ++i == caption.size())
            break;
        text += caption[i];
    }
    return text;
}

} // namespace

chameleonButtonAccessible::chameleonButtonAccessible(chameleonButton *button)
    : QAccessibleWidget(button, QAccessible::Button)
{
}

QAccessibleInterface *chameleonButtonAccessible::factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("chameleonButton") && object && object->isWidgetType())
        return new chameleonButtonAccessible(static_cast<chameleonButton *>(object));
    return nullptr;
}

chameleonButton *chameleonButtonAccessible::button() const
{
    return static_cast<chameleonButton *>(widget());
}

QString chameleonButtonAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Name && button()->accessibleName().isEmpty())
        return withoutAccessKeyMarks(button()->Caption());
    return QAccessibleWidget::text(kind);
}

QAccessible::State chameleonButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = button()->isPressed();
    state.disabled = !button()->Enabled();
    return state;
}

QStringList chameleonButtonAccessible::actionNames() const
{
    return QStringList(pressAction()) + QAccessibleWidget::actionNames();
}

void chameleonButtonAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        button()->Press();
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList chameleonButtonAccessible::keyBindingsForAction(const QString &actionName) const
{
    if (actionName != pressAction() || button()->accessKeys().isEmpty())
        return QAccessibleWidget::keyBindingsForAction(actionName);
    const QKeySequence accessKey(QStringLiteral("Alt+") + button()->accessKeys().toUpper());
    return {accessKey.toString(QKeySequence::NativeText)};
}
