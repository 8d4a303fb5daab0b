#pragma once

#include "chrome/OpenWindows.h"
#include "settings/Settings.h"

#include <QList>
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <utility>

class CaptionButton;
class OnTopToggle;
class QLabel;
class QPoint;
class QWidget;
class SettingsReading;

// What every window of the program draws and does round its own content,
// as none shows a frame of the windowing system: the on-top pin and the
// minimise and close buttons lined up from its right edge, the drag by its
// handles, the place it keeps under two keys, its entry in OpenWindows and
// its unloading, run once whatever closes it. Each window has only the
// pieces its design gives it.
class WindowChrome : public QObject
{
    Q_OBJECT
public:
    using PictureNames = std::array<const char *, 3>; // normal, hover, down; nullptr: the asset's

    struct Design
    {
        OpenWindows::Role role;
        // Distances in twips from the window's right edge to the left of the
        // pin, the minimise and the close button; 0: the window has none.
        int toggleFromRight = 0;
        int minimizeFromRight = 0;
        int closeFromRight = 0;
        // Resizing returns the minimise button to normal; the close button too?
        bool resizeResetsClose = true;
        PictureNames minimizeNames = {};
        PictureNames closeNames = {};
        std::array<const char *, 2> toggleNames = {}; // Top_Y, Top_N
        // The keys of the window's left and top edge in the store; none: the
        // chrome keeps no place for it.
        std::optional<std::pair<Settings::Key, Settings::Key>> placeKeys;
    };

    // Registers window under its role.
    WindowChrome(QWidget *window, const Design &design);
    ~WindowChrome() override;

    // Connects the caption pictures to the window's handlers.
    template <typename Window>
    void connectHandlers(Window *target, void (Window::*topY)(), void (Window::*topN)(),
                         void (Window::*minimize)(), void (Window::*close)());

    // Every caption picture, for a window that paints them itself.
    QList<QLabel *> pictures() const;
    // The caption pictures against the window's right edge; the minimise
    // button, and the close button where the design says so, back to normal.
    void layOut();
    // The caption pictures where the window's own layout puts them.
    void moveCaptionPictures(const QPoint &toggle, const QPoint &minimize, const QPoint &close);
    // The minimise button, and the close button where the design says so,
    // back to normal after a resize.
    void resetAfterResize();
    // Both caption buttons back to normal, as the window's reset surfaces ask.
    void resetCaptionButtons();

    bool showsOnTop() const;
    void putOnTop();
    // Only this window leaves the band; the others showing "On Top" go back.
    void takeOffTop();

    // A left press on each of these starts a move at once.
    void addDragHandles(const QList<QWidget *> &handles);
    // A press on a drag handle: the left button starts a move at once.
    void pressOnHandle(Qt::MouseButton button, const QPoint &pressPointer);
    // A move of a press at pressPointer that the pointer has since left.
    void dragFrom(const QPoint &pressPointer);

    // Each edge on its own from the window's two keys; with neither stored,
    // a window put over clearOf moves beside it.
    void restorePosition(const SettingsReading &presets, const QWidget *clearOf = nullptr);
    void storePosition();

    // The first time only: runs the window's unloading steps, then takes it
    // out of OpenWindows, so that it is neither asked back on top nor shown
    // again.
    void unload(const std::function<void()> &steps);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectPictures(const std::function<void()> &topY, const std::function<void()> &topN,
                         const std::function<void()> &minimize, const std::function<void()> &close);
    void buildCaptionPictures();

    QWidget *const window;
    const Design design;
    OnTopToggle *onTop = nullptr;
    CaptionButton *minimizeButton = nullptr;
    CaptionButton *closeButton = nullptr;
    QList<QObject *> dragHandles;
    bool unloaded = false;
};

template <typename Window>
void WindowChrome::connectHandlers(Window *target, void (Window::*topY)(), void (Window::*topN)(),
                                   void (Window::*minimize)(), void (Window::*close)())
{
    connectPictures([target, topY] { (target->*topY)(); }, [target, topN] { (target->*topN)(); },
                    [target, minimize] { (target->*minimize)(); },
                    [target, close] { (target->*close)(); });
}
