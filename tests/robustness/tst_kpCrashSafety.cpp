#include "kpApplicationManager.h"
#include "kpCompressedXmlFile.h"
#include "kpQuickHost.h"
#include "kpSaveLoopContent.h"
#include "kpTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QXmlStreamWriter>
#include <QtTest>
#include <algorithm>

using namespace kpSaveLoopContent;

namespace {

constexpr int Kills = 200;
// Some rounds of saving: a kill lands in any of the three saves, or between them.
constexpr int MaxKillDelayMicroseconds = 60000;

QByteArray document(const QString &pRoot, const Content &pContent)
{
    QByteArray bytes;
    QXmlStreamWriter writer(&bytes);
    writer.writeStartElement(pRoot);
    writer.writeAttribute(QStringLiteral("name"), QStringLiteral("trip"));
    for (int number = 0; number < ItemCount; ++number) {
        writer.writeEmptyElement(QStringLiteral("item"));
        kpCompressedXmlFile::writeAttributes(writer, item(number, pContent),
                                             kpItemRecord::KeyOrder);
    }
    writer.writeEndElement();
    return bytes;
}

// The content the file holds, or null when it holds neither of the two.
const Content *listContent()
{
    kpListDataModel list;
    if (!list.loadModel(listPath()))
        return nullptr;
    const QList<kpListDataModel::Item> items = list.items(true);
    for (const Content *content : {&OldContent, &NewContent}) {
        const bool holdsIt = items.size() == ItemCount
            && std::all_of(items.cbegin(), items.cend(), [&](const kpListDataModel::Item &pItem) {
                                 return pItem.value(kpItemRecord::Price) == content->price
                                     && pItem.value(kpItemRecord::Note) == content->note;
                             });
        if (holdsIt)
            return content;
    }
    return nullptr;
}

const Content *catalogueContent()
{
    kpCategoriesDataModel catalogue;
    if (!catalogue.loadModel())
        return nullptr;
    catalogue.sortByProduct();
    catalogue.updateModel();
    for (const Content *content : {&OldContent, &NewContent}) {
        bool holdsIt = catalogue.rowCount() == ItemCount;
        for (int row = 0; holdsIt && row < ItemCount; ++row) {
            holdsIt = catalogue.data(catalogue.index(row), kpCategoriesDataModel::ItemPriceRole)
                == content->price;
        }
        if (holdsIt)
            return content;
    }
    return nullptr;
}

const Content *settingsContent()
{
    kpApplicationManager manager;
    manager.loadSettings();
    for (const Content *content : {&OldContent, &NewContent}) {
        if (manager.languagesDataModel()->currentLanguageIndex() == content->language
            && manager.currencyUnitsDataModel()->currentCurrencyIndex() == content->currencyUnit)
            return content;
    }
    return nullptr;
}

} // namespace

class tst_kpCrashSafety : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QDir().mkpath(QFileInfo(listPath()).absolutePath());
        QDir().mkpath(QFileInfo(cataloguePath()).absolutePath());
        QVERIFY(kpCompressedXmlFile::write(listPath(), document("tovimar_list", OldContent), 9));
        QVERIFY(kpCompressedXmlFile::write(cataloguePath(),
                                           document("tovimar_categories", OldContent), -1));
        kpApplicationManager().saveSettings(settings(OldContent));
        QCOMPARE(listContent(), &OldContent);
        QCOMPARE(catalogueContent(), &OldContent);
        QCOMPARE(settingsContent(), &OldContent);
    }

    // Killed at any moment of a save, every file holds its old or its new content.
    void filesSurviveKillsWhileSaving()
    {
        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("Kill delays drawn from seed %u", seed);
        QRandomGenerator random(seed);
        const QString saveLoop
            = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("tovimar_save_loop");
        struct Seen
        {
            int old = 0;
            int fresh = 0;
        } list, catalogue, settings;
        const auto record = [](Seen &pSeen, const Content *pContent) {
            (pContent == &NewContent ? pSeen.fresh : pSeen.old) += 1;
        };

        qint64 roundMicroseconds = MaxKillDelayMicroseconds;
        for (int kill = 1; kill <= Kills; ++kill) {
            QProcess saver;
            saver.start(saveLoop, {});
            QVERIFY2(saver.waitForReadyRead(10000), "the save loop reads the files");
            saver.readAll();
            // The kill lands anywhere in a round, however fast the machine is at the moment.
            QElapsedTimer round;
            round.start();
            for (int rounds = random.bounded(3); rounds > 0; --rounds) {
                QVERIFY2(saver.waitForReadyRead(10000), "the save loop goes on saving");
                saver.readAll();
                roundMicroseconds = std::max<qint64>(1, round.nsecsElapsed() / 1000);
                round.restart();
            }
            QThread::usleep(random.bounded(quint32(roundMicroseconds)));
            saver.kill();
            QVERIFY(saver.waitForFinished());
            QCOMPARE(saver.exitStatus(), QProcess::CrashExit);

            const QByteArray when = "after kill " + QByteArray::number(kill);
            const Content *listHolds = listContent();
            QVERIFY2(listHolds, "list damaged " + when);
            record(list, listHolds);
            const Content *catalogueHolds = catalogueContent();
            QVERIFY2(catalogueHolds, "catalogue damaged " + when);
            record(catalogue, catalogueHolds);
            const Content *settingsHold = settingsContent();
            QVERIFY2(settingsHold, "settings damaged " + when);
            record(settings, settingsHold);
        }
        qInfo("Old/new content after the kills: list %d/%d, catalogue %d/%d, settings %d/%d",
              list.old, list.fresh, catalogue.old, catalogue.fresh, settings.old, settings.fresh);
        // Otherwise the kills missed the saves and proved nothing.
        for (const Seen &seen : {list, catalogue, settings})
            QVERIFY(seen.old > 0 && seen.fresh > 0);
    }
};

TOVIMAR_TEST_MAIN(tst_kpCrashSafety)
#include "tst_kpCrashSafety.moc"
