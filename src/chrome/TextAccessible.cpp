#include "chrome/TextAccessible.h"

TextAccessible::TextAccessible(QWidget *control, QAccessible::Role role,
                               std::function<QString()> shown)
    : QAccessibleWidget(control, role), shown(std::move(shown))
{
}

void *TextAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString TextAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return shown();
    return QAccessibleWidget::text(kind);
}

QString TextAccessible::text(int startOffset, int endOffset) const
{
    return shown().mid(startOffset, endOffset - startOffset);
}

int TextAccessible::characterCount() const
{
    return int(shown().size());
}

void TextAccessible::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

QString TextAccessible::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}
