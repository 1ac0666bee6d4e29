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
// rendered frame, on a virtual X display when there is one to start. Both run alternately.
namespace {

constexpr int Rounds = 11;
constexpr int ListItemCount = 200;
constexpr double TimeGoal = 1.5;
constexpr double MemoryGoalKib = 15 * 1024;

struct Run
{
    double ms = 0;
    qint64 peakKib = 0;
};

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

Run runOnce(const QString &pProgram, const QProcessEnvironment &pEnvironment)
{
    QProcess process;
    process.setProcessEnvironment(pEnvironment);
    QElapsedTimer timer;
    timer.start();
    process.start(pProgram, {});
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    const QByteArray output = process.readAllStandardOutput();
    const qsizetype at = output.indexOf("first-frame ");
    if (at < 0)
        return {};
    return {ms, output.mid(at + 12).trimmed().toLongLong()};
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

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QString directory = QCoreApplication::applicationDirPath();
    const QString program = directory + QStringLiteral("/tovimar_startup_probe");
    const QString minimal = directory + QStringLiteral("/minimal_quick_probe");

    QTemporaryDir dataHome;
    if (!writeList(dataHome.path())) {
        std::fprintf(stderr, "the list could not be written\n");
        return 1;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dataHome.path());
    QProcess *display = startVirtualDisplay(&environment);

    // One round of each first, so that both start from a warm file cache.
    runOnce(program, environment);
    runOnce(minimal, environment);
    std::vector<double> programMs, minimalMs;
    qint64 programPeak = 0, minimalPeak = 0;
    for (int round = 0; round < Rounds; ++round) {
        const Run ours = runOnce(program, environment);
        const Run least = runOnce(minimal, environment);
        if (ours.ms == 0 || least.ms == 0) {
            std::fprintf(stderr, "a probe did not report its first frame\n");
            return 1;
        }
        programMs.push_back(ours.ms);
        minimalMs.push_back(least.ms);
        programPeak = std::max(programPeak, ours.peakKib);
        minimalPeak = std::max(minimalPeak, least.peakKib);
    }
    if (display) {
        display->terminate();
        display->waitForFinished();
        delete display;
    }

    const double ratio = median(programMs) / median(minimalMs);
    const double extraKib = double(programPeak - minimalPeak);
    std::printf("start-up to first frame (%s, %d-item list): %.1f ms against %.1f ms, ratio %.2f "
                "(goal at most %.1f) %s\n",
                qPrintable(environment.value(QStringLiteral("QT_QPA_PLATFORM"))), ListItemCount,
                median(programMs), median(minimalMs), ratio, TimeGoal,
                ratio <= TimeGoal ? "met" : "MISSED");
    std::printf("peak resident memory: %lld KiB against %lld KiB, %.1f MiB more (goal at most "
                "%.0f MiB more) %s\n",
                programPeak, minimalPeak, extraKib / 1024, MemoryGoalKib / 1024,
                extraKib <= MemoryGoalKib ? "met" : "MISSED");
    return 0;
}
