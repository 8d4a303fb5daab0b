#include "button/DesignPropertyBag.h"

#include <QTest>

class tst_DesignPropertyBag : public QObject
{
    Q_OBJECT
private slots:
    void readsWithoutCase_data();
    void readsWithoutCase();
    void writeReplacesWhateverCase();
};

void tst_DesignPropertyBag::readsWithoutCase_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("as stored") << "btype" << QVariant(3);
    QTest::newRow("upper case") << "BTYPE" << QVariant(3);
    QTest::newRow("mixed case") << "Tx" << QVariant("&Start");
    QTest::newRow("absent gives the default") << "ENAB" << QVariant("default");
    QTest::newRow("prefix is not a match") << "btyp" << QVariant("default");
}

void tst_DesignPropertyBag::readsWithoutCase()
{
    QFETCH(QString, name);
    QFETCH(QVariant, expected);
    DesignPropertyBag bag({{"btype", 3}, {"tx", "&Start"}, {"_extentx", 1931}});
    QCOMPARE(bag.ReadProperty(name, QStringLiteral("default")), expected);
}

void tst_DesignPropertyBag::writeReplacesWhateverCase()
{
    DesignPropertyBag bag({{"btype", 3}});
    bag.WriteProperty("BTYPE", 5);
    bag.WriteProperty("TX", "Go");
    QCOMPARE(bag.values(), (QVariantMap{{"btype", 5}, {"TX", "Go"}}));
    QCOMPARE(bag.ReadProperty("tx", QString()).toString(), QStringLiteral("Go"));
}

QTEST_MAIN(tst_DesignPropertyBag)
#include "tst_DesignPropertyBag.moc"
