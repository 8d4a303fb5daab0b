#pragma once

#include "chrome/OnTopPeer.h"
#include "chrome/OpenWindows.h"
#include "settings/Settings.h"
#include "settings/SettingsReading.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>
#include <memory>

class QLabel;
class WindowChrome;

// A companion window of the ruler (Color Spy, Color Mixer): borderless and
// open at most once, with a title strip of its own that drags it, an on-top
// pin that keeps the other pinned windows in the band, minimise and close
// controls that every show, restore and resize returns to normal, and a
// place kept under two keys when the user closes it.
class CompanionWindow : public QWidget, public OnTopPeer
{
    Q_OBJECT
public:
    // What sets one companion window apart; places and sizes in twips.
    struct Design
    {
        OpenWindows::Role role;
        const char *name;
        const char *title; // English, translated in the window
        QSize size;
        const char *background; // asset of Image1, stretched from the corner
        QSize backgroundSize;
        const char *titleName; // the title text's control
        QRect titlePlace;
        int toggleLeft; // the caption pictures, as designed
        int minimizeLeft;
        int closeLeft;
        bool backgroundDrags; // Image1 is a drag handle besides Image2 and the title
        Settings::Key leftKey;
        Settings::Key topKey;
    };

    bool showsOnTop() const override;
    // Puts the window back in the top-most band.
    void Command1_Click() override;

    void Top_Y_Click();
    void Top_N_Click();
    void Hilite_X_MouseUp();
    void Hilite_Min_MouseUp();

protected:
    explicit CompanionWindow(const Design &design);
    ~CompanionWindow() override;

    // Each time the window is shown, restored or otherwise resized.
    virtual void Form_Resize();
    // The pointer over the background picture.
    virtual void Image1_MouseMove();
    // The window's own unloading steps, run once whatever closes it.
    virtual void Form_Unload() {}

    void resetCaptionButtons();
    // The window's two keys and those it adds, read from the store in one go
    // while the window is created.
    SettingsReading readPresets(const QList<Settings::Key> &moreKeys = {}) const;
    // The title strip's place in the window.
    QRect titleStrip() const;
    // Each edge on its own, from the window's two keys.
    void restorePosition(const SettingsReading &presets);
    void storePosition();

    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildTitleStrip();
    void buildCaptionControls();

    const Design design;
    QLabel *Image1 = nullptr;
    QLabel *Image2 = nullptr;
    QLabel *titleText = nullptr;
    std::unique_ptr<WindowChrome> chrome;
};
