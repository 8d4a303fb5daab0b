#pragma once

#include <QAccessibleWidget>

class ReadoutBox;

// A readout as assistive technology sees it: a text box named by what it
// reads out ("Width"), whose text is the length shown and whose
// description is the unit. The box draws its text itself, so the text is
// given here; the line edit that opens for typing has its own.
class ReadoutBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ReadoutBoxAccessible(ReadoutBox *box);

    // For QAccessible::installFactory.
    static QAccessibleInterface *Factory(const QString &className, QObject *object);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;

    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    QString shown() const;
};
