#pragma once

// The latest design load's SVG, held until the page takes it over the
// channel. Design data must not travel inside script text: the web engine
// compiles every script it is given and keeps its source.

#include <QString>
#include <QtGlobal>
#include <optional>

enum class SvgEncoding { Text, Base64 };

class HeldDesign {
public:
    struct Design {
        SvgEncoding encoding = SvgEncoding::Text;
        QString svg;
    };

    // Replaces whatever was held: only the latest load can still be drawn.
    void hold(qint64 token, Design design);
    // The design held for `token`, handed out once; nothing for any other
    // token.
    std::optional<Design> take(qint64 token);
    // The design held for `token`, left in place; null for any other token.
    const Design* find(qint64 token) const;
    void clear() { m_design.reset(); }

private:
    qint64 m_token = 0;
    std::optional<Design> m_design;
};
