#include "ruler/ReadoutBoxAccessible.h"

#include "ruler/ReadoutBox.h"

ReadoutBoxAccessible::ReadoutBoxAccessible(ReadoutBox *box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{
}

QAccessibleInterface *ReadoutBoxAccessible::Factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("ReadoutBox") && object && object->isWidgetType())
        return new ReadoutBoxAccessible(static_cast<ReadoutBox *>(object));
    return nullptr;
}

QString ReadoutBoxAccessible::shown() const
{
    return static_cast<const ReadoutBox *>(widget())->text();
}

void *ReadoutBoxAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString ReadoutBoxAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return shown();
    return QAccessibleWidget::text(kind);
}

QString ReadoutBoxAccessible::text(int startOffset, int endOffset) const
{
    return shown().mid(startOffset, endOffset - startOffset);
}

int ReadoutBoxAccessible::characterCount() const
{
    return int(shown().size());
}

void ReadoutBoxAccessible::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

QString ReadoutBoxAccessible::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}
