#pragma once

#include <QAccessibleWidget>

class chameleonButton;

// chameleonButton as assistive technology sees it: a push button named by
// its caption without the access-key marks (or by its accessible name, for
// the arrow glyphs), pressed and dimmed as it is drawn, with a press action
// that clicks it as Space does.
class chameleonButtonAccessible : public QAccessibleWidget
{
public:
    explicit chameleonButtonAccessible(chameleonButton *button);

    // For QAccessible::installFactory.
    static QAccessibleInterface *factory(const QString &className, QObject *object);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    chameleonButton *button() const;
};
