#pragma once

#include "chrome/OnTopPeer.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>

class CaptionButton;
class ContextMenu;
class OnTopToggle;
class QLabel;
class QSlider;
class ReadoutBox;
class SliderPopup;
class chameleonButton;
class clsStyle;
namespace Presets {
class Reading;
}

// The ruler: a borderless strip above all other windows whose own length is
// the measurement. Its lengths and positions are twips (15 to a pixel).
class Form1 : public QWidget, public OnTopPeer
{
    Q_OBJECT
public:
    Form1();
    ~Form1() override;

    // OnTopPeer: other windows put the ruler back on top through Command1.
    bool ShowsOnTop() const override;
    void Command1_Click() override;

    // Start-up.
    void Form_Load();

    // Exits.
    void mnuClose_Click();
    void Image6_MouseUp();
    void Image1_DblClick();
    void Image9_DblClick();
    void Form_DblClick();
    void Image2_DblClick();
    void Image10_DblClick();
    void Label1_DblClick();
    void Label3_DblClick();
    void Label4_DblClick();
    void Label2_Click();
    void Form_Unload();

    // Orientation and layout.
    void mnuVertical_Click();
    void mnuHoriz_Click();
    void Option1_Click();
    void Option2_Click();
    void Form_Resize();

    // Units.
    void mnuPix_Click();
    void mnuPoints_Click();
    void mnuCharac_Click();
    void mnuInch_Click();
    void mnuMilli_Click();
    void mnuCenti_Click();
    void mnuTwips_Click();

    // Sliders, readouts and copy.
    void Slider1_Change();
    void Slider2_Change();
    void Slider1_MouseDown();
    void Slider1_MouseUp();
    void Slider2_MouseDown();
    void Slider2_MouseUp();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer4_Timer();
    void Timer5_Timer();
    void mnuCopy_Click();
    void mnuCopy2_Click();
    void mnuClear_Click();

    // Commands.
    void chameleonButton1_Click();
    void chameleonButton2_Click();
    void chameleonButton3_Click();
    void chameleonButton4_Click();
    void mnuNew_Click();
    void mnuHelp_Click();
    void mnuNotepad_Click();
    void mnuSpy_Click();
    void mnuMix_Click();
    void mnuAbout_Click();
    void Top_N_Click();
    void Top_Y_Click();
    void Image7_MouseUp();
    void Form_Click();
    void Form_MouseMove();

    // The hidden state the readouts are built from, as text.
    QString Text1() const;
    QString Text2() const;
    QString Text5() const { return unitName; }
    QString Text6() const { return horizontalLength; }
    QString Text7() const { return verticalLength; }
    bool isHorizontal() const { return horizontal; }
    bool isTicked(int unit) const;
    ContextMenu *menu() const { return mnuFile; }

    // The window's outer edges and size in twips, as the windowing system reports them.
    float LeftTwips() const;
    float TopTwips() const;
    float WidthTwips() const;
    float HeightTwips() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // What a surface of the window does with the mouse.
    struct Surface
    {
        QWidget *widget;
        std::function<void()> doubleClick; // empty: nothing
        bool opensMenuOnRightPress;
        bool resetsCaptions;
    };

    void createControls();
    void createSliders();
    void createNudgeButtons();
    void showNudgeButtons(bool horizontalRuler);
    void createCaptionPictures();
    void createTimers();
    void connectMenu();
    static QStringList storedKeys();
    void loadUnitTicks(const Presets::Reading &presets);
    void SavePresets();
    void saveAndEnd();

    void ApplyTwips();
    void ApplyPixels();
    void ApplyPoints();
    void ApplyCharacters();
    void ApplyInches();
    void ApplyMillimeters();
    void ApplyCentimeters();
    void applyUnit(int unit);
    void showReadouts();
    void setUnitName(int unit);
    void unitCommand(int unit);
    void setTicks(int onlyTicked);
    void RefreshUnit();

    void PopupMenu();
    void resetCaptionPictures();
    void nudge(double dxTwips, double dyTwips);
    void resizeWindow(int widthPixels, int heightPixels);
    QList<QWidget *> visibleLaidOutControls() const;
    void namePlace();
    void setSliderPopup(QSlider *slider, const QString &text);
    void followTick(QTimer &timer, void (Form1::*tick)());
    void wakeSleepingTimer();
    // A readout and the unit's name, as the pop-up texts, the menu captions
    // and the copy show them.
    QString withUnit(const ReadoutBox *readout) const;
    QString widthCaption() const;
    QString heightCaption() const;
    bool handleSurfaceEvent(const Surface &surface, QEvent *event);
    bool handleSliderEvent(QObject *slider, QEvent *event);
    void leftPressOnHandle(QMouseEvent *event);
    bool followPressForDrag(QMouseEvent *event);

    clsStyle *frameControl = nullptr; // takes the title bar away
    ContextMenu *mnuFile = nullptr;

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Image2 = nullptr;
    QLabel *Image9 = nullptr;
    QLabel *Image10 = nullptr;
    ReadoutBox *TextBox1 = nullptr;
    ReadoutBox *TextBox2 = nullptr;
    SliderPopup *sliderPopup = nullptr;
    QSlider *Slider1 = nullptr;
    QSlider *Slider2 = nullptr;
    // chameleonButton1..4, in this order.
    enum Nudge { MoveLeft, MoveUp, MoveDown, MoveRight };
    std::array<chameleonButton *, 4> nudgeButtons = {};
    CaptionButton *closeButton = nullptr;    // Image3 / Image6 / Image5
    CaptionButton *minimizeButton = nullptr; // Image4 / Image7 / Image8
    OnTopToggle *topToggle = nullptr;        // Top_Y / Top_N

    QTimer Timer1;
    QTimer Timer2;
    QTimer Timer4;
    QTimer Timer5;
    // Timer1 or Timer2 while it sleeps with its slider held still.
    QTimer *sleepingTimer = nullptr;

    // The readouts' texts while a unit command builds them.
    struct
    {
        QString width;
        QString height;
    } texts;
    QString unitName;         // Text5
    QString horizontalLength; // Text6
    QString verticalLength;   // Text7
    bool horizontal = true;   // Option1 selected

    std::vector<Surface> surfaces;
    QSize laidOutSize;
    QPoint pressPosition;
    bool leftPressPending = false;
    bool ending = false;
};
