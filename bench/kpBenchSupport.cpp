#include "kpBenchSupport.h"

#include <QElapsedTimer>
#include <QXmlStreamReader>
#include <QtTest>
#include <algorithm>
#include <vector>

namespace kpBenchSupport {

namespace {

double elapsedMs(const std::function<void()> &pWork)
{
    QElapsedTimer timer;
    timer.start();
    pWork();
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> pValues)
{
    std::sort(pValues.begin(), pValues.end());
    return pValues.at(pValues.size() / 2);
}

} // namespace

Timing compare(const std::function<void()> &pSubject, const std::function<void()> &pBaseline,
               int pRounds)
{
    std::vector<double> subject;
    std::vector<double> baseline;
    for (int round = 0; round < pRounds; ++round) {
        subject.push_back(elapsedMs(pSubject));
        baseline.push_back(elapsedMs(pBaseline));
    }
    return {median(subject), median(baseline)};
}

double medianMs(const std::function<void()> &pWork, int pRounds,
                const std::function<void()> &pPrepare)
{
    std::vector<double> times;
    for (int round = 0; round < pRounds; ++round) {
        if (pPrepare)
            pPrepare();
        times.push_back(elapsedMs(pWork));
    }
    return median(times);
}

void report(const QString &pName, const Timing &pTiming, double pGoal)
{
    const bool met = pTiming.ratio() <= pGoal;
    qInfo().noquote() << QStringLiteral("%1: %2 ms against %3 ms, ratio %4 (goal at most %5) %6")
                             .arg(pName)
                             .arg(pTiming.subjectMs, 0, 'f', 3)
                             .arg(pTiming.baselineMs, 0, 'f', 3)
                             .arg(pTiming.ratio(), 0, 'f', 2)
                             .arg(pGoal, 0, 'f', 1)
                             .arg(met ? QStringLiteral("met") : QStringLiteral("MISSED"));
}

void report(const QString &pName, double pMs, const QString &pDetail)
{
    qInfo().noquote() << QStringLiteral("%1: %2 ms %3").arg(pName).arg(pMs, 0, 'f', 3).arg(pDetail);
}

qsizetype readEveryRole(const QAbstractItemModel &pModel)
{
    const QList<int> roles = pModel.roleNames().keys();
    qsizetype characters = 0;
    for (int row = 0; row < pModel.rowCount(); ++row) {
        const QModelIndex index = pModel.index(row, 0);
        for (int role : roles)
            characters += pModel.data(index, role).toString().size();
    }
    return characters;
}

QMap<QString, int> rowMapByCategory(const QList<Record> &pRecords)
{
    QMap<QString, int> rowMap;
    for (int item = 0; item < pRecords.size(); ++item) {
        const Record &record = pRecords.at(item);
        rowMap.insert(record.value("category") + ':', -1);
        rowMap.insert(record.value("category") + ':' + record.value("name"), item);
    }
    return rowMap;
}

qsizetype walkRowMap(const QMap<QString, int> &pRowMap, const QList<Record> &pRecords,
                     const Record &pShared)
{
    static const QStringList keys
        = {"name", "category", "price", "count", "count_unit", "note", "status"};
    qsizetype characters = 0;
    for (auto entry = pRowMap.cbegin(); entry != pRowMap.cend(); ++entry) {
        const Record record = entry.value() < 0 ? Record() : pRecords.at(entry.value());
        for (const QString &key : keys)
            characters += QString(record.value(key)).size();
        for (const QString &value : pShared)
            characters += QString(value).size();
        characters += QString(entry.key()).size();
    }
    return characters;
}

void uncompressAndScan(const QByteArray &pCompressed)
{
    QXmlStreamReader reader(qUncompress(pCompressed));
    while (!reader.atEnd())
        reader.readNext();
}

} // namespace kpBenchSupport
