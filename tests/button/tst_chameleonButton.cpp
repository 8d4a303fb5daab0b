#include "button/ButtonPainter.h"
#include "button/DesignPropertyBag.h"
#include "button/chameleonButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <memory>

namespace {

// Remembers every write, in order.
class RecordingBag : public PropertyBag
{
public:
    QVariant ReadProperty(const QString &, const QVariant &defaultValue) override
    {
        return defaultValue;
    }
    void WriteProperty(const QString &name, const QVariant &value) override
    {
        names << name;
        values << value;
    }
    QStringList names;
    QVariantList values;
};

// Records the arguments of the by-reference mouse events, which a signal
// spy cannot take.
struct MouseLog
{
    struct Entry
    {
        qint16 button, shift;
        float x, y;
    };
    MouseLog(chameleonButton *button,
             void (chameleonButton::*signal)(qint16 &, qint16 &, float &, float &))
    {
        QObject::connect(button, signal, button, [this](qint16 &b, qint16 &s, float &x, float &y) {
            entries << Entry{b, s, x, y};
        });
    }
    QList<Entry> entries;
};

const QRect buttonGeometry(10, 10, 73, 23);
const QPoint inside(40, 20);    // in the host window
const QPoint outside(200, 150); // in the host window, off the button
const QColor orange(255, 203, 107);

QFont captionFont()
{
    return QFont(QStringLiteral("DejaVu Sans"), 8);
}

struct Hosted
{
    std::unique_ptr<QWidget> host;
    chameleonButton *button = nullptr;
    chameleonButton *other = nullptr;
};

// A shown, active window with the button at (10, 10) and a second button
// beside it that can take the focus.
Hosted hosted(const QString &caption = QStringLiteral("&Copy"))
{
    Hosted h;
    h.host = std::make_unique<QWidget>();
    h.host->resize(300, 200);
    h.button = chameleonButton::Place(h.host.get(), caption, captionFont(), buttonGeometry);
    h.other = chameleonButton::Place(h.host.get(), QStringLiteral("Cl&ose"), captionFont(),
                                     QRect(100, 10, 73, 23));
    h.host->show();
    h.host->activateWindow();
    if (!QTest::qWaitForWindowActive(h.host.get()))
        qWarning("host window not active");
    return h;
}

QWindow *windowOf(const Hosted &h)
{
    return h.host->windowHandle();
}

// Style 3 shows its pressed look by orange side lines.
bool looksPressed(const chameleonButton *button)
{
    return QColor(button->Picture().pixel(2, 10)) == orange;
}

void sendKey(QWidget *target, QEvent::Type type, int key, bool autoRepeat = false,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString &text = QString())
{
    QKeyEvent event(type, key, modifiers, key == Qt::Key_Space ? QStringLiteral(" ") : text,
                    autoRepeat);
    QApplication::sendEvent(target, &event);
}

void typeKey(QWidget *target, int key, Qt::KeyboardModifiers modifiers, const QString &text)
{
    sendKey(target, QEvent::KeyPress, key, false, modifiers, text);
    sendKey(target, QEvent::KeyRelease, key, false, modifiers, text);
}

QColor opaque(const QColor &colour)
{
    return QColor(colour.rgb());
}

} // namespace

class tst_chameleonButton : public QObject
{
    Q_OBJECT
private slots:
    void newInstanceDefaults();
    void readProperties_data();
    void readProperties();
    void writePropertiesWritesAllFiveInOrder();
    void storedSetRoundTrips();
    void settersReportAndRedraw_data();
    void settersReportAndRedraw();
    void buttonTypeKeepsOutlineUntilResize();
    void outlineOfEveryStyle_data();
    void outlineOfEveryStyle();
    void cornersShowTheHost();
    void disabledLook();
    void systemColoursReadOnlyWhenAsked();
    void accessKeys_data();
    void accessKeys();
    void altLetterClicks();
    void pressDragOutBackReleaseInside();
    void releaseOutsideGivesNoClick();
    void doubleClickGivesOneClick();
    void secondaryButtonChangesNoLook();
    void accessKeyAfterSecondaryPress();
    void sharedAccessKeyOnlyMovesFocus();
    void disabledGivesNoClick();
    void spaceClicksOnceDespiteAutoRepeat_data();
    void spaceClicksOnceDespiteAutoRepeat();
    void arrowsMoveFocus_data();
    void arrowsMoveFocus();
    void keyEventsCarryCodes();
    void handlersMayChangeArguments();
    void redrawSkipsUnchangedState();
    void repaintShowsLastPicture();
    void focusShowsSideLines();
    void defaultFlagRedraws();
};

void tst_chameleonButton::newInstanceDefaults()
{
    QWidget host;
    host.setFont(QFont(QStringLiteral("DejaVu Serif"), 11));
    chameleonButton button(&host);
    QCOMPARE(button.ButtonType(), 2);
    QCOMPARE(button.Caption(), QString());
    QVERIFY(button.Enabled());
    QCOMPARE(button.Font(), host.font());
    QVERIFY(!button.ForceStandardCol());
    QCOMPARE(button.AccessKeys(), QString());
    button.setGeometry(0, 0, 40, 20);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    const QColor face =
        opaque(QGuiApplication::palette().color(QPalette::Active, QPalette::Button));
    QCOMPARE(QColor(button.Picture().pixel(20, 10)), face);
    QCOMPARE(button.mask(), QRegion(0, 0, 40, 20));
}

void tst_chameleonButton::readProperties_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("force");

    const QFont serif(QStringLiteral("DejaVu Serif"), 9);
    QTest::newRow("design set in lower case")
        << QVariantMap{{"btype", 3},    {"tx", "&Start"},   {"enab", false},  {"font", serif},
                       {"force", true}, {"_extentx", 1931}, {"_extenty", 617}}
        << 3 << "&Start" << false << "DejaVu Serif" << true;
    QTest::newRow("upper case keys") << QVariantMap{{"BTYPE", 5}, {"TX", "a"}, {"FORCE", true}} << 5
                                     << "a" << true << "DejaVu Sans Mono" << true;
    QTest::newRow("every key missing")
        << QVariantMap{} << 2 << "" << true << "DejaVu Sans Mono" << false;
    QTest::newRow("values of the wrong kind") << QVariantMap{{"btype", "wide"},
                                                             {"tx", QFont()},
                                                             {"enab", "maybe"},
                                                             {"font", 12},
                                                             {"force", QVariantList{}}}
                                              << 2 << "" << true << "DejaVu Sans Mono" << false;
    QTest::newRow("truth words and numbers")
        << QVariantMap{{"btype", 7.0}, {"enab", "False"}, {"force", "-1"}} << 7 << "" << false
        << "DejaVu Sans Mono" << true;
}

void tst_chameleonButton::readProperties()
{
    QFETCH(QVariantMap, stored);
    QFETCH(int, type);
    QFETCH(QString, caption);
    QFETCH(bool, enabled);
    QFETCH(QString, family);
    QFETCH(bool, force);
    QWidget host;
    host.setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 10));
    chameleonButton button(&host);
    DesignPropertyBag bag(stored);
    button.ReadProperties(bag);
    QCOMPARE(button.ButtonType(), type);
    QCOMPARE(button.Caption(), caption);
    QCOMPARE(button.Enabled(), enabled);
    QCOMPARE(button.isEnabled(), enabled);
    QCOMPARE(button.Font().family(), family);
    QCOMPARE(button.font().family(), family);
    QCOMPARE(button.ForceStandardCol(), force);
}

void tst_chameleonButton::writePropertiesWritesAllFiveInOrder()
{
    chameleonButton button;
    RecordingBag bag;
    button.WriteProperties(bag);
    QCOMPARE(bag.names, (QStringList{"BTYPE", "TX", "ENAB", "FONT", "FORCE"}));
    QCOMPARE(bag.values.at(0).toInt(), 2);
    QCOMPARE(bag.values.at(1).toString(), QString());
    QCOMPARE(bag.values.at(2).toBool(), true);
    QCOMPARE(bag.values.at(3).value<QFont>(), button.Font());
    QCOMPARE(bag.values.at(4).toBool(), false);
}

void tst_chameleonButton::storedSetRoundTrips()
{
    DesignPropertyBag design({{"btype", 4},
                              {"tx", "Cl&ose"},
                              {"enab", false},
                              {"font", captionFont()},
                              {"force", true},
                              {"_extentx", 1931}});
    chameleonButton first;
    first.ReadProperties(design);
    first.WriteProperties(design);
    // Writes replace the lower-case entries instead of adding upper-case ones.
    QCOMPARE(design.values().size(), 6);
    QCOMPARE(design.values().value("_extentx").toInt(), 1931);
    chameleonButton second;
    second.ReadProperties(design);
    QCOMPARE(second.ButtonType(), 4);
    QCOMPARE(second.Caption(), QStringLiteral("Cl&ose"));
    QVERIFY(!second.Enabled());
    QCOMPARE(second.Font(), captionFont());
    QVERIFY(second.ForceStandardCol());
}

void tst_chameleonButton::settersReportAndRedraw_data()
{
    using Setter = std::function<void(chameleonButton &)>;
    QTest::addColumn<Setter>("set");
    QTest::addColumn<QString>("name");

    QTest::newRow("ButtonType") << Setter([](chameleonButton &b) { b.setButtonType(1); })
                                << "BTYPE";
    QTest::newRow("Caption") << Setter([](chameleonButton &b) { b.setCaption("&Go"); }) << "TX";
    QTest::newRow("Enabled") << Setter([](chameleonButton &b) { b.setButtonEnabled(false); })
                             << "ENAB";
    QTest::newRow("Font") << Setter([](chameleonButton &b) {
        b.setButtonFont(QFont("DejaVu Serif", 12));
    }) << "FONT";
    QTest::newRow("ForceStandardCol")
        << Setter([](chameleonButton &b) { b.setForceStandardCol(false); }) << "FORCE";
}

// Every setter draws the released look at once, even while pressed.
void tst_chameleonButton::settersReportAndRedraw()
{
    QFETCH(std::function<void(chameleonButton &)>, set);
    QFETCH(QString, name);
    Hosted h = hosted();
    QTest::mousePress(windowOf(h), Qt::LeftButton, {}, inside);
    QVERIFY(looksPressed(h.button));
    const qint64 before = h.button->Picture().cacheKey();
    QSignalSpy changes(h.button, &chameleonButton::PropertyChanged);
    set(*h.button);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.at(0).at(0).toString(), name);
    QVERIFY(h.button->Picture().cacheKey() != before);
    QVERIFY(!looksPressed(h.button));
    QTest::mouseRelease(windowOf(h), Qt::LeftButton, {}, inside);
}

void tst_chameleonButton::buttonTypeKeepsOutlineUntilResize()
{
    QWidget host;
    chameleonButton button(&host);
    button.setGeometry(0, 0, 30, 12);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCOMPARE(button.mask(), QRegion(0, 0, 30, 12));
    const QImage square = button.Picture();
    button.setButtonType(3);
    QVERIFY(button.Picture() != square);
    QCOMPARE(button.mask(), QRegion(0, 0, 30, 12));
    button.resize(31, 12);
    QVERIFY(!button.mask().contains(QPoint(0, 0)));
    QVERIFY(!button.mask().contains(QPoint(29, 11)));
    QVERIFY(button.mask().contains(QPoint(2, 0)));
}

void tst_chameleonButton::outlineOfEveryStyle_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<QPoint>>("cut");

    const int W = 20, H = 10;
    QTest::newRow("1") << 1 << QList<QPoint>{{0, 0}, {0, H - 1}, {W - 1, 0}, {W - 1, H - 1}};
    const QList<QPoint> rounded{{0, 0},     {1, 0},         {0, 1},         {0, H - 1},
                                {1, H - 1}, {0, H - 2},     {W - 2, 0},     {W - 1, 0},
                                {W - 1, 1}, {W - 2, H - 1}, {W - 1, H - 1}, {W - 1, H - 2}};
    QTest::newRow("3") << 3 << rounded;
    QTest::newRow("4") << 4 << rounded;
    QTest::newRow("5") << 5 << QList<QPoint>{{0, H - 1}, {W - 1, 0}};
    for (int type : {2, 6, 7, 0, 8, -1})
        QTest::addRow("%d", type) << type << QList<QPoint>{};
}

// The outline is the widget's mask: cut pixels are neither drawn nor hit.
void tst_chameleonButton::outlineOfEveryStyle()
{
    QFETCH(int, type);
    QFETCH(QList<QPoint>, cut);
    QWidget host;
    DesignPropertyBag bag({{"btype", type}});
    chameleonButton button(&host);
    button.ReadProperties(bag);
    button.setGeometry(0, 0, 20, 10);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QRegion expected(0, 0, 20, 10);
    for (const QPoint &p : cut)
        expected -= QRegion(p.x(), p.y(), 1, 1);
    QCOMPARE(button.mask(), expected);
}

void tst_chameleonButton::cornersShowTheHost()
{
    Hosted h = hosted();
    h.host->setStyleSheet(QString());
    QPalette red = h.host->palette();
    red.setColor(QPalette::Window, Qt::red);
    h.host->setPalette(red);
    h.host->setAutoFillBackground(true);
    const QImage shot = h.host->grab().toImage();
    QCOMPARE(QColor(shot.pixel(10, 10)), QColor(Qt::red));
    QCOMPARE(QColor(shot.pixel(82, 32)), QColor(Qt::red));
    QCOMPARE(QColor(shot.pixel(12, 10)), QColor(0, 60, 115));
    QCOMPARE(QColor(shot.pixel(11, 11)), QColor(16, 77, 123));
}

void tst_chameleonButton::disabledLook()
{
    Hosted h = hosted();
    h.button->setFocus();
    h.button->setButtonEnabled(false);
    QVERIFY(!h.button->isEnabled());
    ButtonLook look;
    look.ButtonType = 3;
    look.Caption = QStringLiteral("&Copy");
    look.Enabled = false;
    look.Palette = ButtonPalette::standard();
    look.Font = h.button->Font();
    look.setSize(73, 23);
    QImage expected;
    ButtonPainter::paint(expected, look, ButtonState::Up);
    QCOMPARE(h.button->Picture(), expected);
}

void tst_chameleonButton::systemColoursReadOnlyWhenAsked()
{
    const QPalette original = QGuiApplication::palette();
    QPalette first = original;
    first.setColor(QPalette::Button, QColor(10, 20, 30));
    QApplication::setPalette(first);
    QWidget host;
    chameleonButton button(&host);
    button.setGeometry(0, 0, 40, 20);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    auto face = [&] { return QColor(button.Picture().pixel(20, 10)); };
    QCOMPARE(face(), QColor(10, 20, 30));
    QPalette second = original;
    second.setColor(QPalette::Button, QColor(40, 50, 60));
    QApplication::setPalette(second);
    button.setButtonType(2);
    QCOMPARE(face(), QColor(10, 20, 30));
    button.setForceStandardCol(true);
    QCOMPARE(face(), QColor(192, 192, 192));
    button.setForceStandardCol(false);
    QCOMPARE(face(), QColor(40, 50, 60));
    QApplication::setPalette(original);
}

void tst_chameleonButton::accessKeys_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("key");

    QTest::newRow("Cl&ose") << "Cl&ose"
                            << "o";
    QTest::newRow("&System Info") << "&System Info"
                                  << "s";
    QTest::newRow("upper case letter is lowered") << "&Join the Drevani Mailing List"
                                                  << "j";
    QTest::newRow("no ampersand") << "Close"
                                  << "";
    QTest::newRow("doubled, nothing after") << "Salt && Pepper"
                                            << "";
    QTest::newRow("doubled, then a letter") << "Salt && &Pepper"
                                            << "p";
    QTest::newRow("doubled then marked right after") << "&&&X"
                                                     << "x";
    QTest::newRow("two doubled pairs") << "a && b && &c"
                                       << "";
    QTest::newRow("doubled, then ending ampersand") << "a &&&"
                                                    << "";
    QTest::newRow("one character") << "&"
                                   << "";
    QTest::newRow("single character caption") << "x"
                                              << "";
    QTest::newRow("ends in its only ampersand") << "Go&"
                                                << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("arrow glyph") << QString(QChar(0x21E6)) << "";
}

void tst_chameleonButton::accessKeys()
{
    QFETCH(QString, caption);
    QFETCH(QString, key);
    chameleonButton button;
    button.setCaption(QStringLiteral("&Zed"));
    button.setCaption(caption);
    QCOMPARE(button.AccessKeys(), key);
}

void tst_chameleonButton::altLetterClicks()
{
    Hosted h = hosted(QStringLiteral("&Copy"));
    QSignalSpy copy(h.button, &chameleonButton::Click);
    QSignalSpy close(h.other, &chameleonButton::Click);
    QTest::keyClick(h.host.get(), Qt::Key_C, Qt::AltModifier);
    QCOMPARE(copy.size(), 1);
    QTest::keyClick(h.host.get(), Qt::Key_O, Qt::AltModifier);
    QCOMPARE(close.size(), 1);
    QTest::keyClick(h.host.get(), Qt::Key_P, Qt::AltModifier);
    h.button->setCaption(QStringLiteral("&Paste"));
    QTest::keyClick(h.host.get(), Qt::Key_C, Qt::AltModifier);
    QCOMPARE(copy.size(), 1);
    QTest::keyClick(h.host.get(), Qt::Key_P, Qt::AltModifier);
    QCOMPARE(copy.size(), 2);
}

void tst_chameleonButton::pressDragOutBackReleaseInside()
{
    Hosted h = hosted();
    QSignalSpy clicks(h.button, &chameleonButton::Click);
    QTest::mousePress(windowOf(h), Qt::LeftButton, {}, inside);
    QVERIFY(looksPressed(h.button));
    QTest::mouseMove(windowOf(h), outside);
    QVERIFY(!looksPressed(h.button));
    QTest::mouseMove(windowOf(h), inside + QPoint(3, 0));
    QVERIFY(looksPressed(h.button));
    QTest::mouseRelease(windowOf(h), Qt::LeftButton, {}, inside + QPoint(3, 0));
    QVERIFY(!looksPressed(h.button));
    QCOMPARE(clicks.size(), 1);
}

void tst_chameleonButton::releaseOutsideGivesNoClick()
{
    Hosted h = hosted();
    QSignalSpy clicks(h.button, &chameleonButton::Click);
    MouseLog ups(h.button, &chameleonButton::MouseUp);
    QTest::mousePress(windowOf(h), Qt::LeftButton, {}, inside);
    QTest::mouseMove(windowOf(h), outside);
    QTest::mouseRelease(windowOf(h), Qt::LeftButton, {}, outside);
    QCOMPARE(ups.entries.size(), 1);
    QCOMPARE(ups.entries.at(0).x, 190.0f);
    QCOMPARE(clicks.size(), 0);
    // A release on a cut corner pixel is outside the button too.
    QTest::mousePress(windowOf(h), Qt::LeftButton, {}, inside);
    QTest::mouseRelease(windowOf(h), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(clicks.size(), 0);
}

void tst_chameleonButton::doubleClickGivesOneClick()
{
    Hosted h = hosted();
    QSignalSpy clicks(h.button, &chameleonButton::Click);
    MouseLog downs(h.button, &chameleonButton::MouseDown);
    MouseLog ups(h.button, &chameleonButton::MouseUp);
    QTest::mouseDClick(windowOf(h), Qt::LeftButton, {}, inside);
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(downs.entries.size(), 2);
    QCOMPARE(ups.entries.size(), 2);
    QCOMPARE(downs.entries.at(0).x, 30.0f);
    // The second press is the double-click notice's own.
    QCOMPARE(downs.entries.at(1).button, qint16(1));
    QCOMPARE(downs.entries.at(1).shift, qint16(1));
    QCOMPARE(downs.entries.at(1).x, 1.0f);
    QCOMPARE(downs.entries.at(1).y, 1.0f);
    QVERIFY(!looksPressed(h.button));
    // The next single click is a click again.
    QTest::mouseClick(windowOf(h), Qt::LeftButton, {}, inside);
    QCOMPARE(clicks.size(), 2);
}

void tst_chameleonButton::secondaryButtonChangesNoLook()
{
    Hosted h = hosted();
    QSignalSpy clicks(h.button, &chameleonButton::Click);
    MouseLog downs(h.button, &chameleonButton::MouseDown);
    const qint64 before = h.button->Picture().cacheKey();
    QTest::mousePress(windowOf(h), Qt::RightButton, Qt::ShiftModifier, inside);
    QCOMPARE(h.button->Picture().cacheKey(), before);
    QTest::mouseRelease(windowOf(h), Qt::RightButton, {}, inside);
    QCOMPARE(downs.entries.size(), 1);
    QCOMPARE(downs.entries.at(0).button, qint16(2));
    QCOMPARE(downs.entries.at(0).shift, qint16(1));
    QCOMPARE(downs.entries.at(0).y, 10.0f);
    QCOMPARE(clicks.size(), 0);
    QTest::mousePress(windowOf(h), Qt::MiddleButton, {}, inside);
    QVERIFY(looksPressed(h.button));
    QTest::mouseRelease(windowOf(h), Qt::MiddleButton, {}, inside);
    QCOMPARE(clicks.size(), 0);
}

void tst_chameleonButton::accessKeyAfterSecondaryPress()
{
    Hosted h = hosted(QStringLiteral("&Copy"));
    QSignalSpy clicks(h.button, &chameleonButton::Click);
    QTest::mouseClick(windowOf(h), Qt::RightButton, {}, inside);
    QTest::keyClick(h.host.get(), Qt::Key_C, Qt::AltModifier);
    QCOMPARE(clicks.size(), 0);
    h.button->setFocus();
    QTest::keyClick(h.button, Qt::Key_Space);
    QCOMPARE(clicks.size(), 1);
    QTest::keyClick(h.host.get(), Qt::Key_C, Qt::AltModifier);
    QCOMPARE(clicks.size(), 2);
}

void tst_chameleonButton::sharedAccessKeyOnlyMovesFocus()
{
    Hosted h = hosted(QStringLiteral("&Open")); // beside "Cl&ose": both take o
    QSignalSpy open(h.button, &chameleonButton::Click);
    QSignalSpy close(h.other, &chameleonButton::Click);
    QTest::keyClick(h.host.get(), Qt::Key_O, Qt::AltModifier);
    QWidget *first = QApplication::focusWidget();
    QVERIFY(first == h.button || first == h.other);
    QTest::keyClick(h.host.get(), Qt::Key_O, Qt::AltModifier);
    QWidget *second = QApplication::focusWidget();
    QVERIFY(second == h.button || second == h.other);
    QVERIFY(second != first);
    QCOMPARE(open.size() + close.size(), 0);
    QTest::keyClick(second, Qt::Key_Space);
    QCOMPARE((second == h.button ? open : close).size(), 1);
    QCOMPARE((second == h.button ? close : open).size(), 0);
    h.other->setCaption(QStringLiteral("&Shut"));
    QTest::keyClick(h.host.get(), Qt::Key_O, Qt::AltModifier);
    QCOMPARE(open.size(), 1);
}

void tst_chameleonButton::disabledGivesNoClick()
{
    Hosted h = hosted(QStringLiteral("&Copy"));
    h.button->setFocus();
    h.button->setButtonEnabled(false);
    QSignalSpy clicks(h.button, &chameleonButton::Click);
    QTest::mouseClick(windowOf(h), Qt::LeftButton, {}, inside);
    QTest::keyClick(h.host.get(), Qt::Key_C, Qt::AltModifier);
    sendKey(h.button, QEvent::KeyPress, Qt::Key_Space);
    sendKey(h.button, QEvent::KeyRelease, Qt::Key_Space);
    QCOMPARE(clicks.size(), 0);
    h.button->setButtonEnabled(true);
    QTest::mouseClick(windowOf(h), Qt::LeftButton, {}, inside);
    QCOMPARE(clicks.size(), 1);
}

void tst_chameleonButton::spaceClicksOnceDespiteAutoRepeat_data()
{
    // What the held key sends after its first press: r a release and p a
    // press, both marked as repeated; P a press not marked.
    QTest::addColumn<QString>("repeats");
    QTest::newRow("releases and presses marked") << "rprprp";
    // XKB's detectable auto-repeat, which the program asks the X server for.
    QTest::newRow("presses alone, unmarked") << "PPP";
}

// One press look, KeyDown for every press, one Click on the real release.
void tst_chameleonButton::spaceClicksOnceDespiteAutoRepeat()
{
    QFETCH(QString, repeats);
    Hosted h = hosted();
    h.button->setFocus();
    QSignalSpy clicks(h.button, &chameleonButton::Click);
    int downs = 0;
    connect(h.button, &chameleonButton::KeyDown, this, [&](qint16 &, qint16 &) { ++downs; });
    sendKey(h.button, QEvent::KeyPress, Qt::Key_Space);
    QVERIFY(looksPressed(h.button));
    const qint64 pressed = h.button->Picture().cacheKey();
    for (const QChar event : repeats) {
        const bool press = event.toLower() == QLatin1Char('p');
        sendKey(h.button, press ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_Space,
                event.isLower());
    }
    QCOMPARE(h.button->Picture().cacheKey(), pressed);
    QCOMPARE(clicks.size(), 0);
    sendKey(h.button, QEvent::KeyRelease, Qt::Key_Space);
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(downs, 1 + int(repeats.count(QLatin1Char('p'), Qt::CaseInsensitive)));
    QVERIFY(!looksPressed(h.button));
}

void tst_chameleonButton::arrowsMoveFocus_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("expected");

    QTest::newRow("Right") << int(Qt::Key_Right) << 39 << 2;
    QTest::newRow("Down") << int(Qt::Key_Down) << 40 << 2;
    QTest::newRow("Left") << int(Qt::Key_Left) << 37 << 0;
    QTest::newRow("Up") << int(Qt::Key_Up) << 38 << 0;
    QTest::newRow("Home does not move") << int(Qt::Key_Home) << 36 << 1;
}

// Focus moves only after KeyDown was raised and the key handled.
void tst_chameleonButton::arrowsMoveFocus()
{
    QFETCH(int, key);
    QFETCH(int, code);
    QFETCH(int, expected);
    QWidget host;
    QList<chameleonButton *> buttons;
    for (int i = 0; i < 3; ++i)
        buttons << chameleonButton::Place(&host, QString::number(i), captionFont(),
                                          QRect(10 + 80 * i, 10, 73, 23));
    host.show();
    host.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&host));
    buttons.at(1)->setFocus();
    QVERIFY(buttons.at(1)->hasFocus());
    QList<qint16> codes;
    bool focusStillHere = false;
    connect(buttons.at(1), &chameleonButton::KeyDown, this, [&](qint16 &keyCode, qint16 &) {
        codes << keyCode;
        focusStillHere = buttons.at(1)->hasFocus();
    });
    QTest::keyPress(buttons.at(1), static_cast<Qt::Key>(key));
    QVERIFY(focusStillHere);
    QVERIFY(buttons.at(1)->hasFocus());
    QCoreApplication::processEvents();
    QCOMPARE(codes, QList<qint16>{qint16(code)});
    QTRY_VERIFY(buttons.at(expected)->hasFocus());
}

void tst_chameleonButton::keyEventsCarryCodes()
{
    Hosted h = hosted();
    h.button->setFocus();
    QList<QPair<qint16, qint16>> downs, ups;
    QList<qint16> presses;
    connect(h.button, &chameleonButton::KeyDown, this,
            [&](qint16 &code, qint16 &shift) { downs << qMakePair(code, shift); });
    connect(h.button, &chameleonButton::KeyUp, this,
            [&](qint16 &code, qint16 &shift) { ups << qMakePair(code, shift); });
    connect(h.button, &chameleonButton::KeyPress, this, [&](qint16 &ascii) { presses << ascii; });
    typeKey(h.button, Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"));
    typeKey(h.button, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    typeKey(h.button, Qt::Key_F2, Qt::ControlModifier, QString());
    QCOMPARE(downs, (QList<QPair<qint16, qint16>>{{65, 1}, {65, 0}, {113, 2}}));
    QCOMPARE(ups, downs);
    QCOMPARE(presses, (QList<qint16>{65, 97}));
}

// Arguments go by reference; what a handler writes into them changes
// nothing in the button.
void tst_chameleonButton::handlersMayChangeArguments()
{
    Hosted h = hosted();
    connect(h.button, &chameleonButton::MouseDown, this,
            [](qint16 &button, qint16 &, float &x, float &) {
                button = 2;
                x = -100;
            });
    connect(h.button, &chameleonButton::MouseUp, this,
            [](qint16 &button, qint16 &, float &, float &) { button = 2; });
    QSignalSpy clicks(h.button, &chameleonButton::Click);
    QTest::mousePress(windowOf(h), Qt::LeftButton, {}, inside);
    QVERIFY(looksPressed(h.button));
    QTest::mouseRelease(windowOf(h), Qt::LeftButton, {}, inside);
    QVERIFY(!looksPressed(h.button));
    QCOMPARE(clicks.size(), 1);
}

void tst_chameleonButton::redrawSkipsUnchangedState()
{
    Hosted h = hosted();
    const qint64 first = h.button->Picture().cacheKey();
    h.button->Redraw(ButtonState::Up, false);
    QCOMPARE(h.button->Picture().cacheKey(), first);
    h.button->Redraw(ButtonState::Up, true);
    const qint64 forced = h.button->Picture().cacheKey();
    QVERIFY(forced != first);
    h.button->Redraw(ButtonState::Pressed, false);
    QVERIFY(h.button->Picture().cacheKey() != forced);
    QVERIFY(looksPressed(h.button));
}

void tst_chameleonButton::repaintShowsLastPicture()
{
    Hosted h = hosted();
    const qint64 key = h.button->Picture().cacheKey();
    QWidget cover(h.host.get());
    cover.setAutoFillBackground(true);
    cover.setGeometry(0, 0, 300, 200);
    cover.show();
    QCoreApplication::processEvents();
    cover.hide();
    h.button->repaint();
    const QImage shot = h.button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(h.button->Picture().cacheKey(), key);
    for (const QPoint &p : {QPoint(2, 10), QPoint(36, 3), QPoint(70, 19), QPoint(36, 11)})
        QCOMPARE(shot.pixel(p), h.button->Picture().pixel(p));
}

void tst_chameleonButton::focusShowsSideLines()
{
    Hosted h = hosted();
    h.other->setFocus();
    QCOMPARE(QColor(h.button->Picture().pixel(2, 10)), QColor(h.button->Picture().pixel(3, 10)));
    h.button->setFocus();
    QCOMPARE(QColor(h.button->Picture().pixel(2, 10)), QColor(Qt::white));
    h.other->setFocus();
    QVERIFY(QColor(h.button->Picture().pixel(2, 10)) != QColor(Qt::white));
}

void tst_chameleonButton::defaultFlagRedraws()
{
    QWidget host;
    chameleonButton button(&host);
    button.setGeometry(0, 0, 40, 20);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    const QColor darkShadow =
        opaque(QGuiApplication::palette().color(QPalette::Active, QPalette::Shadow));
    const QColor highlight =
        opaque(QGuiApplication::palette().color(QPalette::Active, QPalette::Light));
    QCOMPARE(QColor(button.Picture().pixel(0, 0)), highlight);
    button.setDisplayAsDefault(true);
    QCOMPARE(QColor(button.Picture().pixel(0, 0)), darkShadow);
    button.setDisplayAsDefault(false);
    QCOMPARE(QColor(button.Picture().pixel(0, 0)), highlight);
}

QTEST_MAIN(tst_chameleonButton)
#include "tst_chameleonButton.moc"
