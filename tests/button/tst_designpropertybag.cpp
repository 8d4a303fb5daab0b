#include "button/DesignPropertyBag.h"

#include <QTest>

class tst_designpropertybag : public QObject
{
    Q_OBJECT
private slots:
    void readsWithoutCase_data();
    void readsWithoutCase();
    void writeReplacesWhateverCase();
};

void tst_designpropertybag::readsWithoutCase_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("as stored") << "btype" << QVariant(3);
    QTest::newRow("upper case") << "BTYPE" << QVariant(3);
    QTest::newRow("mixed case") << "Tx" << QVariant("&Start");
    QTest::newRow("absent gives the default") << "ENAB" << QVariant("default");
    QTest::newRow("prefix is not a match") << "btyp" << QVariant("default");
}

void tst_designpropertybag::readsWithoutCase()
{
    QFETCH(QString, name);
    QFETCH(QVariant, expected);
    DesignPropertyBag bag({{"btype", 3}, {"tx", "&Start"}, {"_extentx", 1931}});
    QCOMPARE(bag.readProperty(name, QStringLiteral("default")), expected);
}

void tst_designpropertybag::writeReplacesWhateverCase()
{
    DesignPropertyBag bag({{"btype", 3}});
    bag.writeProperty("BTYPE", 5);
    bag.writeProperty("TX", "Go");
    QCOMPARE(bag.values(), (QVariantMap{{"btype", 5}, {"TX", "Go"}}));
    QCOMPARE(bag.readProperty("tx", QString()).toString(), QStringLiteral("Go"));
}

QTEST_MAIN(tst_designpropertybag)
#include "tst_designpropertybag.moc"
