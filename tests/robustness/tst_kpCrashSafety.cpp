#include "kpApplicationManager.h"
#include "kpCompressedXmlFile.h"
#include "kpQuickHost.h"
#include "kpSaveLoopContent.h"
#include "kpTestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QXmlStreamWriter>
#include <algorithm>

using namespace kpSaveLoopContent;
using namespace kpTestSupport;

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

// The content the model shows of its file, or null when it shows neither of the two whole.
template<typename Model> const Content *shownContent(Model &pModel)
{
    pModel.sortByProduct();
    pModel.updateModel();
    for (const Content *content : {&OldContent, &NewContent}) {
        bool holdsIt = pModel.rowCount() == ItemCount;
        for (int row = 0; holdsIt && row < ItemCount; ++row)
            holdsIt = pModel.index(row).data(kpItemRowsModel::ItemPriceRole) == content->price;
        if (holdsIt)
            return content;
    }
    return nullptr;
}

const Content *listContent()
{
    kpListDataModel list;
    return list.loadModel(listPath()) ? shownContent(list) : nullptr;
}

const Content *catalogueContent()
{
    kpCategoriesDataModel catalogue;
    return catalogue.loadModel() ? shownContent(catalogue) : nullptr;
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
        struct File
        {
            const char *name;
            const Content *(*contentOf)();
            int old = 0;
            int fresh = 0;
        } files[] = {
            {"list", listContent}, {"catalogue", catalogueContent}, {"settings", settingsContent}};

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

            for (File &file : files) {
                const Content *holds = file.contentOf();
                QVERIFY2(holds,
                         qPrintable(QString("%1 damaged after kill %2").arg(file.name).arg(kill)));
                (holds == &NewContent ? file.fresh : file.old) += 1;
            }
        }
        // Otherwise the kills missed the saves and proved nothing.
        for (const File &file : files) {
            qInfo("%s: old content after %d kills, new after %d", file.name, file.old, file.fresh);
            QVERIFY(file.old > 0 && file.fresh > 0);
        }
    }
};

TOVIMAR_TEST_MAIN(tst_kpCrashSafety)
#include "tst_kpCrashSafety.moc"
