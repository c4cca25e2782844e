// Draws the application's short video clips frame by frame and writes them as
// raw RGB24 frames to standard output, for ffmpeg to encode (see
// scripts/make-clips). Not part of the application.
//
//   tessaly-clipgen KIND WIDTH HEIGHT SECONDS FPS > frames.rgb
//
// KIND is "gather" (light particles gathering into a ring mark and parting
// again), "bloom" (the same with a square mark) or "picture" (a picture card
// whose colours flow into a mark). Every clip loops seamlessly: each motion
// runs a whole number of periods over the clip's length.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cmath>
#include <cstdio>
#include <memory>
#include <numbers>
#include <vector>

namespace {

constexpr double kTau = 2.0 * std::numbers::pi;
const QColor kGround(6, 7, 8);
const QColor kTeal(0x5C, 0xCC, 0xAA);
const QColor kGreen(0x60, 0xD7, 0x33);

struct Particle {
    QPointF scattered;
    QPointF target;
    double orbitRadius;
    int orbitTurns;
    double phase;
    double size;
    double hue;
};

QColor mix(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
        a.blueF() + (b.blueF() - a.blueF()) * t);
}

// Points spread evenly along a closed path.
std::vector<QPointF> pointsAlong(const QPainterPath& path, int count)
{
    std::vector<QPointF> points;
    for (int i = 0; i < count; ++i)
        points.push_back(path.pointAtPercent(double(i) / count));
    return points;
}

QPainterPath ringMark(QPointF centre, double radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    QPainterPath inner;
    const double r = radius * 0.55;
    for (int i = 0; i < 3; ++i) {
        const double a = -std::numbers::pi / 2 + i * kTau / 3;
        const QPointF p = centre + QPointF(std::cos(a) * r, std::sin(a) * r);
        i == 0 ? inner.moveTo(p) : inner.lineTo(p);
    }
    inner.closeSubpath();
    path.addPath(inner);
    return path;
}

QPainterPath squareMark(QPointF centre, double radius)
{
    QPainterPath path;
    path.addRoundedRect(
        QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)), radius * 0.3, radius * 0.3);
    path.addEllipse(centre, radius * 0.45, radius * 0.45);
    return path;
}

std::vector<Particle> makeParticles(const QPainterPath& mark, QRectF area, int count, quint32 seed)
{
    QRandomGenerator random(seed);
    const std::vector<QPointF> targets = pointsAlong(mark, count);
    std::vector<Particle> particles;
    for (const QPointF& target : targets) {
        Particle p;
        p.scattered = QPointF(area.left() + random.bounded(area.width()), area.top() + random.bounded(area.height()));
        p.target = target + QPointF(random.bounded(3.0) - 1.5, random.bounded(3.0) - 1.5);
        p.orbitRadius = 4 + random.bounded(14.0);
        p.orbitTurns = 1 + int(random.bounded(2));
        p.phase = random.bounded(kTau);
        p.size = 1.2 + random.bounded(2.2);
        p.hue = random.bounded(1.0);
        particles.push_back(p);
    }
    return particles;
}

void drawGlow(QPainter& painter, QPointF at, double radius, QColor colour, double alpha)
{
    QRadialGradient glow(at, radius * 3);
    QColor core = colour;
    core.setAlphaF(std::clamp(alpha, 0.0, 1.0));
    QColor edge = colour;
    edge.setAlphaF(0);
    glow.setColorAt(0, Qt::white);
    glow.setColorAt(0.25, core);
    glow.setColorAt(1, edge);
    painter.setBrush(glow);
    painter.drawEllipse(at, radius * 3, radius * 3);
}

// Draws the particles at clip position t in [0, 1).
void drawParticles(QPainter& painter, const std::vector<Particle>& particles, double t)
{
    // 0 at the loop's ends, 1 in its middle: scattered, gathered, scattered.
    const double wave = 0.5 - 0.5 * std::cos(kTau * t);
    const double gather = wave * wave * (3 - 2 * wave);
    painter.setPen(Qt::NoPen);
    painter.setCompositionMode(QPainter::CompositionMode_Plus);
    for (const Particle& p : particles) {
        const double angle = p.phase + kTau * p.orbitTurns * t;
        const QPointF orbit(std::cos(angle) * p.orbitRadius, std::sin(angle) * p.orbitRadius);
        const QPointF loose = p.scattered + orbit;
        const QPointF at = loose + (p.target - loose) * gather;
        const double twinkle = 0.55 + 0.45 * std::sin(p.phase + kTau * 3 * t);
        drawGlow(painter, at, p.size, mix(kTeal, kGreen, p.hue), (0.35 + 0.65 * gather) * twinkle);
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

class Clip {
public:
    virtual ~Clip() = default;
    virtual void draw(QPainter& painter, double t) = 0;
};

class ParticleClip : public Clip {
public:
    ParticleClip(QSize size, const QPainterPath& mark, quint32 seed)
        : m_size(size)
        , m_particles(makeParticles(mark, QRectF(QPointF(0, 0), size), 460, seed))
    {
    }
    void draw(QPainter& painter, double t) override
    {
        painter.fillRect(QRect(QPoint(0, 0), m_size), kGround);
        drawParticles(painter, m_particles, t);
    }

private:
    QSize m_size;
    std::vector<Particle> m_particles;
};

// A small landscape picture on the left whose colours flow as particles into
// a mark on the right.
class PictureClip : public Clip {
public:
    explicit PictureClip(QSize size)
        : m_size(size)
        , m_card(QRectF(size.width() * 0.1, size.height() / 2.0 - 80, 160, 160))
        , m_particles(makeParticles(ringMark(QPointF(size.width() * 0.72, size.height() / 2.0), 62),
              m_card.adjusted(10, 10, -10, -10), 360, 7))
    {
    }
    void draw(QPainter& painter, double t) override
    {
        painter.fillRect(QRect(QPoint(0, 0), m_size), QColor(0x1E, 0x1E, 0x1E));
        QPainterPath card;
        card.addRoundedRect(m_card, 12, 12);
        painter.save();
        painter.setClipPath(card);
        QLinearGradient sky(m_card.topLeft(), m_card.bottomLeft());
        sky.setColorAt(0, QColor(0x2A, 0x4E, 0x7A));
        sky.setColorAt(1, QColor(0xE8, 0x9F, 0x6A));
        painter.fillRect(m_card, sky);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xFF, 0xD8, 0x7A));
        const double sunRise = 10 * std::sin(kTau * t);
        painter.drawEllipse(QPointF(m_card.center().x() + 30, m_card.top() + 55 + sunRise), 18, 18);
        QPainterPath hills;
        hills.moveTo(m_card.bottomLeft());
        hills.lineTo(m_card.left() + 50, m_card.bottom() - 70);
        hills.lineTo(m_card.left() + 90, m_card.bottom() - 35);
        hills.lineTo(m_card.left() + 125, m_card.bottom() - 85);
        hills.lineTo(m_card.bottomRight());
        hills.closeSubpath();
        painter.setBrush(QColor(0x24, 0x3B, 0x34));
        painter.drawPath(hills);
        painter.restore();
        painter.setPen(QPen(QColor(0x49, 0x50, 0x57), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(card);
        drawParticles(painter, m_particles, t);
    }

private:
    QSize m_size;
    QRectF m_card;
    std::vector<Particle> m_particles;
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s gather|bloom|picture WIDTH HEIGHT SECONDS FPS\n", argv[0]);
        return 2;
    }
    const QString kind = QString::fromLocal8Bit(argv[1]);
    const QSize size(std::atoi(argv[2]), std::atoi(argv[3]));
    const double seconds = std::atof(argv[4]);
    const int fps = std::atoi(argv[5]);
    if (size.isEmpty() || seconds <= 0 || fps <= 0)
        return 2;

    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    std::unique_ptr<Clip> clip;
    if (kind == QLatin1String("gather"))
        clip = std::make_unique<ParticleClip>(size, ringMark(centre, size.height() * 0.26), 1);
    else if (kind == QLatin1String("bloom"))
        clip = std::make_unique<ParticleClip>(size, squareMark(centre, size.height() * 0.22), 2);
    else if (kind == QLatin1String("picture"))
        clip = std::make_unique<PictureClip>(size);
    else
        return 2;

    const int frames = int(std::lround(seconds * fps));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (int i = 0; i < frames; ++i) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        clip->draw(painter, double(i) / frames);
        painter.end();
        const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
        for (int y = 0; y < rgb.height(); ++y)
            std::fwrite(rgb.constScanLine(y), 1, size_t(rgb.width()) * 3, stdout);
    }
    return 0;
}
