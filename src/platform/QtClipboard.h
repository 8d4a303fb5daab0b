#pragma once

#include "platform/Clipboard.h"

class QtClipboard : public Clipboard
{
public:
    QtClipboard();
    void Clear() override;
    void SetText(const QString &text) override;
    void OutliveProgram() override;
};
