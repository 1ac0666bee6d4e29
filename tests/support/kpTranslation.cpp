#include "kpTranslation.h"

#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

namespace kpTestSupport {

void useLanguage(const QString &pCode)
{
    static QTranslator translator;
    QCoreApplication::removeTranslator(&translator);
    QVERIFY(
        translator.load(QStringLiteral(":/languages/tovimar_") + pCode + QStringLiteral(".qm")));
    QCoreApplication::installTranslator(&translator);
}

} // namespace kpTestSupport
