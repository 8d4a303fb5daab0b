#include "ruler/ReadoutBox.h"

#include "chrome/TextAccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

constexpr qreal designPoints = 8;
constexpr qreal smallestPoints = 6;
// A line edit keeps this much room on either side of its text; the readouts
// give one pixel of it back on each side.
constexpr int lineEditMargin = 2;
constexpr int marginGivenBack = 1;
// The longest readout: five digits and a decimal separator ("1199.9" points,
// "23985" twips).
constexpr int longestDigits = 5;

QFont narrowSans(qreal points)
{
    QFont font;
    font.setFamilies(
        {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("DejaVu Sans Condensed")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

int longestTextWidth(const QFont &font)
{
    const QFontMetrics metrics(font);
    int digit = 0;
    for (char c = '0'; c <= '9'; ++c)
        digit = qMax(digit, metrics.horizontalAdvance(QLatin1Char(c)));
    const QString separator = QLocale().decimalPoint();
    return longestDigits * digit + metrics.horizontalAdvance(separator);
}

// Assistive technology reads the text the box draws, named by its accessible
// name ("Width") and described by the unit.
QAccessibleInterface *readoutAccessible(const QString &className, QObject *object)
{
    if (className != QLatin1String("ReadoutBox"))
        return nullptr;
    auto *box = static_cast<ReadoutBox *>(object);
    return new TextAccessible(box, QAccessible::EditableText, [box] { return box->text(); });
}

} // namespace

ReadoutBox::ReadoutBox(QWidget *parent, const QString &name, const QRect &geometry,
                       const QString &tip)
    : QWidget(parent)
{
    static const bool accessible = (QAccessible::installFactory(&readoutAccessible), true);
    Q_UNUSED(accessible);
    setObjectName(name);
    setGeometry(geometry);
    setToolTip(tip);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::IBeamCursor);
}

void ReadoutBox::setText(const QString &text)
{
    if (text == shown)
        return;
    shown = text;
    if (editor)
        editor->setText(text);
    update();
}

QFont ReadoutBox::textFont() const
{
    const int room = textRoom().width();
    qreal points = designPoints;
    QFont candidate = narrowSans(points);
    while (points > smallestPoints && longestTextWidth(candidate) > room) {
        points -= 0.5;
        candidate = narrowSans(points);
    }
    return candidate;
}

// The contents of a line edit of the box's size, as the style lays it out.
QRect ReadoutBox::contents() const
{
    QStyleOptionFrame option;
    option.initFrom(this);
    option.rect = rect();
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    option.state |= QStyle::State_Sunken;
    return style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
}

QRect ReadoutBox::textRoom() const
{
    const int inset = lineEditMargin - marginGivenBack;
    return contents().adjusted(inset, 0, -inset, 0);
}

// The box without text, as the style draws a line edit's panel, kept until
// the box's size or look changes.
const QPixmap &ReadoutBox::emptyBox()
{
    if (box.size() != size()) {
        box = QPixmap(size());
        box.fill(Qt::transparent);
        QPainter painter(&box);
        QStyleOptionFrame option;
        option.initFrom(this);
        option.rect = rect();
        option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
        option.state |= QStyle::State_Sunken;
        option.state &= ~QStyle::State_HasFocus;
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    }
    return box;
}

void ReadoutBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, emptyBox());
    if (shown.isEmpty())
        return;
    if (drawn.text() != shown) {
        drawn.setText(shown);
        drawn.setTextFormat(Qt::PlainText);
    }
    if (!drawnFont)
        drawnFont = textFont();
    // Vertically centred as a line edit centres its line.
    const QRect room = textRoom();
    const int lineHeight = QFontMetrics(*drawnFont).height();
    const int top = room.y() + (room.height() - lineHeight + 1) / 2;
    painter.setClipRect(room);
    painter.setFont(*drawnFont);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawStaticText(QPointF(room.x(), top), drawn);
}

// The user may type into a readout as into any text box; what is typed is
// what the copy then takes, until the next length is shown.
void ReadoutBox::startEditing()
{
    if (!editor) {
        editor = new QLineEdit(this);
        editor->setObjectName(objectName() + QStringLiteral("Editor"));
        editor->setPalette(palette());
        editor->setFont(textFont());
        editor->setTextMargins(-marginGivenBack, 0, -marginGivenBack, 0);
        editor->setGeometry(rect());
        editor->installEventFilter(this);
        connect(editor, &QLineEdit::textEdited, this, [this](const QString &text) {
            shown = text;
            emit edited(text);
        });
        // Right behind the box in the tab order, so that Tab from the editor
        // goes on to the control after the box.
        QWidget::setTabOrder(this, editor);
    }
    editor->setText(shown);
    editor->show();
    // While the editor holds the focus, the box and the editor are one stop
    // of Tab and Shift+Tab, as a spin box and its line edit are.
    setFocusProxy(editor);
    editor->setFocus(Qt::OtherFocusReason);
}

void ReadoutBox::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    startEditing();
}

bool ReadoutBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == editor && event->type() == QEvent::FocusOut) {
        setFocusProxy(nullptr);
        editor->hide();
        update();
    }
    return QWidget::eventFilter(watched, event);
}

// The press that gave the box the focus, and the drag that follows it,
// place the cursor and select in the line edit.
void ReadoutBox::forwardToEditor(QMouseEvent *event)
{
    if (!editor || !editor->isVisible())
        return;
    QMouseEvent copy(event->type(), event->position(), event->scenePosition(),
                     event->globalPosition(), event->button(), event->buttons(),
                     event->modifiers());
    QApplication::sendEvent(editor, &copy);
}

void ReadoutBox::mousePressEvent(QMouseEvent *event)
{
    forwardToEditor(event);
}

void ReadoutBox::mouseMoveEvent(QMouseEvent *event)
{
    forwardToEditor(event);
}

void ReadoutBox::mouseReleaseEvent(QMouseEvent *event)
{
    forwardToEditor(event);
}

void ReadoutBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    forwardToEditor(event);
}

void ReadoutBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (editor)
        editor->setGeometry(rect());
}

void ReadoutBox::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange ||
        event->type() == QEvent::EnabledChange)
        box = QPixmap();
    if (event->type() == QEvent::LocaleChange || event->type() == QEvent::StyleChange)
        drawnFont.reset();
}
