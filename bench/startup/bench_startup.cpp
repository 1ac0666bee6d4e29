#include "kpCompressedXmlFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

// Start-up of the program against the least Qt Quick program, from process start to the first
// rendered frame, on a virtual X display when there is one to start: both run alternately, free
// and pinned to one core as on a slow handheld. Then the resident memory of both once settled.
namespace {

constexpr int Rounds = 11;
constexpr int SettledRounds = 3;
constexpr int ListItemCount = 200;
constexpr double TimeGoal = 1.15;
// Qt's keyboard is made only once a field first takes text: chosen, it costs the start little.
constexpr double KeyboardTimeGoal = 1.05;
constexpr double PeakMemoryGoalKib = 8 * 1024;
constexpr double SettledMemoryGoalKib = 12 * 1024;

struct Run
{
    double ms = 0;
    qint64 kib = 0;
};

// The runs of one probe: each time, and the highest memory figure.
struct Series
{
    std::vector<double> ms;
    qint64 kib = 0;
};

// The probes in the order they run each round: the program first, then the floors it is held
// against.
enum Probe { Program, Minimal, MinimalText };

bool writeList(const QString &pDataHome)
{
    const QString lists = pDataHome + QStringLiteral("/Velmora/Tovimar/lists");
    QDir().mkpath(lists);
    QByteArray xml = "<tovimar_list version=\"1.0.0\" name=\"weekly shop\" items_list=\"200\" "
                     "price_list=\"\">\n";
    for (int item = 0; item < ListItemCount; ++item) {
        xml += QStringLiteral(
                   "    <item name=\"product %1\" category=\"category %2\" price=\"1.5\" "
                   "count=\"2\" count_unit=\"kg\" note=\"\" status=\"unchecked\"/>\n")
                   .arg(item)
                   .arg(item % 12)
                   .toUtf8();
    }
    return kpCompressedXmlFile::write(lists + QStringLiteral("/demo-list.kpl"),
                                      xml + "</tovimar_list>\n", 9);
}

// pCommand is the probe with its arguments, behind taskset where it is pinned; pReport names the
// figure the probe prints.
Run runOnce(const QStringList &pCommand, const QProcessEnvironment &pEnvironment,
            const QByteArray &pReport)
{
    QProcess process;
    process.setProcessEnvironment(pEnvironment);
    QElapsedTimer timer;
    timer.start();
    process.start(pCommand.first(), pCommand.mid(1));
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    const QByteArray output = process.readAllStandardOutput();
    const QByteArray prefix = pReport + ' ';
    const qsizetype at = output.indexOf(prefix);
    if (at < 0)
        return {};
    return {ms, output.mid(at + prefix.size()).trimmed().toLongLong()};
}

// Runs the probes in turn, one round of each first so that all start from a warm file cache.
// Empty when a probe did not report.
std::vector<Series> runInTurn(const std::vector<QStringList> &pProbes,
                              const QProcessEnvironment &pEnvironment, const QByteArray &pReport,
                              int pRounds)
{
    for (const QStringList &probe : pProbes)
        runOnce(probe, pEnvironment, pReport);
    std::vector<Series> series(pProbes.size());
    for (int round = 0; round < pRounds; ++round) {
        for (size_t probe = 0; probe < pProbes.size(); ++probe) {
            const Run run = runOnce(pProbes[probe], pEnvironment, pReport);
            if (run.ms == 0)
                return {};
            series[probe].ms.push_back(run.ms);
            series[probe].kib = std::max(series[probe].kib, run.kib);
        }
    }
    return series;
}

double median(std::vector<double> pValues)
{
    std::sort(pValues.begin(), pValues.end());
    return pValues.at(pValues.size() / 2);
}

QProcess *startVirtualDisplay(QProcessEnvironment *pEnvironment)
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        pEnvironment->insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return nullptr;
    }
    int number = 140;
    while (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)))
        ++number;
    auto *server = new QProcess;
    server->start(xvfb,
                  {QStringLiteral(":%1").arg(number), QStringLiteral("-screen"),
                   QStringLiteral("0"), QStringLiteral("800x480x24"), QStringLiteral("-nolisten"),
                   QStringLiteral("tcp")});
    for (int wait = 0;
         wait < 100 && !QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)); ++wait)
        QThread::msleep(50);
    pEnvironment->insert(QStringLiteral("DISPLAY"), QStringLiteral(":%1").arg(number));
    pEnvironment->insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return server;
}

QStringList pinned(const QStringList &pCommand)
{
    return QStringList{QStringLiteral("taskset"), QStringLiteral("-c"), QStringLiteral("0")}
    + pCommand;
}

const char *verdict(bool pMet)
{
    return pMet ? "met" : "MISSED";
}

void reportTime(const char *pWhat, const std::vector<Series> &pSeries, const QString &pPlatform)
{
    const double ms = median(pSeries[Program].ms);
    const double ratio = ms / median(pSeries[Minimal].ms);
    std::printf("start-up to first frame%s (%s, %d-item list): %.1f ms against %.1f ms, ratio %.2f "
                "(goal at most %.2f) %s; against %.1f ms with a line of text, ratio %.2f\n",
                pWhat, qPrintable(pPlatform), ListItemCount, ms, median(pSeries[Minimal].ms), ratio,
                TimeGoal, verdict(ratio <= TimeGoal), median(pSeries[MinimalText].ms),
                ms / median(pSeries[MinimalText].ms));
}

// The program with Qt's on-screen keyboard chosen, as on a kiosk's panel, against the program.
void reportKeyboardTime(const std::vector<Series> &pSeries)
{
    const double ms = median(pSeries[1].ms);
    const double ratio = ms / median(pSeries[0].ms);
    std::printf("start-up to first frame with Qt's on-screen keyboard chosen: %.1f ms against "
                "%.1f ms without, ratio %.2f (goal at most %.2f) %s\n",
                ms, median(pSeries[0].ms), ratio, KeyboardTimeGoal,
                verdict(ratio <= KeyboardTimeGoal));
}

double extraMib(const std::vector<Series> &pSeries, Probe pFloor)
{
    return double(pSeries[Program].kib - pSeries[pFloor].kib) / 1024;
}

void reportMemory(const char *pWhat, const std::vector<Series> &pSeries, double pGoalKib)
{
    const double extra = extraMib(pSeries, Minimal);
    std::printf("%s: %lld KiB against %lld KiB, %.1f MiB more (goal at most %.0f MiB more) %s",
                pWhat, pSeries[Program].kib, pSeries[Minimal].kib, extra, pGoalKib / 1024,
                verdict(extra * 1024 <= pGoalKib));
    if (pSeries.size() > MinimalText) {
        std::printf("; against %lld KiB with a line of text, %.1f MiB more",
                    pSeries[MinimalText].kib, extraMib(pSeries, MinimalText));
    }
    std::printf("\n");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QString directory = QCoreApplication::applicationDirPath();
    const QStringList program = {directory + QStringLiteral("/tovimar_startup_probe")};
    const QStringList minimal = {directory + QStringLiteral("/minimal_quick_probe")};
    const QStringList minimalText = minimal + QStringList{QStringLiteral("--text")};
    const QStringList settled = {QStringLiteral("--settled")};

    QTemporaryDir dataHome;
    if (!writeList(dataHome.path())) {
        std::fprintf(stderr, "the list file could not be written\n");
        return 1;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dataHome.path());
    QProcess *display = startVirtualDisplay(&environment);

    const std::vector<Series> free
        = runInTurn({program, minimal, minimalText}, environment, "first-frame", Rounds);
    const std::vector<Series> onOneCore
        = runInTurn({pinned(program), pinned(minimal), pinned(minimalText)}, environment,
                    "first-frame", Rounds);
    const QStringList withKeyboard
        = QStringList{QStringLiteral("env"), QStringLiteral("QT_IM_MODULE=qtvirtualkeyboard")}
        + program;
    const std::vector<Series> keyboard
        = runInTurn({program, withKeyboard}, environment, "first-frame", Rounds);
    const std::vector<Series> settledDown
        = runInTurn({program + settled, minimal + settled}, environment, "settled", SettledRounds);
    if (display) {
        display->terminate();
        display->waitForFinished();
        delete display;
    }
    if (free.empty() || onOneCore.empty() || keyboard.empty() || settledDown.empty()) {
        std::fprintf(stderr, "a probe did not report its first frame or its settled memory\n");
        return 1;
    }

    const QString platform = environment.value(QStringLiteral("QT_QPA_PLATFORM"));
    reportTime("", free, platform);
    reportTime(" pinned to one core", onOneCore, platform);
    reportKeyboardTime(keyboard);
    reportMemory("peak resident memory up to the first frame", free, PeakMemoryGoalKib);
    reportMemory("resident memory settled, every screen made, 2 s after the first frame",
                 settledDown, SettledMemoryGoalKib);
    return 0;
}
