#include "colour/DesktopPick.h"

#include "chrome/ToolLook.h"
#include "platform/ColorPicker.h"
#include "platform/PlatformServices.h"
#include "platform/ScreenSampler.h"
#include "window/Twips.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPointer>

namespace {

const QString refusal = QStringLiteral("This desktop does not let programs read the screen.");

// The sentence is longer than the hint it replaces: it takes two lines in
// the whole gap between the last readout group and the buttons.
const QRect refusalPlace = Twips::rect(60, 4380, 2835, 345);

} // namespace

DesktopPick::DesktopPick(QWidget *window, QLabel *hint, ShowSample show)
    : QObject(window), window(window), hint(hint), show(std::move(show)), designText(hint->text()),
      designPlace(hint->geometry()), designFont(hint->font())
{
}

void DesktopPick::Ask()
{
    if (asking)
        return;
    asking = true;
    const QPointer<DesktopPick> self(this);
    platform().colorPicker->PickColor(window, [self](qint32 color) {
        if (self)
            self->answered(color);
    });
}

// The picker tells only the colour; the pointer is read when the answer
// comes, which is where the user has just clicked.
void DesktopPick::answered(qint32 color)
{
    asking = false;
    if (color < 0) {
        showRefusal();
        return;
    }
    showDesignHint();
    show({platform().sampler->PointerPosition(), color});
}

void DesktopPick::showRefusal()
{
    hint->setText(refusal);
    hint->setWordWrap(true);
    hint->setGeometry(refusalPlace);
    QFont font = ToolLook::tahoma(8);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    while (font.pointSize() > 6 &&
           QFontMetrics(font).boundingRect(refusalPlace, flags, refusal).height() >
               refusalPlace.height())
        font.setPointSize(font.pointSize() - 1);
    hint->setFont(font);
}

void DesktopPick::showDesignHint()
{
    hint->setText(designText);
    hint->setWordWrap(false);
    hint->setGeometry(designPlace);
    hint->setFont(designFont);
}
