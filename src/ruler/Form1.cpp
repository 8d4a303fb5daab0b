#include "ruler/Form1.h"

#include "about/frmAbout.h"
#include "button/WingdingsGlyph.h"
#include "button/chameleonButton.h"
#include "chrome/CaptionButton.h"
#include "chrome/OnTopToggle.h"
#include "chrome/OpenWindows.h"
#include "chrome/ToolLook.h"
#include "colour/Mixer.h"
#include "colour/frmColor.h"
#include "platform/Clipboard.h"
#include "platform/PlatformServices.h"
#include "platform/ProgramEnd.h"
#include "platform/Shell.h"
#include "ruler/ContextMenu.h"
#include "ruler/HelpPage.h"
#include "ruler/ReadoutBox.h"
#include "ruler/RulerFace.h"
#include "ruler/ScaleUnit.h"
#include "ruler/SliderPopup.h"
#include "ruler/TextEditor.h"
#include "ruler/UnitFormats.h"
#include "settings/PresetKeys.h"
#include "settings/Presets.h"
#include "settings/SettingConversions.h"
#include "window/DragIt.h"
#include "window/OuterRect.h"
#include "window/PointerTravel.h"
#include "window/ScrollKeys.h"
#include "window/SliderThumb.h"
#include "window/Twips.h"
#include "window/clsStyle.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QSlider>
#include <QWindow>
#include <utility>

namespace {

// Design sizes in twips that the layout rules depend on.
constexpr double thickness = 1260;
constexpr double edgeBarHeight = 100;      // Label1, Label2
constexpr double rightBarWidth = 105;      // Label4
constexpr double captionPictureSize = 315; // 21 pixels
constexpr double captionMargin = 100;
constexpr double captionTop = 60;
// Right after a turn the new orientation's far edge bar stands this far in
// from the window's edge; the next resize puts it flush.
constexpr double barInsetAfterTurn = 40;
constexpr double startLength = 6000;
constexpr double nudgeStep = 10;

QString text(double value)
{
    return QString::number(value, 'f', 0);
}

// The height readout stays empty while the vertical length is the start's.
QString heightReadoutOf(const QString &verticalLength)
{
    static const QString startText = text(startLength);
    return verticalLength == startText ? QString() : verticalLength;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setMouseTracking(true);
    return label;
}

QLabel *makeEdgeBar(QWidget *parent, const char *name, const QRect &geometry)
{
    QLabel *bar = makeLabel(parent, name, geometry);
    bar->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    bar->setAutoFillBackground(true);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 255));
    bar->setPalette(palette);
    return bar;
}

void showPicture(QLabel *label, const QPixmap &picture)
{
    label->setPixmap(picture);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QLabel *makePicture(QWidget *parent, const char *name, const QRect &geometry, const char *asset)
{
    QLabel *picture = makeLabel(parent, name, geometry);
    showPicture(picture, ToolLook::asset(asset));
    return picture;
}

ReadoutBox *makeReadout(QWidget *parent, const char *name, const QRect &geometry,
                        const QString &tip)
{
    auto *readout = new ReadoutBox(parent, QString::fromLatin1(name), geometry, tip);
    QPalette palette = readout->palette();
    palette.setColor(QPalette::Base, ToolLook::panelBackground);
    palette.setColor(QPalette::Text, ToolLook::panelInk);
    readout->setPalette(palette);
    return readout;
}

} // namespace

Form1::Form1()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral(" Ombrix"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    ToolLook::paint(this, ToolLook::formBackground);
    setMouseTracking(true);
    // Fixed at its size, here and at every length it takes: tiling window
    // managers (i3, sway) float a window whose smallest and largest sizes
    // agree, where they would stretch it over a tile of the screen. Its type
    // stays the normal one, the only one desktops give minimising, a task-bar
    // entry and moves to.
    setFixedSize(Twips::toPixels(startLength), Twips::toPixels(thickness));

    createControls();
    mnuFile = new ContextMenu(this);
    connectMenu();
    createTimers();
    OpenWindows::Register(OpenWindows::Ruler, this);
    Form_Load();
    // The slider holds the keyboard focus from the start, as after every
    // switch to horizontal: the arrow keys set the length, and no text cursor
    // blinks while the ruler lies idle.
    Slider1->setFocus();
}

Form1::~Form1()
{
    OpenWindows::Forget(OpenWindows::Ruler, this);
    delete frameControl;
}

void Form1::createControls()
{
    Image9 = makeLabel(this, "Image9", Twips::rect(0, 100, 24000, 1050));
    showPicture(Image9, RulerFace::Horizontal());
    // The upright pictures are decoded when the ruler first turns vertical.
    Image10 = makeLabel(this, "Image10", Twips::rect(100, 0, 1050, 18000));
    Image10->hide();
    Label1 = makeEdgeBar(this, "Label1", Twips::rect(0, 0, 6000, edgeBarHeight));
    Label2 = makeEdgeBar(this, "Label2", Twips::rect(0, 1140, 6000, edgeBarHeight));
    Label3 = makeEdgeBar(this, "Label3", Twips::rect(0, 0, 100, 1215));
    Label3->setText(QStringLiteral("Label3"));
    Label3->hide();
    Label4 = makeEdgeBar(this, "Label4", Twips::rect(1200, 0, rightBarWidth, 1215));
    Label4->setText(QStringLiteral("Label4"));
    Label4->hide();
    Image1 = makePicture(this, "Image1", Twips::rect(2250, 180, 1470, 510), "title_h");
    Image2 = makeLabel(this, "Image2", Twips::rect(600, 2407, 510, 1470));
    TextBox1 = makeReadout(this, "Text1", Twips::rect(120, 380, 500, 285), QStringLiteral("Width"));
    TextBox2 =
        makeReadout(this, "Text2", Twips::rect(615, 380, 500, 285), QStringLiteral("Height"));
    createSliders();
    createNudgeButtons();
    createCaptionPictures();

    surfaces = {
        {this, [this] { Form_DblClick(); }, false, true},
        {Image1, [this] { Image1_DblClick(); }, true, true},
        {Image2, [this] { Image2_DblClick(); }, true, true},
        {Image9, [this] { Image9_DblClick(); }, true, true},
        {Image10, [this] { Image10_DblClick(); }, true, true},
        {Label1, [this] { Label1_DblClick(); }, true, false},
        {Label2, nullptr, true, false},
        {Label3, [this] { Label3_DblClick(); }, true, false},
        {Label4, [this] { Label4_DblClick(); }, true, false},
    };
    for (const Surface &surface : surfaces) {
        if (surface.widget != this)
            surface.widget->installEventFilter(this);
    }
}

void Form1::createSliders()
{
    Slider1 = new QSlider(Qt::Horizontal, this);
    Slider1->setObjectName(QStringLiteral("Slider1"));
    Slider1->setGeometry(Twips::rect(743, 700, 4485, 375));
    Slider1->setRange(480, 24000);
    Slider2 = new QSlider(Qt::Vertical, this);
    Slider2->setObjectName(QStringLiteral("Slider2"));
    Slider2->setGeometry(Twips::rect(200, 840, 375, 4605));
    Slider2->setRange(480, 18000);
    // The minimum at the top, as the ruler grows downwards.
    Slider2->setInvertedAppearance(true);
    Slider2->hide();
    for (QSlider *slider : {Slider1, Slider2}) {
        slider->setValue(int(startLength));
        slider->setSingleStep(1);
        slider->setPageStep(2);
        slider->setTickPosition(QSlider::NoTicks);
        slider->installEventFilter(this);
        ScrollKeys::Install(slider);
        PointerTravel::Install(slider);
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
        {"chameleonButton1", WingdingsGlyph::ArrowLeft, true, Twips::rect(120, 750, 270, 270),
         "Move left", &Form1::chameleonButton1_Click},
        {"chameleonButton2", WingdingsGlyph::ArrowUp, true, Twips::rect(720, 752, 275, 275),
         "Move up", &Form1::chameleonButton2_Click},
        {"chameleonButton3", WingdingsGlyph::ArrowDown, false, Twips::rect(720, 1020, 270, 270),
         "Move down", &Form1::chameleonButton3_Click},
        {"chameleonButton4", WingdingsGlyph::ArrowRight, false, Twips::rect(390, 750, 270, 270),
         "Move right", &Form1::chameleonButton4_Click},
    };
    for (std::size_t i = 0; i < nudgeButtons.size(); ++i) {
        const Design &design = designs[i];
        QFont wingdings(QStringLiteral("Wingdings"), 9);
        wingdings.setBold(design.bold);
        chameleonButton *button =
            chameleonButton::Place(this, WingdingsGlyph::Caption(design.glyph),
                                   WingdingsGlyph::Font(wingdings), design.geometry);
        button->setObjectName(QString::fromLatin1(design.name));
        button->setToolTip(QString::fromLatin1(design.tip));
        connect(button, &chameleonButton::Click, this, design.click);
        nudgeButtons[i] = button;
    }
    showNudgeButtons(true);
}

void Form1::createCaptionPictures()
{
    topToggle = new OnTopToggle(this, this);
    topToggle->Top_N()->setObjectName(QStringLiteral("Top_N"));
    topToggle->Top_Y()->setObjectName(QStringLiteral("Top_Y"));
    topToggle->moveTo(Twips::toPixels(4920), Twips::toPixels(captionTop));
    connect(topToggle, &OnTopToggle::Top_N_Clicked, this, &Form1::Top_N_Click);
    connect(topToggle, &OnTopToggle::Top_Y_Clicked, this, &Form1::Top_Y_Click);

    minimizeButton = new CaptionButton(CaptionButton::Minimize, this);
    minimizeButton->normalPicture()->setObjectName(QStringLiteral("Image4"));
    minimizeButton->hoverPicture()->setObjectName(QStringLiteral("Image7"));
    minimizeButton->downPicture()->setObjectName(QStringLiteral("Image8"));
    minimizeButton->moveTo(Twips::toPixels(5280), Twips::toPixels(captionTop));
    connect(minimizeButton, &CaptionButton::released, this, &Form1::Image7_MouseUp);

    closeButton = new CaptionButton(CaptionButton::Close, this);
    closeButton->normalPicture()->setObjectName(QStringLiteral("Image3"));
    closeButton->hoverPicture()->setObjectName(QStringLiteral("Image6"));
    closeButton->downPicture()->setObjectName(QStringLiteral("Image5"));
    closeButton->moveTo(Twips::toPixels(5640), Twips::toPixels(captionTop));
    connect(closeButton, &CaptionButton::released, this, &Form1::Image6_MouseUp);
}

void Form1::createTimers()
{
    for (QTimer *timer : {&Timer1, &Timer2}) {
        timer->setInterval(1);
        timer->setTimerType(Qt::PreciseTimer);
    }
    Timer4.setInterval(1000);
    Timer5.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, [this] { followTick(Timer1, &Form1::Timer1_Timer); });
    connect(&Timer2, &QTimer::timeout, this, [this] { followTick(Timer2, &Form1::Timer2_Timer); });
    connect(&Timer4, &QTimer::timeout, this, &Form1::Timer4_Timer);
    connect(&Timer5, &QTimer::timeout, this, &Form1::Timer5_Timer);
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

// ---- Start-up and presets ----

void Form1::Form_Load()
{
    topToggle->PutOnTop();
    frameControl = new clsStyle;
    frameControl->setClient(this);
    frameControl->setTitlebar(0);
    Label2->move(0, Twips::toPixels(HeightTwips() - edgeBarHeight - barInsetAfterTurn));
    const Presets::Reading presets(storedKeys());
    loadUnitTicks(presets);
    presets.RestorePosition(this, PresetKeys::X_L, PresetKeys::X_T);
    horizontalLength = text(startLength);
    verticalLength = text(startLength);
}

// The unit ticks and the place: everything the ruler reads, in one read.
QStringList Form1::storedKeys()
{
    QStringList keys;
    for (int unit = 0; unit < ScaleUnits::Count; ++unit)
        keys << QLatin1String(ScaleUnits::unit(unit).key);
    return keys << PresetKeys::X_L << PresetKeys::X_T;
}

void Form1::loadUnitTicks(const Presets::Reading &presets)
{
    for (int unit = 0; unit < ScaleUnits::Count; ++unit) {
        const QString defaultText = SettingConversions::truthText(unit == ScaleUnits::Pixels);
        const std::optional<bool> tick = SettingConversions::truthFromText(
            presets.Get(QLatin1String(ScaleUnits::unit(unit).key), defaultText));
        if (tick)
            mnuFile->unitEntry(unit)->setChecked(*tick);
    }
}

void Form1::SavePresets()
{
    QList<QPair<QString, QString>> presets;
    for (int unit = 0; unit < ScaleUnits::Count; ++unit) {
        presets.append({QString::fromLatin1(ScaleUnits::unit(unit).key),
                        SettingConversions::truthText(isTicked(unit))});
    }
    presets.append({PresetKeys::X_L, Presets::EdgeText(OuterRect(this).x())});
    presets.append({PresetKeys::X_T, Presets::EdgeText(OuterRect(this).y())});
    Presets::SavePresets(presets);
}

float Form1::LeftTwips() const
{
    return float(Twips::fromPixels(OuterRect(this).x()));
}

float Form1::TopTwips() const
{
    return float(Twips::fromPixels(OuterRect(this).y()));
}

float Form1::WidthTwips() const
{
    return float(Twips::fromPixels(OuterRect(this).width()));
}

float Form1::HeightTwips() const
{
    return float(Twips::fromPixels(OuterRect(this).height()));
}

bool Form1::isTicked(int unit) const
{
    return mnuFile->unitEntry(unit)->isChecked();
}

// ---- Exits ----

void Form1::saveAndEnd()
{
    SavePresets();
    EndProgram();
}

void Form1::mnuClose_Click()
{
    saveAndEnd();
}
void Form1::Image6_MouseUp()
{
    saveAndEnd();
}
void Form1::Image1_DblClick()
{
    saveAndEnd();
}
void Form1::Image9_DblClick()
{
    saveAndEnd();
}
void Form1::Form_DblClick()
{
    EndProgram();
}
void Form1::Image2_DblClick()
{
    EndProgram();
}
void Form1::Image10_DblClick()
{
    EndProgram();
}
void Form1::Label1_DblClick()
{
    EndProgram();
}
void Form1::Label3_DblClick()
{
    EndProgram();
}
void Form1::Label4_DblClick()
{
    EndProgram();
}
void Form1::Label2_Click()
{
    EndProgram();
}

// The platform closing the ruler saves its presets and unloads every other
// window, each with its own unloading; the program ends with the last one.
void Form1::Form_Unload()
{
    SavePresets();
    OpenWindows::UnloadOthers(OpenWindows::Ruler);
}

void Form1::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

// ---- Orientation and layout ----

void Form1::mnuVertical_Click()
{
    Option2_Click();
    mnuFile->mnuHoriz->setVisible(true);
    mnuFile->mnuVertical->setVisible(false);
    showNudgeButtons(false);
    Label4->move(Twips::toPixels(WidthTwips() - rightBarWidth), Label4->y());
}

void Form1::mnuHoriz_Click()
{
    Option1_Click();
    mnuFile->mnuVertical->setVisible(true);
    mnuFile->mnuHoriz->setVisible(false);
    showNudgeButtons(true);
}

// Left and right for the horizontal ruler, up and down for the vertical one.
void Form1::showNudgeButtons(bool horizontalRuler)
{
    nudgeButtons[MoveLeft]->setVisible(horizontalRuler);
    nudgeButtons[MoveRight]->setVisible(horizontalRuler);
    nudgeButtons[MoveUp]->setVisible(!horizontalRuler);
    nudgeButtons[MoveDown]->setVisible(!horizontalRuler);
}

void Form1::Option1_Click()
{
    horizontal = true;
    sleepingTimer = nullptr;
    Timer1.stop();
    Timer2.stop();
    if (const std::optional<double> length = UnitFormats::readoutValue(horizontalLength))
        resizeWindow(Twips::toPixels(*length), Twips::toPixels(thickness));
    Slider1->setValue(horizontalLength.toInt());
    Slider1->show();
    Slider2->hide();
    Label3->hide();
    Label4->hide();
    Label1->move(Label1->x(), 0);
    Label1->show();
    Label2->show();
    Label2->move(Label2->x(), Twips::toPixels(HeightTwips() - edgeBarHeight - barInsetAfterTurn));
    Image9->show();
    Image10->hide();
    Slider1->setFocus();
}

void Form1::Option2_Click()
{
    horizontal = false;
    sleepingTimer = nullptr;
    Timer1.stop();
    Timer2.stop();
    if (const std::optional<double> length = UnitFormats::readoutValue(verticalLength))
        resizeWindow(Twips::toPixels(thickness), Twips::toPixels(*length));
    Slider2->setValue(verticalLength.toInt());
    Slider1->hide();
    Slider2->show();
    Label1->hide();
    Label2->hide();
    Label3->move(0, Label3->y());
    Label3->show();
    Label4->show();
    Label4->move(Twips::toPixels(WidthTwips() - rightBarWidth - barInsetAfterTurn), Label4->y());
    Image9->hide();
    if (Image10->pixmap().isNull()) {
        showPicture(Image10, RulerFace::Vertical());
        showPicture(Image2, ToolLook::asset("title_v"));
    }
    Image10->show();
    Slider2->setFocus();
}

void Form1::Form_Resize()
{
    const double w = WidthTwips();
    const double h = HeightTwips();
    Label1->resize(width(), Label1->height());
    Label2->resize(width(), Label2->height());
    Label2->move(Label2->x(), Twips::toPixels(h - edgeBarHeight));
    Label3->resize(Label3->width(), height());
    Label4->resize(Label4->width(), height());
    const double closeLeft = w - captionPictureSize - captionMargin;
    const double minimizeLeft = closeLeft - captionPictureSize;
    const double toggleLeft = minimizeLeft - captionPictureSize;
    const int top = Twips::toPixels(captionTop);
    closeButton->moveTo(Twips::toPixels(closeLeft), top);
    minimizeButton->moveTo(Twips::toPixels(minimizeLeft), top);
    topToggle->moveTo(Twips::toPixels(toggleLeft), top);
    minimizeButton->Reset();
    laidOutSize = size();
}

// The layout runs as part of every size change the ruler makes, before the
// next step of the handler that made it, as the readouts depend on it.
void Form1::resizeWindow(int widthPixels, int heightPixels)
{
    if (size() == QSize(widthPixels, heightPixels))
        return;
    namePlace();
    // Qt repaints a window whose size changes whole: the controls the layout
    // moves need not each mark where they were and where they go.
    const QList<QWidget *> moved = visibleLaidOutControls();
    for (QWidget *control : moved)
        control->setUpdatesEnabled(false);
    // Fixed at every length, as at the start.
    setFixedSize(widthPixels, heightPixels);
    if (size() != laidOutSize)
        Form_Resize();
    for (QWidget *control : moved)
        control->setUpdatesEnabled(true);
}

QList<QWidget *> Form1::visibleLaidOutControls() const
{
    QList<QWidget *> visible;
    for (QWidget *control :
         {static_cast<QWidget *>(Label1), static_cast<QWidget *>(Label2),
          static_cast<QWidget *>(Label3), static_cast<QWidget *>(Label4),
          static_cast<QWidget *>(closeButton->normalPicture()),
          static_cast<QWidget *>(closeButton->hoverPicture()),
          static_cast<QWidget *>(closeButton->downPicture()),
          static_cast<QWidget *>(minimizeButton->normalPicture()),
          static_cast<QWidget *>(minimizeButton->hoverPicture()),
          static_cast<QWidget *>(minimizeButton->downPicture()),
          static_cast<QWidget *>(topToggle->Top_Y()), static_cast<QWidget *>(topToggle->Top_N())}) {
        if (control->isVisible())
            visible.append(control);
    }
    return visible;
}

// A window manager keeps a window that grows past the screen's edge on the
// screen by moving it (openbox moved the edge the user had lined up), unless
// the window names its place. Once the ruler is shown where the window
// manager or the user put it, it gives Qt the place it stands at: Qt then
// sends that place, as the program's own, with every size the ruler asks
// for. The edge stays, and the ruler may run off the screen.
void Form1::namePlace()
{
    if (isVisible())
        windowHandle()->setPosition(windowHandle()->position());
}

// Size changes the ruler did not make itself (the window manager's) are laid
// out when the platform reports them.
void Form1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (size() != laidOutSize)
        Form_Resize();
    wakeSleepingTimer();
}

// Restoring from the task bar does not change the size, but lays the window
// out again all the same.
void Form1::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        Form_Resize();
}

// ---- Units ----

QString Form1::Text1() const
{
    return TextBox1->text();
}

QString Form1::Text2() const
{
    return TextBox2->text();
}

// The unit routines build the readouts' texts; showReadouts writes them into
// the boxes once the command is done, so that a box changes, and is
// repainted, only when its text does.
void Form1::ApplyTwips()
{
    if (horizontal) {
        texts.width = UnitFormats::singleText(WidthTwips());
        texts.height = heightReadoutOf(verticalLength);
    } else {
        texts.height = UnitFormats::singleText(HeightTwips());
        texts.width = horizontalLength;
    }
}

void Form1::applyUnit(int unit)
{
    for (QString *readout : {&texts.width, &texts.height}) {
        if (const std::optional<double> twips = UnitFormats::readoutValue(*readout))
            *readout = ScaleUnits::unit(unit).readout(*twips);
    }
}

void Form1::showReadouts()
{
    TextBox1->setText(texts.width);
    TextBox2->setText(texts.height);
}

void Form1::setUnitName(int unit)
{
    const QLatin1String name(ScaleUnits::unit(unit).name);
    if (unitName != name)
        unitName = name;
}

void Form1::ApplyPixels()
{
    applyUnit(ScaleUnits::Pixels);
}
void Form1::ApplyPoints()
{
    applyUnit(ScaleUnits::Points);
}
void Form1::ApplyCharacters()
{
    applyUnit(ScaleUnits::Characters);
}
void Form1::ApplyInches()
{
    applyUnit(ScaleUnits::Inches);
}
void Form1::ApplyMillimeters()
{
    applyUnit(ScaleUnits::Millimeters);
}
void Form1::ApplyCentimeters()
{
    applyUnit(ScaleUnits::Centimeters);
}

void Form1::mnuTwips_Click()
{
    setTicks(ScaleUnits::Twips);
    ApplyTwips();
    setUnitName(ScaleUnits::Twips);
    showReadouts();
}

// Every other unit starts again from twips, so choosing one twice, or one
// after another, always converts the lengths themselves. The ticks are set
// once, to what the command leaves: only its own entry ticked.
void Form1::unitCommand(int unit)
{
    ApplyTwips();
    applyUnit(unit);
    setTicks(unit);
    setUnitName(unit);
    showReadouts();
}

// Only the entries whose tick changes are touched.
void Form1::setTicks(int onlyTicked)
{
    for (int unit = 0; unit < ScaleUnits::Count; ++unit) {
        QAction *entry = mnuFile->unitEntry(unit);
        if (entry->isChecked() != (unit == onlyTicked))
            entry->setChecked(unit == onlyTicked);
    }
}

void Form1::mnuPix_Click()
{
    unitCommand(ScaleUnits::Pixels);
}
void Form1::mnuPoints_Click()
{
    unitCommand(ScaleUnits::Points);
}
void Form1::mnuCharac_Click()
{
    unitCommand(ScaleUnits::Characters);
}
void Form1::mnuInch_Click()
{
    unitCommand(ScaleUnits::Inches);
}
void Form1::mnuMilli_Click()
{
    unitCommand(ScaleUnits::Millimeters);
}
void Form1::mnuCenti_Click()
{
    unitCommand(ScaleUnits::Centimeters);
}

void Form1::RefreshUnit()
{
    const std::pair<int, void (Form1::*)()> order[] = {
        {ScaleUnits::Centimeters, &Form1::mnuCenti_Click},
        {ScaleUnits::Characters, &Form1::mnuCharac_Click},
        {ScaleUnits::Inches, &Form1::mnuInch_Click},
        {ScaleUnits::Millimeters, &Form1::mnuMilli_Click},
        {ScaleUnits::Pixels, &Form1::mnuPix_Click},
        {ScaleUnits::Points, &Form1::mnuPoints_Click},
        {ScaleUnits::Twips, &Form1::mnuTwips_Click},
    };
    for (const auto &[unit, command] : order) {
        if (isTicked(unit)) {
            (this->*command)();
            return;
        }
    }
}

// ---- Sliders, readouts and copy ----

void Form1::Slider1_Change()
{
    horizontalLength = QString::number(Slider1->value());
    wakeSleepingTimer();
}

void Form1::Slider2_Change()
{
    verticalLength = QString::number(Slider2->value());
    wakeSleepingTimer();
}

// While the thumb is held still every tick finds nothing new. The slider's
// timer then sleeps, instead of waking a thousand times a second to do
// nothing, until the slider or the window's size changes: then it ticks as
// before. Only what a tick shows is compared, so nothing a tick does is lost.
void Form1::followTick(QTimer &timer, void (Form1::*tick)())
{
    const QString popupBefore = sliderPopup ? sliderPopup->text() : QString();
    const QSize sizeBefore = size();
    const QString widthBefore = Text1(), heightBefore = Text2(), unitBefore = unitName;
    (this->*tick)();
    if (size() == sizeBefore && Text1() == widthBefore && Text2() == heightBefore &&
        unitName == unitBefore && sliderPopup && sliderPopup->text() == popupBefore &&
        sliderPopup->isVisible()) {
        timer.stop();
        sleepingTimer = &timer;
    }
}

void Form1::wakeSleepingTimer()
{
    if (QTimer *timer = std::exchange(sleepingTimer, nullptr))
        timer->start();
}

// A running caption timer goes on as it is: restarting it at every press
// would hold the caption back while the user presses again and again.
void Form1::Slider1_MouseDown()
{
    sleepingTimer = nullptr;
    Timer1.start();
    Timer2.stop();
    if (!Timer4.isActive())
        Timer4.start();
}

void Form1::Slider1_MouseUp()
{
    sleepingTimer = nullptr;
    Timer1.stop();
    if (sliderPopup)
        sliderPopup->hide();
}

void Form1::Slider2_MouseDown()
{
    sleepingTimer = nullptr;
    Timer1.stop();
    Timer2.start();
    if (!Timer5.isActive())
        Timer5.start();
}

void Form1::Slider2_MouseUp()
{
    sleepingTimer = nullptr;
    Timer2.stop();
    if (sliderPopup)
        sliderPopup->hide();
}

void Form1::Timer1_Timer()
{
    resizeWindow(Twips::toPixels(Slider1->value()), height());
    ApplyTwips();
    RefreshUnit();
    showReadouts();
    setSliderPopup(Slider1, withUnit(TextBox1));
}

void Form1::Timer2_Timer()
{
    resizeWindow(width(), Twips::toPixels(Slider2->value()));
    ApplyTwips();
    RefreshUnit();
    showReadouts();
    setSliderPopup(Slider2, withUnit(TextBox2));
}

// The pop-up text stands beside the thumb while the slider is held, and
// only then: it is no tooltip of the slider's. It stays where it is while
// its text stays the same.
void Form1::setSliderPopup(QSlider *slider, const QString &popup)
{
    if (!sliderPopup)
        sliderPopup = new SliderPopup(this);
    if (sliderPopup->isVisible() && sliderPopup->text() == popup)
        return;
    sliderPopup->ShowAt(slider->mapToGlobal(SliderThumb(slider).bottomRight()), popup);
}

QString Form1::withUnit(const ReadoutBox *readout) const
{
    return readout->text() + QLatin1Char(' ') + unitName;
}

QString Form1::widthCaption() const
{
    return QStringLiteral("Width:  ") + withUnit(TextBox1);
}

QString Form1::heightCaption() const
{
    return QStringLiteral("Height:  ") + withUnit(TextBox2);
}

void Form1::Timer4_Timer()
{
    mnuFile->mnuWidth->setText(widthCaption());
}

void Form1::Timer5_Timer()
{
    mnuFile->mnuHeight->setText(heightCaption());
}

void Form1::mnuCopy_Click()
{
    Clipboard &clipboard = *platform().clipboard;
    clipboard.Clear();
    clipboard.SetText(widthCaption() + QStringLiteral("\r\n") + heightCaption());
}

void Form1::mnuCopy2_Click()
{
    mnuCopy_Click();
}

void Form1::mnuClear_Click()
{
    TextBox1->clear();
    TextBox2->clear();
}

// ---- Commands ----

void Form1::nudge(double dxTwips, double dyTwips)
{
    move(Twips::toPixels(LeftTwips() + dxTwips), Twips::toPixels(TopTwips() + dyTwips));
}

void Form1::chameleonButton1_Click()
{
    nudge(-nudgeStep, 0);
}
void Form1::chameleonButton2_Click()
{
    nudge(0, -nudgeStep);
}
void Form1::chameleonButton3_Click()
{
    nudge(0, nudgeStep);
}
void Form1::chameleonButton4_Click()
{
    nudge(nudgeStep, 0);
}

void Form1::mnuNew_Click()
{
    platform().shell->StartProgram(QCoreApplication::applicationFilePath(), {});
}

void Form1::mnuHelp_Click()
{
    platform().shell->Open(HelpPage::path());
}

void Form1::mnuNotepad_Click()
{
    const QString editor = TextEditor::find();
    if (!editor.isEmpty())
        platform().shell->StartProgram(editor, {});
}

void Form1::mnuSpy_Click()
{
    OpenWindows::Show<frmColor>();
}

void Form1::mnuMix_Click()
{
    OpenWindows::Show<Mixer>();
}

void Form1::mnuAbout_Click()
{
    OpenWindows::Show<frmAbout>();
}

bool Form1::ShowsOnTop() const
{
    return topToggle->ShowsOnTop();
}

void Form1::Command1_Click()
{
    topToggle->PutOnTop();
}

void Form1::Top_N_Click()
{
    topToggle->PutOnTop();
}

void Form1::Top_Y_Click()
{
    topToggle->TakeOffTop();
    OpenWindows::ReassertOthers(OpenWindows::Ruler);
}

void Form1::Image7_MouseUp()
{
    showMinimized();
}

void Form1::Form_Click()
{
    PopupMenu();
}

void Form1::Form_MouseMove()
{
    resetCaptionPictures();
}

void Form1::PopupMenu()
{
    mnuFile->popUpAtPointer();
}

// The keyboard's way into the menu, the Menu key or Shift+F10, opens it at
// the control with the focus; the mouse's are the presses on the surfaces.
void Form1::contextMenuEvent(QContextMenuEvent *event)
{
    if (event->reason() == QContextMenuEvent::Keyboard)
        mnuFile->popUpAt(event->globalPos());
}

void Form1::resetCaptionPictures()
{
    closeButton->Reset();
    minimizeButton->Reset();
}

// ---- Mouse on the window's surfaces ----

// A left press drags the window once the pointer has moved a little, so that
// clicks and double-clicks on the same surfaces still arrive.
void Form1::leftPressOnHandle(QMouseEvent *event)
{
    pressPosition = event->globalPosition().toPoint();
    leftPressPending = true;
}

bool Form1::followPressForDrag(QMouseEvent *event)
{
    if (!leftPressPending || !(event->buttons() & Qt::LeftButton))
        return false;
    const QPoint travel = event->globalPosition().toPoint() - pressPosition;
    if (travel.manhattanLength() < QApplication::startDragDistance())
        return false;
    leftPressPending = false;
    DragIt(this, pressPosition);
    return true;
}

bool Form1::handleSurfaceEvent(const Surface &surface, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            leftPressOnHandle(mouse);
        } else if (mouse->button() == Qt::RightButton && surface.opensMenuOnRightPress) {
            PopupMenu();
        }
        return true;
    }
    case QEvent::MouseMove:
        if (surface.resetsCaptions && !(static_cast<QMouseEvent *>(event)->buttons()))
            resetCaptionPictures();
        followPressForDrag(static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        const bool click = leftPressPending && mouse->button() == Qt::LeftButton;
        leftPressPending = false;
        if (surface.widget == Label2 && click)
            Label2_Click();
        else if (surface.widget == this && mouse->button() == Qt::RightButton)
            Form_Click();
        return true;
    }
    case QEvent::MouseButtonDblClick: {
        // A right press soon after the last one at the same spot arrives as a
        // double-click; it opens the menu all the same.
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && surface.doubleClick)
            surface.doubleClick();
        else if (mouse->button() == Qt::RightButton && surface.opensMenuOnRightPress)
            PopupMenu();
        return true;
    }
    default:
        return false;
    }
}

bool Form1::handleSliderEvent(QObject *slider, QEvent *event)
{
    const bool first = slider == Slider1;
    // A second press within the double-click time arrives as a double-click.
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
        first ? Slider1_MouseDown() : Slider2_MouseDown();
    else if (event->type() == QEvent::MouseButtonRelease)
        first ? Slider1_MouseUp() : Slider2_MouseUp();
    return false;
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Slider1 || watched == Slider2)
        return handleSliderEvent(watched, event);
    for (const Surface &surface : surfaces) {
        if (surface.widget == watched)
            return handleSurfaceEvent(surface, event);
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::mousePressEvent(QMouseEvent *event)
{
    handleSurfaceEvent(surfaces.front(), event);
}

void Form1::mouseMoveEvent(QMouseEvent *event)
{
    handleSurfaceEvent(surfaces.front(), event);
}

void Form1::mouseReleaseEvent(QMouseEvent *event)
{
    handleSurfaceEvent(surfaces.front(), event);
}

void Form1::mouseDoubleClickEvent(QMouseEvent *event)
{
    handleSurfaceEvent(surfaces.front(), event);
}
