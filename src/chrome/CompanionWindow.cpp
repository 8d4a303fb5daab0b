#include "chrome/CompanionWindow.h"

#include "chrome/AccessibleChrome.h"
#include "chrome/ToolLook.h"
#include "chrome/WindowChrome.h"
#include "window/Twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QShortcut>

using Twips::toPixels;

namespace {

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
}

CompanionWindow::~CompanionWindow() = default;

void CompanionWindow::buildTitleStrip()
{
    const QSize background = design.backgroundSize;
    Image1 = ToolLook::stretchedPicture(this, "Image1", design.background,
                                        Twips::rect(0, 0, background.width(), background.height()));
    Image2 = ToolLook::stretchedPicture(this, "Image2", "title_strip",
                                        Twips::rect(0, 0, design.size.width(), titleStripHeight));
    titleText =
        ToolLook::titleText(this, design.titleName, windowTitle(), Twips::rect(design.titlePlace));
    Image1->installEventFilter(this);
    Image2->installEventFilter(this);
    Image1->setMouseTracking(true);
    Image2->setMouseTracking(true);
}

void CompanionWindow::buildCaptionControls()
{
    const int width = design.size.width();
    WindowChrome::Design chromeDesign{design.role, width - design.toggleLeft,
                                      width - design.minimizeLeft, width - design.closeLeft};
    chromeDesign.placeKeys = {{design.leftKey, design.topKey}};
    chrome = std::make_unique<WindowChrome>(this, chromeDesign);
    chrome->connectHandlers(this, &CompanionWindow::Top_Y_Click, &CompanionWindow::Top_N_Click,
                            &CompanionWindow::Hilite_Min_MouseUp,
                            &CompanionWindow::Hilite_X_MouseUp);
    QList<QWidget *> handles{Image2, titleText};
    if (design.backgroundDrags)
        handles << Image1;
    chrome->addDragHandles(handles);
    // Escape closes as the close control does, unless a control takes it.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &CompanionWindow::Hilite_X_MouseUp);
}

SettingsReading CompanionWindow::readPresets(const QList<Settings::Key> &moreKeys) const
{
    return SettingsReading(QList<Settings::Key>{design.leftKey, design.topKey} + moreKeys);
}

// A first place under the always-on-top ruler would hide the readouts.
void CompanionWindow::restorePosition(const SettingsReading &presets)
{
    chrome->restorePosition(presets, OpenWindows::find(OpenWindows::Ruler));
}

void CompanionWindow::storePosition()
{
    chrome->storePosition();
}

void CompanionWindow::closeEvent(QCloseEvent *event)
{
    chrome->unload([this] { Form_Unload(); });
    event->accept();
}

void CompanionWindow::Hilite_X_MouseUp()
{
    storePosition();
    close();
}

void CompanionWindow::Hilite_Min_MouseUp()
{
    showMinimized();
}

void CompanionWindow::resetCaptionButtons()
{
    chrome->resetCaptionButtons();
}

QRect CompanionWindow::titleStrip() const
{
    return Image2->geometry();
}

void CompanionWindow::Form_Resize()
{
    chrome->layOut();
}

void CompanionWindow::Image1_MouseMove()
{
    resetCaptionButtons();
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

bool CompanionWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove && watched == Image1)
        Image1_MouseMove();
    else if (event->type() == QEvent::MouseMove && watched == Image2)
        resetCaptionButtons();
    return QWidget::eventFilter(watched, event);
}

bool CompanionWindow::showsOnTop() const
{
    return chrome->showsOnTop();
}

void CompanionWindow::Command1_Click()
{
    chrome->putOnTop();
}

void CompanionWindow::Top_N_Click()
{
    chrome->putOnTop();
}

void CompanionWindow::Top_Y_Click()
{
    chrome->takeOffTop();
}
