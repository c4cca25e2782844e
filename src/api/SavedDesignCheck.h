#pragma once

// Asks the server whether it holds what a save sent, for a save whose own
// answer was lost (time-out, dropped connection) or could not be read. All
// the protocol offers for this is the design list and each design's SVG
// file: an update is found when the design's stored SVG is what was sent; a
// new design when a design that was not listed before the save began has
// the SVG that was sent.

#include <QByteArray>
#include <QSet>
#include <QString>
#include <functional>
#include <optional>

class SavedDesignCheck {
public:
    enum class Outcome { Found, NotFound, CheckFailed };

    struct Probe {
        QString itemId;
        // "design" updates the design `itemId`; any other kind makes a new design.
        QString kind;
        // The SVG as sent.
        QByteArray svg;
        // The ids listed before a new design was sent; none when they could not be had.
        std::optional<QSet<QString>> idsBefore;
    };

    // The ids of the user's designs as the server lists them now, or none.
    static void listDesignIds(std::function<void(std::optional<QSet<QString>>)> done);

    // Runs `done` once, on the main thread.
    static void run(Probe probe, std::function<void(Outcome)> done);
};
