#include "kpQuickHost.h"
#include "kpTestSupport.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickWidget>
#include <QTimer>

using namespace kpTestSupport;

namespace {

QQuickWidget *shownView()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *view = qobject_cast<QQuickWidget *>(widget); view && view->isVisible())
            return view;
    }
    return nullptr;
}

} // namespace

class tst_kpQuickHost : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearDataLocation(); }

    void startsAndQuitsFromQml()
    {
        QTimer::singleShot(0, this, [] {
            QQuickWidget *view = shownView();
            if (!view)
                return QCoreApplication::exit(2);
            // Ends the event loop once this returns, whatever fails below.
            emit view->engine()->quit();
            QCOMPARE(view->windowTitle(), "Tovimar Lite");
            QVERIFY(view->windowState() & Qt::WindowMaximized);
            for (const char *name : {"applicationManager", "listsDataModel", "listDataModel"})
                QVERIFY2(view->rootContext()->contextProperty(name).value<QObject *>(), name);
        });
        QCOMPARE(kpQuickHost::exec(), 0);
    }

    void failedInitialisationShowsTheErrorBox()
    {
        installFixture("lists/week.xml", listPath());
        const auto error = answerMessageBox(QMessageBox::Ok);
        QCOMPARE(kpQuickHost::exec(), 1);
        QVERIFY(error->seen);
        QCOMPARE(error->title, "Error");
        QVERIFY(!shownView());
    }
};

TOVIMAR_TEST_MAIN(tst_kpQuickHost)
#include "tst_kpQuickHost.moc"
