#pragma once

#include "kpQuickHost.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

class QAbstractItemModel;

// What a test learnt of a modal dialog it answered.
struct kpSeenDialog
{
    bool seen = false;
    QString title, text;
    QWidget *parent = nullptr;
    // What is too small for a finger, e.g. QPushButton "OK" 100 x 40, or empty: the dialog is to
    // be over the window and nearly as wide, every button at least 120 x 60 pixels, its texts and
    // its field at the screens' text size and the field as wide as the dialog allows.
    QString tooSmall;

    // The title and the question.
    QString asked() const { return title + ": " + text; }
};

namespace kpTestSupport {

// Empties the per-user data location between test functions.
void clearDataLocation();
QString dataLocation();
QString listsDirectory();
// Where the program keeps its one list and the catalogue of English.
QString listPath();
QString cataloguePath();

// The files of tests/data, e.g. "lists/week.kpl": valid, damaged and hostile inputs, and saved
// forms to compare with.
QByteArray fixture(const QString &pName);
// Puts a fixture where the program reads it, its folder made first.
void installFixture(const QString &pName, const QString &pPath);

// The rows of a list or catalogue as "[category]" for headers and the name for items.
QStringList rows(const QAbstractItemModel &pModel);

// The next modal message box is answered with pButton; the next input dialog gets pText and
// is accepted, or is cancelled when pAccept is false.
std::shared_ptr<kpSeenDialog> answerMessageBox(QMessageBox::StandardButton pButton);
std::shared_ptr<kpSeenDialog> answerInputDialog(const QString &pText, bool pAccept = true);

QByteArray readFile(const QString &pPath);
void writeFile(const QString &pPath, const QByteArray &pBytes);
// Plain XML in, the list and catalogue file form out.
void writeCompressed(const QString &pPath, const QByteArray &pDocument);

} // namespace kpTestSupport

// QTEST_MAIN with the per-user data location moved to a fresh temporary folder before the
// application object exists.
#define TOVIMAR_TEST_MAIN(TestObject)                                                              \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        QTemporaryDir home;                                                                        \
        qputenv("XDG_DATA_HOME", home.path().toUtf8());                                            \
        kpQuickHost::setApplicationNames();                                                        \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject tc;                                                                             \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
