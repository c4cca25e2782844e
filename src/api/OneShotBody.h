#pragma once

#include <QByteArray>
#include <QIODevice>

// The body of an upload, which cannot be rewound once reading has begun.
// Qt's HTTP stack rewinds a request's body to send it again when the
// connection drops under it; with this body it reports the failure instead,
// so one upload never reaches the server twice. (A QBuffer would not do:
// Qt reads a buffer's bytes directly and rewinds them itself.)
class OneShotBody final : public QIODevice {
public:
    explicit OneShotBody(QByteArray bytes, QObject* parent = nullptr);

    qint64 size() const override { return m_bytes.size(); }
    // Only forwards: a position behind the current one is refused.
    bool seek(qint64 position) override;
    bool reset() override { return seek(0); }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    QByteArray m_bytes;
};
