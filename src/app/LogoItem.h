#pragma once

#include <QWidget>

// The product header at the top of the sidebar: the application icon and
// its name.
class LogoItem : public QWidget {
    Q_OBJECT
public:
    explicit LogoItem(QWidget* parent = nullptr);
};
