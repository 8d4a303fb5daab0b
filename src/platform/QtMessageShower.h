#pragma once

#include "platform/MessageShower.h"

class QtMessageShower : public MessageShower
{
public:
    void ShowMessage(QWidget *parent, const QString &title, const QString &text) override;
};
