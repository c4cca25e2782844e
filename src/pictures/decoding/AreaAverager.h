#pragma once

#include <QImage>
#include <QSize>
#include <vector>

// Averages rows of 8-bit RGBA pixels into `result` as they arrive, top down,
// so that a large picture is scaled without being held: each pixel of the
// result is the mean of the source pixels its area covers (one source pixel,
// repeated, where the result is the larger). In an ARGB32_Premultiplied
// result colours are averaged weighted by their alpha, which gives them
// premultiplied; an RGB32 one takes the colours alone.
//
// A source row is summed once, into bins of the narrower side: one a result
// column where the result is the narrower, one a source column where it is
// the wider; and each result row is written from the bins once. So the work
// is the source's pixels plus the result's, whichever side is larger. A row
// repeated `count` times is summed once for each result row it reaches, so
// a stretch of like rows costs what the result's rows it covers cost; and a
// row given as runs of one colour costs its runs and the bins they reach,
// not its width.
class AreaAverager {
public:
    // Pixels [x, x + length) of a row, all `colour`.
    struct Run {
        int x = 0;
        int length = 0;
        QRgb colour = 0;
    };

    AreaAverager(QSize source, QImage& result);

    // A row, `count` times.
    void add(const uchar* rgba, int count = 1);
    // A row as runs that cover it, left to right, `count` times.
    void add(const std::vector<Run>& runs, int count = 1);

private:
    template <class Accumulate> void addRows(int count, Accumulate accumulate);
    void accumulate(const uchar* rgba, quint64 count);
    void accumulate(const std::vector<Run>& runs, quint64 count);
    void finishRow(int rows);

    QImage& m_result;
    QSize m_source;
    bool m_alpha;
    std::vector<int> m_binStart; // the source columns [start, end) each bin sums
    std::vector<int> m_binEnd;
    std::vector<int> m_binOfColumn; // per column of the result
    std::vector<quint64> m_sums; // per bin: red, green, blue, alpha
    int m_sourceRow = 0;
    int m_targetRow = 0;
    int m_targetRowEnd = 0; // the source row after the last that the result's current row covers
};
