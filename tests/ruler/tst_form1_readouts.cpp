#include "Form1Checks.h"
#include "WindowTest.h"
#include "ruler/ContextMenu.h"
#include "ruler/Form1.h"
#include "ruler/ReadoutBox.h"
#include "ruler/ScaleUnit.h"

#include <QAction>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

// The ruler's units and readouts: the unit commands, the texts the readouts
// and the menu show, and how the readouts draw them.

class tst_form1_readouts : public WindowTest
{
    Q_OBJECT
private slots:
    void unitCommands_data();
    void unitCommands();
    void refreshUnitOrder();
    void longestReadoutsFitTheirBoxes_data();
    void longestReadoutsFitTheirBoxes();
    void readoutDrawsAsATextBox();
    void readoutTakesTyping();
    void noUnitTickedShowsTwips();
    void verticalLengthShownOnceChanged();
    void clearEmptiesReadouts();
};

void tst_form1_readouts::unitCommands_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("name");
    using namespace ScaleUnits;
    // clang-format off
    QTest::newRow("pixels") << int(Pixels) << "400" << "Pixels";
    QTest::newRow("points") << int(Points) << "300." << "Points";
    QTest::newRow("characters") << int(Characters) << "50." << "Characters";
    QTest::newRow("inches") << int(Inches) << "4.2" << "Inches";
    QTest::newRow("millimeters") << int(Millimeters) << "105.8" << "Millimeters";
    QTest::newRow("centimeters") << int(Centimeters) << "10.6" << "Centimeters";
    QTest::newRow("twips") << int(Twips) << "6000" << "Twips";
    // clang-format on
}

void tst_form1_readouts::unitCommands()
{
    QFETCH(int, unit);
    QFETCH(QString, width);
    QFETCH(QString, name);
    Form1 ruler;
    ruler.show();
    QAction *entry = ruler.menu()->unitEntry(unit);
    entry->trigger();
    entry->trigger(); // a second time starts from twips again
    QCOMPARE(ruler.Text1(), width);
    QCOMPARE(ruler.Text2(), QString());
    QCOMPARE(ruler.Text5(), name);
    QString onlyThis(7, QLatin1Char('.'));
    onlyThis[unit] = QLatin1Char('x');
    QCOMPARE(ticks(ruler), onlyThis);
}

void tst_form1_readouts::refreshUnitOrder()
{
    fakes->settings.values.insert("Presets/Points", "True");
    fakes->settings.values.insert("Presets/Twips", "True");
    Form1 ruler;
    ruler.show();
    QCOMPARE(ticks(ruler), QStringLiteral("xx....x"));
    ruler.Timer1_Timer();
    QCOMPARE(ruler.Text5(), QStringLiteral("Pixels"));
    QCOMPARE(ticks(ruler), QStringLiteral("x......"));
}

void tst_form1_readouts::longestReadoutsFitTheirBoxes_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("readout");
    QTest::addColumn<int>("longest"); // twips
    QTest::addColumn<QString>("locale");
    for (int unit = 0; unit < ScaleUnits::Count; ++unit) {
        for (const char *locale : {"C", "de_DE"}) {
            const QByteArray name = ScaleUnits::unit(unit).name;
            QTest::newRow(name + ", width, " + locale) << unit << "Text1" << 24000 << locale;
            QTest::newRow(name + ", height, " + locale) << unit << "Text2" << 18000 << locale;
        }
    }
}

// Every text a readout can show, at every length either slider can set,
// fits its box whole in the font the program gets, from the box's left edge.
void tst_form1_readouts::longestReadoutsFitTheirBoxes()
{
    QFETCH(int, unit);
    QFETCH(QString, readout);
    QFETCH(int, longest);
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    Form1 ruler;
    auto *box = named<ReadoutBox>(&ruler, readout);
    QVERIFY(box);
    const QFontMetrics metrics(box->textFont());
    QString widest;
    for (int twips = 480; twips <= longest; ++twips) {
        const QString text = ScaleUnits::unit(unit).readout(twips);
        if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(widest))
            widest = text;
    }
    QVERIFY2(metrics.horizontalAdvance(widest) <= box->textRoom().width(),
             qPrintable(QStringLiteral("%1 takes %2 pixels in %3 %4 pt, the box has %5")
                            .arg(widest)
                            .arg(metrics.horizontalAdvance(widest))
                            .arg(QFontInfo(box->textFont()).family())
                            .arg(box->textFont().pointSizeF())
                            .arg(box->textRoom().width())));
    QVERIFY(box->textRoom().left() <= 2);
}

// Idle, a readout looks as a line edit of its size, font and colours shows
// the same text; the longest text is drawn whole.
void tst_form1_readouts::readoutDrawsAsATextBox()
{
    Form1 ruler;
    ruler.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ruler));
    auto *box = named<ReadoutBox>(&ruler, "Text1");
    QLineEdit edit(&ruler);
    edit.setGeometry(box->geometry().translated(0, 30));
    edit.setPalette(box->palette());
    edit.setFont(box->textFont());
    edit.setTextMargins(-1, 0, -1, 0);
    edit.setFocusPolicy(Qt::NoFocus);
    edit.show();
    for (const QString &text : {QStringLiteral("105.8"), QStringLiteral("1199.9")}) {
        box->setText(text);
        edit.setText(text);
        edit.setCursorPosition(0);
        QCOMPARE(box->grab().toImage(), edit.grab().toImage());
    }
    // The ink of "1199.9" starts at the box's left and ends inside its right.
    const QImage drawn = box->grab().toImage();
    int first = -1, last = -1;
    for (int x = 0; x < drawn.width(); ++x) {
        for (int y = 0; y < drawn.height(); ++y) {
            // The dark blue ink, whole or blended: far more blue than red,
            // unlike the beige panel and the grey frame.
            const QColor pixel = drawn.pixelColor(x, y);
            if (pixel.blue() - pixel.red() > 60) {
                first = first < 0 ? x : first;
                last = x;
            }
        }
    }
    QVERIFY2(first >= 2 && first <= 3, qPrintable(QString::number(first)));
    QVERIFY2(last > first && last <= box->textRoom().right(), qPrintable(QString::number(last)));
}

// The user may still type into a readout; the copy takes what is shown, and
// the next length shown replaces it.
void tst_form1_readouts::readoutTakesTyping()
{
    Form1 ruler;
    ruler.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ruler));
    ruler.Timer1_Timer();
    auto *box = named<ReadoutBox>(&ruler, "Text1");
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 3, box->height() / 2));
    auto *editor = box->findChild<QLineEdit *>();
    QVERIFY(editor && editor->hasFocus());
    QTest::keyClicks(editor, "7");
    QCOMPARE(ruler.Text1(), QStringLiteral("4007"));
    ruler.mnuCopy_Click();
    QCOMPARE(fakes->clipboard.text, QStringLiteral("Width:  4007 Pixels\r\nHeight:   Pixels"));
    named<QSlider>(&ruler, "Slider1")->setFocus();
    QVERIFY(!editor->isVisible());
    ruler.Timer1_Timer();
    QCOMPARE(ruler.Text1(), QStringLiteral("400"));
}

void tst_form1_readouts::noUnitTickedShowsTwips()
{
    for (const QString &key : unitKeys)
        fakes->settings.values.insert("Presets/" + key, "False");
    Form1 ruler;
    ruler.show();
    ruler.Timer1_Timer();
    QCOMPARE(ruler.Text1(), QStringLiteral("6000"));
    QCOMPARE(ruler.Text5(), QString());
    ruler.mnuCopy_Click();
    QCOMPARE(fakes->clipboard.text, QStringLiteral("Width:  6000 \r\nHeight:   "));
}

void tst_form1_readouts::verticalLengthShownOnceChanged()
{
    Form1 ruler;
    QSlider *upright = showTurned(ruler, true);
    upright->setValue(3000);
    ruler.Timer2_Timer();
    QCOMPARE(ruler.Text1(), QStringLiteral("400")); // the horizontal length, always shown
    QCOMPARE(ruler.Text2(), QStringLiteral("200"));
    ruler.mnuHoriz_Click();
    ruler.Timer1_Timer();
    QCOMPARE(ruler.Text1(), QStringLiteral("400"));
    QCOMPARE(ruler.Text2(), QStringLiteral("200"));
    ruler.mnuVertical_Click();
    upright->setValue(6000);
    ruler.mnuHoriz_Click();
    ruler.Timer1_Timer();
    QCOMPARE(ruler.Text2(), QString());
}

void tst_form1_readouts::clearEmptiesReadouts()
{
    Form1 ruler;
    ruler.show();
    ruler.Timer1_Timer();
    ruler.mnuClear_Click();
    QVERIFY(ruler.Text1().isEmpty());
    QCOMPARE(ruler.Text5(), QStringLiteral("Pixels"));
    ruler.Timer1_Timer();
    QCOMPARE(ruler.Text1(), QStringLiteral("400"));
}

QTEST_MAIN(tst_form1_readouts)
#include "tst_form1_readouts.moc"
