#pragma once

#include "platform/MessageShower.h"

class QtMessageShower : public MessageShower
{
public:
    void showMessage(QWidget *parent, const QString &title, const QString &text) override;
};
