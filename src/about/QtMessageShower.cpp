#include "about/QtMessageShower.h"

#include <QMessageBox>

void QtMessageShower::ShowMessage(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    // The About box floats above everything; its message must not hide below it.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}
