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

void AreaAverager::add(const uchar* rgba)
{
    const int y = m_sourceRow++;
    if (m_targetRow >= m_result.height())
        return;
    accumulate(rgba);
    // The result's rows that end with this source row: one at most when
    // narrowing, each of those this row alone covers when widening.
    if (y + 1 < m_targetRowEnd)
        return;
    while (m_targetRow < m_result.height() && m_targetRowEnd == y + 1) {
        finishRow(y + 1 - start(m_targetRow, m_source.height(), m_result.height()));
        ++m_targetRow;
        m_targetRowEnd = end(m_targetRow, m_source.height(), m_result.height());
    }
    std::fill(m_sums.begin(), m_sums.end(), 0);
}

void AreaAverager::accumulate(const uchar* rgba)
{
    quint64* sum = m_sums.data();
    for (size_t bin = 0; bin < m_binStart.size(); ++bin, sum += 4) {
        const uchar* const last = rgba + m_binEnd[bin] * 4;
        if (!m_alpha) {
            for (const uchar* p = rgba + m_binStart[bin] * 4; p < last; p += 4) {
                sum[0] += p[0];
                sum[1] += p[1];
                sum[2] += p[2];
            }
            continue;
        }
        for (const uchar* p = rgba + m_binStart[bin] * 4; p < last; p += 4) {
            const quint64 weight = p[3];
            sum[0] += p[0] * weight;
            sum[1] += p[1] * weight;
            sum[2] += p[2] * weight;
            sum[3] += weight;
        }
    }
}

void AreaAverager::finishRow(int rows)
{
    auto* out = reinterpret_cast<QRgb*>(m_result.scanLine(m_targetRow));
    const auto mean = [](quint64 total, quint64 n) { return int((total + n / 2) / n); };
    for (size_t column = 0; column < m_binOfColumn.size(); ++column) {
        const int bin = m_binOfColumn[column];
        const quint64* sum = m_sums.data() + size_t(bin) * 4;
        const quint64 count = quint64(m_binEnd[size_t(bin)] - m_binStart[size_t(bin)]) * quint64(rows);
        const quint64 colourCount = m_alpha ? count * 255 : count;
        out[column] = qRgba(mean(sum[0], colourCount), mean(sum[1], colourCount), mean(sum[2], colourCount),
            m_alpha ? mean(sum[3], count) : 255);
    }
}
