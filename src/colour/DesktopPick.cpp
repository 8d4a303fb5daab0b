#include "colour/DesktopPick.h"

#include "chrome/ToolLook.h"
#include "platform/ColorPicker.h"
#include "platform/PlatformServices.h"
#include "window/Twips.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>

namespace {

// What the desktop did, when it gave no colour; nothing to say of a pick or
// of the user's own cancel.
QString noticeOf(ColorPicker::Answer::Outcome outcome)
{
    switch (outcome) {
    case ColorPicker::Answer::Unanswered:
        return QCoreApplication::translate("DesktopPick", "The color picker timed out.");
    case ColorPicker::Answer::PickerGone:
        return QCoreApplication::translate("DesktopPick", "The desktop's color picker stopped.");
    case ColorPicker::Answer::NoPicker:
        return QCoreApplication::translate("DesktopPick", "This desktop has no color picker.");
    case ColorPicker::Answer::Refused:
        return QCoreApplication::translate("DesktopPick",
                                           "This desktop does not let programs read the screen.");
    case ColorPicker::Answer::Picked:
    case ColorPicker::Answer::Cancelled:
        break;
    }
    return {};
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

void DesktopPick::ask()
{
    if (asking)
        return;
    asking = true;
    showDesignHint();
    hint->setText(QCoreApplication::translate("DesktopPick", "Pick a color on the screen"));
    const QPointer<DesktopPick> self(this);
    platform().colorPicker->pickColor(window, [self](ColorPicker::Answer answer) {
        if (self)
            self->answered(answer);
    });
}

// The picker tells only the colour: where the user picked it, the X pointer
// never went.
void DesktopPick::answered(ColorPicker::Answer answer)
{
    asking = false;
    const QString notice = noticeOf(answer.outcome);
    if (!notice.isEmpty()) {
        showNotice(notice);
        return;
    }
    showDesignHint();
    if (answer.outcome == ColorPicker::Answer::Picked)
        show(answer.color);
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
