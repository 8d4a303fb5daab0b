#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// The look every window of the program shares: its colours, fonts and
// pictures.
namespace ToolLook {

// The beige of the window backgrounds.
inline const QColor formBackground(240, 232, 216);
// The pale panel behind readouts and texts, and their dark blue ink.
inline const QColor panelBackground(248, 236, 224);
inline const QColor panelInk(0, 0, 192);

QFont tahoma(int points, bool bold = false);
// The push buttons' captions, 8.25 points as in the About box.
QFont button();
// A sans-serif font that the desktops here are sure to have.
QFont sans(qreal points, bool bold = false);
// The window role also makes the widget paint its own background.
void paint(QWidget *widget, const QColor &color, QPalette::ColorRole role = QPalette::Window);
// A picture of the resources, by its asset name.
QPixmap asset(const char *name);
QImage assetImage(const char *name);
// A label showing an asset at its own size.
QLabel *picture(QWidget *parent, const char *name, const char *assetName);
// An asset stretched over place.
QLabel *stretchedPicture(QWidget *parent, const char *name, const char *assetName, QRect place);
// The white bold title on the title strip, never cut short by a wider
// substitute for Tahoma.
QLabel *titleText(QWidget *parent, const char *name, const QString &text, QRect place);
// The swatch colour of a colour value (red in the low byte).
QColor colorOf(qint32 value);

} // namespace ToolLook
