#pragma once

#include "model/Step3Model.h"

#include <QList>
#include <QWidget>

// The symbol keywords as chips that wrap at the view's width. The view's
// height follows its rows (heightForWidth), so what lies below moves with
// them. A tap posts Step3ViewEventBus::Step3ViewSelectEvent with the chip's
// position and the view's `isFree`; the owner updates the selection and
// hands the list back with setTags().
class TagView : public QWidget {
    Q_OBJECT
public:
    static constexpr double chipInnerPadding = 10;
    static constexpr double chipHeight = 24;
    static constexpr double chipOuterPadding = 4;
    static constexpr double rowPitch = chipHeight + 2 * chipOuterPadding;

    explicit TagView(bool isFree = false, QWidget* parent = nullptr);

    void setTags(const QList<Step3ModelContentData>& tags);
    const QList<Step3ModelContentData>& tags() const { return m_tags; }
    bool isFree() const { return m_isFree; }

    // The chips' frames at `width`, outer padding included.
    QList<QRectF> chipFrames(double width) const;
    void selectTag(int index);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return QSize(0, 0); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QFont chipFont() const;
    // The chip's padded width for `word`, never wider than `width` allows.
    double chipWidth(const QString& word, double width) const;
    QString shownWord(const QString& word, const QRectF& frame) const;
    int chipAt(const QPointF& point) const;

    QList<Step3ModelContentData> m_tags;
    bool m_isFree;
};
