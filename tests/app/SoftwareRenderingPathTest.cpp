// When the application starts on software rendering, that it never switches
// off GL integration without Qt Quick's software backend, that the editor's
// canvas draws the same pixels on either path, and that a toast lies above it
// on either path.

#include "app/SoftwareRenderingPath.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Machine = SoftwareRenderingPath::Machine;

TEST(SoftwareRenderingPathTest, BothVariablesOnlyWhereThereIsNoGpuAndTheUserSetNeither)
{
    const SoftwareRenderingPath::Variables both { { "QT_XCB_GL_INTEGRATION", "none" },
        { "QT_QUICK_BACKEND", "software" } };
    const struct {
        const char* name;
        Machine machine;
        bool software;
    } cases[] = {
        { "no render node", { false, false, false, false }, true },
        { "render node", { true, false, false, false }, false },
        { "render node, software GL forced", { true, true, false, false }, true },
        { "no GPU, user's GL integration", { false, false, true, false }, false },
        { "no GPU, user's Quick backend", { false, false, false, true }, false },
    };
    for (const auto& c : cases) {
        const SoftwareRenderingPath::Variables set = SoftwareRenderingPath::variablesFor(c.machine);
        EXPECT_EQ(set, c.software ? both : SoftwareRenderingPath::Variables {}) << c.name;
    }
}

// An X server of its own: GL integration exists only on xcb, which the
// tests' offscreen platform is not.
class PrivateXServer {
public:
    PrivateXServer()
    {
        m_server.start(QStringLiteral("Xvfb"),
            { QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp") });
        if (m_server.waitForStarted(5000) && m_server.waitForReadyRead(10000))
            m_display = QStringLiteral(":") + QString::fromLatin1(m_server.readAllStandardOutput().trimmed());
    }
    ~PrivateXServer()
    {
        m_server.terminate();
        m_server.waitForFinished(5000);
    }
    const QString& display() const { return m_display; }

private:
    QProcess m_server;
    QString m_display;
};

struct Grab {
    int exitCode;
    QImage picture;
};

// The grab program's answer when the GL path is asked for where no GL
// context can be made.
constexpr int noGlContext = 5;

Grab runGrab(const QString& display, bool softwarePath, const QString& path, const QStringList& options = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.remove(QStringLiteral("QT_QUICK_BACKEND"));
    if (softwarePath) {
        // As on a machine without a GPU, whatever this one has.
        environment.insert(QStringLiteral("LIBGL_ALWAYS_SOFTWARE"), QStringLiteral("1"));
        environment.remove(QStringLiteral("QT_XCB_GL_INTEGRATION"));
    } else {
        environment.insert(QStringLiteral("QT_XCB_GL_INTEGRATION"), QStringLiteral("xcb_glx"));
    }
    QProcess grab;
    grab.setProcessEnvironment(environment);
    grab.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    grab.start(QStringLiteral(CANVAS_GRAB_PROGRAM), QStringList { path } + options);
    if (!grab.waitForFinished(120000)) {
        // A grab still running has no exit code of its own: QProcess would say 0.
        grab.kill();
        grab.waitForFinished();
        ADD_FAILURE() << "the grab program did not end";
        return { -1, {} };
    }
    return { grab.exitCode(), QImage(path).convertToFormat(QImage::Format_ARGB32) };
}

QImage grabCanvas(const QString& display, bool softwarePath, const QString& path)
{
    const Grab grab = runGrab(display, softwarePath, path);
    EXPECT_EQ(grab.exitCode, 0) << (softwarePath ? "software path" : "GL path");
    return grab.picture;
}

// Whether the screen shows the toast where the toast is: its padding all in
// the toast's own colour, its text light on it. The canvas beneath is white.
void expectWholeToast(const QImage& shown, const char* path)
{
    ASSERT_GT(shown.width(), 40) << path;
    ASSERT_GT(shown.height(), 20) << path;
    const QColor toast(0x3E, 0x3F, 0x40);
    const auto isToast = [&](int x, int y) {
        const QColor c = shown.pixelColor(x, y);
        return std::abs(c.red() - toast.red()) <= 6 && std::abs(c.green() - toast.green()) <= 6
            && std::abs(c.blue() - toast.blue()) <= 6;
    };
    // Clear of the rounded corners: the top and bottom padding rows, and the
    // side padding columns.
    int wrong = 0;
    for (int x = 4; x < shown.width() - 4; ++x)
        wrong += !isToast(x, 2) + !isToast(x, shown.height() - 3);
    for (int y = 4; y < shown.height() - 4; ++y)
        for (int x : { 3, 6, shown.width() - 7, shown.width() - 4 })
            wrong += !isToast(x, y);
    EXPECT_EQ(wrong, 0) << path << ": the padding shows something else than the toast";
    int light = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            light += shown.pixelColor(x, y).lightness() > 200;
    EXPECT_GT(light, 30) << path << ": no text";
}

TEST(SoftwareRenderingPathTest, CanvasDrawsTheSamePixelsOnBothPaths)
{
    PrivateXServer server;
    if (server.display().isEmpty())
        GTEST_SKIP() << "Xvfb did not start";
    QTemporaryDir folder;
    const QImage software = grabCanvas(server.display(), true, folder.filePath(QStringLiteral("software.png")));
    const QImage gl = grabCanvas(server.display(), false, folder.filePath(QStringLiteral("gl.png")));
    ASSERT_FALSE(software.isNull());
    ASSERT_EQ(software.size(), QSize(460, 460));
    // A blank canvas on both paths would compare equal too.
    EXPECT_NE(software.pixel(230, 230), software.pixel(2, 2)) << "nothing drawn";
    EXPECT_TRUE(software == gl) << "the paths draw different pixels";
}

TEST(SoftwareRenderingPathTest, EditorToastShowsWholeAboveTheCanvasOnBothPaths)
{
    PrivateXServer server;
    if (server.display().isEmpty())
        GTEST_SKIP() << "Xvfb did not start";
    QTemporaryDir folder;
    const Grab software
        = runGrab(server.display(), true, folder.filePath(QStringLiteral("software.png")), { "--toast" });
    ASSERT_EQ(software.exitCode, 0);
    expectWholeToast(software.picture, "software path");
    const Grab gl = runGrab(server.display(), false, folder.filePath(QStringLiteral("gl.png")), { "--toast" });
    if (gl.exitCode == noGlContext)
        GTEST_SKIP() << "no GL context can be made here: the GL half is skipped";
    ASSERT_EQ(gl.exitCode, 0);
    expectWholeToast(gl.picture, "GL path");
}

} // namespace
