#include "kpTestSupport.h"

#include "kpApplicationManager.h"
#include "kpItemRowsModel.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QTimer>

namespace kpTestSupport {

namespace {

constexpr int DialogPollMs = 5;

// Answers the next modal dialog of the given kind once it shows, noting what it showed first.
// Each answer waits for its own kind, so that answers scheduled together for a dialog and the box
// it opens each reach their own one.
template<typename Dialog>
std::shared_ptr<kpSeenDialog>
answer(QString (Dialog::*pText)() const, std::function<void(Dialog *)> pAnswer,
       std::shared_ptr<kpSeenDialog> pSeen = std::make_shared<kpSeenDialog>())
{
    QTimer::singleShot(DialogPollMs, qApp, [pText, pAnswer, pSeen]() {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            answer(pText, pAnswer, pSeen);
            return;
        }
        *pSeen = {true, dialog->windowTitle(), (dialog->*pText)(), dialog->parentWidget()};
        pAnswer(dialog);
    });
    return pSeen;
}

} // namespace

QString dataLocation()
{
    return kpApplicationManager::dataLocation();
}

QString listsDirectory()
{
    return QDir(dataLocation()).absoluteFilePath(QStringLiteral("lists"));
}

QString listPath()
{
    return QDir(listsDirectory()).absoluteFilePath(QStringLiteral("demo-list.kpl"));
}

QString cataloguePath()
{
    return QDir(dataLocation()).absoluteFilePath(QStringLiteral("data/categories_en.db"));
}

QByteArray fixture(const QString &pName)
{
    QFile file(QDir(QStringLiteral(TOVIMAR_TEST_DATA_DIR)).absoluteFilePath(pName));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("Missing fixture %s", qPrintable(pName));
    return file.readAll();
}

void installFixture(const QString &pName, const QString &pPath)
{
    writeFile(pPath, fixture(pName));
}

QStringList rows(const QAbstractItemModel &pModel)
{
    QStringList shown;
    for (int row = 0; row < pModel.rowCount(); ++row) {
        const QModelIndex index = pModel.index(row, 0);
        if (index.data(kpItemRowsModel::ItemTypeRole).toString() == QLatin1String("category"))
            shown.append('[' + index.data(kpItemRowsModel::ItemCategoryNameRole).toString() + ']');
        else
            shown.append(index.data(kpItemRowsModel::ItemNameRole).toString());
    }
    return shown;
}

void clearDataLocation()
{
    QDir(dataLocation()).removeRecursively();
}

std::shared_ptr<kpSeenDialog> answerMessageBox(QMessageBox::StandardButton pButton)
{
    return answer<QMessageBox>(&QMessageBox::text, [pButton](QMessageBox *pBox) {
        if (QAbstractButton *button = pBox->button(pButton))
            button->click();
        else
            pBox->reject();
    });
}

std::shared_ptr<kpSeenDialog> answerInputDialog(const QString &pText, bool pAccept)
{
    return answer<QInputDialog>(&QInputDialog::labelText, [pText, pAccept](QInputDialog *pInput) {
        pInput->setTextValue(pText);
        pInput->done(pAccept ? QDialog::Accepted : QDialog::Rejected);
    });
}

QByteArray readFile(const QString &pPath)
{
    QFile file(pPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &pPath, const QByteArray &pBytes)
{
    QDir().mkpath(QFileInfo(pPath).absolutePath());
    QFile file(pPath);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(pBytes), pBytes.size());
}

void writeCompressed(const QString &pPath, const QByteArray &pDocument)
{
    writeFile(pPath, qCompress(pDocument, 9));
}

} // namespace kpTestSupport
