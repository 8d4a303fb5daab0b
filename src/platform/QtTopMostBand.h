#pragma once

#include "platform/TopMostBand.h"

// Changes the keep-above hint on the native window in place: a shown window
// is neither unmapped nor moved nor resized (QWidget::setWindowFlag would
// recreate it).
class QtTopMostBand : public TopMostBand
{
public:
    void setTopMost(QWidget *window, bool onTop) override;
    bool isTopMost(const QWidget *window) const override;
};
