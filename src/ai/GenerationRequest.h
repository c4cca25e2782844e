#pragma once

#include <QtGlobal>

// The ids a generation sends, read from the committed selection globals; an
// id that does not read as a decimal integer is sent as -1, leaving the
// verdict to the service.
struct GenerationRequest {
    qint64 tradeId = -1;
    qint64 styleId = -1;
    qint64 contentId = -1;

    static GenerationRequest fromGlobals();
};
