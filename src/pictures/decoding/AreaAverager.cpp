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
    , m_sums(size_t(result.width()) * 4, 0)
{
    for (int x = 0; x < result.width(); ++x) {
        m_columnStart.push_back(start(x, source.width(), result.width()));
        m_columnEnd.push_back(end(x, source.width(), result.width()));
    }
}

void AreaAverager::add(const uchar* rgba)
{
    const int y = m_sourceRow++;
    while (m_targetRow < m_result.height() && start(m_targetRow, m_source.height(), m_result.height()) <= y) {
        accumulate(rgba);
        const int rowEnd = end(m_targetRow, m_source.height(), m_result.height());
        if (y + 1 < rowEnd)
            return;
        finishRow(rowEnd - start(m_targetRow, m_source.height(), m_result.height()));
        ++m_targetRow;
    }
}

void AreaAverager::accumulate(const uchar* rgba)
{
    quint64* sum = m_sums.data();
    for (size_t column = 0; column < m_columnStart.size(); ++column, sum += 4) {
        const uchar* const last = rgba + m_columnEnd[column] * 4;
        if (!m_alpha) {
            for (const uchar* p = rgba + m_columnStart[column] * 4; p < last; p += 4) {
                sum[0] += p[0];
                sum[1] += p[1];
                sum[2] += p[2];
            }
            continue;
        }
        for (const uchar* p = rgba + m_columnStart[column] * 4; p < last; p += 4) {
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
    quint64* sum = m_sums.data();
    for (size_t column = 0; column < m_columnStart.size(); ++column, sum += 4) {
        const quint64 count = quint64(m_columnEnd[column] - m_columnStart[column]) * quint64(rows);
        const quint64 colourCount = m_alpha ? count * 255 : count;
        const auto mean = [](quint64 total, quint64 n) { return int((total + n / 2) / n); };
        out[column] = qRgba(mean(sum[0], colourCount), mean(sum[1], colourCount), mean(sum[2], colourCount),
            m_alpha ? mean(sum[3], count) : 255);
        std::fill_n(sum, 4, 0);
    }
}
