#pragma once

#include "ai/AIEvents.h"

#include <QString>

class QColor;
class QVBoxLayout;
class QWidget;
class TagView;

// Paints `widget`'s background in `color`.
void fillColor(QWidget* widget, const QColor& color);

// The title row of a wizard step (and of a free creator section): the
// localised text of `key`, 14-point semibold in 0xF8F9FA, at the left.
QWidget* stepTitle(const QString& key, QWidget* parent = nullptr);

// Lays out `owner` as a column headed by stepTitle(key), `titleGap` above
// what follows, with `sideInset` on both sides; returns it for the rest.
QVBoxLayout* titledColumn(QWidget* owner, const QString& key, int sideInset, int titleGap);

// Lays out `owner` as a "Symbol selection" column: the title, `titleGap`
// below it the chips of `tags`, and free space below. `sideInset` is the
// column's margin on both sides.
void layOutSymbolSelection(QWidget* owner, TagView* tags, int sideInset, int titleGap);

// The failure callback of the AI page's list requests: tells the page that
// the latest load of `list` failed.
void reportStepLoadFailure(AILogoViewEvent::AILogoList list);

// Tells the page that the latest load of `list` succeeded.
void reportStepLoadSuccess(AILogoViewEvent::AILogoList list);
