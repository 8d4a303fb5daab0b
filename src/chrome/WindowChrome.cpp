#include "chrome/WindowChrome.h"

#include "chrome/CaptionButton.h"
#include "chrome/OnTopToggle.h"
#include "settings/SettingsReading.h"
#include "settings/SettingsWriting.h"
#include "window/DragIt.h"
#include "window/OuterRect.h"
#include "window/Twips.h"
#include "window/WindowPlacing.h"

#include <QLabel>
#include <QMouseEvent>

namespace {

constexpr int captionTop = 60; // twips

void nameAll(const QList<QLabel *> &pictures, const char *const *names)
{
    for (int i = 0; i < pictures.size(); ++i) {
        if (names[i])
            pictures[i]->setObjectName(QString::fromLatin1(names[i]));
    }
}

} // namespace

WindowChrome::WindowChrome(QWidget *window, const Design &design) : window(window), design(design)
{
    buildCaptionPictures();
    OpenWindows::registerWindow(design.role, window);
}

WindowChrome::~WindowChrome()
{
    OpenWindows::forgetWindow(design.role, window);
}

void WindowChrome::buildCaptionPictures()
{
    if (design.toggleFromRight) {
        onTop = new OnTopToggle(window, window);
        nameAll({onTop->Top_Y(), onTop->Top_N()}, design.toggleNames.data());
    }
    if (design.minimizeFromRight) {
        minimizeButton = new CaptionButton(CaptionButton::Minimize, window);
        nameAll({minimizeButton->normalPicture(), minimizeButton->hoverPicture(),
                 minimizeButton->downPicture()},
                design.minimizeNames.data());
    }
    if (design.closeFromRight) {
        closeButton = new CaptionButton(CaptionButton::Close, window);
        nameAll(
            {closeButton->normalPicture(), closeButton->hoverPicture(), closeButton->downPicture()},
            design.closeNames.data());
    }
    layOut();
}

void WindowChrome::connectPictures(const std::function<void()> &topY,
                                   const std::function<void()> &topN,
                                   const std::function<void()> &minimize,
                                   const std::function<void()> &close)
{
    if (onTop) {
        connect(onTop, &OnTopToggle::Top_Y_Clicked, window, topY);
        connect(onTop, &OnTopToggle::Top_N_Clicked, window, topN);
    }
    if (minimizeButton)
        connect(minimizeButton, &CaptionButton::released, window, minimize);
    if (closeButton)
        connect(closeButton, &CaptionButton::released, window, close);
}

QList<QLabel *> WindowChrome::pictures() const
{
    QList<QLabel *> pictures;
    for (const CaptionButton *button : {minimizeButton, closeButton}) {
        if (button)
            pictures << button->normalPicture() << button->hoverPicture() << button->downPicture();
    }
    if (onTop)
        pictures << onTop->Top_Y() << onTop->Top_N();
    return pictures;
}

void WindowChrome::layOut()
{
    const double width = Twips::fromPixels(outerRect(window).width());
    const auto at = [width](int fromRight) {
        return QPoint(Twips::toPixels(width - fromRight), Twips::toPixels(captionTop));
    };
    moveCaptionPictures(at(design.toggleFromRight), at(design.minimizeFromRight),
                        at(design.closeFromRight));
    resetAfterResize();
}

void WindowChrome::moveCaptionPictures(const QPoint &toggle, const QPoint &minimize,
                                       const QPoint &close)
{
    if (onTop)
        onTop->moveTo(toggle.x(), toggle.y());
    if (minimizeButton)
        minimizeButton->moveTo(minimize.x(), minimize.y());
    if (closeButton)
        closeButton->moveTo(close.x(), close.y());
}

void WindowChrome::resetAfterResize()
{
    if (minimizeButton)
        minimizeButton->reset();
    if (closeButton && design.resizeResetsClose)
        closeButton->reset();
}

void WindowChrome::resetCaptionButtons()
{
    for (CaptionButton *button : {closeButton, minimizeButton}) {
        if (button)
            button->reset();
    }
}

bool WindowChrome::showsOnTop() const
{
    return onTop && onTop->showsOnTop();
}

void WindowChrome::putOnTop()
{
    onTop->putOnTop();
}

void WindowChrome::takeOffTop()
{
    onTop->takeOffTop();
    OpenWindows::reassertOthers(design.role);
}

void WindowChrome::addDragHandles(const QList<QWidget *> &handles)
{
    for (QWidget *handle : handles) {
        handle->installEventFilter(this);
        dragHandles << handle;
    }
}

void WindowChrome::pressOnHandle(Qt::MouseButton button, const QPoint &pressPointer)
{
    if (button == Qt::LeftButton)
        DragIt(window, pressPointer);
}

void WindowChrome::dragFrom(const QPoint &pressPointer)
{
    DragItAfterTravel(window, pressPointer);
}

bool WindowChrome::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress || !dragHandles.contains(watched))
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() == Qt::LeftButton) {
        DragIt(window, mouse->globalPosition().toPoint());
        return true;
    }
    return false;
}

void WindowChrome::restorePosition(const SettingsReading &presets, const QWidget *clearOf)
{
    if (!design.placeKeys)
        return;
    const auto [left, top] = *design.placeKeys;
    WindowPlacing::restore(window, presets.edge(left), presets.edge(top), clearOf);
}

void WindowChrome::storePosition()
{
    if (!design.placeKeys)
        return;
    const auto [left, top] = *design.placeKeys;
    const QPointF place = WindowPlacing::place(window);
    SettingsWriting().edge(left, float(place.x())).edge(top, float(place.y())).save();
}

void WindowChrome::unload(const std::function<void()> &steps)
{
    if (unloaded)
        return;
    unloaded = true;
    if (steps)
        steps();
    OpenWindows::forgetWindow(design.role, window);
}
