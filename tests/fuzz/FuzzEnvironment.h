#pragma once

// What every fuzz program sets up once: an application object for the Qt
// classes that need one, and a quiet standard output (the code under test
// prints its diagnostic lines there; libFuzzer reports on standard error).

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

void startFuzzEnvironment();

// Stops the run with a report when a property the target checks is broken,
// so that libFuzzer keeps the input as a crash.
void requireThat(bool holds, const char* property);

// The input as UTF-16 code units, two bytes each, lone surrogates included.
QString utf16Of(const std::uint8_t* data, std::size_t size);
