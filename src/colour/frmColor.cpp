#include "colour/frmColor.h"

#include "button/KeyCodes.h"
#include "button/chameleonButton.h"
#include "chrome/AccessibleChrome.h"
#include "chrome/ToolLook.h"
#include "colour/DesktopPick.h"
#include "colour/SpyReadout.h"
#include "colour/color32.h"
#include "platform/Clipboard.h"
#include "platform/PlatformServices.h"
#include "platform/ScreenSampler.h"
#include "window/FocusMarkStyle.h"
#include "window/Twips.h"

#include <QCursor>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

using ToolLook::paint;

namespace {

const QColor swatchDesignColor(248, 240, 224);

const CompanionWindow::Design spyDesign = {
    frmColor::role,
    "frmColor",
    QT_TRANSLATE_NOOP("CompanionWindow", "Color Spy"),
    QSize(2955, 5235),
    "spy_background",
    QSize(2955, 5280),
    "Label22",
    QRect(120, 120, 885, 210),
    1770, // Top_Y, Top_N
    2140, // Norm_Min, Hilite_Min, Down_Min
    2520, // CloseNorm_X, Hilite_X, Down_X
    true, // the background drags the window too
    Settings::S_L,
    Settings::S_T,
};

} // namespace

frmColor::frmColor() : CompanionWindow(spyDesign)
{
    buildSwatch();
    buildReadouts();
    buildButtons();
    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &frmColor::Timer1_Timer);
    desktopPick = new DesktopPick(this, findChild<QLabel *>(QStringLiteral("Label21")),
                                  [this](qint32 color) { showColor(color, std::nullopt); });
    Form_Load();
}

void frmColor::buildSwatch()
{
    Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setGeometry(Twips::rect(277, 540, 2400, 320));
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->installEventFilter(this);
    Picture1->setAccessibleName(tr("Color"));
    Picture1->setAccessibleDescription(tr("Press Enter to copy"));
    FocusMarkStyle::install(Picture1);
    paint(Picture1, swatchDesignColor);
}

void frmColor::buildReadouts()
{
    QWidget *channels = addGroup(262, 960, 2445, 1245);
    Label7 = addRow(channels, 0, "Label11", tr("RGB #"), "Label7");
    Label19 = addRow(channels, 1, "Label9", tr("Red Value "), "Label19");
    Label18 = addRow(channels, 2, "Label16", tr("Green Value"), "Label18");
    Label20 = addRow(channels, 3, "Label17", tr("Blue Value"), "Label20");
    QWidget *numbers = addGroup(247, 2280, 2445, 645);
    Label1 = addRow(numbers, 0, "Label8", tr("Decimal"), "Label1");
    Label6 = addRow(numbers, 1, "Label10", tr("Hex"), "Label6");
    QWidget *names = addGroup(247, 3000, 2445, 645);
    Label3 = addRow(names, 0, "Label14", tr("VB Color"), "Label3");
    Label2 = addRow(names, 1, "Label15", tr("QB Color"), "Label2");
    QWidget *position = addGroup(247, 3720, 2445, 645);
    Label4 = addRow(position, 0, "Label12", tr("X Pos"), "Label4");
    Label5 = addRow(position, 1, "Label13", tr("Y Pos"), "Label5");

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
    auto *hint = new QLabel(tr("Click Start - Press Enter to Copy"), this);
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
    paint(group, ToolLook::panelBackground);
    return group;
}

QLabel *frmColor::addRow(QWidget *group, int row, const char *captionName, const QString &caption,
                         const char *readoutName)
{
    const int top = 60 + 300 * row;
    auto *captionLabel = new QLabel(caption, group);
    captionLabel->setObjectName(QLatin1String(captionName));
    captionLabel->setGeometry(Twips::rect(120, top, 1400 - 120, 255));
    QLabel *readout = new SpyReadout(group);
    readout->setObjectName(QLatin1String(readoutName));
    readout->setGeometry(Twips::rect(1400, top, 1000, 255));
    AccessibleChrome::valueLabel(readout);
    readout->setAccessibleName(caption.trimmed());
    for (QLabel *label : {captionLabel, readout}) {
        label->setFont(ToolLook::tahoma(9));
        paint(label, ToolLook::panelInk, QPalette::WindowText);
    }
    return readout;
}

void frmColor::buildButtons()
{
    chameleonButton2 = chameleonButton::Place(this, tr("&Start"), ToolLook::button(),
                                              Twips::rect(247, 4740, 1095, 350));
    chameleonButton2->setObjectName(QStringLiteral("chameleonButton2"));
    chameleonButton2->setToolTip(tr("Capture Color"));
    connect(chameleonButton2, &chameleonButton::Click, this, &frmColor::chameleonButton2_Click);
    chameleonButton1 = chameleonButton::Place(this, tr("&Close"), ToolLook::button(),
                                              Twips::rect(1597, 4740, 1095, 350));
    chameleonButton1->setObjectName(QStringLiteral("chameleonButton1"));
    chameleonButton1->setToolTip(tr("Close Color Spy"));
    connect(chameleonButton1, &chameleonButton::Click, this, &frmColor::chameleonButton1_Click);
}

// Each edge is restored on its own; the focus request takes effect once the
// window is shown.
void frmColor::Form_Load()
{
    restorePosition(readPresets());
    Picture1->setFocus();
}

void frmColor::Form_Resize()
{
    CompanionWindow::Form_Resize();
    Picture1->setFocus();
}

void frmColor::Image1_MouseMove()
{
    Form_Resize();
}

// After Start the user moves out to the pixel to read, often across a readout
// group, the hint or a button rather than the bare background: whichever way
// the pointer leaves below the title strip, Enter then reaches Picture1.
void frmColor::leaveEvent(QEvent *event)
{
    CompanionWindow::leaveEvent(event);
    if (mapFromGlobal(QCursor::pos()).y() > titleStrip().bottom())
        Picture1->setFocus();
}

bool frmColor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Picture1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const int keyAscii =
            enter ? KeyCodes::Return : (key->text().isEmpty() ? 0 : key->text().at(0).unicode());
        Picture1_KeyPress(keyAscii);
        return enter;
    }
    return CompanionWindow::eventFilter(watched, event);
}

bool frmColor::capturing() const
{
    return Timer1->isActive();
}

// Where the screen cannot be read, the desktop's colour picker gives one
// colour instead of the samples.
void frmColor::chameleonButton2_Click()
{
    if (platform().sampler->canReadScreen())
        Timer1->start();
    else
        desktopPick->ask();
}

// Close button: the sampling stops before the position is written.
void frmColor::chameleonButton1_Click()
{
    Timer1->stop();
    storePosition();
    close();
}

void frmColor::Form_Unload()
{
    Timer1->stop();
}

// One sample of the pointer and of its pixel fills every readout, so the
// readouts always describe the same pixel.
void frmColor::Timer1_Timer()
{
    showSample(color32::takeSample());
}

void frmColor::showSample(const color32::Sample &sample)
{
    showColor(sample.color, sample.pointer);
}

// A colour without a pointer (the desktop's picker tells none) leaves the
// position empty.
void frmColor::showColor(qint32 color, std::optional<QPoint> pointer)
{
    paintSwatch(color);
    Label1->setText(color32::decimalText(color));
    Label2->setText(color32::paletteIndexOf(color));
    Label3->setText(color32::colorConstantNameOf(color));
    Label5->setText(pointer ? QString::number(pointer->y()) : QString());
    Label4->setText(pointer ? QString::number(pointer->x()) : QString());
    Label6->setText(color32::hexText(color));
    Label7->setText(color32::SwapHexPairs(color32::PadHex6(Label6->text())));
    color32::ShowChannels(color, Label20, Label18, Label19);
}

// An unreadable pixel is no colour; the swatch then shows its design colour.
// The same colour again repaints nothing, as the labels do with the same text.
void frmColor::paintSwatch(qint32 color)
{
    const QColor swatch = color < 0 ? swatchDesignColor : ToolLook::colorOf(color);
    if (Picture1->palette().color(QPalette::Window) != swatch)
        paint(Picture1, swatch);
}

void frmColor::Picture1_KeyPress(int keyAscii)
{
    if (keyAscii != KeyCodes::Return)
        return;
    Timer1->stop();
    Command2_Click();
}

void frmColor::Command2_Click()
{
    copy();
}

void frmColor::copy()
{
    platform().clipboard->clear();
    QStringList lines;
    for (const CopyLine &line : copyLines)
        lines << line.caption->text() + QStringLiteral(" - ") + line.readout->text();
    platform().clipboard->setText(lines.join(QStringLiteral("\r\n")));
}
