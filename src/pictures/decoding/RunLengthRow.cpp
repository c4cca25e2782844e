#include "pictures/decoding/RunLengthRow.h"

RunLengthRow::RunLengthRow(int width, const QList<QRgb>& palette)
    : m_width(width)
    , m_palette(palette)
{
}

// Runs this many pixels long on average, or shorter, make a row pixels: the
// averager sums a pixel for about what a run costs it, and a pixel takes a
// third of a run's memory.
bool RunLengthRow::areShort(qint64 runs) const
{
    constexpr qint64 shortRun = 8;
    return runs * shortRun > m_width;
}

void RunLengthRow::append(int x, int count, QRgb colour)
{
    // The pixels skipped before x, then the run, each joined to the run
    // before it when of its colour.
    const auto join = [this](int from, int length, QRgb joined) {
        if (length <= 0)
            return;
        if (!m_runs.empty() && m_runs.back().colour == joined && m_runs.back().x + m_runs.back().length == from)
            m_runs.back().length += length;
        else
            m_runs.push_back({ from, length, joined });
    };
    const int covered = m_runs.empty() ? 0 : m_runs.back().x + m_runs.back().length;
    join(covered, x - covered, m_palette[0]);
    join(x, count, colour);
    if (areShort(qint64(m_runs.size())))
        becomePixels();
}

void RunLengthRow::becomePixels()
{
    m_pixels.assign(size_t(m_width), rgba(m_palette[0]));
    for (const AreaAverager::Run& run : m_runs)
        std::fill_n(m_pixels.data() + run.x, run.length, rgba(run.colour));
    m_runs.clear();
    m_asPixels = true;
}

void RunLengthRow::addTo(AreaAverager& averager, int count)
{
    if (!m_asPixels)
        append(m_width, 0, m_palette[0]); // the pixels after the last run
    if (m_asPixels)
        averager.add(reinterpret_cast<const uchar*>(m_pixels.data()), count);
    else
        averager.add(m_runs, count);
    m_runs.clear();
    m_asPixels = false;
    if (areShort(m_fills))
        becomePixels();
    else
        m_pixels.clear();
    m_fills = 0;
}
