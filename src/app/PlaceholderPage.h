#pragma once

#include <QWidget>

// An empty page of the main window's page size, standing in for a page that
// is not part of this build.
class PlaceholderPage : public QWidget {
    Q_OBJECT
public:
    explicit PlaceholderPage(QWidget* parent = nullptr);
};
