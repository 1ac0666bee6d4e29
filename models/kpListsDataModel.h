#pragma once

#include "kpModelRoles.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

// The saved shopping lists shown on the main screen, read from the headers of their files
// without loading their items.
class kpListsDataModel : public QAbstractListModel
{
    Q_OBJECT
    QML_NAMED_ELEMENT(ListsDataModel)
    QML_UNCREATABLE("The manager owns the lists overview.")

public:
    enum Roles {
        NameRole = kpModelRoles::First,
        ItemsListRole,
        PriceListRole,
        PriceUnitRole,
        FilenameRole,
    };

    explicit kpListsDataModel(QObject *pParent = nullptr);

    int rowCount(const QModelIndex &pParent = QModelIndex()) const override;
    QVariant data(const QModelIndex &pIndex, int pRole = Qt::DisplayRole) const override;
    QVariant headerData(int pSection, Qt::Orientation pOrientation,
                        int pRole = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    [[nodiscard]] bool loadData(const QStringList &pListFilenames);
    QString listFileName(int pListIndex) const;
    void setPriceUnit(const QString &pPriceUnit);

public slots:
    bool deleteList(int pListIndex);

private:
    enum class HeaderRead { Listed, Skipped, Failed };
    HeaderRead readListHeader(const QString &pFilename);

    QString mPriceUnit = QStringLiteral("$");
    QList<QHash<QString, QString>> mRows;
};
