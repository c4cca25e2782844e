#include "ai/GeneratingView.h"

#include "ai/CustomVideoPlayer.h"
#include "ai/GeneratingProgressView.h"
#include "ai/GenerationRequest.h"
#include "api/APIFactory.h"
#include "core/RxBus.h"
#include "core/SharedEvents.h"

#include <QEasingCurve>
#include <QMediaPlayer>
#include <QTimer>
#include <QVBoxLayout>
#include <QVariantAnimation>

namespace {
constexpr QSize videoSize(500, 300);
constexpr int videoTop = 40;
constexpr int barGap = 10;

// The ease-in curve of the bar and the fade: cubic Bézier (0.42, 0), (1, 1).
QEasingCurve easeIn()
{
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0.42, 0), QPointF(1, 1), QPointF(1, 1));
    return curve;
}

QVariantAnimation* makeAnimation(QObject* owner, double from, double to, std::chrono::milliseconds duration)
{
    auto* animation = new QVariantAnimation(owner);
    animation->setStartValue(from);
    animation->setEndValue(to);
    animation->setDuration(int(duration.count()));
    animation->setEasingCurve(easeIn());
    return animation;
}

QList<qint64> oneId(qint64 id)
{
    return QList<qint64> { id };
}
} // namespace

std::chrono::milliseconds GeneratingView::gateDuration { 7000 };
const QString GeneratingView::videoName = QStringLiteral("生成粒子动画-mac版本4");

GeneratingView::GeneratingView(QWidget* parent)
    : QWidget(parent)
    , m_player(new QMediaPlayer(this))
    , m_video(new CustomVideoPlayer(m_player, this))
    , m_progress(new GeneratingProgressView(this))
    , m_barAnimation(makeAnimation(this, 0, barTarget, gateDuration))
    , m_fadeAnimation(makeAnimation(this, 1, 0, fadeDuration))
    , m_gate(new QTimer(this))
{
    m_player->setSource(bundledVideoUrl(videoName));
    m_video->setFixedSize(videoSize);
    m_video->setBackgroundColor(QColor(0x1E, 0x1E, 0x1E));
    // Only the light particles show over the screen's colour.
    m_video->setBlendMode(QPainter::CompositionMode_Lighten);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, videoTop, 0, 0);
    column->addWidget(m_video, 0, Qt::AlignHCenter);
    column->addSpacing(barGap);
    column->addWidget(m_progress, 0, Qt::AlignHCenter);
    column->addStretch();

    connect(m_barAnimation, &QVariantAnimation::valueChanged, m_progress,
        [this](const QVariant& value) { m_progress->setAnimWidth(value.toDouble()); });
    connect(m_fadeAnimation, &QVariantAnimation::valueChanged, m_progress,
        [this](const QVariant& value) { m_progress->setAnimTextOpacity(value.toDouble()); });
    m_gate->setSingleShot(true);
    m_gate->setInterval(gateDuration);
    connect(m_gate, &QTimer::timeout, this, &GeneratingView::gateReached);
}

void GeneratingView::cancel()
{
    m_finished = true;
    m_gate->stop();
    m_barAnimation->stop();
    m_fadeAnimation->stop();
    m_video->stop();
}

void GeneratingView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_started)
        start();
}

void GeneratingView::start()
{
    m_started = true;
    m_video->play();
    m_progress->setAnimWidth(0);
    sendRequest();
    m_gate->start();
    m_barAnimation->start();
}

void GeneratingView::sendRequest()
{
    const GenerationRequest request = GenerationRequest::fromGlobals();
    makeAiMake(
        request.tradeId, oneId(request.styleId), oneId(request.contentId), QStringLiteral("1"),
        [this](const AiMakeModel& reply) {
            if (reply.status == 0)
                requestSucceeded(reply.data.item.img);
            else
                requestFailed();
        },
        [this] { requestFailed(); }, this);
}

void GeneratingView::requestSucceeded(const QString& image)
{
    if (m_finished)
        return;
    m_isSuccess = true;
    m_generatedImage = image;
    if (m_gatePassed)
        handOver();
}

void GeneratingView::requestFailed()
{
    if (m_finished)
        return;
    cancel();
    Q_EMIT generationFailed();
}

void GeneratingView::gateReached()
{
    m_gatePassed = true;
    if (!m_isSuccess)
        return;
    m_fadeAnimation->start();
    handOver();
}

void GeneratingView::handOver()
{
    if (m_finished)
        return;
    m_finished = true;
    RxBus::shared().post(GeneratingViewEventBus::ToMyDesignPageEvent { false });
}
