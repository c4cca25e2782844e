#pragma once

#include <QWidget>

// One line of the export sheet's option card: a check mark and a title.
class ExportViewSheetItem : public QWidget {
    Q_OBJECT
public:
    ExportViewSheetItem(const QString& title, QWidget* parent);
};
