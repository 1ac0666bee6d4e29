#include "kpBenchSupport.h"
#include "kpListDataModel.h"
#include "kpQuickHost.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QtTest>

using namespace kpBenchSupport;

namespace {

constexpr int ItemCount = 5000;
constexpr int CategoryCount = 50;

QByteArray generatedList()
{
    QByteArray xml = "<tovimar_list version=\"1.0.0\" name=\"big\" items_list=\"5000\" "
                     "price_list=\"\">\n";
    for (int item = 0; item < ItemCount; ++item) {
        xml += QStringLiteral("    <item name=\"product %1\" category=\"category %2\" "
                              "price=\"%3\" count=\"2\" count_unit=\"kg\" note=\"fresh\" "
                              "status=\"unchecked\"/>\n")
                   .arg(item)
                   .arg(item % CategoryCount)
                   .arg(item % 100 + 0.25)
                   .toUtf8();
    }
    return xml + "</tovimar_list>\n";
}

} // namespace

class bench_kpListDataModel : public QObject
{
    Q_OBJECT

    QTemporaryDir mDirectory;
    QString mPath;
    QByteArray mCompressed;

    // A model saves itself when it goes: bind it to a scratch copy so the shared file stays.
    void unbind(kpListDataModel &pModel)
    {
        const QString scratch = mDirectory.filePath("scratch.kpl");
        QFile::remove(scratch);
        QFile::copy(mPath, scratch);
        QVERIFY(pModel.loadModel(scratch));
    }

private slots:
    void initTestCase()
    {
        mPath = mDirectory.filePath("big.kpl");
        mCompressed = qCompress(generatedList(), 9);
        QFile file(mPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(mCompressed);
    }

    // The baseline is the row map walked in order, copying every value a row shows straight from
    // its record: what any model has to do at the least.
    void readEveryRoleOfEveryRow()
    {
        kpListDataModel model;
        QVERIFY(model.loadModel(mPath));
        model.updateModel();
        QCOMPARE(model.rowCount(), ItemCount + CategoryCount);

        const QList<kpListDataModel::Item> records = model.items(true);
        const QMap<QString, int> rowMap = rowMapByCategory(records);
        const QHash<QString, QString> header = model.listHeader();
        qsizetype sink = 0;
        const Timing timing = compare([&]() { sink += readEveryRole(model); },
                                      [&]() { sink += walkRowMap(rowMap, records, header); });
        report("read every role of every row (5,050 rows) vs walking the row map copying the "
               "values",
               timing, 3);
        QVERIFY(sink > 0);
        unbind(model);
    }

    void loadAndRebuildParts()
    {
        kpListDataModel model;
        report("  of which loadModel", medianMs([&]() { (void)model.loadModel(mPath); }));
        report("  of which updateModel", medianMs([&]() { model.updateModel(); }));
        unbind(model);
    }

    void loadAndRebuild()
    {
        kpListDataModel model;
        const Timing timing = compare(
            [&]() {
                (void)model.loadModel(mPath);
                model.updateModel();
            },
            [&]() { uncompressAndScan(mCompressed); });
        report("load a 5,000-item list and rebuild its rows vs qUncompress + reader pass", timing,
               1.4);
        unbind(model);
    }

    void save()
    {
        const QString copy = mDirectory.filePath("copy.kpl");
        QFile::copy(mPath, copy);
        kpListDataModel model;
        QVERIFY(model.loadModel(copy));
        const double ms = medianMs([&]() { QVERIFY(model.saveModel()); });
        report("save a 5,000-item list", ms,
               QStringLiteral("(file size %1 bytes)").arg(QFileInfo(copy).size()));
    }
};

QTEST_MAIN(bench_kpListDataModel)
#include "bench_kpListDataModel.moc"
