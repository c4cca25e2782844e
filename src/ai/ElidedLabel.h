#pragma once

#include <QColor>
#include <QWidget>

// Server text shown verbatim on one line, or on up to a given number of
// lines, broken between words and inside a word wider than the label: what
// still does not fit is elided with "…" at the end of the last line, with the
// whole text as the tool tip then.
class ElidedLabel : public QWidget {
    Q_OBJECT
public:
    ElidedLabel(const QString& text, int pixelSize, QFont::Weight weight, QColor color, QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);
    void setColor(const QColor& color);
    void setAlignment(Qt::Alignment alignment);
    // One line unless told otherwise.
    void setMaximumLineCount(int count);
    // The lines as the label shows them.
    QStringList shownLines() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Shown {
        QStringList lines;
        bool elided = false;
    };
    Shown layOut() const;
    void updateToolTip();

    QString m_text;
    QColor m_color;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    int m_maximumLineCount = 1;
};
