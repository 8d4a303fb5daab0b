#pragma once

#include <QProxyStyle>

class QWidget;

// The application's style with a focus mark that shows: a slider or scroll
// bar holding the keyboard focus is framed in the highlight colour. The
// styles Debian ships draw no focus on either, so nothing told the user
// where the arrow keys would go.
class FocusMarkStyle : public QProxyStyle
{
public:
    // The control draws itself through the style from now on; the style
    // lives as long as the control.
    static void Install(QWidget *control);

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;

private:
    FocusMarkStyle();
};
