#include "AboutTest.h"
#include "about/AboutLinks.h"
#include "about/frmAbout.h"
#include "button/chameleonButton.h"

#include <QLabel>
#include <QTranslator>
#include <QtTest>

// The About box as it opens: its texts, its layout and controls, and the
// pages its links open.

class tst_frmabout : public AboutTest
{
    Q_OBJECT
private slots:
    void openingTexts();
    void opensOnTopAndBorderless();
    void elementPlaces_data();
    void elementPlaces();
    void controls_data();
    void controls();
    void panelsHoldTheirParagraphs_data();
    void panelsHoldTheirParagraphs();
    void linksOpenPages_data();
    void linksOpenPages();
    void accessKeysOpenPages_data();
    void accessKeysOpenPages();
    void rightClickOnPicturesOpensNothing();
};

void tst_frmabout::openingTexts()
{
    frmAbout *box = OpenWindows::show<frmAbout>();
    QCOMPARE(box->windowTitle(), QStringLiteral("About Ombrix"));
    QCOMPARE(named<QLabel>(box, "Label1")->text(), QStringLiteral("Drevani's Ombrix 1.0"));
    QCOMPARE(named<QLabel>(box, "lblTitle")->text(), QStringLiteral("Ombrix"));
    const QString version = named<QLabel>(box, "lblVersion")->text();
    QCOMPARE(version, QStringLiteral("Version %1.%2.%3")
                          .arg(OMBRIX_VERSION_MAJOR)
                          .arg(OMBRIX_VERSION_MINOR)
                          .arg(OMBRIX_VERSION_PATCH));
    QVERIFY(QRegularExpression(
                QStringLiteral("^Version (0|[1-9]\\d*)\\.(0|[1-9]\\d*)\\.(0|[1-9]\\d*)$"))
                .match(version)
                .hasMatch());
}

void tst_frmabout::opensOnTopAndBorderless()
{
    frmAbout *box = OpenWindows::show<frmAbout>();
    QVERIFY(fakes->band.topMost.contains(box));
    QCOMPARE(fakes->band.calls, QStringList{QStringLiteral("frmAbout:on")});
    QVERIFY(box->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(box->size(), QSize(384, 293));
    QCOMPARE(box->palette().color(QPalette::Window), QColor(240, 232, 216));
    QVERIFY(box->isVisible());
}

void tst_frmabout::elementPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::newRow("background") << "imgBackground" << QRect(0, 0, 385, 292);
    QTest::newRow("strip left end") << "imgTitleLeft" << QRect(0, 0, 10, 29);
    QTest::newRow("strip middle") << "imgTitleMiddle" << QRect(10, 0, 319, 29);
    QTest::newRow("strip right end") << "imgTitleRight" << QRect(329, 0, 55, 29);
    QTest::newRow("title text") << "Label1" << QRect(117, 8, 151, 16);
    QTest::newRow("close normal") << "Image5" << QRect(356, 5, 21, 21);
    QTest::newRow("close down") << "Image6" << QRect(356, 5, 21, 21);
    QTest::newRow("logo") << "picIcon" << QRect(8, 32, 71, 147);
    QTest::newRow("icon") << "Image1" << QRect(328, 32, 32, 32);
    QTest::newRow("title") << "lblTitle" << QRect(104, 40, 123, 16);
    QTest::newRow("version") << "lblVersion" << QRect(104, 64, 99, 15);
    QTest::newRow("upper panel") << "fraDescription" << QRect(98, 80, 273, 73);
    QTest::newRow("lower panel") << "fraDisclaimer" << QRect(8, 184, 273, 97);
    QTest::newRow("mailing list") << "chameleonButton1" << QRect(112, 160, 153, 23);
    QTest::newRow("home page") << "chameleonButton2" << QRect(288, 160, 83, 23);
    QTest::newRow("close") << "chameleonButton3" << QRect(288, 208, 83, 23);
    QTest::newRow("system info") << "chameleonButton4" << QRect(288, 256, 83, 23);
}

void tst_frmabout::elementPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    frmAbout *box = OpenWindows::show<frmAbout>();
    auto *element = named(box, name);
    QVERIFY(element);
    QCOMPARE(element->geometry(), place);
    if (auto *picture = qobject_cast<QLabel *>(element); picture && name.startsWith("img"))
        QVERIFY(!picture->pixmap().isNull());
}

void tst_frmabout::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QString>("caption");
    // clang-format off
    QTest::newRow("logo") << "picIcon" << "Drevani Software" << "";
    QTest::newRow("icon") << "Image1" << "" << "";
    QTest::newRow("mailing list") << "chameleonButton1" << "New and Updated Program Notice"
                                  << "&Join the Drevani Mailing List";
    QTest::newRow("home page") << "chameleonButton2" << "Drevani Home Page" << "&Drevani";
    QTest::newRow("close") << "chameleonButton3" << "Close" << "Clo&se";
    QTest::newRow("system info")
        << "chameleonButton4" << "Info about your Computer" << "&System Info";
    // clang-format on
}

void tst_frmabout::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, tip);
    QFETCH(QString, caption);
    frmAbout *box = OpenWindows::show<frmAbout>();
    auto *element = named(box, name);
    QVERIFY(element);
    QCOMPARE(element->toolTip(), tip);
    // Only the two pictures show the hand.
    QCOMPARE(element->cursor().shape(),
             caption.isEmpty() ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (caption.isEmpty())
        return;
    auto *push = qobject_cast<chameleonButton *>(element);
    QVERIFY(push);
    QCOMPARE(push->Caption(), caption);
    QCOMPARE(push->Font().pointSizeF(), 8.25);
    QCOMPARE(push->ButtonType(), 3);
    QVERIFY(push->Enabled());
    QVERIFY(push->ForceStandardCol());
}

// The paragraphs in each language, each with a word of its own.
void tst_frmabout::panelsHoldTheirParagraphs_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("descriptionWord");
    QTest::addColumn<QString>("licence");
    QTest::newRow("English") << QString() << QStringLiteral("mailing list")
                             << QStringLiteral(
                                    "GNU General Public License, version 3 or any later");
    QTest::newRow("German") << QStringLiteral("de") << QStringLiteral("Mailingliste")
                            << QStringLiteral("GNU General Public License, Version 3");
    QTest::newRow("French") << QStringLiteral("fr") << QStringLiteral("liste de diffusion")
                            << QStringLiteral("licence GNU GPL, version 3");
}

void tst_frmabout::panelsHoldTheirParagraphs()
{
    QFETCH(QString, language);
    QFETCH(QString, descriptionWord);
    QFETCH(QString, licence);
    QTranslator catalogue;
    if (!language.isEmpty()) {
        QVERIFY(catalogue.load(QStringLiteral(":/i18n/ombrix_") + language));
        QCoreApplication::installTranslator(&catalogue);
    }
    frmAbout *box = OpenWindows::show<frmAbout>();
    QCoreApplication::removeTranslator(&catalogue);
    const QString description = named<QLabel>(box, "lblDescription")->text();
    const QString disclaimer = named<QLabel>(box, "lblDisclaimer")->text();
    QVERIFY(description.contains(descriptionWord));
    QVERIFY(disclaimer.contains(licence));
    QCOMPARE(named<QLabel>(box, "lblDescription")->parentWidget()->objectName(),
             QStringLiteral("fraDescription"));
    QCOMPARE(named<QLabel>(box, "lblDisclaimer")->parentWidget()->objectName(),
             QStringLiteral("fraDisclaimer"));
    for (const char *name : {"lblDescription", "lblDisclaimer"}) {
        QLabel *paragraph = named<QLabel>(box, name);
        // Each paragraph fits its panel without being cut off.
        QVERIFY2(paragraph->heightForWidth(paragraph->width()) <= paragraph->height(), name);
    }
}

void tst_frmabout::linksOpenPages_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("page");
    QTest::newRow("logo") << "picIcon" << AboutLinks::homePage();
    QTest::newRow("icon") << "Image1" << AboutLinks::homePage();
    QTest::newRow("mailing-list button") << "chameleonButton1" << AboutLinks::mailingList();
    QTest::newRow("home-page button") << "chameleonButton2" << AboutLinks::homePage();
}

void tst_frmabout::linksOpenPages()
{
    QFETCH(QString, name);
    QFETCH(QString, page);
    frmAbout *box = OpenWindows::show<frmAbout>();
    QVERIFY(QTest::qWaitForWindowExposed(box));
    QWidget *control = named(box, name);
    if (auto *push = qobject_cast<chameleonButton *>(control))
        emit push->Click();
    else
        QTest::mouseClick(control, Qt::LeftButton);
    QCOMPARE(fakes->shell.opened, QStringList{page});
    QVERIFY(fakes->shell.started.isEmpty());
    QVERIFY(page.startsWith(QStringLiteral("https://")));
    QVERIFY(box->isVisible());
}

void tst_frmabout::accessKeysOpenPages_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("page");
    QTest::newRow("Alt+J") << Qt::Key_J << AboutLinks::mailingList();
    QTest::newRow("Alt+D") << Qt::Key_D << AboutLinks::homePage();
}

void tst_frmabout::accessKeysOpenPages()
{
    QFETCH(Qt::Key, key);
    QFETCH(QString, page);
    frmAbout *box = OpenWindows::show<frmAbout>();
    QVERIFY(QTest::qWaitForWindowActive(box));
    QTest::keyClick(box, key, Qt::AltModifier);
    QCOMPARE(fakes->shell.opened, QStringList{page});
}

void tst_frmabout::rightClickOnPicturesOpensNothing()
{
    frmAbout *box = OpenWindows::show<frmAbout>();
    QTest::mouseClick(named(box, "picIcon"), Qt::RightButton);
    QTest::mouseClick(named(box, "Image1"), Qt::MiddleButton);
    // A press on the picture that ends outside it is no click.
    press(named(box, "picIcon"), Qt::LeftButton, QPoint(5, 5));
    release(named(box, "picIcon"), Qt::LeftButton, QPoint(200, 5));
    QVERIFY(fakes->shell.opened.isEmpty());
}

QTEST_MAIN(tst_frmabout)
#include "tst_frmabout.moc"
