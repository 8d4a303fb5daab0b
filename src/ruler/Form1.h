#pragma once

#include "chrome/OnTopPeer.h"
#include "ruler/Measurement.h"
#include "ruler/Orientation.h"
#include "ruler/RulerAxis.h"
#include "ruler/RulerPresets.h"

#include <QPoint>
#include <QString>
#include <QWidget>
#include <array>
#include <memory>

class ContextMenu;
class LengthFollower;
class QSlider;
class ReadoutBox;
class RulerLayout;
class RulerSurface;
class WindowChrome;
class chameleonButton;
class clsStyle;

// The ruler: a borderless strip above all other windows whose own length is
// the measurement. Its lengths and positions are twips (15 to a pixel). The
// texts it shows of the measurement are built by a Measurement; the class is
// defined in Form1.cpp (the controls) and in one Form1*.cpp file a concern.
class Form1 : public QWidget, public OnTopPeer
{
    Q_OBJECT
public:
    Form1();
    ~Form1() override;

    // OnTopPeer: other windows put the ruler back on top through Command1.
    bool showsOnTop() const override;
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
    void Image1_MouseMove();
    void Image2_MouseMove();
    void Image9_MouseMove();
    void Image10_MouseMove();

    // The hidden state the readouts are built from, as text.
    QString Text1() const { return measurement.Text1(); }
    QString Text2() const { return measurement.Text2(); }
    QString Text5() const { return measurement.Text5(); }
    QString Text6() const { return measurement.Text6(); }
    QString Text7() const { return measurement.Text7(); }
    bool isHorizontal() const { return measurement.isHorizontal(); }
    bool isTicked(int unit) const { return measurement.isTicked(unit); }
    ContextMenu *menu() const { return mnuFile; }

    // The window's outer edges and size in twips, as the windowing system reports them.
    float leftTwips() const;
    float topTwips() const;
    float widthTwips() const;
    float heightTwips() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void createControls();
    void createSliders();
    void createNudgeButtons();
    void createCaptionPictures();
    void createFollow();
    void connectMenu();
    void createShortcuts();
    void SavePresets();
    void saveAndEnd();

    float lengthTwips() const;
    void unitCommand(int unit);
    void refreshReadouts();
    void showReadouts();
    void showTicks();

    void popupMenu();
    void nudge(double dxTwips, double dyTwips);
    void resizeWindow(int widthPixels, int heightPixels);
    void namePlace();
    bool handleSliderEvent(QObject *slider, QEvent *event);
    void connectSurface();
    void turn(Orientation orientation);
    void layOut(Orientation orientation);
    void placeFace(const RulerLayout &layout);
    void placeControls(const RulerLayout &layout);
    void showControls(const RulerLayout &layout);
    void faceDoubleClick(Orientation orientation);
    void startDrag(const QPoint &pressGlobal);

    clsStyle *frameControl = nullptr; // takes the title bar away
    ContextMenu *mnuFile = nullptr;

    // Label1 to Label4, Image1, Image2, Image9, Image10 and the background.
    RulerSurface *surface = nullptr;
    ReadoutBox *textBox1 = nullptr;
    ReadoutBox *textBox2 = nullptr;
    QSlider *Slider1 = nullptr;
    QSlider *Slider2 = nullptr;
    // chameleonButton1..4, in this order.
    enum Nudge { MoveLeft, MoveUp, MoveDown, MoveRight };
    std::array<chameleonButton *, 4> nudgeButtons = {};
    // Top_Y / Top_N, Image4 / Image7 / Image8, Image3 / Image6 / Image5.
    std::unique_ptr<WindowChrome> chrome;

    // The lengths, readouts, unit name and unit ticks the controls show.
    Measurement measurement;
    // The unit ticks and the place, read at start-up and saved on the exits
    // that save.
    RulerPresets presets{this, measurement};
    // Each orientation's slider and timers (Slider1, Timer1, Timer4 and
    // Slider2, Timer2, Timer5), and what has the window follow them.
    std::array<RulerAxis, 2> axes{RulerAxis(Orientation::Horizontal, measurement),
                                  RulerAxis(Orientation::Vertical, measurement)};
    LengthFollower *follower = nullptr;
    RulerAxis &axis(Orientation orientation) { return axes[std::size_t(orientation)]; }

    QSize laidOutSize;
};
