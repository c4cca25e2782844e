#pragma once

#include <QHash>
#include <QString>

// A keyword chip as a value. Hash and equality both cover `title` and
// `isSelected`, so equal items always hash alike.
struct TagViewItem {
    QString title;
    QString id;
    QString level;
    bool isSelected = false;

    friend bool operator==(const TagViewItem& a, const TagViewItem& b)
    {
        return a.title == b.title && a.isSelected == b.isSelected;
    }
};

inline size_t qHash(const TagViewItem& item, size_t seed = 0)
{
    return qHashMulti(seed, item.title, item.isSelected);
}
