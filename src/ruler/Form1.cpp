#include "ruler/Form1.h"

#include "button/WingdingsGlyph.h"
#include "button/chameleonButton.h"
#include "chrome/AccessibleChrome.h"
#include "chrome/ToolLook.h"
#include "chrome/WindowChrome.h"
#include "ruler/ContextMenu.h"
#include "ruler/LengthFollower.h"
#include "ruler/ReadoutBox.h"
#include "ruler/RulerDesign.h"
#include "ruler/RulerFace.h"
#include "ruler/RulerLayout.h"
#include "ruler/RulerSurface.h"
#include "window/FocusMarkStyle.h"
#include "window/PointerTravel.h"
#include "window/ScrollKeys.h"
#include "window/Twips.h"
#include "window/clsStyle.h"

#include <QAction>
#include <QLabel>
#include <QShortcut>
#include <QSlider>

// Form1: the window and its controls as they are designed; Form_Load then
// applies the presets. The rest of the class is spread over the files
// Form1Start (start-up, presets, exits), Form1Layout (orientation, layout,
// painting), Form1Units, Form1Sliders (sliders, readouts, copy),
// Form1Commands. Its face (RulerSurface) paints the window and takes its
// mouse.

namespace {

ReadoutBox *makeReadout(QWidget *parent, const char *name, const QRect &geometry,
                        const QString &tip)
{
    auto *readout = new ReadoutBox(parent, QString::fromLatin1(name), geometry, tip);
    QPalette palette = readout->palette();
    palette.setColor(QPalette::Base, ToolLook::panelBackground);
    palette.setColor(QPalette::Text, ToolLook::panelInk);
    readout->setPalette(palette);
    readout->setAccessibleName(tip);
    return readout;
}

} // namespace

Form1::Form1()
{
    setObjectName(QStringLiteral("Form1"));
    AccessibleChrome::frame(this);
    setWindowTitle(QStringLiteral(" Ombrix"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    ToolLook::paint(this, ToolLook::formBackground);
    // Its background is painted with the pictures lying on it, in one pass.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // Fixed at its size, here and at every length it takes: tiling window
    // managers (i3, sway) float a window whose smallest and largest sizes
    // agree, where they would stretch it over a tile of the screen. Its type
    // stays the normal one, the only one desktops give minimising, a task-bar
    // entry and moves to.
    setFixedSize(Twips::toPixels(RulerDesign::startLength),
                 Twips::toPixels(RulerDesign::thickness));

    createControls();
    mnuFile = new ContextMenu(this);
    connectMenu();
    createShortcuts();
    createFollow();
    Form_Load();
    // The slider holds the keyboard focus from the start, as after every
    // switch to horizontal: the arrow keys set the length, and no text cursor
    // blinks while the ruler lies idle.
    Slider1->setFocus();
}

Form1::~Form1()
{
    delete frameControl;
}

void Form1::createControls()
{
    surface = new RulerSurface(this);
    surface->setPicture(RulerLayout::Image9, RulerFace::horizontal());
    surface->setPicture(RulerLayout::Image1, ToolLook::asset("title_h"));
    for (RulerSurface::Area bar :
         {RulerLayout::Label1, RulerLayout::Label2, RulerLayout::Label3, RulerLayout::Label4})
        surface->setFill(bar, QColor(0, 0, 255));
    surface->setText(RulerLayout::Label3, QStringLiteral("Label3"));
    surface->setText(RulerLayout::Label4, QStringLiteral("Label4"));
    textBox1 = makeReadout(this, "Text1", RulerLayout::atCreation(RulerLayout::Text1), tr("Width"));
    textBox2 =
        makeReadout(this, "Text2", RulerLayout::atCreation(RulerLayout::Text2), tr("Height"));
    // What the user types is what the copy and the menu captions then take.
    connect(textBox1, &ReadoutBox::edited, this,
            [this](const QString &text) { measurement.setText1(text); });
    connect(textBox2, &ReadoutBox::edited, this,
            [this](const QString &text) { measurement.setText2(text); });
    createSliders();
    createNudgeButtons();
    createCaptionPictures();

    connectSurface();
}

// What the mouse does on each area of the face: the handler of a left
// double-click and of a move with no button held (none for the edge bars).
void Form1::connectSurface()
{
    using Handler = void (Form1::*)();
    static const std::array<std::pair<Handler, Handler>, RulerLayout::faceAreaCount> handlers = {{
        {&Form1::Form_DblClick, &Form1::Form_MouseMove},
        {&Form1::Image9_DblClick, &Form1::Image9_MouseMove},
        {&Form1::Image10_DblClick, &Form1::Image10_MouseMove},
        {&Form1::Label1_DblClick, nullptr},
        {nullptr, nullptr},
        {&Form1::Label3_DblClick, nullptr},
        {&Form1::Label4_DblClick, nullptr},
        {&Form1::Image1_DblClick, &Form1::Image1_MouseMove},
        {&Form1::Image2_DblClick, &Form1::Image2_MouseMove},
    }};
    const auto run = [this](Handler handler) {
        if (handler)
            (this->*handler)();
    };
    connect(surface, &RulerSurface::doubleClicked, this,
            [run](RulerSurface::Area area) { run(handlers[area].first); });
    connect(surface, &RulerSurface::hovered, this,
            [run](RulerSurface::Area area) { run(handlers[area].second); });
    connect(surface, &RulerSurface::clicked, this, [this](RulerSurface::Area area) {
        if (area == RulerLayout::Label2)
            Label2_Click();
    });
    connect(surface, &RulerSurface::backgroundRightClicked, this, &Form1::Form_Click);
    connect(surface, &RulerSurface::menuAsked, this, &Form1::popupMenu);
    connect(surface, &RulerSurface::dragStarted, this, &Form1::startDrag);
}

void Form1::createSliders()
{
    Slider1 = new QSlider(Qt::Horizontal, this);
    Slider1->setObjectName(QStringLiteral("Slider1"));
    Slider1->setGeometry(RulerLayout::atCreation(RulerLayout::Slider1));
    Slider1->setRange(RulerDesign::shortestLength, RulerDesign::longestHorizontal);
    Slider2 = new QSlider(Qt::Vertical, this);
    Slider2->setObjectName(QStringLiteral("Slider2"));
    Slider2->setGeometry(RulerLayout::atCreation(RulerLayout::Slider2));
    Slider2->setRange(RulerDesign::shortestLength, RulerDesign::longestVertical);
    Slider1->setAccessibleName(tr("Horizontal length"));
    Slider2->setAccessibleName(tr("Vertical length"));
    // The minimum at the top, as the ruler grows downwards.
    Slider2->setInvertedAppearance(true);
    Slider2->hide();
    for (QSlider *slider : {Slider1, Slider2}) {
        slider->setValue(RulerDesign::startLength);
        slider->setSingleStep(RulerDesign::sliderStep);
        slider->setPageStep(RulerDesign::sliderPageStep);
        slider->setTickPosition(QSlider::NoTicks);
        slider->installEventFilter(this);
        ScrollKeys::install(slider);
        FocusMarkStyle::install(slider);
        PointerTravel::install(slider);
    }
    connect(Slider1, &QSlider::valueChanged, this, &Form1::Slider1_Change);
    connect(Slider2, &QSlider::valueChanged, this, &Form1::Slider2_Change);
}

void Form1::createNudgeButtons()
{
    struct Design
    {
        const char *name;
        quint8 glyph;
        bool bold;
        QRect geometry;
        const char *tip;
        void (Form1::*click)();
    };
    const Design designs[] = {
        {"chameleonButton1", WingdingsGlyph::ArrowLeft, true,
         RulerLayout::atCreation(RulerLayout::chameleonButton1), QT_TR_NOOP("Move left"),
         &Form1::chameleonButton1_Click},
        {"chameleonButton2", WingdingsGlyph::ArrowUp, true,
         RulerLayout::atCreation(RulerLayout::chameleonButton2), QT_TR_NOOP("Move up"),
         &Form1::chameleonButton2_Click},
        {"chameleonButton3", WingdingsGlyph::ArrowDown, false,
         RulerLayout::atCreation(RulerLayout::chameleonButton3), QT_TR_NOOP("Move down"),
         &Form1::chameleonButton3_Click},
        {"chameleonButton4", WingdingsGlyph::ArrowRight, false,
         RulerLayout::atCreation(RulerLayout::chameleonButton4), QT_TR_NOOP("Move right"),
         &Form1::chameleonButton4_Click},
    };
    for (std::size_t i = 0; i < nudgeButtons.size(); ++i) {
        const Design &design = designs[i];
        QFont wingdings(QStringLiteral("Wingdings"), RulerDesign::arrowPoints);
        wingdings.setBold(design.bold);
        chameleonButton *button =
            chameleonButton::Place(this, WingdingsGlyph::Caption(design.glyph),
                                   WingdingsGlyph::Font(wingdings), design.geometry);
        button->setObjectName(QString::fromLatin1(design.name));
        button->setToolTip(tr(design.tip));
        button->setAccessibleName(button->toolTip());
        connect(button, &chameleonButton::Click, this, design.click);
        nudgeButtons[i] = button;
    }
}

// The layout places them at every resize; the face paints them.
void Form1::createCaptionPictures()
{
    const int closeFromRight = RulerDesign::captionPictureSize + RulerDesign::captionMargin;
    const int minimizeFromRight = closeFromRight + RulerDesign::captionPictureSize;
    WindowChrome::Design design{OpenWindows::Ruler,
                                minimizeFromRight + RulerDesign::captionPictureSize,
                                minimizeFromRight, closeFromRight};
    design.resizeResetsClose = false;
    design.minimizeNames = {"Image4", "Image7", "Image8"};
    design.closeNames = {"Image3", "Image6", "Image5"};
    design.toggleNames = {"Top_Y", "Top_N"};
    chrome = std::make_unique<WindowChrome>(this, design);
    chrome->connectHandlers(this, &Form1::Top_Y_Click, &Form1::Top_N_Click, &Form1::Image7_MouseUp,
                            &Form1::Image6_MouseUp);
    for (QLabel *picture : chrome->pictures())
        surface->addFlatLabel(picture);
}

// The keys desktop users expect of the menu's commands. The menu shows no
// key beside its entries, as it never did; a control that takes the key
// itself (a readout being typed into takes Ctrl+C) keeps it.
void Form1::createShortcuts()
{
    const std::pair<QKeySequence, void (Form1::*)()> shortcuts[] = {
        {QKeySequence(Qt::Key_F1), &Form1::mnuHelp_Click},
        {QKeySequence(Qt::CTRL | Qt::Key_C), &Form1::mnuCopy2_Click},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), &Form1::mnuClose_Click},
    };
    for (const auto &[keys, handler] : shortcuts)
        connect(new QShortcut(keys, this), &QShortcut::activated, this, handler);
}

void Form1::createFollow()
{
    axis(Orientation::Horizontal).attach(Slider1, mnuFile->mnuWidth);
    axis(Orientation::Vertical).attach(Slider2, mnuFile->mnuHeight);
    connect(&axis(Orientation::Horizontal).followTimer(), &QTimer::timeout, this,
            &Form1::Timer1_Timer);
    connect(&axis(Orientation::Vertical).followTimer(), &QTimer::timeout, this,
            &Form1::Timer2_Timer);
    connect(&axis(Orientation::Horizontal).captionTimer(), &QTimer::timeout, this,
            &Form1::Timer4_Timer);
    connect(&axis(Orientation::Vertical).captionTimer(), &QTimer::timeout, this,
            &Form1::Timer5_Timer);
    LengthFollower::Window window{
        this,
        [this](const QSize &size) { resizeWindow(size.width(), size.height()); },
        [this] {
            if (size() != laidOutSize)
                Form_Resize();
        },
        [this] { namePlace(); },
        [this] { refreshReadouts(); },
    };
    follower = new LengthFollower(std::move(window), measurement,
                                  {&axis(Orientation::Horizontal), &axis(Orientation::Vertical)});
}

void Form1::connectMenu()
{
    const std::pair<QAction *, void (Form1::*)()> commands[] = {
        {mnuFile->mnuPix, &Form1::mnuPix_Click},
        {mnuFile->mnuPoints, &Form1::mnuPoints_Click},
        {mnuFile->mnuCharac, &Form1::mnuCharac_Click},
        {mnuFile->mnuInch, &Form1::mnuInch_Click},
        {mnuFile->mnuMilli, &Form1::mnuMilli_Click},
        {mnuFile->mnuCenti, &Form1::mnuCenti_Click},
        {mnuFile->mnuTwips, &Form1::mnuTwips_Click},
        {mnuFile->mnuCopy2, &Form1::mnuCopy2_Click},
        {mnuFile->mnuSpy, &Form1::mnuSpy_Click},
        {mnuFile->mnuMix, &Form1::mnuMix_Click},
        {mnuFile->mnuNotepad, &Form1::mnuNotepad_Click},
        {mnuFile->mnuHoriz, &Form1::mnuHoriz_Click},
        {mnuFile->mnuVertical, &Form1::mnuVertical_Click},
        {mnuFile->mnuCopy, &Form1::mnuCopy_Click},
        {mnuFile->mnuNew, &Form1::mnuNew_Click},
        {mnuFile->mnuClear, &Form1::mnuClear_Click},
        {mnuFile->mnuHelp, &Form1::mnuHelp_Click},
        {mnuFile->mnuAbout, &Form1::mnuAbout_Click},
        {mnuFile->mnuClose, &Form1::mnuClose_Click},
    };
    for (const auto &[action, handler] : commands)
        connect(action, &QAction::triggered, this, handler);
}
