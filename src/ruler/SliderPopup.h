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
    // tooltip shown there stands. A new place only moves it, a new text
    // repaints it, and the same text at the same place changes nothing.
    void showAt(const QPoint &globalPoint, const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void fitText();
    QPoint placeFor(const QPoint &globalPoint) const;
    void drawPanelForSize();

    QPixmap panel;
    // The text, laid out once for each new text.
    QStaticText shaped;
    bool sizedByPattern = false;
    QString sizedPattern;
};
