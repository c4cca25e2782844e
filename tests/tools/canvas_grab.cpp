// Opens a design in the editor window as the application does, with main()'s
// rendering set-up, and saves a grab of the canvas view to the path given.
// The tests run it once per rendering path and compare the pictures.
// With --toast it shows a toast over the design instead and saves what the
// screen shows where the toast is: a window grab would not compose the web
// view, so only the screen tells what lies on top.

#include "app/EditLogoWindow.h"
#include "app/SoftwareRenderingPath.h"
#include "canvas/WebViewViewController.h"
#include "components/ToastView.h"
#include "editor/EditLogoView.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorToast.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QMainWindow>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QScreen>
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

enum Exit { Saved = 0, Usage = 2, NotDrawn = 3, NotSaved = 4, NoGlContext = 5 };

bool glContextCanBeMade()
{
    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext context;
    return context.create() && context.makeCurrent(&surface);
}

QImage grabToast()
{
    auto* editor = editLogoWindow()->findChild<EditLogoView*>();
    editor->model().toast().show(QStringLiteral("Logo creation failed. Please try again."));
    pumpFor(800);
    const ToastView* toast = editor->toastView();
    const QRect onScreen(toast->mapToGlobal(QPoint(0, 0)), toast->size());
    return toast->screen()->grabWindow(0, onScreen.x(), onScreen.y(), onScreen.width(), onScreen.height()).toImage();
}

} // namespace

int main(int argc, char** argv)
{
    SoftwareRenderingPath::applyBeforeApplication();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    if (argc < 2)
        return Usage;
    const bool toast = argc > 2 && QByteArray(argv[2]) == "--toast";
    if (toast && qgetenv("QT_XCB_GL_INTEGRATION") != "none" && !glContextCanBeMade())
        return NoGlContext;

    bool drawn = false;
    QObject::connect(&sharedWebViewController(), &WebViewViewController::scriptMessageReceived, &app,
        [&](const QString& name, const QString&) { drawn = drawn || name == QLatin1String("svgLoadSuccess"); });
    showEditLogoWindow(1, design, false);
    QDeadlineTimer deadline(60000);
    while (!drawn && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!drawn)
        return NotDrawn;
    // Let the page paint the design and the view take the frame.
    pumpFor(800);
    const QImage picture = toast ? grabToast() : sharedWebViewController().view()->grab().toImage();
    const bool saved = picture.save(QString::fromLocal8Bit(argv[1]));
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    app.exec();
    return saved ? Saved : NotSaved;
}
