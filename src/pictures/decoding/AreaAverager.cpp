#include "pictures/decoding/AreaAverager.h"

#include <algorithm>

namespace {

// The source pixels [start, end) that pixel `i` of `to` covers along a side of `from`.
int start(int i, int from, int to)
{
    return int(qint64(i) * from / to);
}

int end(int i, int from, int to)
{
    return qMax(start(i, from, to) + 1, start(i + 1, from, to));
}

} // namespace

AreaAverager::AreaAverager(QSize source, QImage& result)
    : m_result(result)
    , m_source(source)
    , m_alpha(result.format() == QImage::Format_ARGB32_Premultiplied)
{
    const int width = result.width();
    // Narrowing, the result's columns cover the source's apart; widening,
    // each covers one source column, which several share.
    const bool narrowing = source.width() > width;
    const int bins = narrowing ? width : source.width();
    for (int bin = 0; bin < bins; ++bin) {
        m_binStart.push_back(narrowing ? start(bin, source.width(), width) : bin);
        m_binEnd.push_back(narrowing ? end(bin, source.width(), width) : bin + 1);
    }
    for (int x = 0; x < width; ++x)
        m_binOfColumn.push_back(narrowing ? x : start(x, source.width(), width));
    m_sums.assign(size_t(bins) * 4, 0);
    m_targetRowEnd = end(0, source.height(), result.height());
}

// Sums `count` source rows alike, with `accumulate(rows)` adding that many of
// them to the bins, and writes each row of the result they complete.
template <class Accumulate> void AreaAverager::addRows(int count, Accumulate accumulate)
{
    while (count > 0 && m_targetRow < m_result.height()) {
        // The rows of the stretch that the result's current row covers.
        const int rows = qMin(count, m_targetRowEnd - m_sourceRow);
        accumulate(quint64(rows));
        m_sourceRow += rows;
        count -= rows;
        if (m_sourceRow < m_targetRowEnd)
            return;
        // The result's rows that end here: one at most when narrowing, each
        // of those the last source row alone covers when widening.
        while (m_targetRow < m_result.height() && m_targetRowEnd == m_sourceRow) {
            finishRow(m_sourceRow - start(m_targetRow, m_source.height(), m_result.height()));
            ++m_targetRow;
            m_targetRowEnd = end(m_targetRow, m_source.height(), m_result.height());
        }
        std::fill(m_sums.begin(), m_sums.end(), 0);
    }
}

void AreaAverager::add(const uchar* rgba, int count)
{
    addRows(count, [&](quint64 rows) { accumulate(rgba, rows); });
}

void AreaAverager::add(const std::vector<Run>& runs, int count)
{
    addRows(count, [&](quint64 rows) { accumulate(runs, rows); });
}

void AreaAverager::accumulate(const uchar* rgba, quint64 count)
{
    quint64* sum = m_sums.data();
    for (size_t bin = 0; bin < m_binStart.size(); ++bin, sum += 4) {
        const uchar* const last = rgba + m_binEnd[bin] * 4;
        quint64 red = 0;
        quint64 green = 0;
        quint64 blue = 0;
        quint64 alpha = 0;
        if (!m_alpha) {
            for (const uchar* p = rgba + m_binStart[bin] * 4; p < last; p += 4) {
                red += p[0];
                green += p[1];
                blue += p[2];
            }
        } else {
            for (const uchar* p = rgba + m_binStart[bin] * 4; p < last; p += 4) {
                const quint64 weight = p[3];
                red += p[0] * weight;
                green += p[1] * weight;
                blue += p[2] * weight;
                alpha += weight;
            }
        }
        sum[0] += red * count;
        sum[1] += green * count;
        sum[2] += blue * count;
        sum[3] += alpha * count;
    }
}

void AreaAverager::accumulate(const std::vector<Run>& runs, quint64 count)
{
    // The runs go left to right, and so does the bin the next one starts in.
    size_t bin = 0;
    for (const Run& run : runs) {
        const int runEnd = run.x + run.length;
        while (bin + 1 < m_binEnd.size() && m_binEnd[bin] <= run.x)
            ++bin;
        const quint64 alpha = m_alpha ? quint64(qAlpha(run.colour)) : 1;
        const quint64 colour[]
            = { qRed(run.colour) * alpha, qGreen(run.colour) * alpha, qBlue(run.colour) * alpha, m_alpha ? alpha : 0 };
        for (size_t covered = bin; covered < m_binStart.size() && m_binStart[covered] < runEnd; ++covered) {
            const quint64 pixels = quint64(qMin(m_binEnd[covered], runEnd) - qMax(m_binStart[covered], run.x)) * count;
            for (size_t channel = 0; channel < 4; ++channel)
                m_sums[covered * 4 + channel] += colour[channel] * pixels;
        }
    }
}

void AreaAverager::finishRow(int rows)
{
    auto* out = reinterpret_cast<QRgb*>(m_result.scanLine(m_targetRow));
    // In doubles, which divide faster: a sum is at most 255 * 255 a pixel of a
    // picture within the bound, far below 2^53, so the quotient's floor is exact.
    const auto mean = [](quint64 total, quint64 n) { return int(double(total + n / 2) / double(n)); };
    for (size_t column = 0; column < m_binOfColumn.size(); ++column) {
        const int bin = m_binOfColumn[column];
        const quint64* sum = m_sums.data() + size_t(bin) * 4;
        const quint64 count = quint64(m_binEnd[size_t(bin)] - m_binStart[size_t(bin)]) * quint64(rows);
        const quint64 colourCount = m_alpha ? count * 255 : count;
        out[column] = qRgba(mean(sum[0], colourCount), mean(sum[1], colourCount), mean(sum[2], colourCount),
            m_alpha ? mean(sum[3], count) : 255);
    }
}
