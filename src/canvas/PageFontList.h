#pragma once

// The shipped fonts one canvas page has been given. The list goes to the page
// before every design load; a family it already has is left out, so that the
// page isn't handed (and doesn't compile and keep) the whole list on each open.

#include <QSet>
#include <QString>

class PageFontList {
public:
    // The entries of the JSON array `fonts` whose family the page hasn't been
    // given yet, as a JSON array, and notes them as given. Text that isn't a
    // JSON array goes on unchanged, for the page to report.
    QString takeNew(const QString& fonts);
    // A new page starts without any.
    void clear() { m_families.clear(); }

private:
    QSet<QString> m_families;
};
