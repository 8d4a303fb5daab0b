#include "window/FocusMarkStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionComplex>
#include <QWidget>

FocusMarkStyle::FocusMarkStyle() : QProxyStyle(QApplication::style()->name()) {}

void FocusMarkStyle::Install(QWidget *control)
{
    auto *style = new FocusMarkStyle();
    style->setParent(control);
    control->setStyle(style);
}

void FocusMarkStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                        QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (!(option->state & State_HasFocus) || (control != CC_Slider && control != CC_ScrollBar))
        return;
    painter->save();
    painter->setPen(QPen(option->palette.color(QPalette::Highlight), 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
}
