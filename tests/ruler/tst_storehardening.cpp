#include "Form1Checks.h"
#include "WindowTest.h"
#include "colour/Mixer.h"
#include "colour/frmColor.h"
#include "platform/ProgramEnd.h"
#include "ruler/Form1.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>

// Every key of the store holding every kind of bad text, one key at a time
// while all the others hold good values: the ruler, Color Spy and Color Mixer
// must come up exactly as they do when that key holds the text that stands
// for its design state (a tick: "False"; a position: nothing; a colour:
// "0"), and no other window may appear.
namespace {

const QStringList allKeys =
    unitKeys + QStringList{"X_L", "X_T", "S_L", "S_T", "M_L", "M_T", "H1", "H2", "H3"};

// Good values that differ from every default, so a key that falls back shows.
const QMap<QString, QString> goodStore = {
    {"Pix", "False"},  {"Points", "True"}, {"Charac", "True"}, {"Inch", "True"},
    {"Milli", "True"}, {"Centi", "True"},  {"Twips", "True"},  {"X_L", "1500"},
    {"X_T", "3000"},   {"S_L", "3000"},    {"S_T", "4500"},    {"M_L", "6000"},
    {"M_T", "7500"},   {"H1", "10"},       {"H2", "20"},       {"H3", "30"}};

QString binaryText()
{
    QString text;
    for (int i = 0; i < 300; ++i)
        text += QChar(ushort((i * 7919) % 0xD7FF)); // below the surrogates, NUL included
    return text;
}

// The text that a bad text must behave like, for this key.
QString designText(const QString &key)
{
    if (unitKeys.contains(key))
        return QStringLiteral("False");
    if (key.startsWith(QLatin1Char('H')))
        return QStringLiteral("0");
    return QString(); // absent
}

} // namespace

class tst_storehardening : public WindowTest
{
    Q_OBJECT
private slots:
    void init();

    void badKeyFallsBackAlone_data();
    void badKeyFallsBackAlone();
    void goodStoreIsApplied();
    void eachWindowReadsItsKeysOnceWhenCreated();

private:
    QString windowsCreatedFrom(const QMap<QString, QString> &store);
};

void tst_storehardening::init()
{
    WindowTest::init();
    setProgramEnd([] { QFAIL("no exit is taken"); });
}

// Creates the three windows from the store and describes what they show.
QString tst_storehardening::windowsCreatedFrom(const QMap<QString, QString> &store)
{
    fakes->settings.values.clear();
    for (auto it = store.cbegin(); it != store.cend(); ++it)
        fakes->settings.values.insert(QStringLiteral("Presets/") + it.key(), it.value());

    QString state;
    {
        Form1 ruler;
        ruler.show();
        state += ticks(ruler) + QStringLiteral(" ruler %1,%2").arg(ruler.x()).arg(ruler.y());

        frmColor *spy = OpenWindows::show<frmColor>();
        state += QStringLiteral(" spy %1,%2").arg(spy->x()).arg(spy->y());
        Mixer *mixer = OpenWindows::show<Mixer>();
        state += QStringLiteral(" mixer %1,%2").arg(mixer->x()).arg(mixer->y());
        for (const char *name : {"HScroll1", "HScroll2", "HScroll3"}) {
            auto *bar = named<QScrollBar>(mixer, name);
            state += QLatin1Char(' ') + (bar ? QString::number(bar->value()) : QStringLiteral("?"));
        }
        int shown = 0;
        for (QWidget *window : QApplication::topLevelWidgets())
            shown += window->isVisible() ? 1 : 0;
        state += QStringLiteral(" windows %1").arg(shown);

        spy->close();
        mixer->close();
    }
    settle();
    return state;
}

void tst_storehardening::badKeyFallsBackAlone_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    const QList<QPair<const char *, QString>> badTexts = {
        {"empty", QString()},
        {"blanks", QStringLiteral("   ")},
        {"garbage", QStringLiteral("zx!%Q twelve")},
        {"nan", QStringLiteral("nan")},
        {"inf", QStringLiteral("-inf")},
        {"hex", QStringLiteral("0x20")},
        {"comma", QStringLiteral("12,5")},
        {"300 characters", binaryText()},
        {"300 digits", QString(300, QLatin1Char('7'))},
    };
    for (const QString &key : allKeys) {
        for (const auto &[name, text] : badTexts)
            QTest::addRow("%s %s", qPrintable(key), name) << key << text;
    }
}

void tst_storehardening::badKeyFallsBackAlone()
{
    QFETCH(QString, key);
    QFETCH(QString, text);

    QMap<QString, QString> reference = goodStore;
    if (designText(key).isNull())
        reference.remove(key);
    else
        reference[key] = designText(key);
    QMap<QString, QString> bad = goodStore;
    bad[key] = text;

    QCOMPARE(windowsCreatedFrom(bad), windowsCreatedFrom(reference));
}

// The good store reaches every window, so the comparisons above compare
// windows that took their keys.
void tst_storehardening::goodStoreIsApplied()
{
    QCOMPARE(windowsCreatedFrom(goodStore),
             QStringLiteral(".xxxxxx ruler 100,200 spy 200,300 mixer 400,500 10 20 30 windows 3"));
}

// A window reads its keys in one read while it is created, and again each
// time it is created anew; each closing path writes in one step.
void tst_storehardening::eachWindowReadsItsKeysOnceWhenCreated()
{
    Form1 ruler;
    ruler.show();
    frmColor *spy = OpenWindows::show<frmColor>();
    Mixer *mixer = OpenWindows::show<Mixer>();
    QCOMPARE(OpenWindows::show<frmColor>(), spy); // shown again, nothing read
    const QStringList rulerKeys = unitKeys + QStringList{"X_L", "X_T"};
    const QStringList spyKeys{"S_L", "S_T"};
    QCOMPARE(fakes->settings.reads,
             (QList<QStringList>{rulerKeys, spyKeys, {"M_L", "M_T", "H1", "H2", "H3"}}));

    spy->move(100, 200);
    spy->chameleonButton1_Click();
    mixer->move(300, 400);
    mixer->chameleonButton2_Click();
    QCOMPARE(fakes->settings.saves,
             (QList<QStringList>{
                 {"S_L=1500", "S_T=3000"}, {"M_L=4500", "M_T=6000"}, {"H1=0", "H2=0", "H3=0"}}));
    settle();
    OpenWindows::show<frmColor>()->close();
    QCOMPARE(fakes->settings.reads.size(), 4);
    QCOMPARE(fakes->settings.reads.last(), spyKeys);
}

QTEST_MAIN(tst_storehardening)
#include "tst_storehardening.moc"
