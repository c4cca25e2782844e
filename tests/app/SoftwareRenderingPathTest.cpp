// When the application starts on software rendering, that it never switches
// off GL integration without Qt Quick's software backend, and that the
// editor's canvas draws the same pixels on either path.

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

QImage grabCanvas(const QString& display, bool softwarePath, const QString& path)
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
    grab.start(QStringLiteral(CANVAS_GRAB_PROGRAM), { path });
    grab.waitForFinished(120000);
    EXPECT_EQ(grab.exitCode(), 0) << (softwarePath ? "software path" : "GL path");
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
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

} // namespace
