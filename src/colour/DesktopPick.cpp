#include "colour/DesktopPick.h"

#include "chrome/ToolLook.h"
#include "platform/ColorPicker.h"
#include "platform/PlatformServices.h"
#include "platform/ScreenSampler.h"
#include "window/Twips.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>

namespace {

// What the desktop did, when it gave no colour.
QString noticeOf(ColorPicker::Answer::Outcome outcome)
{
    switch (outcome) {
    case ColorPicker::Answer::Unanswered:
        return QCoreApplication::translate("DesktopPick",
                                           "The desktop's color picker did not answer.");
    case ColorPicker::Answer::PickerGone:
        return QCoreApplication::translate("DesktopPick", "The desktop's color picker stopped.");
    case ColorPicker::Answer::Refused:
    case ColorPicker::Answer::Picked:
        break;
    }
    return QCoreApplication::translate("DesktopPick",
                                       "This desktop does not let programs read the screen.");
}

// A notice is longer than the hint it replaces: it takes two lines in the
// whole gap between the last readout group and the buttons.
const QRect noticePlace = Twips::rect(60, 4380, 2835, 345);

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
    platform().colorPicker->PickColor(window, [self](ColorPicker::Answer answer) {
        if (self)
            self->answered(answer);
    });
}

// The picker tells only the colour; the pointer is read when the answer
// comes, which is where the user has just clicked.
void DesktopPick::answered(ColorPicker::Answer answer)
{
    asking = false;
    if (answer.outcome != ColorPicker::Answer::Picked) {
        showNotice(noticeOf(answer.outcome));
        return;
    }
    showDesignHint();
    show({platform().sampler->PointerPosition(), answer.color});
}

void DesktopPick::showNotice(const QString &notice)
{
    hint->setText(notice);
    hint->setWordWrap(true);
    hint->setGeometry(noticePlace);
    QFont font = ToolLook::tahoma(8);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    while (font.pointSize() > 6 &&
           QFontMetrics(font).boundingRect(noticePlace, flags, notice).height() >
               noticePlace.height())
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
