#pragma once

class QWidget;

// The desktop's band of windows that stay above all others.
class TopMostBand
{
public:
    virtual ~TopMostBand() = default;
    virtual void SetTopMost(QWidget *window, bool onTop) = 0;
    virtual bool IsTopMost(const QWidget *window) const = 0;
};
