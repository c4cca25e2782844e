#include "CanvasPageFixture.h"

#include "canvas/CanvasScripts.h"
#include "support/TestSupport.h"

#include <QByteArray>
#include <QUrl>
#include <QWebEnginePage>

namespace {

std::unique_ptr<CanvasPage>& sharedPage()
{
    static std::unique_ptr<CanvasPage> page;
    return page;
}

class ReleasePageEnvironment : public ::testing::Environment {
public:
    void TearDown() override { CanvasPage::release(); }
};

const auto* releaseEnvironment = ::testing::AddGlobalTestEnvironment(new ReleasePageEnvironment);

} // namespace

CanvasPage& CanvasPage::instance()
{
    if (!sharedPage())
        sharedPage().reset(new CanvasPage);
    return *sharedPage();
}

std::unique_ptr<CanvasPage> CanvasPage::create()
{
    return std::unique_ptr<CanvasPage>(new CanvasPage);
}

void CanvasPage::release()
{
    sharedPage().reset();
}

CanvasPage::~CanvasPage() = default;

CanvasPage::CanvasPage()
    : m_controller(std::make_unique<WebViewViewController>())
{
    QObject::connect(m_controller.get(), &WebViewViewController::scriptMessageReceived, m_controller.get(),
        [this](const QString& name, const QString& body) {
            m_messages.push_back({ name, body });
        });
    QObject::connect(
        m_controller.get(), &WebViewViewController::pageReady, m_controller.get(), [this] { m_ready = true; });
    QWidget* widget = m_controller->view();
    widget->show();
    waitUntil([this] { return m_ready; }, 30000);
}

QWebEngineView* CanvasPage::view() const
{
    return qobject_cast<QWebEngineView*>(m_controller->view());
}

QVariant CanvasPage::evaluate(const QString& expression)
{
    bool done = false;
    QVariant result;
    view()->page()->runJavaScript(expression, [&](const QVariant& value) {
        result = value;
        done = true;
    });
    waitUntil([&] { return done; }, 10000);
    return result;
}

void CanvasPage::settle()
{
    evaluate(QStringLiteral("window.__settled = false; tessalyIdle().then(() => { window.__settled = true; }); 0"));
    waitUntil([this] { return evaluate(QStringLiteral("window.__settled === true")).toBool(); }, 15000);
}

std::optional<PageMessage> CanvasPage::waitFor(const QString& name, std::size_t from, int timeoutMs)
{
    std::optional<PageMessage> found;
    waitUntil(
        [&] {
            for (std::size_t i = from; i < m_messages.size(); ++i) {
                if (m_messages[i].name == name) {
                    found = m_messages[i];
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

std::vector<PageMessage> CanvasPage::messagesSince(std::size_t from, const QString& name) const
{
    std::vector<PageMessage> out;
    for (std::size_t i = from; i < m_messages.size(); ++i) {
        if (m_messages[i].name == name)
            out.push_back(m_messages[i]);
    }
    return out;
}

bool CanvasPage::loadSvg(const QString& svg)
{
    const std::size_t from = mark();
    const qint64 token = WebViewViewController::nextDesignLoadToken();
    m_controller->loadSvg(WebViewViewController::SvgEncoding::Text, svg, token);
    bool ok = false;
    // Only the answer that names this load counts.
    waitUntil(
        [&] {
            for (std::size_t i = from; i < m_messages.size(); ++i) {
                if (m_messages[i].json().value(QStringLiteral("token")).toInteger() != token)
                    continue;
                if (m_messages[i].name == QLatin1String("svgLoadSuccess")) {
                    ok = true;
                    return true;
                }
                if (m_messages[i].name == QLatin1String("loadSvgFail"))
                    return true;
            }
            return false;
        },
        15000);
    settle();
    return ok;
}

QString CanvasPage::savedSvg()
{
    const std::size_t from = mark();
    m_controller->evaluate(CanvasScripts::getSvgAsBase64ForResult(QStringLiteral("EditLogoView")));
    const auto answer = waitFor(QStringLiteral("getSvgAsBase64"), from);
    if (!answer)
        return {};
    return QUrl::fromPercentEncoding(
        QByteArray::fromBase64(answer->json().value(QStringLiteral("base64")).toString().toLatin1()));
}

void CanvasPage::select(int index)
{
    evaluate(QStringLiteral("tessalyCanvas.setActiveObject(tessalyCanvas.getObjects()[%1]); 0").arg(index));
}

QString sampleDesignSvg()
{
    return QStringLiteral(
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="920" height="920" viewBox="0 0 920 920">)"
        R"(<rect x="0" y="0" width="920" height="920" fill="#f1f3f5"/>)"
        R"(<path id="leaf" d="M200 600 C 250 300, 450 300, 500 600 Z" fill="#d9480f"/>)"
        R"(<circle id="sun" cx="700" cy="250" r="120" fill="#1971c2"/>)"
        R"(<text id="brand" x="160" y="800" font-family="Mitr" font-size="96" fill="#212529">Tessaly</text>)"
        R"(</svg>)");
}

QString largeDesignSvg(int paths)
{
    QString svg = QStringLiteral(
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="1000" height="1000" viewBox="0 0 1000 1000">)");
    for (int i = 0; i < paths; ++i) {
        const int x = (i * 37) % 900;
        const int y = (i * 53) % 900;
        svg += QStringLiteral(R"(<path d="M%1 %2 l40 0 l-20 35 z" fill="#%3"/>)")
                   .arg(x)
                   .arg(y)
                   .arg(QString::number((i * 2654435761u) & 0xFFFFFF, 16).rightJustified(6, QLatin1Char('0')));
    }
    svg += QStringLiteral("</svg>");
    return svg;
}
