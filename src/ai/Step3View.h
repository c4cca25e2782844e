#pragma once

#include "model/Step3Model.h"

#include <QList>
#include <QWidget>

class TagView;

// Wizard step 3, "Symbol selection": the symbols of the industry chosen in
// step 1 as chips, exactly one chosen. Reloads on each new industry; only
// the reply to the latest request is applied. While its last load failed it
// also answers the refresh event, so a Retry reloads it.
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

private:
    void setData(const QList<Step3ModelContentData>& data);

    QList<Step3ModelContentData> m_data;
    TagView* m_tagView;
    int m_latestRequest = 0;
    bool m_lastLoadFailed = false;
};
