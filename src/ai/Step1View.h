#pragma once

#include "ai/IndustryIndex.h"

#include <QWidget>

class Step1ViewList;

// Wizard step 1, "Select Industry": loads the industries, groups them by
// first letter and lists them. Only the reply to the latest request is
// applied.
class Step1View : public QWidget {
    Q_OBJECT
public:
    explicit Step1View(QWidget* parent = nullptr);

    void loadIndustries();
    void applyIndustries(const Step1Model& reply);

    const IndustryIndex::Groups& firstLetterToNamesMap() const { return m_firstLetterToNamesMap; }
    Step1ViewList* list() const { return m_list; }

private:
    IndustryIndex::Groups m_firstLetterToNamesMap;
    Step1ViewList* m_list;
    int m_latestRequest = 0;
};
