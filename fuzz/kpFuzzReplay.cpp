// Runs a fuzz target over the test fixtures, which are its seeds, and over the files and folders
// given, as the tests do with what the fuzzer found and every input that ever made a target fail.
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
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray input = file.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.constData()),
                           size_t(input.size()));
    return 1;
}

// Hidden files, as the placeholders that keep an empty folder in the repository, are no inputs.
int replay(const QString &pPath)
{
    if (!QFileInfo(pPath).isDir())
        return replayFile(pPath);
    int replayed = 0;
    for (QDirIterator inputs(pPath, QDir::Files, QDirIterator::Subdirectories); inputs.hasNext();)
        replayed += replayFile(inputs.next());
    return replayed;
}

} // namespace

int main(int argc, char *argv[])
{
    int replayed = replay(QStringLiteral(TOVIMAR_TEST_DATA_DIR));
    for (int argument = 1; argument < argc; ++argument)
        replayed += replay(QString::fromLocal8Bit(argv[argument]));
    std::printf("Replayed %d inputs without a failure.\n", replayed);
    return replayed > 0 ? 0 : 1;
}
