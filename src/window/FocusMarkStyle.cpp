#include "window/FocusMarkStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionComplex>
#include <QWidget>

FocusMarkStyle::FocusMarkStyle() : QProxyStyle(QApplication::style()->name()) {}

void FocusMarkStyle::install(QWidget *control)
{
    auto *style = new FocusMarkStyle();
    style->setParent(control);
    control->setStyle(style);
}

void FocusMarkStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                        QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_Slider || control == CC_ScrollBar)
        mark(option, painter);
}

void FocusMarkStyle::drawControl(ControlElement element, const QStyleOption *option,
                                 QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_ShapedFrame)
        mark(option, painter);
}

// The frame's four sides are filled: stroking them with a pen cost a held
// slider's repaint more than all the rest it draws.
void FocusMarkStyle::mark(const QStyleOption *option, QPainter *painter)
{
    if (!(option->state & State_HasFocus))
        return;
    const QRect frame = option->rect;
    const QColor colour = option->palette.color(QPalette::Highlight);
    painter->fillRect(frame.left(), frame.top(), frame.width(), 1, colour);
    painter->fillRect(frame.left(), frame.bottom(), frame.width(), 1, colour);
    painter->fillRect(frame.left(), frame.top(), 1, frame.height(), colour);
    painter->fillRect(frame.right(), frame.top(), 1, frame.height(), colour);
}
