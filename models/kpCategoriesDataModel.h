#pragma once

#include "kpItemRowsModel.h"

#include <QMap>
#include <QtQml/qqmlregistration.h>

// The product catalogue of the interface language: products by category, ticked into the open
// list, edited by the user, and learning the products, amounts and prices typed into the list.
class kpCategoriesDataModel : public kpItemRowsModel
{
    Q_OBJECT
    QML_NAMED_ELEMENT(CategoriesDataModel)
    QML_UNCREATABLE("The manager owns the catalogue.")

public:
    enum CatalogueRoles {
        FilenameRole = FirstModelRole,
    };

    explicit kpCategoriesDataModel(QObject *pParent = nullptr);
    ~kpCategoriesDataModel() override;

    QHash<int, QByteArray> roleNames() const override;

    void translateUi();
    void hideItems(const QList<Item> &pListItems);
    QList<Item> checkedItems();

    QString userCopyPath() const;
    QString installedCopyPath() const;

public slots:
    void toggleItem(int pIndex);
    bool deleteItem(int pIndex);
    void renameItem(int pIndex);
    void renameCategory(int pIndex);
    bool addNewItem(int pIndex, const QString &pItemName);
    void addItem(const QHash<QString, QString> &pItem);
    void updateItem(const QHash<QString, QString> &pItem);
    bool isLoaded() const { return !mItemList.isEmpty(); }
    [[nodiscard]] bool loadModel();
    [[nodiscard]] bool saveModel();
    void releaseModel();
    void updateModel();
    void sortByCategory();
    void sortByProduct();

protected:
    QVariant modelData(int pRole) const override;

private:
    QString fileName() const;
    QByteArray catalogueDocument() const;
    void readDocument(const QByteArray &pDocument);
    // The status a product gets from the open list: "unknown" when the list holds it.
    QString statusFromList(const Item &pItem) const;
    // The name the user gives in place of pOldName, simplified and in lower case; empty where the
    // question is cancelled or the name stays.
    QString askNewName(const QString &pTitle, const QString &pLabel, const QString &pOldName) const;
    void resetWithoutRebuild();

    QHash<QString, QString> mRootAttributes;

    QString mDeleteItemText;
    QString mItemNameTitle;
    QString mItemNameLabel;
    QString mCategoryNameTitle;
    QString mCategoryNameLabel;
    QString mDuplicateItemTitle;
    QString mDuplicateItemText;
    QString mDuplicateCategoryTitle;
    QString mDuplicateCategoryText;
    QString mLanguageCode;

    QMap<QString, Item> mListItems;
};
