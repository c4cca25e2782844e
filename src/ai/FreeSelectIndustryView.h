#pragma once

#include <QList>
#include <QWidget>

class FreeChoices;

// The free creator's industry section: "Select Industry" and a checkbox row
// for each of the reply's first two industries. A tap chooses the industry
// and posts FreeViewEventBus::step1SelectId2Event.
class FreeSelectIndustryView : public QWidget {
    Q_OBJECT
public:
    static constexpr int rowCount = 2;

    FreeSelectIndustryView(FreeChoices* choices, QWidget* parent = nullptr);

    // Shows the choices as they are now.
    void refresh();
    void chooseIndustry(int index);
    QList<QWidget*> rows() const;

private:
    class Row;

    FreeChoices* m_choices;
    QList<Row*> m_rows;
};
