// Runs a fuzz target over the test fixtures, which are its seeds, and over the files and folders
// given, as the tests do with what the fuzzer found and every input that ever made a target fail.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pData, size_t pSize);

namespace {

int replayFile(const QString &pPath)
{
    QFile file(pPath);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "Cannot read %s\n", qPrintable(pPath));
        return 0;
    }
    const QByteArray input = file.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.constData()),
                           size_t(input.size()));
    return 1;
}

int replayFolder(const QString &pPath)
{
    int replayed = 0;
    QDirIterator inputs(pPath, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (inputs.hasNext()) {
        const QString input = inputs.next();
        // Placeholders that keep an empty folder in the repository are not inputs.
        if (QFileInfo(input).fileName() != QLatin1String(".gitkeep"))
            replayed += replayFile(input);
    }
    return replayed;
}

} // namespace

int main(int argc, char *argv[])
{
    int replayed = replayFolder(QStringLiteral(TOVIMAR_TEST_DATA_DIR));
    for (int argument = 1; argument < argc; ++argument) {
        const QString path = QString::fromLocal8Bit(argv[argument]);
        replayed += QFileInfo(path).isDir() ? replayFolder(path) : replayFile(path);
    }
    std::printf("Replayed %d inputs without a failure.\n", replayed);
    return replayed > 0 ? 0 : 1;
}
