#pragma once

#include "kpModelRoles.h"
#include "kpRowIndex.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QString>

class QQuickWidget;

// The open shopping list: its items, its file, its visible rows (category or product order, list
// or cart display), editing, ticking into the cart, checkout and totals.
class kpListDataModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(QString checkoutAmount READ checkoutAmount NOTIFY checkoutAmountChanged)
    Q_PROPERTY(QString checkoutPrice READ checkoutPrice NOTIFY checkoutPriceChanged)
    Q_PROPERTY(QString listName READ listName NOTIFY listNameChanged)

public:
    enum Roles {
        ItemNameRole = kpModelRoles::First,
        ItemCategoryNameRole,
        ItemPriceRole,
        ItemCountRole,
        ItemCountUnitRole,
        ItemCommentsRole,
        ItemStatusRole,
        ItemTypeRole,
        ListNameRole,
        ListItemsListRole,
        ListPriceListRole,
        ListFilenameRole,
    };

    using Item = QHash<QString, QString>;

    explicit kpListDataModel(QObject *pParent = nullptr);
    ~kpListDataModel() override;

    int rowCount(const QModelIndex &pParent = QModelIndex()) const override;
    QVariant data(const QModelIndex &pIndex, int pRole = Qt::DisplayRole) const override;
    QVariant headerData(int pSection, Qt::Orientation pOrientation,
                        int pRole = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    void setParentWidget(QQuickWidget *pParentWidget);
    void translateUi();

    QList<Item> items(bool pUnchecked) const;
    void addItems(const QList<Item> &pItems);
    QString listItemsAmount() const { return mListAmount; }
    QString listItemsPrice() const { return mListPrice; }
    QString cartItemsAmount() const { return mCartAmount; }
    QString cartItemsPrice() const { return mCartPrice; }
    // The list's header values: version, name, items_list, price_list, filename and any other
    // attribute its file's root element carried.
    QHash<QString, QString> listHeader() const { return mListHeader; }

public slots:
    bool loadModel(QString pListFilename);
    bool saveModel();
    bool newModel(QString pListFilename);

    bool isSortByCategory() const { return mSortMode == SortByCategory; }
    void sortByCategory() { mSortMode = SortByCategory; }
    bool isSortByProduct() const { return mSortMode == SortByProduct; }
    void sortByProduct() { mSortMode = SortByProduct; }
    bool isDisplayList() const { return mDisplayMode == DisplayList; }
    void displayList() { mDisplayMode = DisplayList; }
    bool isDisplayCart() const { return mDisplayMode == DisplayCart; }
    void displayCart() { mDisplayMode = DisplayCart; }
    void updateModel();
    int itemHeight(int pIndex) const;

    bool addItem(int pIndex, QString pItemName);
    void updateItem(int pIndex, QString pPrice, QString pCount, QString pCountUnit, QString pNote);
    bool deleteItem(int pIndex);
    bool deleteAll();
    void toggleItem(int pIndex);
    bool checkout();
    bool needsCheckout() const;
    void updateCountPrice();
    QString checkoutAmount() const { return mCartAmount; }
    QString checkoutPrice() const { return mCartPrice; }
    QString listName() const { return mListHeader.value(QStringLiteral("name")); }
    void setCurrencyUnitSymbol(QString pCurrencySymbol) { mCurrencySymbol = pCurrencySymbol; }
    QString currencyUnitSymbol() const { return mCurrencySymbol; }

signals:
    void listNameChanged();
    void itemAdded(QHash<QString, QString> pItem);
    void itemUpdated(QHash<QString, QString> pItem);
    void checkoutRequested();
    void checkoutAmountChanged();
    void checkoutPriceChanged();

private:
    enum SortMode { SortByCategory, SortByProduct };
    enum DisplayMode { DisplayList, DisplayCart };

    void clearList();
    QByteArray listDocument() const;
    QString rowKey(const Item &pItem) const;
    QString wantedStatus() const;
    bool isItemRow(int pRow) const;
    QString categoryOfRow(int pRow) const;
    bool hasUncheckedItem(const QString &pLowerName) const;
    int reusableItem(const QString &pName, const QString &pCategory) const;
    void removeRow(int pRow);
    void removeOrphanedHeader(int pRow, const QString &pRemovedKey);
    void removeAllRows();

    QQuickWidget *mParentWidget = nullptr;
    SortMode mSortMode = SortByCategory;
    DisplayMode mDisplayMode = DisplayList;
    QString mListAmount;
    QString mCartAmount;
    QString mListPrice;
    QString mCartPrice;
    QString mCurrencySymbol;
    QHash<QString, QString> mListHeader;
    QList<Item> mItemList;
    kpRowIndex mRowIndex;

    QString mDeleteItemTitle;
    QString mDeleteItemText;
    QString mCategoryTitle;
    QString mCategoryLabel;
    QString mListNameTitle;
    QString mListNameLabel;
    QString mDeleteAllTitle;
    QString mDeleteAllText;
};
