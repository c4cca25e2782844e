// Decoding a 20,000-template Discovery reply into DiscorysModel, beside a
// plain QJsonDocument parse of the same bytes as the floor.

#include "model/DiscorysModel.h"
#include "model/JsonFieldReader.h"

#include <QJsonDocument>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <unistd.h>

namespace {

const char* const industries[] = { "Technology", "Food & Drink", "Education", "Fashion", "Health", "Travel", "Finance",
    "Sports", "Music", "Real Estate" };
const char* const words[] = { "modern", "minimal", "bold", "geometric", "playful", "elegant", "vintage", "organic",
    "circle", "mountain", "wave", "leaf", "star", "shield", "crown", "咖啡", "科技", "自然" };
const char* const names[] = { "Nova", "Lumen", "Harbor", "Cedar", "Quill", "Atlas", "Ember", "Orbit", "Sage", "Tidal",
    "Vesta", "Zephyr", "Café Lune", "Blue Fern", "晨光" };

QByteArray discoveryReply(int templateCount)
{
    nlohmann::json items = nlohmann::json::array();
    for (int i = 0; i < templateCount; ++i) {
        const std::string id = std::to_string(100000 + i);
        nlohmann::json keywords = nlohmann::json::array();
        for (int k = 0; k < 3; ++k)
            keywords.push_back({ { "id", id + "-" + std::to_string(k) }, { "word", words[(i + k * 5) % 18] } });
        const std::string name = std::string(names[i % 15]) + " " + std::to_string(i);
        items.push_back({
            { "id", id },
            { "title", name },
            { "desc", "A " + std::string(words[i % 18]) + " logo for " + industries[i % 10] + " brands" },
            { "trade", { { "id", std::to_string(i % 10 + 1) }, { "trade", industries[i % 10] } } },
            { "img", "http://127.0.0.1:8787/static/templates/" + id + ".png" },
            { "thumb", "http://127.0.0.1:8787/static/templates/" + id + "_thumb.png" },
            { "keywords", { { "id", "kw-" + id }, { "keywords", keywords } } },
            { "svg", "http://127.0.0.1:8787/static/templates/" + id + ".svg" },
            { "select", false },
        });
    }
    const nlohmann::json reply { { "status", 0 }, { "reason", "success" },
        { "data",
            { { "page_no", 0 }, { "page_len", 20000 }, { "advertisement", nlohmann::json::array() },
                { "items", items } } } };
    const std::string text = reply.dump();
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

const QByteArray& replyBytes()
{
    static const QByteArray bytes = discoveryReply(20000);
    return bytes;
}

void QJsonDocumentParseFloor(benchmark::State& state)
{
    const QByteArray& bytes = replyBytes();
    for (auto _ : state) {
        QJsonDocument document = QJsonDocument::fromJson(bytes);
        benchmark::DoNotOptimize(document);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytes.size());
}
BENCHMARK(QJsonDocumentParseFloor)->Unit(benchmark::kMillisecond);

// The JSON parse alone, to show how the decode splits.
void NlohmannParseOnly(benchmark::State& state)
{
    const QByteArray& bytes = replyBytes();
    for (auto _ : state) {
        nlohmann::json json = nlohmann::json::parse(bytes.cbegin(), bytes.cend());
        benchmark::DoNotOptimize(json);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytes.size());
}
BENCHMARK(NlohmannParseOnly)->Unit(benchmark::kMillisecond);

void DecodeDiscorysModel(benchmark::State& state)
{
    const QByteArray& bytes = replyBytes();
    for (auto _ : state) {
        const nlohmann::json json = nlohmann::json::parse(bytes.cbegin(), bytes.cend());
        DiscorysModel model = decodeRecord<DiscorysModel>(json);
        benchmark::DoNotOptimize(model);
        if (model.data.items.size() != 20000)
            state.SkipWithError("decoded the wrong number of templates");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytes.size());
}
BENCHMARK(DecodeDiscorysModel)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    // Every record built from its defaults prints an empty line; keep those
    // out of the report, which goes to the original standard output.
    std::fflush(stdout);
    const int reportFd = dup(STDOUT_FILENO);
    if (!std::freopen("/dev/null", "w", stdout))
        return 1;
    std::ofstream report("/dev/fd/" + std::to_string(reportFd));
    benchmark::ConsoleReporter reporter(benchmark::ConsoleReporter::OO_None);
    reporter.SetOutputStream(&report);
    reporter.SetErrorStream(&report);
    std::fprintf(stderr, "reply size: %lld bytes\n", static_cast<long long>(replyBytes().size()));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
