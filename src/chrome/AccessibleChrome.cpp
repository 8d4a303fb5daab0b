#include "chrome/AccessibleChrome.h"

#include "chrome/TextAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QLabel>
#include <QSet>

namespace {

struct PictureAction
{
    QString name;
    std::function<void()> press;
    std::function<bool()> isOn;
};

QHash<const QObject *, PictureAction> &pictureActions()
{
    static QHash<const QObject *, PictureAction> actions;
    return actions;
}

QSet<const QObject *> &frames()
{
    static QSet<const QObject *> windows;
    return windows;
}

QSet<const QObject *> &valueLabels()
{
    static QSet<const QObject *> labels;
    return labels;
}

class PictureButtonAccessible : public QAccessibleWidget
{
public:
    explicit PictureButtonAccessible(QLabel *picture)
        : QAccessibleWidget(picture, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return action().name;
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (action().isOn) {
            state.checkable = true;
            state.checked = action().isOn();
        }
        return state;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            action().press();
    }

private:
    const PictureAction &action() const { return pictureActions()[object()]; }
};

QAccessibleInterface *chromeFactory(const QString &className, QObject *object)
{
    Q_UNUSED(className);
    if (pictureActions().contains(object))
        return new PictureButtonAccessible(static_cast<QLabel *>(object));
    if (frames().contains(object))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    if (valueLabels().contains(object)) {
        auto *label = static_cast<QLabel *>(object);
        return new TextAccessible(label, QAccessible::StaticText,
                                  [label] { return label->text(); });
    }
    return nullptr;
}

void installFactory()
{
    static const bool installed = (QAccessible::installFactory(&chromeFactory), true);
    Q_UNUSED(installed);
}

} // namespace

namespace AccessibleChrome {

void frame(QWidget *window)
{
    installFactory();
    frames().insert(window);
    QObject::connect(window, &QObject::destroyed, [window] { frames().remove(window); });
}

void valueLabel(QLabel *label)
{
    installFactory();
    valueLabels().insert(label);
    QObject::connect(label, &QObject::destroyed, [label] { valueLabels().remove(label); });
}

void pictureButton(QLabel *picture, const QString &name, std::function<void()> press,
                   std::function<bool()> isOn)
{
    installFactory();
    pictureActions().insert(picture, {name, std::move(press), std::move(isOn)});
    QObject::connect(picture, &QObject::destroyed, [picture] { pictureActions().remove(picture); });
}

} // namespace AccessibleChrome
