#pragma once

#include <QString>

class QWidget;

// Shows a message with a single OK button and waits for it.
class MessageShower
{
public:
    virtual ~MessageShower() = default;

    virtual void showMessage(QWidget *parent, const QString &title, const QString &text) = 0;
};
