#include "kpRowIndex.h"

#include <QtTest>

namespace {

// Entries written as "key=item", in row order, separated by blanks.
kpRowIndex appended(const QString &pEntries)
{
    kpRowIndex index;
    for (const QString &entry : pEntries.split(' '))
        index.append(entry.section('=', 0, 0), entry.section('=', 1).toInt());
    return index;
}

QString entries(const kpRowIndex &pIndex)
{
    QStringList shown;
    for (int row = 0; row < pIndex.size(); ++row)
        shown.append(pIndex.at(row).key + '=' + QString::number(pIndex.at(row).item));
    return shown.join(' ');
}

} // namespace

class tst_kpRowIndex : public QObject
{
    Q_OBJECT

private slots:
    void rebuilding_data()
    {
        QTest::addColumn<QString>("appended");
        QTest::addColumn<bool>("keepingLast");
        QTest::addColumn<QString>("expected");
        QTest::newRow("code-unit order, a header before its items")
            << "b=0 c:x=1 B=2 c:=-1 a=3" << false << "B=2 a=3 b=0 c:=-1 c:x=1";
        QTest::newRow("equal keys: the later item first, whatever the order appended")
            << "k=1 j=0 k=3 k=2" << false << "j=0 k=3 k=2 k=1";
        QTest::newRow("keeping last: the last appended of equal keys stays")
            << "k=0 j=1 k=3 k=2 a=4" << true << "a=4 j=1 k=2";
    }

    void rebuilding()
    {
        QFETCH(QString, appended);
        QFETCH(bool, keepingLast);
        QFETCH(QString, expected);
        kpRowIndex index = ::appended(appended);
        keepingLast ? index.sortKeepingLast() : index.sort();
        QCOMPARE(entries(index), expected);
    }

    void changing_data()
    {
        QTest::addColumn<bool>("set");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("expected");
        QTest::newRow("add goes before equal keys") << false << "k" << 1 << "a=0 k=7 k=2 k=1 z=3";
        QTest::newRow("add of a new key at its place")
            << false << "m" << 3 << "a=0 k=2 k=1 m=7 z=3";
        QTest::newRow("add past the end") << false << "zz" << 4 << "a=0 k=2 k=1 z=3 zz=7";
        QTest::newRow("set gives the first of equal keys the item")
            << true << "k" << 1 << "a=0 k=7 k=1 z=3";
        QTest::newRow("set on the first row") << true << "a" << 0 << "a=7 k=2 k=1 z=3";
        QTest::newRow("set of a new key adds it") << true << "b" << 1 << "a=0 b=7 k=2 k=1 z=3";
    }

    void changing()
    {
        QFETCH(bool, set);
        QFETCH(QString, key);
        QFETCH(int, row);
        QFETCH(QString, expected);
        kpRowIndex index = appended("a=0 k=2 k=1 z=3");
        QCOMPARE(index.insertionRow(key), row);
        QCOMPARE(set ? index.set(key, 7) : index.add(key, 7), row);
        QCOMPARE(entries(index), expected);
    }

    void finding()
    {
        const kpRowIndex index = appended("a=0 k=2 k=1 z=3");
        QCOMPARE(index.find("k"), 1);
        for (const char *missing : {"0", "j", "zz"})
            QCOMPARE(index.find(missing), -1);
        // Keys of categories with ":" in them ride on the list model's rows.
        QVERIFY(index.isRow(3));
        QVERIFY(!index.isRow(4));
        QVERIFY(!index.isRow(-1));
    }
};

QTEST_APPLESS_MAIN(tst_kpRowIndex)
#include "tst_kpRowIndex.moc"
