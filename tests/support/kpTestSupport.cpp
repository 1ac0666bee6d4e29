#include "kpTestSupport.h"

#include "kpApplicationManager.h"
#include "kpItemRowsModel.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace kpTestSupport {

namespace {

QString tooSmall(const QDialog *pDialog)
{
    const QWidget *window = pDialog->parentWidget();
    if (!window)
        return QStringLiteral("the dialog, having no window");
    const QRect dialog = pDialog->geometry(), over = window->geometry();
    if (dialog.width() < over.width() - 70 || !over.contains(dialog))
        return QString::asprintf("the dialog %d x %d at %d, %d over a window %d x %d at %d, %d",
                                 dialog.width(), dialog.height(), dialog.x(), dialog.y(),
                                 over.width(), over.height(), over.x(), over.y());
    // The layout's own rectangle is set only as it is next laid out, the dialog's at once.
    const QRect inside = pDialog->contentsRect() - pDialog->layout()->contentsMargins();
    const auto fits = [&](const QWidget *pPart) {
        if (auto *button = qobject_cast<const QPushButton *>(pPart))
            return button->width() >= 120 && button->height() >= 60;
        if (auto *field = qobject_cast<const QLineEdit *>(pPart))
            return field->width() == inside.width() && QFontInfo(field->font()).pixelSize() == 25;
        auto *label = qobject_cast<const QLabel *>(pPart);
        return !label || label->text().isEmpty() || QFontInfo(label->font()).pixelSize() == 25;
    };
    for (const QWidget *part : pDialog->findChildren<QWidget *>())
        if (!fits(part))
            return QString::asprintf(
                "%s \"%s\" %d x %d, text %d px, in a dialog %d px wide",
                part->metaObject()->className(), qUtf8Printable(part->property("text").toString()),
                part->width(), part->height(), QFontInfo(part->font()).pixelSize(), inside.width());
    return QString();
}

// Answers the next modal dialog of the given kind once it shows, noting what it showed first.
// Each answer waits for its own kind, so that answers scheduled together for a dialog and the box
// it opens each reach their own one.
template<typename Dialog>
std::shared_ptr<kpSeenDialog>
answer(QString (Dialog::*pText)() const, std::function<void(Dialog *)> pAnswer,
       std::shared_ptr<kpSeenDialog> pSeen = std::make_shared<kpSeenDialog>())
{
    // Looks again every 5 ms.
    QTimer::singleShot(5, qApp, [pText, pAnswer, pSeen]() {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            answer(pText, pAnswer, pSeen);
            return;
        }
        *pSeen = {true, dialog->windowTitle(), (dialog->*pText)(), dialog->parentWidget(),
                  tooSmall(dialog)};
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
