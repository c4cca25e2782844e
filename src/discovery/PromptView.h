#pragma once

#include <QWidget>

class QLabel;
struct DetailsListModelDatas;

// The design's title, description and prompt words, as they come.
class PromptView : public QWidget {
    Q_OBJECT
public:
    explicit PromptView(QWidget* parent = nullptr);

    void setItem(const DetailsListModelDatas& item);

    QLabel* titleLabel() const { return m_title; }
    QLabel* descLabel() const { return m_desc; }
    QLabel* promptLabel() const { return m_prompt; }

private:
    QLabel* m_title;
    QLabel* m_desc;
    QLabel* m_prompt;
};
