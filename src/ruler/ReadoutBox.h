#pragma once

#include <QPixmap>
#include <QStaticText>
#include <QWidget>
#include <optional>

class QLineEdit;

// A readout of the ruler: a text box that shows its text whole, from its
// left edge, in a narrow font. It draws the box itself and builds a line
// edit only when the user clicks or tabs into it, so that a new length costs
// a new text and one small repaint, and the start waits for no font.
class ReadoutBox : public QWidget
{
    Q_OBJECT
public:
    ReadoutBox(QWidget *parent, const QString &name, const QRect &geometry, const QString &tip);

    QString text() const { return shown; }
    // The same text again writes and repaints nothing.
    void setText(const QString &text);
    void clear() { setText(QString()); }

    // The font every readout shows its text in: a narrow sans, at the size
    // at which five digits and a decimal separator fit the box.
    QFont textFont() const;
    // The part of the box the text is drawn in.
    QRect textRoom() const;

signals:
    // The user typed into the box; text is what it now holds.
    void edited(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QRect contents() const;
    const QPixmap &emptyBox();
    void startEditing();
    void forwardToEditor(QMouseEvent *event);

    QString shown;
    // Empty until the font is chosen, at the first text drawn.
    std::optional<QFont> drawnFont;
    // The text shown, laid out once for each new text.
    QStaticText drawn;
    QPixmap box;
    QLineEdit *editor = nullptr;
};
