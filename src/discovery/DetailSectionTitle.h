#pragma once

#include <QString>

class QLabel;
class QWidget;

// A section heading of the detail page: the localised title at 16 points in
// 0xE9ECEF, at the leading edge of its column.
QLabel* detailSectionTitle(const QString& titleKey, QWidget* parent = nullptr);
