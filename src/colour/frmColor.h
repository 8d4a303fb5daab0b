#pragma once

#include "chrome/CompanionWindow.h"

#include <QList>
#include <QPoint>
#include <optional>

class DesktopPick;
class QFrame;
class QLabel;
class QTimer;
class chameleonButton;
namespace color32 {
struct Sample;
}

// Color Spy: samples the screen pixel under the pointer ten times a second
// while capture is on and shows it in eight notations. At most one is open.
class frmColor : public CompanionWindow
{
    Q_OBJECT
public:
    // Opened at most once, through OpenWindows::show.
    static constexpr OpenWindows::Role role = OpenWindows::Spy;

    // Puts the ten readouts on the clipboard.
    void Command2_Click();

    bool capturing() const;

    void chameleonButton1_Click();
    void chameleonButton2_Click();
    void Timer1_Timer();
    void Picture1_KeyPress(int keyAscii);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Both also give Picture1 the keyboard focus.
    void Form_Resize() override;
    void Image1_MouseMove() override;
    void leaveEvent(QEvent *event) override;
    // The sampling stops with the window; nothing is stored.
    void Form_Unload() override;

private:
    friend frmColor *OpenWindows::show<frmColor>();
    friend void OpenWindows::setMaker<frmColor>();
    frmColor();

    void buildSwatch();
    void buildReadouts();
    void buildHint();
    void buildButtons();
    QWidget *addGroup(int left, int top, int width, int height);
    QLabel *addRow(QWidget *group, int row, const char *captionName, const QString &caption,
                   const char *readoutName);
    void Form_Load();
    void copy();
    void paintSwatch(qint32 color);
    void showSample(const color32::Sample &sample);
    void showColor(qint32 color, std::optional<QPoint> pointer);

    struct CopyLine
    {
        QLabel *caption;
        QLabel *readout;
    };

    QFrame *Picture1 = nullptr;
    QLabel *Label1 = nullptr;  // Decimal
    QLabel *Label2 = nullptr;  // QB Color
    QLabel *Label3 = nullptr;  // VB Color
    QLabel *Label4 = nullptr;  // X Pos
    QLabel *Label5 = nullptr;  // Y Pos
    QLabel *Label6 = nullptr;  // Hex
    QLabel *Label7 = nullptr;  // RGB #
    QLabel *Label18 = nullptr; // Green Value
    QLabel *Label19 = nullptr; // Red Value
    QLabel *Label20 = nullptr; // Blue Value
    QList<CopyLine> copyLines;
    QTimer *Timer1 = nullptr;
    DesktopPick *desktopPick = nullptr;
    chameleonButton *chameleonButton1 = nullptr;
    chameleonButton *chameleonButton2 = nullptr;
};
