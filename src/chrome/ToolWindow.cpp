#include "chrome/ToolWindow.h"

#include "chrome/CaptionButton.h"
#include "chrome/OnTopToggle.h"
#include "chrome/ToolLook.h"
#include "settings/Presets.h"
#include "window/DragIt.h"
#include "window/ShowIt.h"
#include "window/Twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <array>

using Twips::toPixels;

namespace {

constexpr int captionTop = 60;
constexpr int titleStripHeight = 435;

std::array<ToolWindow *, 3> &openWindows()
{
    static std::array<ToolWindow *, 3> open = {};
    return open;
}

} // namespace

ToolWindow *ToolWindow::Open(OnTopPeers::Role role)
{
    return openWindows()[role];
}

ToolWindow *ToolWindow::ShowOpen(OnTopPeers::Role role, const std::function<ToolWindow *()> &make)
{
    ToolWindow *&window = openWindows()[role];
    if (!window)
        window = make();
    ShowIt(window);
    return window;
}

ToolWindow::ToolWindow(const Design &design)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), design(design)
{
    setObjectName(QLatin1String(design.name));
    setWindowTitle(design.title);
    setAttribute(Qt::WA_DeleteOnClose);
    // Fixed at its size, which floats it on tiling window managers, as the
    // ruler.
    setFixedSize(toPixels(design.size.width()), toPixels(design.size.height()));
    buildTitleStrip();
    buildCaptionControls();
    OnTopPeers::Register(design.role, this);
}

ToolWindow::~ToolWindow()
{
    forget();
}

// Closed, the window must neither be re-asserted nor be shown again.
void ToolWindow::forget()
{
    OnTopPeers::Unregister(design.role, this);
    if (openWindows()[design.role] == this)
        openWindows()[design.role] = nullptr;
}

void ToolWindow::buildTitleStrip()
{
    const QSize background = design.backgroundSize;
    Image1 = ToolLook::stretchedPicture(this, "Image1", design.background,
                                        Twips::rect(0, 0, background.width(), background.height()));
    Image2 = ToolLook::stretchedPicture(this, "Image2", "title_strip",
                                        Twips::rect(0, 0, design.size.width(), titleStripHeight));
    titleText =
        ToolLook::titleText(this, design.titleName, design.title, Twips::rect(design.titlePlace));
    for (QLabel *surface : {Image1, Image2, titleText})
        surface->installEventFilter(this);
    Image1->setMouseTracking(true);
    Image2->setMouseTracking(true);
}

void ToolWindow::buildCaptionControls()
{
    onTop = new OnTopToggle(this, this);
    onTop->moveTo(toPixels(design.toggleLeft), toPixels(captionTop));
    connect(onTop, &OnTopToggle::Top_Y_Clicked, this, &ToolWindow::Top_Y_Click);
    connect(onTop, &OnTopToggle::Top_N_Clicked, this, &ToolWindow::Top_N_Click);
    minimizeControl = new CaptionButton(CaptionButton::Minimize, this);
    minimizeControl->moveTo(toPixels(design.minimizeLeft), toPixels(captionTop));
    connect(minimizeControl, &CaptionButton::released, this, &ToolWindow::Hilite_Min_MouseUp);
    closeControl = new CaptionButton(CaptionButton::Close, this);
    closeControl->moveTo(toPixels(design.closeLeft), toPixels(captionTop));
    connect(closeControl, &CaptionButton::released, this, &ToolWindow::Hilite_X_MouseUp);
}

Presets::Reading ToolWindow::ReadPresets(const QStringList &moreKeys) const
{
    return Presets::Reading(QStringList{design.leftKey, design.topKey} + moreKeys);
}

void ToolWindow::RestorePosition(const Presets::Reading &presets)
{
    presets.RestorePosition(this, design.leftKey, design.topKey);
}

void ToolWindow::StorePosition()
{
    Presets::StorePosition(this, design.leftKey, design.topKey);
}

void ToolWindow::Unload()
{
    close();
}

void ToolWindow::closeEvent(QCloseEvent *event)
{
    if (!unloaded) {
        unloaded = true;
        Form_Unload();
        forget();
    }
    event->accept();
}

void ToolWindow::Hilite_X_MouseUp()
{
    StorePosition();
    Unload();
}

void ToolWindow::Hilite_Min_MouseUp()
{
    showMinimized();
}

void ToolWindow::ResetCaptionButtons()
{
    closeControl->Reset();
    minimizeControl->Reset();
}

QRect ToolWindow::TitleStrip() const
{
    return Image2->geometry();
}

void ToolWindow::Form_Resize()
{
    ResetCaptionButtons();
}

void ToolWindow::Image1_MouseMove()
{
    ResetCaptionButtons();
}

void ToolWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    Form_Resize();
}

void ToolWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void ToolWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        Form_Resize();
}

bool ToolWindow::isDragHandle(QObject *watched) const
{
    return watched == Image2 || watched == titleText ||
           (design.backgroundDrags && watched == Image1);
}

bool ToolWindow::eventFilter(QObject *watched, QEvent *event)
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

bool ToolWindow::ShowsOnTop() const
{
    return onTop->ShowsOnTop();
}

void ToolWindow::Command1_Click()
{
    onTop->PutOnTop();
}

void ToolWindow::Top_N_Click()
{
    onTop->PutOnTop();
}

// Only this window leaves the band; the others showing "On Top" go back.
void ToolWindow::Top_Y_Click()
{
    onTop->TakeOffTop();
    OnTopPeers::ReassertOthers(design.role);
}
