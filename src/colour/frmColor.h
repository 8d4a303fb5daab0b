#pragma once

#include "chrome/OnTopPeer.h"

#include <QList>
#include <QWidget>

class CaptionButton;
class OnTopToggle;
class QFrame;
class QLabel;
class QTimer;
class chameleonButton;

// Color Spy: samples the screen pixel under the pointer ten times a second
// while capture is on and shows it in eight notations. At most one is open.
class frmColor : public QWidget, public OnTopPeer
{
    Q_OBJECT
public:
    // The open Color Spy, or nullptr.
    static frmColor *Instance();
    // Creates the Color Spy if it is not open, then shows and activates it.
    static frmColor *ShowInstance();

    // Runs the window's own unloading (it stores nothing) and destroys it.
    void Unload();

    bool ShowsOnTop() const override;
    // Puts the window back in the top-most band.
    void Command1_Click() override;
    // Puts the ten readouts on the clipboard.
    void Command2_Click();

    bool Capturing() const;

    void chameleonButton1_Click();
    void chameleonButton2_Click();
    void Timer1_Timer();
    void Picture1_KeyPress(int keyAscii);
    void Top_Y_Click();
    void Top_N_Click();
    void Hilite_X_MouseUp();
    void Hilite_Min_MouseUp();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    frmColor();
    ~frmColor() override;

    void buildBackground();
    void buildChrome();
    void buildSwatch();
    void buildReadouts();
    void buildHint();
    void buildButtons();
    QWidget *addGroup(int left, int top, int width, int height);
    QLabel *addRow(QWidget *group, int row, const char *captionName, const QString &caption,
                   const char *readoutName);
    void Form_Load();
    void Form_Resize();
    void ResetCaptionButtons();
    void StorePosition();
    void Copy();
    void PaintSwatch(qint32 color);

    struct CopyLine
    {
        QLabel *caption;
        QLabel *readout;
    };

    QLabel *Image1 = nullptr;
    QLabel *Image2 = nullptr;
    QLabel *Label22 = nullptr;
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
    CaptionButton *minimizeControl = nullptr;
    CaptionButton *closeControl = nullptr;
    OnTopToggle *onTop = nullptr;
    QTimer *Timer1 = nullptr;
    chameleonButton *chameleonButton1 = nullptr;
    chameleonButton *chameleonButton2 = nullptr;
    bool unloaded = false;
};
