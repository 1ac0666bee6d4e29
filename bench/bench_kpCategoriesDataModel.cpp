#include "kpBenchSupport.h"
#include "kpCategoriesDataModel.h"
#include "kpCompressedXmlFile.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QtTest>

using namespace kpBenchSupport;

namespace {

constexpr int ProductCount = 10000;
constexpr int CategoryCount = 100;
constexpr int ListSize = 500;
constexpr int TickCount = 200;

QString productName(int pProduct)
{
    return QStringLiteral("product %1").arg(pProduct);
}

QString categoryName(int pProduct)
{
    return QStringLiteral("category %1").arg(pProduct % CategoryCount);
}

QList<kpCategoriesDataModel::Item> generatedProducts()
{
    QList<kpCategoriesDataModel::Item> products;
    for (int product = 0; product < ProductCount; ++product) {
        products.append({{"name", productName(product)},
                         {"category", categoryName(product)},
                         {"price", QString::number(product % 100 + 0.5)},
                         {"count", "1"},
                         {"count_unit", "kg"},
                         {"note", ""},
                         {"status", "unchecked"}});
    }
    return products;
}

QByteArray catalogueDocument(const QList<kpCategoriesDataModel::Item> &pProducts)
{
    QByteArray xml = "<tovimar_categories version=\"1.0.0\">\n";
    for (const kpCategoriesDataModel::Item &product : pProducts) {
        xml += "    <item";
        for (auto value = product.cbegin(); value != product.cend(); ++value)
            xml += ' ' + value.key().toUtf8() + "=\"" + value.value().toUtf8() + '"';
        xml += "/>\n";
    }
    return xml + "</tovimar_categories>\n";
}

// A shopping list holding every twentieth product, as the list model hands it over.
QList<kpCategoriesDataModel::Item> listOfProducts()
{
    QList<kpCategoriesDataModel::Item> list;
    for (int product = 0; product < ProductCount && list.size() < ListSize; product += 20)
        list.append({{"name", productName(product)}, {"category", categoryName(product)}});
    return list;
}

} // namespace

class bench_kpCategoriesDataModel : public QObject
{
    Q_OBJECT

    QList<kpCategoriesDataModel::Item> mProducts = generatedProducts();
    QByteArray mCompressed;

private slots:
    // The catalogue is the user copy of the data location the run script gives; a model saves
    // itself when it goes, which writes the same products back.
    void initTestCase()
    {
        kpCategoriesDataModel model;
        mCompressed = qCompress(catalogueDocument(mProducts));
        QVERIFY(QDir().mkpath(QFileInfo(model.userCopyPath()).absolutePath()));
        QVERIFY(kpCompressedXmlFile::writeAtomically(model.userCopyPath(), mCompressed));
    }

    void loadAndRebuild()
    {
        kpCategoriesDataModel model;
        const Timing timing = compare([&]() { QVERIFY(model.loadModel()); },
                                      [&]() { uncompressAndScan(mCompressed); });
        report("load a 10,000-product catalogue and rebuild its rows vs qUncompress + reader "
               "pass",
               timing, 1.4);
    }

    void readEveryRoleOfEveryRow()
    {
        kpCategoriesDataModel model;
        QVERIFY(model.loadModel());
        QCOMPARE(model.rowCount(), ProductCount + CategoryCount);

        const QMap<QString, int> rowMap = rowMapByCategory(mProducts);
        qsizetype sink = 0;
        const Timing timing = compare([&]() { sink += readEveryRole(model); },
                                      [&]() { sink += walkRowMap(rowMap, mProducts); });
        report("read every role of every row (10,100 rows) vs walking the row map copying the "
               "values",
               timing, 3);
        QVERIFY(sink > 0);
    }

    void hideItemsOfList()
    {
        kpCategoriesDataModel model;
        QVERIFY(model.loadModel());
        const QList<kpCategoriesDataModel::Item> list = listOfProducts();
        report("hideItems with a 500-item list", medianMs([&]() { model.hideItems(list); }));
    }

    void collectTicks()
    {
        kpCategoriesDataModel model;
        QVERIFY(model.loadModel());
        QList<kpCategoriesDataModel::Item> checked;
        const auto tick = [&]() {
            // Every fiftieth row of 10,100 is ticked; header rows stay as they are.
            for (int row = 1; row < model.rowCount(); row += model.rowCount() / TickCount)
                model.toggleItem(row);
        };
        report("checkedItems with 200 ticks",
               medianMs([&]() { checked = model.checkedItems(); }, 15, tick));
        QVERIFY(checked.size() >= TickCount * 9 / 10);
    }

    void rebuildRows()
    {
        kpCategoriesDataModel model;
        QVERIFY(model.loadModel());
        report("updateModel by category", medianMs([&]() { model.updateModel(); }));
        model.sortByProduct();
        report("updateModel by product", medianMs([&]() { model.updateModel(); }));
    }
};

QTEST_MAIN(bench_kpCategoriesDataModel)
#include "bench_kpCategoriesDataModel.moc"
