#include "about/frmAbout.h"

#include "about/AboutCloseButton.h"
#include "about/AboutLinks.h"
#include "about/SysInfoLookup.h"
#include "button/chameleonButton.h"
#include "chrome/AccessibleChrome.h"
#include "chrome/ToolLook.h"
#include "chrome/WindowChrome.h"
#include "platform/MessageShower.h"
#include "platform/PlatformServices.h"
#include "platform/Shell.h"
#include "platform/SysInfoSource.h"
#include "window/TopIt.h"
#include "window/Twips.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QShortcut>

using ToolLook::picture;
using Twips::toPixels;

namespace {

const QString programTitle = QStringLiteral("Ombrix");

const QColor titleInk(0, 0, 255);

const char *const description = QT_TRANSLATE_NOOP(
    "frmAbout",
    "Visit the Drevani web site with the Drevani button for news, help and our other "
    "programs, and join the Drevani mailing list to hear about new and updated programs "
    "as soon as they come out.");

// Ombrix is free software: the warning is against copying it outside its
// licence, not against copying it.
const char *const disclaimer = QT_TRANSLATE_NOOP(
    "frmAbout",
    "Warning: this program is protected by copyright law. You may reproduce and "
    "distribute it, or any part of it, only under the terms of the GNU General Public "
    "License, version 3 or any later version; doing so outside those terms infringes its "
    "copyright.");

} // namespace

frmAbout::frmAbout()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      chrome(std::make_unique<WindowChrome>(this, WindowChrome::Design{role}))
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    AccessibleChrome::frame(this);
    setFixedSize(toPixels(5760), toPixels(4395));
    ToolLook::paint(this, ToolLook::formBackground);

    picture(this, "imgBackground", "about_background")->setGeometry(0, 0, 385, 292);
    buildTitleStrip();
    buildPictures();
    buildLabels();
    buildPanels();
    buildButtons();
    Form_Load();
}

frmAbout::~frmAbout() = default;

// Closing destroys the box; from now on a new opening makes a new one.
void frmAbout::closeEvent(QCloseEvent *event)
{
    chrome->unload({});
    event->accept();
}

void frmAbout::Form_Load()
{
    TopIt(this, -1);
    setWindowTitle(tr("About %1").arg(programTitle));
    findChild<QLabel *>(QStringLiteral("lblVersion"))
        ->setText(tr("Version %1.%2.%3")
                      .arg(OMBRIX_VERSION_MAJOR)
                      .arg(OMBRIX_VERSION_MINOR)
                      .arg(OMBRIX_VERSION_PATCH));
    findChild<QLabel *>(QStringLiteral("lblTitle"))->setText(programTitle);
}

void frmAbout::buildTitleStrip()
{
    const int height = toPixels(435);
    const int leftWidth = 10;
    const int rightWidth = 55;
    QLabel *left = picture(this, "imgTitleLeft", "title_left");
    left->setGeometry(0, 0, leftWidth, height);
    imgTitleMiddle = picture(this, "imgTitleMiddle", "title_middle");
    imgTitleMiddle->setScaledContents(true);
    imgTitleMiddle->setGeometry(leftWidth, 0, width() - leftWidth - rightWidth, height);
    imgTitleMiddle->installEventFilter(this);
    QLabel *right = picture(this, "imgTitleRight", "title_right");
    right->setGeometry(width() - rightWidth, 0, rightWidth, height);

    closer = new AboutCloseButton(this);
    closer->moveTo(toPixels(5346), toPixels(72));
    connect(closer, &AboutCloseButton::released, this, &frmAbout::Image6_MouseUp);
    // Escape closes as the close picture does, unless a control takes it.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &frmAbout::Image6_MouseUp);
}

void frmAbout::buildPictures()
{
    picIcon = picture(this, "picIcon", "logo");
    picIcon->setGeometry(Twips::rect({120, 480, 1065, 2205}));
    picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picIcon->setCursor(Qt::PointingHandCursor);
    picIcon->setToolTip(tr("Drevani Software"));
    picIcon->installEventFilter(this);
    AccessibleChrome::pictureButton(picIcon, tr("Drevani Software"), [this] { picIcon_Click(); });

    Image1 = picture(this, "Image1", "icon32");
    Image1->setGeometry(Twips::rect({4920, 480, 480, 480}));
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->installEventFilter(this);
    AccessibleChrome::pictureButton(Image1, tr("Drevani Home Page"), [this] { Image1_Click(); });
}

QLabel *frmAbout::makeLabel(const char *name, const QRect &twips, const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(Twips::rect(twips));
    label->setFont(ToolLook::sans(9.75, true));
    ToolLook::paint(label, titleInk, QPalette::WindowText);
    return label;
}

void frmAbout::buildLabels()
{
    Label1 = makeLabel("Label1", {1748, 120, 2265, 240}, tr("Drevani's Ombrix 1.0"));
    Label1->setAlignment(Qt::AlignCenter);
    ToolLook::paint(Label1, Qt::white, QPalette::WindowText);
    Label1->installEventFilter(this);
    makeLabel("lblTitle", {1560, 600, 1845, 240}, tr("Application Title"));
    makeLabel("lblVersion", {1560, 960, 1485, 225}, tr("Version"));
}

void frmAbout::buildPanels()
{
    struct Panel
    {
        const char *frame;
        const char *label;
        QRect twips;
        const char *text;
    };
    const Panel panels[] = {
        {"fraDescription", "lblDescription", {1470, 1200, 4095, 1095}, description},
        {"fraDisclaimer", "lblDisclaimer", {120, 2760, 4095, 1455}, disclaimer}};
    for (const Panel &each : panels) {
        auto *frame = new QFrame(this);
        frame->setObjectName(QString::fromLatin1(each.frame));
        frame->setFrameShape(QFrame::Box);
        frame->setFrameShadow(QFrame::Plain);
        frame->setGeometry(Twips::rect(each.twips));
        ToolLook::paint(frame, ToolLook::panelBackground);
        ToolLook::paint(frame, ToolLook::panelInk, QPalette::WindowText);

        auto *label = new QLabel(tr(each.text), frame);
        label->setObjectName(QString::fromLatin1(each.label));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setFont(ToolLook::sans(8.25, false));
        label->setGeometry(frame->rect().adjusted(5, 4, -5, -4));
    }
}

chameleonButton *frmAbout::makeButton(const char *name, const QRect &twips, const QString &caption,
                                      const QString &tip)
{
    auto *button =
        chameleonButton::Place(this, caption, ToolLook::sans(8.25, false), Twips::rect(twips));
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(tip);
    return button;
}

void frmAbout::buildButtons()
{
    connect(makeButton("chameleonButton1", {1680, 2400, 2295, 345},
                       tr("&Join the Drevani Mailing List"), tr("New and Updated Program Notice")),
            &chameleonButton::Click, this, &frmAbout::chameleonButton1_Click);
    connect(makeButton("chameleonButton2", {4320, 2400, 1245, 345}, tr("&Drevani"),
                       tr("Drevani Home Page")),
            &chameleonButton::Click, this, &frmAbout::chameleonButton2_Click);
    connect(makeButton("chameleonButton3", {4320, 3120, 1245, 345}, tr("Clo&se"), tr("Close")),
            &chameleonButton::Click, this, &frmAbout::chameleonButton3_Click);
    connect(makeButton("chameleonButton4", {4320, 3840, 1245, 345}, tr("&System Info"),
                       tr("Info about your Computer")),
            &chameleonButton::Click, this, &frmAbout::chameleonButton4_Click);
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint pointer = mouse->globalPosition().toPoint();
        if (watched == imgTitleMiddle)
            imgTitleMiddle_MouseDown(mouse->button(), pointer);
        else if (watched == Label1)
            Label1_MouseDown(mouse->button(), pointer);
        return false;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const auto *widget = static_cast<QWidget *>(watched);
        const bool click = mouse->button() == Qt::LeftButton &&
                           widget->rect().contains(mouse->position().toPoint());
        if (click && watched == picIcon)
            picIcon_Click();
        else if (click && watched == Image1)
            Image1_Click();
    }
    return false;
}

void frmAbout::StartSysInfo()
{
    QString program;
    if (!SysInfoLookup::FindSysInfoTool(*platform().sysInfo, program) ||
        !platform().shell->startProgram(program, {}))
        showUnavailable();
}

void frmAbout::openPage(const QString &address)
{
    // The shell's answer is not looked at: a missing browser is not reported.
    platform().shell->open(address);
}

void frmAbout::showUnavailable()
{
    platform().messages->showMessage(this, programTitle,
                                     tr("System Information Is Unavailable At This Time"));
}

void frmAbout::imgTitleMiddle_MouseDown(Qt::MouseButton button, const QPoint &pointer)
{
    chrome->pressOnHandle(button, pointer);
}

void frmAbout::Label1_MouseDown(Qt::MouseButton button, const QPoint &pointer)
{
    chrome->pressOnHandle(button, pointer);
}

void frmAbout::Image6_MouseUp()
{
    close();
}

void frmAbout::picIcon_Click()
{
    openPage(AboutLinks::homePage());
}

void frmAbout::Image1_Click()
{
    openPage(AboutLinks::homePage());
}

void frmAbout::chameleonButton1_Click()
{
    openPage(AboutLinks::mailingList());
}

void frmAbout::chameleonButton2_Click()
{
    openPage(AboutLinks::homePage());
}

void frmAbout::chameleonButton3_Click()
{
    close();
}

void frmAbout::chameleonButton4_Click()
{
    StartSysInfo();
}
