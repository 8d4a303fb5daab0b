#include "ruler/SliderPopup.h"

#include "platform/PlatformServices.h"
#include "platform/WindowPlace.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>

namespace {

// Where a tooltip stands from the point it is shown at: right of and below
// the tip of an arrow pointer of the usual size.
constexpr QPoint tipOffset(2, 16);

// The text with every digit made a zero: in a font whose digits are all as
// wide, texts of the same pattern take the same room.
QString digitPattern(const QString &text)
{
    QString pattern = text;
    for (QChar &c : pattern) {
        if (c.isDigit())
            c = QLatin1Char('0');
    }
    return pattern;
}

bool digitsAllAsWide(const QFont &font)
{
    const QFontMetrics metrics(font);
    const int zero = metrics.horizontalAdvance(QLatin1Char('0'));
    for (char digit = '1'; digit <= '9'; ++digit) {
        if (metrics.horizontalAdvance(QLatin1Char(digit)) != zero)
            return false;
    }
    return true;
}

} // namespace

SliderPopup::SliderPopup(QWidget *owner)
    : QLabel(owner, Qt::ToolTip | Qt::BypassGraphicsProxyWidget)
{
    setObjectName(QStringLiteral("SliderPopup"));
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    ensurePolished();
    setMargin(1 + style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, this));
    setFrameStyle(QFrame::NoFrame);
    setAlignment(Qt::AlignLeft);
    setIndent(1);
    setTextFormat(Qt::PlainText);
    setWindowOpacity(style()->styleHint(QStyle::SH_ToolTipLabel_Opacity, nullptr, this) / 255.0);
    sizedByPattern = digitsAllAsWide(font());
    if (WindowPlace *windowPlace = platform().windowPlace)
        windowPlace->placedAlone(this);
}

void SliderPopup::showAt(const QPoint &globalPoint, const QString &popup)
{
    if (popup != text()) {
        setText(popup);
        fitText();
    }
    move(placeFor(globalPoint));
    if (!isVisible())
        show();
}

// Laying the text out to measure it costs more than all else a new length
// does, so it is measured again only when its pattern of digits changes.
void SliderPopup::fitText()
{
    const QString pattern = digitPattern(text());
    if (sizedByPattern && pattern == sizedPattern)
        return;
    sizedPattern = pattern;
    resize(sizeHint() + QSize(1, 0));
}

// Kept on the screen of the point: flipped left of or above it where it
// would run off the right or bottom edge.
QPoint SliderPopup::placeFor(const QPoint &globalPoint) const
{
    QPoint place = globalPoint + tipOffset;
    const QScreen *screen = QGuiApplication::screenAt(globalPoint);
    if (!screen)
        return place;
    const QRect area = screen->geometry();
    if (place.x() + width() > area.right() + 1)
        place.rx() -= 4 + width();
    if (place.y() + height() > area.bottom() + 1)
        place.ry() -= 24 + height();
    if (place.y() < area.top())
        place.setY(area.top());
    if (place.x() + width() > area.right() + 1)
        place.setX(area.right() + 1 - width());
    if (place.x() < area.left())
        place.setX(area.left());
    if (place.y() + height() > area.bottom() + 1)
        place.setY(area.bottom() + 1 - height());
    return place;
}

// The panel, as the style draws a tooltip's, is drawn once for each size.
void SliderPopup::drawPanelForSize()
{
    if (panel.size() != size()) {
        panel = QPixmap(size());
        panel.fill(Qt::transparent);
        QPainter onPanel(&panel);
        QStyleOptionFrame frame;
        frame.initFrom(this);
        style()->drawPrimitive(QStyle::PE_PanelTipLabel, &frame, &onPanel, this);
        onPanel.end();
    }
}

void SliderPopup::paintEvent(QPaintEvent *)
{
    drawPanelForSize();
    if (shaped.text() != text()) {
        shaped.setText(text());
        shaped.setTextFormat(Qt::PlainText);
    }
    // Where a label with these margins and indent puts its text.
    const int inset = margin() + indent();
    const QPointF origin = contentsRect().topLeft() + QPoint(inset, margin());
    QPainter painter(this);
    painter.drawPixmap(0, 0, panel);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawStaticText(origin, shaped);
}
