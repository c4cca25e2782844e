#pragma once

// The input of a picture decoder's fuzz target: its first four bytes choose
// the size to decode at, smaller or larger than the picture (each side 1 to
// 4096, at most 65536 pixels, so that no result outgrows the fuzzer's
// memory); the rest is the file. DecoderInput.cpp also gives each target
// its start (LLVMFuzzerInitialize).

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <cstddef>
#include <cstdint>

struct DecoderInput {
    QSize size;
    QByteArray file;
};

DecoderInput decoderInputOf(const std::uint8_t* data, std::size_t size);

// What every decoder promises: nothing, or a picture of the size asked for
// in a 32-bit format (an indexed one would be re-quantised when scaled).
void requireDecodedAt(const QImage& image, QSize size);
