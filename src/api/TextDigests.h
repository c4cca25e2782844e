#pragma once

// Small text utilities of the network client.

#include <QString>

// The MD5 digest of the text's UTF-8 bytes as 32 lowercase hex digits.
QString md5Hex(const QString& text);

// The text percent-encoded for a URL query: letters, digits and
// "-._~!$&'()*+,;=:@/?" stay as they are.
QString urlQueryEncoded(const QString& text);
