#pragma once

class QWidget;

// The desktop's band of windows that stay above all others.
class TopMostBand
{
public:
    virtual ~TopMostBand() = default;
    virtual void setTopMost(QWidget *window, bool onTop) = 0;
    virtual bool isTopMost(const QWidget *window) const = 0;
};
