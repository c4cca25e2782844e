#pragma once

#include <QWidget>

// The settings page's title bar.
class SettingViewTitleView : public QWidget {
    Q_OBJECT
public:
    explicit SettingViewTitleView(QWidget* parent = nullptr);
};
