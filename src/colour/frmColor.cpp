#include "colour/frmColor.h"

#include "button/chameleonButton.h"
#include "chrome/CaptionButton.h"
#include "chrome/OnTopPeers.h"
#include "chrome/OnTopToggle.h"
#include "colour/ToolLook.h"
#include "colour/color32.h"
#include "platform/Clipboard.h"
#include "platform/PlatformServices.h"
#include "settings/Presets.h"
#include "window/DragIt.h"
#include "window/FloatingWindow.h"
#include "window/Twips.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

using ToolLook::paint;
using Twips::toPixels;

namespace {

frmColor *openSpy = nullptr;

const QColor swatchDesignColor(248, 240, 224);
const QColor readoutBackground(248, 236, 224);
const QColor readoutText(0, 0, 192);

} // namespace

frmColor *frmColor::Instance()
{
    return openSpy;
}

frmColor *frmColor::ShowInstance()
{
    if (!openSpy)
        openSpy = new frmColor;
    openSpy->show();
    openSpy->raise();
    openSpy->activateWindow();
    return openSpy;
}

frmColor::frmColor() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmColor"));
    setWindowTitle(QStringLiteral("Color Spy"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(toPixels(2955), toPixels(5235));
    FloatingWindow::Mark(this, FloatingWindow::Utility);
    buildBackground();
    buildSwatch();
    buildReadouts();
    buildButtons();
    buildChrome();
    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &frmColor::Timer1_Timer);
    OnTopPeers::Register(OnTopPeers::Spy, this);
    Form_Load();
}

frmColor::~frmColor()
{
    OnTopPeers::Unregister(OnTopPeers::Spy, this);
    if (openSpy == this)
        openSpy = nullptr;
}

void frmColor::buildBackground()
{
    Image1 = ToolLook::stretchedPicture(this, "Image1", QStringLiteral(":/spy_background.png"),
                                        Twips::rect(0, 0, 2955, 5280));
    Image2 = ToolLook::stretchedPicture(this, "Image2", QStringLiteral(":/title_strip.png"),
                                        Twips::rect(0, 0, 2955, 435));
    Label22 = ToolLook::titleText(this, "Label22", QStringLiteral("Color Spy"),
                                  Twips::rect(120, 120, 885, 210));
    for (QLabel *handle : {Image1, Image2, Label22})
        handle->installEventFilter(this);
    Image1->setMouseTracking(true);
    Image2->setMouseTracking(true);
}

void frmColor::buildChrome()
{
    onTop = new OnTopToggle(this, this);
    onTop->moveTo(toPixels(1770), toPixels(60));
    connect(onTop, &OnTopToggle::Top_Y_Clicked, this, &frmColor::Top_Y_Click);
    connect(onTop, &OnTopToggle::Top_N_Clicked, this, &frmColor::Top_N_Click);
    minimizeControl = new CaptionButton(CaptionButton::Minimize, this);
    minimizeControl->moveTo(toPixels(2140), toPixels(60));
    connect(minimizeControl, &CaptionButton::released, this, &frmColor::Hilite_Min_MouseUp);
    closeControl = new CaptionButton(CaptionButton::Close, this);
    closeControl->moveTo(toPixels(2520), toPixels(60));
    connect(closeControl, &CaptionButton::released, this, &frmColor::Hilite_X_MouseUp);
}

void frmColor::buildSwatch()
{
    Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setGeometry(Twips::rect(277, 540, 2400, 320));
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->installEventFilter(this);
    paint(Picture1, swatchDesignColor);
}

void frmColor::buildReadouts()
{
    QWidget *channels = addGroup(262, 960, 2445, 1245);
    Label7 = addRow(channels, 0, "Label11", QStringLiteral("RGB #"), "Label7");
    Label19 = addRow(channels, 1, "Label9", QStringLiteral("Red Value "), "Label19");
    Label18 = addRow(channels, 2, "Label16", QStringLiteral("Green Value"), "Label18");
    Label20 = addRow(channels, 3, "Label17", QStringLiteral("Blue Value"), "Label20");
    QWidget *numbers = addGroup(247, 2280, 2445, 645);
    Label1 = addRow(numbers, 0, "Label8", QStringLiteral("Decimal"), "Label1");
    Label6 = addRow(numbers, 1, "Label10", QStringLiteral("Hex"), "Label6");
    QWidget *names = addGroup(247, 3000, 2445, 645);
    Label3 = addRow(names, 0, "Label14", QStringLiteral("VB Color"), "Label3");
    Label2 = addRow(names, 1, "Label15", QStringLiteral("QB Color"), "Label2");
    QWidget *position = addGroup(247, 3720, 2445, 645);
    Label4 = addRow(position, 0, "Label12", QStringLiteral("X Pos"), "Label4");
    Label5 = addRow(position, 1, "Label13", QStringLiteral("Y Pos"), "Label5");

    const std::pair<const char *, QLabel *> copyOrder[] = {
        {"Label8", Label1},   {"Label10", Label6},  {"Label11", Label7}, {"Label9", Label19},
        {"Label16", Label18}, {"Label17", Label20}, {"Label14", Label3}, {"Label15", Label2},
        {"Label12", Label4},  {"Label13", Label5}};
    for (const auto &[captionName, readout] : copyOrder)
        copyLines.append(CopyLine{findChild<QLabel *>(QLatin1String(captionName)), readout});

    buildHint();
}

// A substitute for Tahoma is wider: the hint may then use the whole width of
// the window, about the same centre, and a smaller size, but is never cut.
void frmColor::buildHint()
{
    auto *hint = new QLabel(QStringLiteral("Click Start - Press Enter to Copy"), this);
    hint->setObjectName(QStringLiteral("Label21"));
    hint->setAlignment(Qt::AlignCenter);
    const QRect design = Twips::rect(315, 4440, 2325, 195);
    QFont font = ToolLook::tahoma(8);
    while (font.pointSize() > 6 && QFontMetrics(font).horizontalAdvance(hint->text()) > width())
        font.setPointSize(font.pointSize() - 1);
    hint->setFont(font);
    const int textHeight = QFontMetrics(font).height();
    hint->setGeometry(design.width() >= QFontMetrics(font).horizontalAdvance(hint->text())
                          ? design
                          : QRect(0, design.center().y() - textHeight / 2, width(), textHeight));
}

QWidget *frmColor::addGroup(int left, int top, int width, int height)
{
    auto *group = new QFrame(this);
    group->setFrameStyle(QFrame::Box | QFrame::Sunken);
    group->setGeometry(Twips::rect(left, top, width, height));
    paint(group, readoutBackground);
    return group;
}

QLabel *frmColor::addRow(QWidget *group, int row, const char *captionName, const QString &caption,
                         const char *readoutName)
{
    const int top = 60 + 300 * row;
    auto *captionLabel = new QLabel(caption, group);
    captionLabel->setObjectName(QLatin1String(captionName));
    captionLabel->setGeometry(Twips::rect(120, top, 1400 - 120, 255));
    auto *readout = new QLabel(group);
    readout->setObjectName(QLatin1String(readoutName));
    readout->setGeometry(Twips::rect(1400, top, 1000, 255));
    for (QLabel *label : {captionLabel, readout}) {
        label->setFont(ToolLook::tahoma(9));
        paint(label, readoutText, QPalette::WindowText);
    }
    return readout;
}

void frmColor::buildButtons()
{
    chameleonButton2 = chameleonButton::Place(this, QStringLiteral("&Start"), ToolLook::button(),
                                              Twips::rect(247, 4740, 1095, 350));
    chameleonButton2->setObjectName(QStringLiteral("chameleonButton2"));
    chameleonButton2->setToolTip(QStringLiteral("Capture Color"));
    connect(chameleonButton2, &chameleonButton::Click, this, &frmColor::chameleonButton2_Click);
    chameleonButton1 = chameleonButton::Place(this, QStringLiteral("&Close"), ToolLook::button(),
                                              Twips::rect(1597, 4740, 1095, 350));
    chameleonButton1->setObjectName(QStringLiteral("chameleonButton1"));
    chameleonButton1->setToolTip(QStringLiteral("Close Color Spy"));
    connect(chameleonButton1, &chameleonButton::Click, this, &frmColor::chameleonButton1_Click);
}

// Each edge is restored on its own; the focus request takes effect once the
// window is shown.
void frmColor::Form_Load()
{
    Presets::RestorePosition(this, QStringLiteral("S_L"), QStringLiteral("S_T"));
    Picture1->setFocus();
}

void frmColor::Form_Resize()
{
    ResetCaptionButtons();
    Picture1->setFocus();
}

void frmColor::ResetCaptionButtons()
{
    closeControl->Reset();
    minimizeControl->Reset();
}

void frmColor::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    Form_Resize();
}

void frmColor::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmColor::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        Form_Resize();
}

bool frmColor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Picture1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const int keyAscii = enter ? 13 : (key->text().isEmpty() ? 0 : key->text().at(0).unicode());
        Picture1_KeyPress(keyAscii);
        return enter;
    }
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton &&
        (watched == Image1 || watched == Image2 || watched == Label22)) {
        DragIt(this);
        return true;
    }
    if (event->type() == QEvent::MouseMove && watched == Image1) {
        ResetCaptionButtons();
        Picture1->setFocus();
    } else if (event->type() == QEvent::MouseMove && watched == Image2) {
        ResetCaptionButtons();
    }
    return QWidget::eventFilter(watched, event);
}

bool frmColor::Capturing() const
{
    return Timer1->isActive();
}

void frmColor::chameleonButton2_Click()
{
    Timer1->start();
}

// Close button: the sampling stops before the position is written.
void frmColor::chameleonButton1_Click()
{
    Timer1->stop();
    StorePosition();
    Unload();
}

// Close control: the position is written before the sampling stops.
void frmColor::Hilite_X_MouseUp()
{
    StorePosition();
    Timer1->stop();
    Unload();
}

void frmColor::Hilite_Min_MouseUp()
{
    showMinimized();
}

void frmColor::StorePosition()
{
    Presets::StorePosition(this, QStringLiteral("S_L"), QStringLiteral("S_T"));
}

void frmColor::Unload()
{
    close();
}

void frmColor::closeEvent(QCloseEvent *event)
{
    if (!unloaded) {
        unloaded = true;
        Timer1->stop();
        // Closed, it must neither be re-asserted nor be shown again.
        OnTopPeers::Unregister(OnTopPeers::Spy, this);
        if (openSpy == this)
            openSpy = nullptr;
    }
    event->accept();
}

// One sample of the pointer and of its pixel fills every readout, so the
// readouts always describe the same pixel.
void frmColor::Timer1_Timer()
{
    const color32::Sample sample = color32::TakeSample();
    const qint32 color = sample.color;
    PaintSwatch(color);
    Label1->setText(color32::DecimalText(color));
    Label2->setText(color32::PaletteIndexOf(color));
    Label3->setText(color32::ColorConstantNameOf(color));
    Label5->setText(QString::number(sample.pointer.y()));
    Label4->setText(QString::number(sample.pointer.x()));
    Label6->setText(color32::HexText(color));
    Label7->setText(color32::SwapHexPairs(color32::PadHex6(Label6->text())));
    color32::ShowChannels(color, Label20, Label18, Label19);
}

// An unreadable pixel is no colour; the swatch then shows its design colour.
void frmColor::PaintSwatch(qint32 color)
{
    paint(Picture1, color < 0 ? swatchDesignColor : ToolLook::colorOf(color));
}

void frmColor::Picture1_KeyPress(int keyAscii)
{
    if (keyAscii != 13)
        return;
    Timer1->stop();
    Command2_Click();
}

void frmColor::Command2_Click()
{
    Copy();
}

void frmColor::Copy()
{
    platform().clipboard->Clear();
    QStringList lines;
    for (const CopyLine &line : copyLines)
        lines << line.caption->text() + QStringLiteral(" - ") + line.readout->text();
    platform().clipboard->SetText(lines.join(QStringLiteral("\r\n")));
}

bool frmColor::ShowsOnTop() const
{
    return onTop->ShowsOnTop();
}

void frmColor::Command1_Click()
{
    onTop->PutOnTop();
}

void frmColor::Top_N_Click()
{
    onTop->PutOnTop();
}

// Only this window leaves the band; the others showing "On Top" go back.
void frmColor::Top_Y_Click()
{
    onTop->TakeOffTop();
    OnTopPeers::ReassertOthers(OnTopPeers::Spy);
}
