#pragma once

#include "model/Step2Model.h"

#include <QList>
#include <QWidget>

class QGrid;
class RealisticStyleSingleView;

// Wizard step 2, "What style would you prefer?": the styles of the first two
// groups of the reply, one grid row each, one style selected across both.
// Choosing a style writes it as the wizard's style and as the one a
// generation sends. Only the reply to the latest request is applied.
class Step2View : public QWidget {
    Q_OBJECT
public:
    explicit Step2View(QWidget* parent = nullptr);

    void loadStyles();
    void applyStyles(const Step2Model& model);
    void select(const Step2ModelStylesContentData& style);

    const QString& selectIndex() const { return m_selectIndex; }
    const QList<Step2ModelStylesContentData>& style1Data() const { return m_style1Data; }
    const QList<Step2ModelStylesContentData>& style2Data() const { return m_style2Data; }
    QList<RealisticStyleSingleView*> cards() const;

private:
    void showSelection();
    static void writeStyle(const QString& id);

    QString m_selectIndex;
    QList<Step2ModelStylesContentData> m_style1Data;
    QList<Step2ModelStylesContentData> m_style2Data;
    QGrid* m_grid1;
    QGrid* m_grid2;
    int m_latestRequest = 0;
};
