#pragma once

#include "ai/AIEvents.h"

#include <QString>

class QWidget;

// The title row of a wizard step (and of a free creator section): the
// localised text of `key`, 14-point semibold in 0xF8F9FA, at the left.
QWidget* stepTitle(const QString& key, QWidget* parent = nullptr);

// The failure callback of the AI page's list requests: tells the page that
// the latest load of `list` failed.
void reportStepLoadFailure(AILogoViewEvent::AILogoList list);

// Tells the page that the latest load of `list` succeeded.
void reportStepLoadSuccess(AILogoViewEvent::AILogoList list);
