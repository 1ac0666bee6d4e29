#include "kpApplicationManager.h"
#include "kpCompressedXmlFile.h"
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

QByteArray document(const QString &pRoot)
{
    QByteArray bytes;
    QXmlStreamWriter writer(&bytes);
    writer.writeStartElement(pRoot);
    writer.writeAttribute(QStringLiteral("name"), QStringLiteral("trip"));
    for (int number = 0; number < ItemCount; ++number) {
        writer.writeEmptyElement(QStringLiteral("item"));
        kpCompressedXmlFile::writeAttributes(writer, item(number, 0), kpItemRecord::KeyOrder);
    }
    writer.writeEndElement();
    return bytes;
}

// The version of its content a list or catalogue file holds whole, or -1 where it holds neither.
int fileVersion(const QString &pPath)
{
    QByteArray saved;
    if (kpCompressedXmlFile::read(pPath, &saved) != kpCompressedXmlFile::ReadResult::Ok)
        return -1;
    for (int version : {0, 1}) {
        if (saved.count("price=\"" + price(version).toUtf8() + '"') == ItemCount)
            return version;
    }
    return -1;
}

int settingsVersion()
{
    kpApplicationManager manager;
    manager.loadSettings();
    const int language = manager.languagesDataModel()->currentLanguageIndex();
    const bool whole = manager.currencyUnitsDataModel()->currentCurrencyIndex() == language + 1;
    return whole && (language == 0 || language == 1) ? language : -1;
}

// The files in the order their versions are checked.
const char *const FileNames[] = {"list", "catalogue", "settings"};

} // namespace

class tst_kpCrashSafety : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        writeCompressed(listPath(), document("tovimar_list"));
        writeCompressed(cataloguePath(), document("tovimar_categories"));
        kpApplicationManager().saveSettings(settings(0));
    }

    // Killed at any moment of a save, every file holds its old or its new content.
    void filesSurviveKillsWhileSaving()
    {
        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("Kill delays drawn from seed %u", seed);
        QRandomGenerator random(seed);
        const QString saveLoop
            = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("tovimar_save_loop");
        int seen[3][2] = {};
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

            const int versions[]
                = {fileVersion(listPath()), fileVersion(cataloguePath()), settingsVersion()};
            for (int file = 0; file < 3; ++file) {
                QVERIFY2(
                    versions[file] >= 0,
                    qPrintable(QString("%1 damaged after kill %2").arg(FileNames[file]).arg(kill)));
                ++seen[file][versions[file]];
            }
        }
        // Otherwise the kills missed the saves and proved nothing.
        for (int file = 0; file < 3; ++file) {
            qInfo("%s: old content after %d kills, new after %d", FileNames[file], seen[file][0],
                  seen[file][1]);
            QVERIFY(seen[file][0] > 0);
            QVERIFY(seen[file][1] > 0);
        }
    }
};

TOVIMAR_TEST_MAIN(tst_kpCrashSafety)
#include "tst_kpCrashSafety.moc"
