#pragma once

#include "ai/IndustryIndex.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class MailSection;
class QScrollArea;
class QVBoxLayout;

// The wizard's industries as one scrolling column of rows, grouped by key
// and without headings. When the keys change it selects the first industry
// once (on the first list) and announces the choice 2 ms later.
class Step1ViewList : public QWidget {
    Q_OBJECT
public:
    explicit Step1ViewList(QWidget* parent = nullptr);

    // Shows the grouped names; a change of `letters` schedules the automatic
    // selection.
    void setGroups(const IndustryIndex::Groups& groups, const QStringList& letters);

    // Selects the industry named `name`: tells the rows, writes the wizard's
    // industry globals.
    void selectIndustry(const QString& name);

    const QStringList& letters() const { return m_letters; }
    bool isFrist() const { return m_isFrist; }
    bool isSelect() const { return m_isSelect; }
    QList<MailSection*> rows() const { return m_rows; }

private:
    void lettersChanged();
    void autoSelectFirst();
    void rowTapped(const QString& name);
    void rebuildRows();

    IndustryIndex::Groups m_groups;
    QStringList m_letters;
    QString m_selectedName;
    bool m_isFrist = true;
    bool m_isSelect = false;
    QScrollArea* m_scrollArea;
    QWidget* m_content;
    QVBoxLayout* m_column;
    QList<MailSection*> m_rows;
};
