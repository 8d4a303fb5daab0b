#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// The look the colour tools share.
namespace ToolLook {

QFont tahoma(int points, bool bold = false);
// The push buttons' captions, 8.25 points as in the About box.
QFont button();
// The window role also makes the widget paint its own background.
void paint(QWidget *widget, const QColor &color, QPalette::ColorRole role = QPalette::Window);
// A picture from the resources, stretched over place.
QLabel *stretchedPicture(QWidget *parent, const char *name, const QString &asset, QRect place);
// The white bold title on the title strip, never cut short by a wider
// substitute for Tahoma.
QLabel *titleText(QWidget *parent, const char *name, const QString &text, QRect place);
// The swatch colour of a colour value (red in the low byte).
QColor colorOf(qint32 value);

} // namespace ToolLook
