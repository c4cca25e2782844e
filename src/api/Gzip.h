#pragma once

// gzip of an in-memory buffer with zlib at its default level: a standard
// gzip header and trailer around a deflate stream.

#include <QByteArray>
#include <optional>

std::optional<QByteArray> gzipCompress(const QByteArray& data);
