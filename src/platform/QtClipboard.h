#pragma once

#include "platform/Clipboard.h"

class QtClipboard : public Clipboard
{
public:
    QtClipboard();
    void clear() override;
    void setText(const QString &text) override;
    void outliveProgram() override;
};
