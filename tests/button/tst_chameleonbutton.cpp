#include "HostedButton.h"
#include "button/DesignPropertyBag.h"
#include "button/chameleonButton.h"

#include <QSignalSpy>
#include <QTest>
#include <functional>

// The button's properties, read, written and set, its outline in every
// style, and the access key its caption gives.

namespace {

// Remembers every write, in order.
class RecordingBag : public PropertyBag
{
public:
    QVariant readProperty(const QString &, const QVariant &defaultValue) override
    {
        return defaultValue;
    }
    void writeProperty(const QString &name, const QVariant &value) override
    {
        names << name;
        values << value;
    }
    QStringList names;
    QVariantList values;
};

} // namespace

class tst_chameleonbutton : public QObject
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
    void accessKeys_data();
    void accessKeys();
};

void tst_chameleonbutton::newInstanceDefaults()
{
    QWidget host;
    host.setFont(QFont(QStringLiteral("DejaVu Serif"), 11));
    chameleonButton button(&host);
    QCOMPARE(button.ButtonType(), 2);
    QCOMPARE(button.Caption(), QString());
    QVERIFY(button.Enabled());
    QCOMPARE(button.Font(), host.font());
    QVERIFY(!button.ForceStandardCol());
    QCOMPARE(button.accessKeys(), QString());
    button.setGeometry(0, 0, 40, 20);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    const QColor face =
        opaque(QGuiApplication::palette().color(QPalette::Active, QPalette::Button));
    QCOMPARE(QColor(button.picture().pixel(20, 10)), face);
    QCOMPARE(button.mask(), QRegion(0, 0, 40, 20));
}

void tst_chameleonbutton::readProperties_data()
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

void tst_chameleonbutton::readProperties()
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
    button.readProperties(bag);
    QCOMPARE(button.ButtonType(), type);
    QCOMPARE(button.Caption(), caption);
    QCOMPARE(button.Enabled(), enabled);
    QCOMPARE(button.isEnabled(), enabled);
    QCOMPARE(button.Font().family(), family);
    QCOMPARE(button.font().family(), family);
    QCOMPARE(button.ForceStandardCol(), force);
}

void tst_chameleonbutton::writePropertiesWritesAllFiveInOrder()
{
    chameleonButton button;
    RecordingBag bag;
    button.writeProperties(bag);
    QCOMPARE(bag.names, (QStringList{"BTYPE", "TX", "ENAB", "FONT", "FORCE"}));
    QCOMPARE(bag.values.at(0).toInt(), 2);
    QCOMPARE(bag.values.at(1).toString(), QString());
    QCOMPARE(bag.values.at(2).toBool(), true);
    QCOMPARE(bag.values.at(3).value<QFont>(), button.Font());
    QCOMPARE(bag.values.at(4).toBool(), false);
}

void tst_chameleonbutton::storedSetRoundTrips()
{
    DesignPropertyBag design({{"btype", 4},
                              {"tx", "Cl&ose"},
                              {"enab", false},
                              {"font", captionFont()},
                              {"force", true},
                              {"_extentx", 1931}});
    chameleonButton first;
    first.readProperties(design);
    first.writeProperties(design);
    // Writes replace the lower-case entries instead of adding upper-case ones.
    QCOMPARE(design.values().size(), 6);
    QCOMPARE(design.values().value("_extentx").toInt(), 1931);
    chameleonButton second;
    second.readProperties(design);
    QCOMPARE(second.ButtonType(), 4);
    QCOMPARE(second.Caption(), QStringLiteral("Cl&ose"));
    QVERIFY(!second.Enabled());
    QCOMPARE(second.Font(), captionFont());
    QVERIFY(second.ForceStandardCol());
}

void tst_chameleonbutton::settersReportAndRedraw_data()
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
void tst_chameleonbutton::settersReportAndRedraw()
{
    QFETCH(std::function<void(chameleonButton &)>, set);
    QFETCH(QString, name);
    Hosted h = hosted();
    QTest::mousePress(windowOf(h), Qt::LeftButton, {}, inside);
    QVERIFY(looksPressed(h.button));
    const qint64 before = h.button->picture().cacheKey();
    QSignalSpy changes(h.button, &chameleonButton::propertyChanged);
    set(*h.button);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.at(0).at(0).toString(), name);
    QVERIFY(h.button->picture().cacheKey() != before);
    QVERIFY(!looksPressed(h.button));
    QTest::mouseRelease(windowOf(h), Qt::LeftButton, {}, inside);
}

void tst_chameleonbutton::buttonTypeKeepsOutlineUntilResize()
{
    QWidget host;
    chameleonButton button(&host);
    button.setGeometry(0, 0, 30, 12);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCOMPARE(button.mask(), QRegion(0, 0, 30, 12));
    const QImage square = button.picture();
    button.setButtonType(3);
    QVERIFY(button.picture() != square);
    QCOMPARE(button.mask(), QRegion(0, 0, 30, 12));
    button.resize(31, 12);
    QVERIFY(!button.mask().contains(QPoint(0, 0)));
    QVERIFY(!button.mask().contains(QPoint(29, 11)));
    QVERIFY(button.mask().contains(QPoint(2, 0)));
}

void tst_chameleonbutton::outlineOfEveryStyle_data()
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
void tst_chameleonbutton::outlineOfEveryStyle()
{
    QFETCH(int, type);
    QFETCH(QList<QPoint>, cut);
    QWidget host;
    DesignPropertyBag bag({{"btype", type}});
    chameleonButton button(&host);
    button.readProperties(bag);
    button.setGeometry(0, 0, 20, 10);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QRegion expected(0, 0, 20, 10);
    for (const QPoint &p : cut)
        expected -= QRegion(p.x(), p.y(), 1, 1);
    QCOMPARE(button.mask(), expected);
}

void tst_chameleonbutton::accessKeys_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("key");

    // clang-format off
    QTest::newRow("Cl&ose") << "Cl&ose" << "o";
    QTest::newRow("&System Info") << "&System Info" << "s";
    QTest::newRow("upper case letter is lowered") << "&Join the Drevani Mailing List" << "j";
    QTest::newRow("no ampersand") << "Close" << "";
    QTest::newRow("doubled, nothing after") << "Salt && Pepper" << "";
    QTest::newRow("doubled, then a letter") << "Salt && &Pepper" << "p";
    QTest::newRow("doubled then marked right after") << "&&&X" << "x";
    QTest::newRow("two doubled pairs") << "a && b && &c" << "";
    QTest::newRow("doubled, then ending ampersand") << "a &&&" << "";
    QTest::newRow("one character") << "&" << "";
    QTest::newRow("single character caption") << "x" << "";
    QTest::newRow("ends in its only ampersand") << "Go&" << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("arrow glyph") << QString(QChar(0x21E6)) << "";
    // clang-format on
}

void tst_chameleonbutton::accessKeys()
{
    QFETCH(QString, caption);
    QFETCH(QString, key);
    chameleonButton button;
    button.setCaption(QStringLiteral("&Zed"));
    button.setCaption(caption);
    QCOMPARE(button.accessKeys(), key);
}

QTEST_MAIN(tst_chameleonbutton)
#include "tst_chameleonbutton.moc"
