#pragma once

#include <QList>
#include <QString>
#include <QStringBuilder>

// The visible rows of a list or catalogue: entries of row key and item index (-1 for a category
// header), kept sorted by key as a map would order them, so that row r is read in O(1) and a key
// is found in O(log n). Entries of equal key stand together, the most recently added first.
class kpRowIndex
{
public:
    static constexpr int HeaderItem = -1;

    // Keys in category order: a header's key is the category and ":", which every key of its
    // items starts with, so that the header comes right before them.
    static QString headerKey(const QString &pCategory) { return pCategory + QLatin1Char(':'); }
    // Made in one piece: rebuilding the rows makes one per item.
    static QString itemKey(const QString &pCategory, const QString &pName)
    {
        return pCategory % QLatin1Char(':') % pName;
    }
    static QString categoryOfKey(const QString &pKey)
    {
        return pKey.section(QLatin1Char(':'), 0, 0);
    }

    struct Entry
    {
        QString key;
        int item = HeaderItem;
    };

    int size() const { return int(mEntries.size()); }
    bool isEmpty() const { return mEntries.isEmpty(); }
    const Entry &at(int pRow) const { return mEntries.at(pRow); }
    bool isRow(int pRow) const { return pRow >= 0 && pRow < size(); }

    // The row of the first entry with this key, or -1.
    int find(const QString &pKey) const;
    bool contains(const QString &pKey) const { return find(pKey) >= 0; }

    // The row that add() would give an entry of this key.
    int insertionRow(const QString &pKey) const { return int(lowerBound(pKey)); }
    // Adds an entry before any of equal key; returns its row.
    int add(const QString &pKey, int pItem);
    // Gives the first entry of this key the item, or adds one; returns its row.
    int set(const QString &pKey, int pItem);
    void removeAt(int pRow) { mEntries.removeAt(pRow); }
    void clear() { mEntries.clear(); }

    // Rebuilding from scratch: append entries in any order, then sort once. Entries of equal key
    // end up as add() would have placed them when appended in item order.
    void append(const QString &pKey, int pItem) { mEntries.append({pKey, pItem}); }
    void sort();
    // The same, but of entries with equal keys only the last appended stays, as a map keeps the
    // last value set.
    void sortKeepingLast();

private:
    qsizetype lowerBound(const QString &pKey) const;

    QList<Entry> mEntries;
};
