#pragma once

#include "kpModelRoles.h"
#include "kpRowIndex.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QString>
#include <QtQml/qqmlregistration.h>
#include <optional>

class QQuickWidget;

// What the shopping list and the catalogue have in common: item records shown as rows, either
// grouped under category headers or in one run by product name, and dialogs parented to the view.
class kpItemRowsModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ANONYMOUS

public:
    enum ItemRoles {
        ItemNameRole = kpModelRoles::First,
        ItemCategoryNameRole,
        ItemPriceRole,
        ItemCountRole,
        ItemCountUnitRole,
        ItemNoteRole,
        ItemStatusRole,
        ItemTypeRole,
        // Roles from here on are the same for every row.
        FirstModelRole,
    };

    using Item = QHash<QString, QString>;

    int rowCount(const QModelIndex &pParent = QModelIndex()) const override;
    QVariant data(const QModelIndex &pIndex, int pRole = Qt::DisplayRole) const override;
    QVariant headerData(int pSection, Qt::Orientation pOrientation,
                        int pRole = Qt::DisplayRole) const override;

    void setParentWidget(QQuickWidget *pParentWidget) { mParentWidget = pParentWidget; }

protected:
    enum SortMode { SortByCategory, SortByProduct };

    explicit kpItemRowsModel(QObject *pParent);

    virtual QVariant modelData(int pRole) const { return kpModelRoles::emptyValue(pRole); }
    // The two models name the note's role differently.
    static QHash<int, QByteArray> itemRoleNames(const QByteArray &pNoteRoleName);

    bool isItemRow(int pRow) const;
    int itemOfRow(int pRow) const { return mRowIndex.at(pRow).item; }
    QString categoryOfRow(int pRow) const;
    // The row key of the record in the sort mode in force.
    QString rowKey(const Item &pItem) const;
    // Inserts one row and tells the views, at the place the row takes.
    void insertRow(const QString &pKey, int pItem);
    void removeRow(int pRow);
    // In category order a header row goes with the last item row of its category. An item
    // without a category leaves its header until the rows are next rebuilt.
    void removeOrphanedHeader(int pRemovedRow, const QString &pRemovedKey);
    // The category, in lower case, of a product added at pRow: the row's, or where no row is
    // chosen (-1) the one the user names when asked; none where the question is cancelled.
    std::optional<QString> categoryForNewItem(int pRow) const;
    // Asks "<text> <name>?" and, on Ok, marks the row's item deleted and removes its row, and
    // its header when it was the category's last.
    bool deleteAfterQuestion(int pIndex, const QString &pText);
    // Empties the items and rows; views that show rows are told.
    void clearItems();

    QQuickWidget *mParentWidget = nullptr;
    SortMode mSortMode = SortByCategory;
    QList<Item> mItemList;
    kpRowIndex mRowIndex;
};
