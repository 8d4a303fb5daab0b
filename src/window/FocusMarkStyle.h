#pragma once

#include <QProxyStyle>

class QWidget;

// The application's style with a focus mark that shows: a slider, scroll bar
// or framed swatch holding the keyboard focus is framed in the highlight
// colour. The styles Debian ships draw no focus on any of them, so nothing
// told the user where the keys would go.
class FocusMarkStyle : public QProxyStyle
{
public:
    // The control draws itself through the style from now on; the style
    // lives as long as the control.
    static void install(QWidget *control);

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;

private:
    FocusMarkStyle();
    static void mark(const QStyleOption *option, QPainter *painter);
};
