#include "model/RecordDefaults.h"

#include "core/Localization.h"

#include <array>
#include <cstdio>
#include <random>
#include <string>

namespace RecordDefaults {

namespace {

thread_local DeferredDefaults* t_deferred = nullptr;

// Copies share this text's static storage, which tells a pending identity
// apart from any text a reply can hold.
const QString& pendingIdentity()
{
    static const QString marker = QStringLiteral("pending identity");
    return marker;
}

QString newUUID()
{
    // Reply decoding makes one identity per record (tens of thousands for a
    // full template catalogue), so a seeded generator beats a system call each.
    thread_local std::mt19937_64 generator { std::random_device {}() };
    std::uint64_t high = generator();
    std::uint64_t low = generator();
    high = (high & 0xFFFFFFFFFFFF0FFFULL) | 0x0000000000004000ULL; // version 4
    low = (low & 0x3FFFFFFFFFFFFFFFULL) | 0x8000000000000000ULL; // RFC 4122 variant

    static constexpr char digits[] = "0123456789ABCDEF";
    std::array<QChar, 36> text;
    int position = 0;
    auto put = [&](std::uint64_t value, int nibbles) {
        for (int i = nibbles - 1; i >= 0; --i) {
            if (position == 8 || position == 13 || position == 18 || position == 23)
                text[position++] = QLatin1Char('-');
            text[position++] = QLatin1Char(digits[(value >> (i * 4)) & 0xF]);
        }
    };
    put(high, 16);
    put(low, 16);
    return QString(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString freshUUID()
{
    if (t_deferred && t_deferred->m_active)
        return pendingIdentity();
    return newUUID();
}

void assignIdentity(QString& id)
{
    if (id.constData() == pendingIdentity().constData())
        id = newUUID();
}

DeferredDefaults::DeferredDefaults()
    : m_outer(t_deferred)
{
    t_deferred = this;
}

DeferredDefaults::~DeferredDefaults()
{
    t_deferred = m_outer;
}

void DeferredDefaults::stop()
{
    m_active = false;
}

void DeferredDefaults::commit()
{
    if (m_committed || m_lines == 0)
        return;
    m_committed = true;
    const std::string lines(static_cast<std::size_t>(m_lines), '\n');
    std::fwrite(lines.data(), 1, lines.size(), stdout);
    std::fflush(stdout);
}

QString missingMessageText()
{
    return localized(QStringLiteral("Network_errorCode_null"));
}

void announceConstruction()
{
    if (t_deferred && t_deferred->m_active) {
        ++t_deferred->m_lines;
        return;
    }
    std::fputc('\n', stdout);
}

} // namespace RecordDefaults
