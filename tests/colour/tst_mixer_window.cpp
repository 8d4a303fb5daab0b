#include "WindowTest.h"
#include "button/chameleonButton.h"
#include "chrome/OpenWindows.h"
#include "colour/Mixer.h"
#include "window/Twips.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QtTest>

// Color Mixer as a window: its group frames and its buttons.

class tst_mixer_window : public WindowTest
{
    Q_OBJECT
private slots:
    void groupsAreFramedAsWindowsFramesThem_data();
    void groupsAreFramedAsWindowsFramesThem();
    void buttonsActOnTheirClick_data();
    void buttonsActOnTheirClick();
};

void tst_mixer_window::groupsAreFramedAsWindowsFramesThem_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QRect>("place"); // twips, in the window or the main group
    QTest::addColumn<QString>("field");
    QTest::addColumn<QRect>("fieldPlace"); // twips, in the group

    QTest::newRow("main") << "Mix Colors" << QRect(120, 460, 5560, 3975) << "" << QRect();
    QTest::newRow("scroll") << "Mix Red, Green, Blue" << QRect(120, 360, 3375, 2000) << ""
                            << QRect();
    QTest::newRow("colour") << "Color" << QRect(3600, 360, 1850, 2000) << "" << QRect();
    QTest::newRow("RGB") << "RGB Value" << QRect(120, 2520, 2535, 615) << "Text7"
                         << QRect(500, 210, 1575, 285);
    QTest::newRow("hex") << "Hex Value" << QRect(2880, 2520, 2535, 615) << "Text8"
                         << QRect(480, 210, 1575, 285);
    QTest::newRow("decimal") << "Decimal Value" << QRect(120, 3240, 2535, 615) << "Text9"
                             << QRect(500, 210, 1575, 285);
}

// An etched frame, a grey line with a white one inside it, whose top runs
// through the middle of the title and stops short of it; the field lies
// wholly inside the frame.
void tst_mixer_window::groupsAreFramedAsWindowsFramesThem()
{
    QFETCH(QString, title);
    QFETCH(QRect, place);
    QFETCH(QString, field);
    QFETCH(QRect, fieldPlace);

    Mixer *mixer = OpenWindows::show<Mixer>();
    QGroupBox *group = nullptr;
    for (QGroupBox *candidate : mixer->findChildren<QGroupBox *>()) {
        if (candidate->title() == title)
            group = candidate;
    }
    QVERIFY(group);
    QCOMPARE(group->geometry(), Twips::rect(place));

    const QImage picture = group->grab().toImage();
    const QColor shadow(128, 128, 128);
    const int w = picture.width();
    const int h = picture.height();
    int top = 0;
    while (top < h && QColor(picture.pixel(0, top)) != shadow)
        ++top;
    const QFontMetrics metrics(group->font());
    QVERIFY2(qAbs(top - metrics.height() / 2) <= 1, qPrintable(QString::number(top)));
    QCOMPARE(QColor(picture.pixel(0, h / 2)), shadow);
    QCOMPARE(QColor(picture.pixel(1, h / 2)), QColor(Qt::white));
    QCOMPARE(QColor(picture.pixel(w - 2, h / 2)), shadow);
    QCOMPARE(QColor(picture.pixel(w - 1, h / 2)), QColor(Qt::white));
    QCOMPARE(QColor(picture.pixel(w / 2, h - 2)), shadow);
    QCOMPARE(QColor(picture.pixel(w / 2, h - 1)), QColor(Qt::white));
    // The top line: before the title, interrupted from a pixel before it to
    // a pixel after it (the white line shows it where the title's ink may
    // be grey), on after it.
    const int titleWidth = metrics.horizontalAdvance(title);
    QCOMPARE(QColor(picture.pixel(3, top)), shadow);
    QVERIFY(QColor(picture.pixel(6, top)) != shadow);
    QVERIFY(QColor(picture.pixel(7 + titleWidth, top)) != shadow);
    for (int x = 6; x <= 7 + titleWidth; ++x)
        QVERIFY2(QColor(picture.pixel(x, top + 1)) != Qt::white, qPrintable(QString::number(x)));
    QCOMPARE(QColor(picture.pixel(7 + titleWidth + 4, top)), shadow);
    QCOMPARE(QColor(picture.pixel(7 + titleWidth + 4, top + 1)), QColor(Qt::white));

    if (field.isEmpty())
        return;
    auto *fieldWidget = named<QLineEdit>(mixer, field);
    QCOMPARE(fieldWidget->parentWidget(), group);
    QCOMPARE(fieldWidget->geometry(), Twips::rect(fieldPlace));
    QVERIFY(fieldWidget->geometry().top() > top + 1);
    QVERIFY(QRect(2, top + 2, w - 4, h - top - 4).contains(fieldWidget->geometry()));
}

void tst_mixer_window::buttonsActOnTheirClick_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("accessKey"); // 0: a mouse click on the button
    QTest::addColumn<bool>("copied");

    QTest::newRow("Copy clicked") << "chameleonButton1" << 0 << true;
    QTest::newRow("Copy by Alt+C") << "chameleonButton1" << int(Qt::Key_C) << true;
    QTest::newRow("Close clicked") << "chameleonButton2" << 0 << false;
    QTest::newRow("Close by Alt+O") << "chameleonButton2" << int(Qt::Key_O) << false;
}

void tst_mixer_window::buttonsActOnTheirClick()
{
    QFETCH(QString, button);
    QFETCH(int, accessKey);
    QFETCH(bool, copied);

    Mixer *mixer = OpenWindows::show<Mixer>();
    QVERIFY(QTest::qWaitForWindowActive(mixer));
    QCOMPARE(named<chameleonButton>(mixer, button)->Font().pointSizeF(), 8.25);
    if (accessKey)
        QTest::keyClick(mixer, Qt::Key(accessKey), Qt::AltModifier);
    else
        QTest::mouseClick(named(mixer, button), Qt::LeftButton);
    QCOMPARE(fakes->clipboard.clears, copied ? 1 : 0);
    QCOMPARE(OpenWindows::find<Mixer>() == mixer, copied);
    QCOMPARE(fakes->settings.writes.size(), copied ? 0 : 5);
}

QTEST_MAIN(tst_mixer_window)
#include "tst_mixer_window.moc"
