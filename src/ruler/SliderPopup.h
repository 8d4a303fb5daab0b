#pragma once

#include <QLabel>
#include <QPixmap>
#include <QStaticText>

// The short text a slider shows beside its thumb while it is held: one label
// of the tooltip's look and place, moved and given new text as the thumb
// goes, so that a new length costs a new text and not a new tooltip.
class SliderPopup : public QLabel
{
    Q_OBJECT
public:
    explicit SliderPopup(QWidget *owner);

    // Shows text with its corner below and right of the global point, as a
    // tooltip shown there stands. The same text again changes nothing.
    void showAt(const QPoint &globalPoint, const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void fitText();
    QPoint placeFor(const QPoint &globalPoint) const;
    void moveShown(const QPoint &place);
    void drawPanelForSize();

    // Where the pop-up was put last: Qt hears of a move only from the server.
    QPoint placedAt;
    QPixmap panel;
    // The text, laid out once for each new text.
    QStaticText shaped;
    bool sizedByPattern = false;
    QString sizedPattern;
};
