// Runs a fuzz target over files and folders of inputs, as the tests do with the seed corpus and
// with every input that ever made a target fail.
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

} // namespace

int main(int argc, char *argv[])
{
    int replayed = 0;
    for (int argument = 1; argument < argc; ++argument) {
        const QString path = QString::fromLocal8Bit(argv[argument]);
        if (!QFileInfo(path).isDir()) {
            replayed += replayFile(path);
            continue;
        }
        QDirIterator inputs(path, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (inputs.hasNext()) {
            const QString input = inputs.next();
            // Placeholders that keep an empty folder in the repository are not inputs.
            if (QFileInfo(input).fileName() != QLatin1String(".gitkeep"))
                replayed += replayFile(input);
        }
    }
    std::printf("Replayed %d inputs without a failure.\n", replayed);
    return replayed > 0 ? 0 : 1;
}
