#pragma once

#include <QString>
#include <iosfwd>

// A design's id on the server. Ids arrive as decimal text and travel as a
// number: in the detail and delete requests, in the delete selection, to the
// editor and into its save, which sends the number's decimal text. A text
// that is no decimal integer becomes the fallback of the place reading it.
class DesignId {
public:
    // What an id text that does not read as a number becomes, by where it is read.
    enum class Unreadable : qint64 {
        // A template card, a similar design, a saved design's tile and its
        // tick box: the page asks the server for this id as it is.
        OnPage = -1,
        // The first saved design, opened in the editor after picture-to-logo.
        InEditor = 0,
    };

    // The id of a page that has opened no design yet.
    constexpr DesignId() = default;
    // An id the application already holds as a number.
    constexpr DesignId(qint64 number)
        : m_number(number)
    {
    }
    // An id as the server sent it.
    static DesignId fromText(const QString& text, Unreadable fallback);

    constexpr qint64 number() const { return m_number; }
    // The decimal text the save sends.
    QString text() const { return QString::number(m_number); }

    friend constexpr bool operator==(const DesignId&, const DesignId&) = default;

private:
    qint64 m_number = -1;
};

// For test and log output.
std::ostream& operator<<(std::ostream& out, DesignId id);
