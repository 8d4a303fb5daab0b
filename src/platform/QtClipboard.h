#pragma once

#include "platform/Clipboard.h"

class QtClipboard : public Clipboard
{
public:
    void Clear() override;
    void SetText(const QString &text) override;
};
