// Opens a design in the editor window as the application does, with main()'s
// rendering set-up, and saves a grab of the canvas view to the path given.
// The tests run it once per rendering path and compare the pictures.

#include "app/EditLogoWindow.h"
#include "app/SoftwareRenderingPath.h"
#include "canvas/WebViewViewController.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QTimer>

namespace {

const QString design = QStringLiteral(
    R"(<svg xmlns="http://www.w3.org/2000/svg" width="400" height="300" viewBox="0 0 400 300">)"
    R"(<rect x="0" y="0" width="400" height="300" fill="#f8f9fa"/>)"
    R"(<circle cx="200" cy="110" r="70" fill="#1c7ed6"/>)"
    R"(<path d="M150 110 L200 60 L250 110 L200 160 Z" fill="#ffd43b"/>)"
    R"(<text x="200" y="250" font-family="DejaVu Sans" font-size="40" fill="#212529" text-anchor="middle">Tessaly</text>)"
    R"(</svg>)");

void pumpFor(int milliseconds)
{
    QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace

int main(int argc, char** argv)
{
    SoftwareRenderingPath::applyBeforeApplication();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;

    bool drawn = false;
    QObject::connect(&sharedWebViewController(), &WebViewViewController::scriptMessageReceived, &app,
        [&](const QString& name, const QString&) { drawn = drawn || name == QLatin1String("svgLoadSuccess"); });
    showEditLogoWindow(1, design, false);
    QDeadlineTimer deadline(60000);
    while (!drawn && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!drawn)
        return 3;
    // Let the page paint the design and the view take the frame.
    pumpFor(800);
    const bool saved = sharedWebViewController().view()->grab().toImage().save(QString::fromLocal8Bit(argv[1]));
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    app.exec();
    return saved ? 0 : 4;
}
