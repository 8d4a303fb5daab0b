#include "chrome/CompanionWindow.h"

#include "chrome/AccessibleChrome.h"
#include "chrome/CaptionButton.h"
#include "chrome/OnTopToggle.h"
#include "chrome/ToolLook.h"
#include "settings/SettingsWriting.h"
#include "window/DragIt.h"
#include "window/Twips.h"
#include "window/WindowPlacing.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QShortcut>

using Twips::toPixels;

namespace {

constexpr int captionTop = 60;
constexpr int titleStripHeight = 435;

} // namespace

CompanionWindow::CompanionWindow(const Design &design)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), design(design)
{
    setObjectName(QLatin1String(design.name));
    AccessibleChrome::frame(this);
    setWindowTitle(tr(design.title));
    setAttribute(Qt::WA_DeleteOnClose);
    // Fixed at its size, which floats it on tiling window managers, as the
    // ruler.
    setFixedSize(toPixels(design.size.width()), toPixels(design.size.height()));
    buildTitleStrip();
    buildCaptionControls();
    OpenWindows::Register(design.role, this);
}

CompanionWindow::~CompanionWindow()
{
    OpenWindows::Forget(design.role, this);
}

void CompanionWindow::buildTitleStrip()
{
    const QSize background = design.backgroundSize;
    Image1 = ToolLook::stretchedPicture(this, "Image1", design.background,
                                        Twips::rect(0, 0, background.width(), background.height()));
    Image2 = ToolLook::stretchedPicture(this, "Image2", "title_strip",
                                        Twips::rect(0, 0, design.size.width(), titleStripHeight));
    titleText =
        ToolLook::titleText(this, design.titleName, windowTitle(), Twips::rect(design.titlePlace));
    for (QLabel *surface : {Image1, Image2, titleText})
        surface->installEventFilter(this);
    Image1->setMouseTracking(true);
    Image2->setMouseTracking(true);
}

void CompanionWindow::buildCaptionControls()
{
    onTop = new OnTopToggle(this, this);
    onTop->moveTo(toPixels(design.toggleLeft), toPixels(captionTop));
    connect(onTop, &OnTopToggle::Top_Y_Clicked, this, &CompanionWindow::Top_Y_Click);
    connect(onTop, &OnTopToggle::Top_N_Clicked, this, &CompanionWindow::Top_N_Click);
    minimizeControl = new CaptionButton(CaptionButton::Minimize, this);
    minimizeControl->moveTo(toPixels(design.minimizeLeft), toPixels(captionTop));
    connect(minimizeControl, &CaptionButton::released, this, &CompanionWindow::Hilite_Min_MouseUp);
    closeControl = new CaptionButton(CaptionButton::Close, this);
    closeControl->moveTo(toPixels(design.closeLeft), toPixels(captionTop));
    connect(closeControl, &CaptionButton::released, this, &CompanionWindow::Hilite_X_MouseUp);
    // Escape closes as the close control does, unless a control takes it.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &CompanionWindow::Hilite_X_MouseUp);
}

SettingsReading CompanionWindow::ReadPresets(const QList<Settings::Key> &moreKeys) const
{
    return SettingsReading(QList<Settings::Key>{design.leftKey, design.topKey} + moreKeys);
}

// A first place under the always-on-top ruler would hide the readouts.
void CompanionWindow::RestorePosition(const SettingsReading &presets)
{
    WindowPlacing::Restore(this, presets.Edge(design.leftKey), presets.Edge(design.topKey),
                           OpenWindows::Find(OpenWindows::Ruler));
}

void CompanionWindow::StorePosition()
{
    const QPointF place = WindowPlacing::Place(this);
    SettingsWriting()
        .Edge(design.leftKey, float(place.x()))
        .Edge(design.topKey, float(place.y()))
        .Save();
}

void CompanionWindow::closeEvent(QCloseEvent *event)
{
    // Closed, the window must neither be re-asserted nor be shown again.
    if (!unloaded) {
        unloaded = true;
        Form_Unload();
        OpenWindows::Forget(design.role, this);
    }
    event->accept();
}

void CompanionWindow::Hilite_X_MouseUp()
{
    StorePosition();
    close();
}

void CompanionWindow::Hilite_Min_MouseUp()
{
    showMinimized();
}

void CompanionWindow::ResetCaptionButtons()
{
    closeControl->Reset();
    minimizeControl->Reset();
}

QRect CompanionWindow::TitleStrip() const
{
    return Image2->geometry();
}

void CompanionWindow::Form_Resize()
{
    ResetCaptionButtons();
}

void CompanionWindow::Image1_MouseMove()
{
    ResetCaptionButtons();
}

void CompanionWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    Form_Resize();
}

void CompanionWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void CompanionWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        Form_Resize();
}

bool CompanionWindow::isDragHandle(QObject *watched) const
{
    return watched == Image2 || watched == titleText ||
           (design.backgroundDrags && watched == Image1);
}

bool CompanionWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && isDragHandle(watched)) {
        DragIt(this);
        return true;
    }
    if (event->type() == QEvent::MouseMove && watched == Image1)
        Image1_MouseMove();
    else if (event->type() == QEvent::MouseMove && watched == Image2)
        ResetCaptionButtons();
    return QWidget::eventFilter(watched, event);
}

bool CompanionWindow::ShowsOnTop() const
{
    return onTop->ShowsOnTop();
}

void CompanionWindow::Command1_Click()
{
    onTop->PutOnTop();
}

void CompanionWindow::Top_N_Click()
{
    onTop->PutOnTop();
}

// Only this window leaves the band; the others showing "On Top" go back.
void CompanionWindow::Top_Y_Click()
{
    onTop->TakeOffTop();
    OpenWindows::ReassertOthers(design.role);
}
