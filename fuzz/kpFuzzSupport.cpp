#include "kpFuzzSupport.h"

#include "kpApplicationManager.h"
#include "kpPlainElementScanner.h"
#include "kpQuickHost.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cstdio>
#include <cstdlib>

namespace {

bool readStartElement(QXmlStreamReader &pReader)
{
    while (!pReader.atEnd() && pReader.readNext() != QXmlStreamReader::StartElement) { }
    return pReader.isStartElement();
}

QHash<QString, QString> attributesOf(const QXmlStreamReader &pReader)
{
    QHash<QString, QString> values;
    for (const QXmlStreamAttribute &attribute : pReader.attributes())
        values.insert(attribute.qualifiedName().toString(), attribute.value().toString());
    return values;
}

} // namespace

namespace kpFuzzSupport {

QString writeInput(const QString &pRelativePath, const uint8_t *pData, size_t pSize)
{
    // A data location of the run's own, and the application object the readers and the
    // toolkit's paths expect, both kept for the whole run.
    static QTemporaryDir home(QDir::tempPath() + QStringLiteral("/tovimar-fuzz-XXXXXX"));
    if (!QCoreApplication::instance()) {
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        kpQuickHost::setApplicationNames();
        static int argc = 1;
        static char name[] = "tovimar-fuzz";
        static char *argv[] = {name, nullptr};
        new QCoreApplication(argc, argv);
    }
    const QString path = QDir(kpApplicationManager::dataLocation()).absoluteFilePath(pRelativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the input can be written");
    require(file.write(reinterpret_cast<const char *>(pData), qint64(pSize)) == qint64(pSize),
            "the whole input is written");
    return path;
}

void require(bool pCondition, const char *pPromise)
{
    if (pCondition)
        return;
    std::fprintf(stderr, "Broken promise: %s\n", pPromise);
    std::abort();
}

QString scannerBrokenPromise(const QByteArray &pDocument)
{
    using Step = kpPlainElementScanner::Step;
    kpPlainElementScanner scanner(pDocument);
    // Given its data as the element reader gives it.
    QXmlStreamReader reader;
    reader.addData(pDocument);
    Step step = scanner.readNextStartElement();
    for (; step == Step::StartElement; step = scanner.readNextStartElement()) {
        if (!readStartElement(reader))
            return "the reader gives every element the scanner gives";
        if (reader.name() != scanner.name() || attributesOf(reader) != scanner.attributes())
            return "both read the same element";
    }
    if (step == Step::End && (readStartElement(reader) || reader.hasError()))
        return "where the scanner ends, the reader ends too, without an error";
    return {};
}

} // namespace kpFuzzSupport
