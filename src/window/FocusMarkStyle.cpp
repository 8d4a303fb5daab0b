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

void FocusMarkStyle::mark(const QStyleOption *option, QPainter *painter)
{
    if (!(option->state & State_HasFocus))
        return;
    painter->save();
    painter->setPen(QPen(option->palette.color(QPalette::Highlight), 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
}
