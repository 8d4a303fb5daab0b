#include "colour/Mixer.h"

#include "button/chameleonButton.h"
#include "chrome/GroupFrame.h"
#include "chrome/ToolLook.h"
#include "colour/color32.h"
#include "platform/Clipboard.h"
#include "platform/PlatformServices.h"
#include "settings/SettingsWriting.h"
#include "window/FocusMarkStyle.h"
#include "window/ScrollKeys.h"
#include "window/Twips.h"

#include <QFrame>
#include <QLineEdit>
#include <QScrollBar>
#include <optional>

namespace {

const CompanionWindow::Design mixerDesign = {
    Mixer::role,
    "Mixer",
    QT_TRANSLATE_NOOP("CompanionWindow", "Color Mixer"),
    QSize(5805, 4515),
    "mixer_background",
    QSize(5805, 4515),
    "Label1",
    QRect(120, 120, 1035, 210),
    4600,  // Top_Y, Top_N
    5000,  // Norm_Min, Hilite_Min, Down_Min
    5380,  // Normal_X, Hilite_X, Down_X
    false, // the background is no drag handle
    Settings::M_L,
    Settings::M_T,
};

QString hexOf(int channel)
{
    return QString::number(channel, 16).toUpper();
}

} // namespace

Mixer::Mixer() : CompanionWindow(mixerDesign)
{
    buildBody();
    Form_Load();
}

QGroupBox *Mixer::addGroup(QWidget *parent, const QString &title, QRect place)
{
    auto *group = new GroupFrame(title, parent);
    group->setFont(ToolLook::tahoma(8));
    group->setGeometry(place);
    return group;
}

void Mixer::buildBody()
{
    QGroupBox *mainGroup = addGroup(this, tr("Mix Colors"), Twips::rect(120, 460, 5560, 3975));
    mainGroup->setFont(ToolLook::tahoma(8, true));

    QGroupBox *scrollGroup =
        addGroup(mainGroup, tr("Mix Red, Green, Blue"), Twips::rect(120, 360, 3375, 2000));
    HScroll1 = addBar(scrollGroup, "HScroll1", 360, Qt::red, tr("Red"));
    HScroll2 = addBar(scrollGroup, "HScroll2", 960, Qt::green, tr("Green"));
    HScroll3 = addBar(scrollGroup, "HScroll3", 1560, Qt::blue, tr("Blue"));
    connect(HScroll1, &QScrollBar::valueChanged, this, &Mixer::HScroll1_Change);
    connect(HScroll2, &QScrollBar::valueChanged, this, &Mixer::HScroll2_Change);
    connect(HScroll3, &QScrollBar::valueChanged, this, &Mixer::HScroll3_Change);

    QGroupBox *colorGroup = addGroup(mainGroup, tr("Color"), Twips::rect(3600, 360, 1850, 2000));
    Picture2 = new QFrame(colorGroup);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture2->setGeometry(Twips::rect(120, 240, 1600, 1600));
    ToolLook::paint(Picture2, Qt::black);
    Picture2->setAccessibleName(colorGroup->title());

    rgbGroup = addGroup(mainGroup, tr("RGB Value"), Twips::rect(120, 2520, 2535, 615));
    Text7 = addField(rgbGroup, "Text7", 500, QStringLiteral("0,0,0"));
    hexGroup = addGroup(mainGroup, tr("Hex Value"), Twips::rect(2880, 2520, 2535, 615));
    Text8 = addField(hexGroup, "Text8", 480, QStringLiteral("#000000"));
    decimalGroup = addGroup(mainGroup, tr("Decimal Value"), Twips::rect(120, 3240, 2535, 615));
    Text9 = addField(decimalGroup, "Text9", 500, QStringLiteral("0"));
    buildButtons(mainGroup);
}

// The bar and its fixed swatch bear the name of their colour.
QScrollBar *Mixer::addBar(QWidget *group, const char *name, int top, const QColor &swatch,
                          const QString &colourName)
{
    auto *fixedSwatch = new QFrame(group);
    fixedSwatch->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    fixedSwatch->setGeometry(Twips::rect(240, top, 255, 255));
    ToolLook::paint(fixedSwatch, swatch);
    fixedSwatch->setAccessibleName(colourName);

    auto *bar = new QScrollBar(Qt::Horizontal, group);
    bar->setObjectName(QLatin1String(name));
    bar->setRange(0, 255);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setGeometry(Twips::rect(600, top, 2535, 255));
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setAccessibleName(colourName);
    ScrollKeys::install(bar);
    FocusMarkStyle::install(bar);
    return bar;
}

// The fields show what the bars make; typing into them would only be copied
// until the next change overwrote it.
QLineEdit *Mixer::addField(QGroupBox *group, const char *name, int left, const QString &text)
{
    auto *field = new QLineEdit(text, group);
    field->setObjectName(QLatin1String(name));
    field->setReadOnly(true);
    field->setGeometry(Twips::rect(left, 210, 1575, 285));
    field->setAccessibleName(group->title());
    return field;
}

void Mixer::buildButtons(QWidget *group)
{
    chameleonButton1 = chameleonButton::Place(group, tr("&Copy"), ToolLook::button(),
                                              Twips::rect(2880, 3450, 1100, 350));
    chameleonButton1->setObjectName(QStringLiteral("chameleonButton1"));
    chameleonButton1->setToolTip(tr("Copy values to Clipboard"));
    connect(chameleonButton1, &chameleonButton::Click, this, &Mixer::chameleonButton1_Click);
    chameleonButton2 = chameleonButton::Place(group, tr("Cl&ose"), ToolLook::button(),
                                              Twips::rect(4315, 3450, 1100, 350));
    chameleonButton2->setObjectName(QStringLiteral("chameleonButton2"));
    chameleonButton2->setToolTip(tr("Close Color Mixer"));
    connect(chameleonButton2, &chameleonButton::Click, this, &Mixer::chameleonButton2_Click);
}

// Each key on its own: a stored value that is not a number from 0 to 255
// leaves its bar at 0 and the others still apply.
void Mixer::Form_Load()
{
    const SettingsReading presets = readPresets({Settings::H1, Settings::H2, Settings::H3});
    restorePosition(presets);
    restoreBar(HScroll1, presets, Settings::H1);
    restoreBar(HScroll2, presets, Settings::H2);
    restoreBar(HScroll3, presets, Settings::H3);
}

void Mixer::restoreBar(QScrollBar *bar, const SettingsReading &presets, Settings::Key key)
{
    const std::optional<qint16> value = presets.integer(key);
    if (value && *value >= bar->minimum() && *value <= bar->maximum())
        bar->setValue(*value);
}

void Mixer::Form_Unload()
{
    SettingsWriting()
        .integer(Settings::H1, HScroll1->value())
        .integer(Settings::H2, HScroll2->value())
        .integer(Settings::H3, HScroll3->value())
        .save();
}

void Mixer::HScroll1_Change()
{
    updateColor();
}

void Mixer::HScroll2_Change()
{
    updateColor();
}

void Mixer::HScroll3_Change()
{
    updateColor();
}

// Every step reads the three bars anew, so whichever bar moved the swatch and
// the fields end up describing the same colour.
void Mixer::updateColor()
{
    ToolLook::paint(Picture2, ToolLook::colorOf(color32::colorValue(
                                  HScroll1->value(), HScroll2->value(), HScroll3->value())));
    Text7->setText(color32::channelTriple(HScroll1->value(), HScroll2->value(), HScroll3->value()));
    const QString zero = QStringLiteral("0");
    Text8->setText(QLatin1Char('#') + PadLeft(hexOf(HScroll1->value()), 2, zero) +
                   PadLeft(hexOf(HScroll2->value()), 2, zero) +
                   PadLeft(hexOf(HScroll3->value()), 2, zero));
    Text9->setText(color32::decimalText(
        color32::colorValue(HScroll1->value(), HScroll2->value(), HScroll3->value())));
}

QString Mixer::PadLeft(const QString &value, int width, const QString &fill)
{
    QString text = value;
    // An empty fill would never lengthen the text.
    if (fill.isEmpty())
        return text;
    while (text.size() < width)
        text.prepend(fill);
    return text;
}

// Copy: the group titles and the fields as they stand.
void Mixer::chameleonButton1_Click()
{
    platform().clipboard->clear();
    const QString separator = QStringLiteral(" - ");
    const QStringList lines = {rgbGroup->title() + separator + Text7->text(),
                               decimalGroup->title() + separator + Text9->text(),
                               hexGroup->title() + separator + Text8->text()};
    platform().clipboard->setText(lines.join(QStringLiteral("\r\n")));
}

void Mixer::chameleonButton2_Click()
{
    storePosition();
    close();
}
