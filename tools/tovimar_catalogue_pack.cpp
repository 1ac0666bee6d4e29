#include "kpCompressedXmlFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>
#include <cstdio>

// Turns the readable source of a default catalogue into the catalogue file form. Refuses a source
// that is not well-formed XML, so that no broken catalogue is ever installed.
int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: tovimar_catalogue_pack SOURCE.xml CATALOGUE.db\n");
        return 2;
    }
    QFile source(arguments.at(1));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    const QByteArray document = source.readAll();
    QXmlStreamReader reader(document);
    while (!reader.atEnd())
        reader.readNext();
    if (reader.hasError()) {
        std::fprintf(stderr, "%s:%lld: %s\n", qPrintable(arguments.at(1)), reader.lineNumber(),
                     qPrintable(reader.errorString()));
        return 1;
    }
    if (!kpCompressedXmlFile::write(arguments.at(2), document, -1)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(arguments.at(2)));
        return 1;
    }
    return 0;
}
