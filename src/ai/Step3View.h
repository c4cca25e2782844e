#pragma once

#include "model/Step3Model.h"

#include <QList>
#include <QWidget>

class TagView;

// Wizard step 3, "Symbol selection": the symbols of the industry chosen in
// step 1 as chips, exactly one chosen. Reloads on each new industry; only
// the reply to the latest request is applied. While its last load failed it
// also answers the refresh event, so a Retry reloads it. The symbol chosen is
// the ticked industry's own only once that industry's list has come with one;
// until then (loading, failed or empty) the one chosen is another's.
class Step3View : public QWidget {
    Q_OBJECT
public:
    explicit Step3View(QWidget* parent = nullptr);

    void reloadAfterStep1();
    void loadSymbols();
    void applySymbols(const Step3Model& model);
    void selectSymbol(int index);

    const QList<Step3ModelContentData>& data() const { return m_data; }
    TagView* tagView() const { return m_tagView; }
    bool hasOwnSymbol() const { return m_hasOwnSymbol; }

Q_SIGNALS:
    void hasOwnSymbolChanged(bool hasOwnSymbol);

private:
    void setData(const QList<Step3ModelContentData>& data);
    void setHasOwnSymbol(bool hasOwnSymbol);

    QList<Step3ModelContentData> m_data;
    TagView* m_tagView;
    int m_latestRequest = 0;
    bool m_lastLoadFailed = false;
    bool m_hasOwnSymbol = false;
};
