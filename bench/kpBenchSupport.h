#pragma once

#include <QAbstractItemModel>
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <functional>

namespace kpBenchSupport {

struct Timing
{
    double subjectMs = 0;
    double baselineMs = 0;
    double ratio() const { return baselineMs > 0 ? subjectMs / baselineMs : 0; }
};

// Runs the subject and the baseline alternately and keeps the median time of each, so that both
// see the same machine load.
Timing compare(const std::function<void()> &pSubject, const std::function<void()> &pBaseline,
               int pRounds = 15);
// The preparation, when given, runs before each round untimed.
double medianMs(const std::function<void()> &pWork, int pRounds = 15,
                const std::function<void()> &pPrepare = {});

// One line per figure, "name: subject ms, baseline ms, ratio (goal)", easy to grep.
void report(const QString &pName, const Timing &pTiming, double pGoal);
void report(const QString &pName, double pMs, const QString &pDetail = {});

// Every role of every row through data(), as views showing the rows ask for them; returns the
// characters read, so that the reading cannot be left out.
qsizetype readEveryRole(const QAbstractItemModel &pModel);

// The baseline of reading every row: the category:name row map of the records, walked in
// order, copying every value a row shows straight from its record, and the values every row
// shares.
using Record = QHash<QString, QString>;
QMap<QString, int> rowMapByCategory(const QList<Record> &pRecords);
qsizetype walkRowMap(const QMap<QString, int> &pRowMap, const QList<Record> &pRecords,
                     const Record &pShared = {});

// The bare cost of the file form: uncompress and one reader pass over every token.
void uncompressAndScan(const QByteArray &pCompressed);

} // namespace kpBenchSupport
