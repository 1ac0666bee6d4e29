#pragma once

#include "kpItemRowsModel.h"

#include <QtQml/qqmlregistration.h>

// The open shopping list: its items, its file, its visible rows (category or product order, list
// or cart display), editing, ticking into the cart, checkout and totals.
class kpListDataModel : public kpItemRowsModel
{
    Q_OBJECT
    QML_NAMED_ELEMENT(ListDataModel)
    QML_UNCREATABLE("The manager owns the open list.")
    Q_PROPERTY(QString checkoutAmount READ checkoutAmount NOTIFY checkoutAmountChanged)
    Q_PROPERTY(QString checkoutPrice READ checkoutPrice NOTIFY checkoutPriceChanged)
    Q_PROPERTY(QString listName READ listName NOTIFY listNameChanged)

public:
    enum ListRoles {
        ItemCommentsRole = ItemNoteRole,
        ListNameRole = FirstModelRole,
        ListItemsListRole,
        ListPriceListRole,
        ListFilenameRole,
    };

    explicit kpListDataModel(QObject *pParent = nullptr);
    ~kpListDataModel() override;

    QHash<int, QByteArray> roleNames() const override;

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
    [[nodiscard]] bool loadModel(const QString &pListFilename);
    [[nodiscard]] bool saveModel();
    [[nodiscard]] bool newModel(const QString &pListFilename);

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

    bool addItem(int pIndex, const QString &pItemName);
    void updateItem(int pIndex, const QString &pPrice, const QString &pCount,
                    const QString &pCountUnit, const QString &pNote);
    bool deleteItem(int pIndex);
    bool deleteAll();
    void toggleItem(int pIndex);
    bool checkout();
    bool needsCheckout() const;
    void updateCountPrice();
    QString checkoutAmount() const { return mCartAmount; }
    QString checkoutPrice() const { return mCartPrice; }
    QString listName() const;
    void setCurrencyUnitSymbol(const QString &pCurrencySymbol)
    {
        mCurrencySymbol = pCurrencySymbol;
    }
    QString currencyUnitSymbol() const { return mCurrencySymbol; }

signals:
    void listNameChanged();
    void itemAdded(const QHash<QString, QString> &pItem);
    void itemUpdated(const QHash<QString, QString> &pItem);
    void checkoutRequested();
    void checkoutAmountChanged();
    void checkoutPriceChanged();

protected:
    QVariant modelData(int pRole) const override;

private:
    enum DisplayMode { DisplayList, DisplayCart };

    QByteArray listDocument() const;
    QString wantedStatus() const;
    bool hasUncheckedItem(const QString &pName) const;
    int reusableItem(const QString &pName, const QString &pCategory) const;
    void removeAllRows();

    DisplayMode mDisplayMode = DisplayList;
    QString mListAmount;
    QString mCartAmount;
    QString mListPrice;
    QString mCartPrice;
    QString mCurrencySymbol;
    QHash<QString, QString> mListHeader;

    QString mDeleteItemText;
    QString mListNameTitle;
    QString mListNameLabel;
    QString mDeleteAllTitle;
    QString mDeleteAllText;
};
