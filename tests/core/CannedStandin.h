#pragma once

// The stand-in server with the canned routes the download and image tests
// use: /image.png, /garbage.png (bytes that aren't a picture), /missing (404),
// /error (500 with a body), /empty (204), /slow.png (a picture after 1.5 s),
// /dropped (connection closed without a reply), /text.svg, /not-utf8.

#include "standin/StandinServer.h"
#include "support/TestFiles.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QTcpServer>
#include <string>

class CannedStandin {
public:
    CannedStandin()
        : m_server(standin::Options { .dataDir = {}, .templateCount = 1 })
    {
        m_port = m_server.start(0);
        m_png = pngBytes(QColor(200, 40, 40));
        m_server.setReply("/image.png", 200, m_png, "image/png");
        m_server.setReply("/slow.png", 200, m_png, "image/png");
        m_server.setFault("/slow.png", standin::Fault::Delay, 1500);
        m_server.setReply("/garbage.png", 200, "these bytes are not a picture", "image/png");
        m_server.setReply("/missing", 404, "not here", "text/plain");
        m_server.setReply("/error", 500, "server trouble", "text/plain");
        m_server.setReply("/empty", 204, "", "text/plain");
        m_server.setFault("/dropped", standin::Fault::Drop);
        m_server.setReply("/text.svg", 200, "<svg xmlns=\"http://www.w3.org/2000/svg\"/>", "image/svg+xml");
        m_server.setReply("/not-utf8", 200, std::string("\xff\xfe\xfd", 3), "text/plain");
    }

    bool isRunning() const { return m_port > 0; }

    QString url(const char* path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(QLatin1String(path));
    }

    int hits(const std::string& path) const
    {
        int count = 0;
        for (const standin::RecordedRequest& request : m_server.requests())
            count += request.path == path ? 1 : 0;
        return count;
    }

    const std::string& png() const { return m_png; }

    static std::string pngBytes(const QColor& color)
    {
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(color);
        return ::pngBytes(image).toStdString();
    }

    // A loopback address where nothing listens.
    static QString refusedUrl()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        const quint16 port = probe.serverPort();
        probe.close();
        return QStringLiteral("http://127.0.0.1:%1/image.png").arg(port);
    }

private:
    standin::StandinServer m_server;
    int m_port = -1;
    std::string m_png;
};
