#pragma once

#include "kpModelRoles.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QString>
#include <QtQml/qqmlregistration.h>

// A fixed table of named rows in the current interface language: the languages, the currency
// units and the measure units. Each row is a map of "name" and, where the table has one, "code".
class kpTableDataModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ANONYMOUS

public:
    enum Roles {
        NameRole = kpModelRoles::First,
        CodeRole,
    };

    using Row = QHash<QString, QString>;

    int rowCount(const QModelIndex &pParent = QModelIndex()) const override;
    QVariant data(const QModelIndex &pIndex, int pRole = Qt::DisplayRole) const override;
    QVariant headerData(int pSection, Qt::Orientation pOrientation,
                        int pRole = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override { return mRoleNames; }

    // Builds the rows anew, their texts translated in the language now in force.
    void translateUi();

protected:
    kpTableDataModel(const QHash<int, QByteArray> &pRoleNames, QObject *pParent);

    virtual QList<Row> translatedRows() const = 0;
    // Values of roles beyond name and code; the same for every row.
    virtual QVariant tableValue(int pRole) const { return kpModelRoles::emptyValue(pRole); }

    // The row's value of the key, empty for a row outside the table.
    QString value(int pRow, const QString &pKey) const;

private:
    QHash<int, QByteArray> mRoleNames;
    QList<Row> mRows;
};
