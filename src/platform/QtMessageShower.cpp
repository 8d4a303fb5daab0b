#include "platform/QtMessageShower.h"

#include <QMessageBox>
#include <QPointer>

void QtMessageShower::showMessage(QWidget *parent, const QString &title, const QString &text)
{
    // Made on the heap and watched: should the parent go while the message is
    // open, the message goes with it and is not deleted a second time here.
    QPointer<QMessageBox> box =
        new QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    // The About box floats above everything; its message must not hide below it.
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    box->exec();
    delete box;
}
