#pragma once

#include "chrome/OnTopPeer.h"

#include <QObject>
#include <QString>
#include <QWidget>

// Moves over the window's caption button whose normal picture has this
// name, presses it with the right button and releases: the press-and-release
// a user makes. Fails the running test when there is no such button.
void pressCaptionButton(QWidget *window, const QString &normalName);

// A window of the on-top cascade that counts the times it is asked back on top.
class PeerProbe : public QWidget, public OnTopPeer
{
public:
    bool ShowsOnTop() const override { return onTop; }
    void Command1_Click() override { ++reasserts; }

    bool onTop = true;
    int reasserts = 0;
};

// Counts the paint events a widget and every widget inside it receive.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget);
    void watch(QWidget *widget);
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
