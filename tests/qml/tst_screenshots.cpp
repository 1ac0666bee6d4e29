#include "kpApplicationManager.h"
#include "kpQmlTestView.h"
#include "kpQuickHost.h"
#include "kpScreenLayout.h"
#include "kpTestSupport.h"

#include <QDir>
#include <QQuickItem>
#include <QQuickWidget>
#include <QtTest>

using namespace kpTestSupport;
using namespace kpScreenLayout;

namespace {

constexpr int EnglishLanguage = 0;
constexpr int RussianLanguage = 1;
constexpr int EuroCurrency = 0;
constexpr int RubleCurrency = 6;

// A week's shopping as a user keeps it: three categories, amounts, units, prices and a note,
// one product already in the cart.
QByteArray weekList(const QString &pLanguage)
{
    if (pLanguage == "ru") {
        return QString::fromUtf8(
                   "<tovimar_list version=\"1.0.0\" name=\"На неделю\" items_list=\"5\" "
                   "price_list=\"791.00+\">"
                   "<item name=\"хлеб\" category=\"выпечка\" price=\"45\" count=\"1\" "
                   "count_unit=\"\" note=\"нарезной\" status=\"unchecked\"/>"
                   "<item name=\"круассаны\" category=\"выпечка\" price=\"120\" count=\"4\" "
                   "count_unit=\"\" note=\"\" status=\"unchecked\"/>"
                   "<item name=\"молоко\" category=\"молочные продукты\" price=\"89.50\" "
                   "count=\"2\" count_unit=\"л\" note=\"\" status=\"unchecked\"/>"
                   "<item name=\"сыр\" category=\"молочные продукты\" price=\"210\" "
                   "count=\"0.3\" count_unit=\"кг\" note=\"твёрдый\" status=\"checked\"/>"
                   "<item name=\"яблоки\" category=\"фрукты\" price=\"58\" count=\"1.5\" "
                   "count_unit=\"кг\" note=\"\" status=\"unchecked\"/>"
                   "<item name=\"бананы\" category=\"фрукты\" price=\"\" count=\"1\" "
                   "count_unit=\"\" note=\"\" status=\"unchecked\"/>"
                   "</tovimar_list>")
            .toUtf8();
    }
    return "<tovimar_list version=\"1.0.0\" name=\"Week\" items_list=\"5\" price_list=\"11.10+\">"
           "<item name=\"bread\" category=\"bakery\" price=\"1.50\" count=\"1\" count_unit=\"\" "
           "note=\"sliced\" status=\"unchecked\"/>"
           "<item name=\"croissants\" category=\"bakery\" price=\"0.90\" count=\"4\" "
           "count_unit=\"\" note=\"\" status=\"unchecked\"/>"
           "<item name=\"milk\" category=\"dairy\" price=\"1.20\" count=\"2\" count_unit=\"l\" "
           "note=\"\" status=\"unchecked\"/>"
           "<item name=\"cheese\" category=\"dairy\" price=\"4.80\" count=\"0.3\" "
           "count_unit=\"kg\" note=\"mature\" status=\"checked\"/>"
           "<item name=\"apples\" category=\"fruit\" price=\"2.40\" count=\"1.5\" "
           "count_unit=\"kg\" note=\"\" status=\"unchecked\"/>"
           "<item name=\"bananas\" category=\"fruit\" price=\"\" count=\"1\" count_unit=\"\" "
           "note=\"\" status=\"unchecked\"/>"
           "</tovimar_list>";
}

void writeWeekList(const QString &pLanguage)
{
    writeCompressed(QDir(listsDirectory()).absoluteFilePath("demo-list.kpl"), weekList(pLanguage));
}

// The test runs away from the program, so the default catalogue comes in as the user's copy.
bool copyDefaultCatalogue(const QString &pLanguage)
{
    const QString fileName = "categories_" + pLanguage + ".db";
    const QString target = QDir(dataLocation()).absoluteFilePath("data/" + fileName);
    return QDir().mkpath(QFileInfo(target).path())
        && QFile::copy(
               QDir(qEnvironmentVariable("TOVIMAR_DEFAULT_CATALOGUES")).absoluteFilePath(fileName),
               target);
}

// Walks the program through every screen, menu and dialog, saving a picture of each.
class kpGallery
{
public:
    explicit kpGallery(const QString &pLanguage)
        : mLanguage(pLanguage)
        , mFolder(qEnvironmentVariable("TOVIMAR_SCREENSHOTS"))
    {
    }

    kpQmlTestView view;

    void shoot(const QString &pName)
    {
        // The last frame of a fade or a shrinking row is drawn a moment after it ends.
        QTest::qWait(100);
        const QString path
            = QDir(mFolder).absoluteFilePath(QString("%1-%2-%3.png")
                                                 .arg(mLanguage)
                                                 .arg(++mCount, 2, 10, QLatin1Char('0'))
                                                 .arg(pName));
        QVERIFY2(view.view()->grabFramebuffer().save(path), qPrintable(path));
    }

    void openMenu(const QString &pScreen)
    {
        view.tap(HeaderButtonOne);
        QTRY_COMPARE(view.menu(pScreen)->opacity(), 1.0);
    }

    void closeMenu(const QString &pScreen)
    {
        view.tap(QPoint(50, 240));
        QTRY_COMPARE(view.menu(pScreen)->opacity(), 0.0);
    }

private:
    QString mLanguage;
    QString mFolder;
    int mCount = 0;
};

} // namespace

class tst_screenshots : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearDataLocation(); }

    void everyScreen_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("languageRow");
        QTest::addColumn<int>("currencyRow");
        QTest::newRow("English") << "en" << EnglishLanguage << EuroCurrency;
        QTest::newRow("Russian") << "ru" << RussianLanguage << RubleCurrency;
    }
    void everyScreen()
    {
        QFETCH(QString, language);
        QFETCH(int, languageRow);
        QFETCH(int, currencyRow);
        if (qEnvironmentVariableIsEmpty("TOVIMAR_SCREENSHOTS"))
            QSKIP("TOVIMAR_SCREENSHOTS names no folder for the pictures");
        QVERIFY(QDir().mkpath(qEnvironmentVariable("TOVIMAR_SCREENSHOTS")));
        writeWeekList(language);
        QVERIFY(copyDefaultCatalogue(language));
        kpGallery gallery(language);
        kpQmlTestView &view = gallery.view;
        QVERIFY(QMetaObject::invokeMethod(&view.manager(), "updateSettings",
                                          Q_ARG(int, languageRow), Q_ARG(int, currencyRow)));
        gallery.shoot("main");

        view.tap(FooterRight);
        QVERIFY(view.showsOnly("ScreenSettings"));
        gallery.shoot("settings");
        view.tap(FooterLeft);
        QVERIFY(view.showsOnly("ScreenMain"));

        view.tap(row(0));
        QVERIFY(view.showsOnly("ScreenShop"));
        gallery.shoot("shop-list");
        view.tap(FooterRight);
        QTRY_COMPARE(view.screen("ScreenShop")->state(), "cart");
        QTest::qWait(400);
        gallery.shoot("shop-cart");
        view.tap(FooterLeft);
        QTRY_COMPARE(view.screen("ScreenShop")->state(), QString());
        QTest::qWait(400);
        gallery.openMenu("ScreenShop");
        gallery.shoot("shop-menu");
        view.tap(menuEntry(3, 2));
        QVERIFY(view.showsOnly("ScreenEdit"));

        // The second row, the first bakery product, is current.
        view.tap(row(1));
        gallery.shoot("edit");
        gallery.openMenu("ScreenEdit");
        gallery.shoot("edit-menu");
        gallery.closeMenu("ScreenEdit");
        QQuickItem *dialog = view.itemDialog();
        QVERIFY(dialog);
        view.tap(rowButton(1));
        QTRY_COMPARE(dialog->opacity(), 1.0);
        gallery.shoot("item-dialog");
        view.tap(DialogCancel);
        QTRY_COMPARE(dialog->opacity(), 0.0);

        view.tap(CategoriesButton);
        QVERIFY(view.showsOnly("ScreenCategories"));
        view.tap(row(1));
        gallery.shoot("categories");
        gallery.openMenu("ScreenCategories");
        gallery.shoot("categories-menu");
        gallery.closeMenu("ScreenCategories");
        view.tap(HeaderButtonTwo);
        QVERIFY(view.showsOnly("ScreenEdit"));
        view.tap(HeaderButtonTwo);
        QVERIFY(view.showsOnly("ScreenMain"));

        // Every product into the cart: the rows shrink away until the checkout box appears.
        view.tap(row(0));
        QVERIFY(view.showsOnly("ScreenShop"));
        for (int taps = 0; taps < 20 && !view.itemAt(CheckoutOk, "TextButton"); ++taps) {
            view.tap(row(1));
            QTest::qWait(400);
        }
        QTRY_VERIFY(view.itemAt(CheckoutOk, "TextButton"));
        gallery.shoot("checkout");
    }
};

TOVIMAR_TEST_MAIN(tst_screenshots)
#include "tst_screenshots.moc"
