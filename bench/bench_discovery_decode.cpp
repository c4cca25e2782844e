// Decoding a Discovery reply of 2,000 and 20,000 templates into
// DiscorysModel, beside QJsonDocument and nlohmann::json parsing the same
// bytes as the floors. Run with --benchmark_enable_random_interleaving=true
// to interleave the rounds on a shared machine.

#include "BenchMain.h"
#include "MedianRatios.h"
#include "api/ResponseMapper.h"
#include "model/DiscorysModel.h"
#include "model/JsonFieldReader.h"
#include "model/JsonRecordDecoder.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <map>
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
            { { "page_no", 0 }, { "page_len", templateCount }, { "advertisement", nlohmann::json::array() },
                { "items", items } } } };
    const std::string text = reply.dump();
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

const QByteArray& replyBytes(int templateCount)
{
    static std::map<int, QByteArray> replies;
    auto [it, added] = replies.try_emplace(templateCount);
    if (added)
        it->second = discoveryReply(templateCount);
    return it->second;
}

template <class Decode> void measure(benchmark::State& state, Decode decode)
{
    const int templateCount = static_cast<int>(state.range(0));
    const QByteArray& bytes = replyBytes(templateCount);
    for (auto _ : state)
        decode(bytes, state);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytes.size());
}

void expectTemplates(const DiscorysModel& model, benchmark::State& state)
{
    if (model.data.items.size() != state.range(0))
        state.SkipWithError("decoded the wrong number of templates");
}

// The floors: the two parsers building their documents from the same bytes.
void QJsonDocumentParse(benchmark::State& state)
{
    measure(state, [](const QByteArray& bytes, benchmark::State&) {
        QJsonDocument document = QJsonDocument::fromJson(bytes);
        benchmark::DoNotOptimize(document);
    });
}

void NlohmannParse(benchmark::State& state)
{
    measure(state, [](const QByteArray& bytes, benchmark::State&) {
        nlohmann::json json = nlohmann::json::parse(bytes.cbegin(), bytes.cend());
        benchmark::DoNotOptimize(json);
    });
}

// The way replies decoded before: a parsed document, then the records from it.
void DecodeThroughDocument(benchmark::State& state)
{
    measure(state, [](const QByteArray& bytes, benchmark::State& run) {
        const nlohmann::json json = nlohmann::json::parse(bytes.cbegin(), bytes.cend());
        const DiscorysModel model = decodeRecord<DiscorysModel>(json);
        expectTemplates(model, run);
    });
}

// The records straight from the text, as replies decode now.
void DecodeFromText(benchmark::State& state)
{
    measure(state, [](const QByteArray& bytes, benchmark::State& run) {
        const auto model = decodeRecordText<DiscorysModel>(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        if (!model)
            run.SkipWithError("the reply did not decode");
        else
            expectTemplates(*model, run);
    });
}

// The whole mapping of a reply: diagnostic lines, the checks and the decode.
void MapReply(benchmark::State& state)
{
    measure(state, [](const QByteArray& bytes, benchmark::State& run) {
        APIResponse response;
        response.statusCode = 200;
        response.data = bytes;
        response.requestURL = QUrl(QStringLiteral("http://127.0.0.1:8787/index.php/logo2/Get_template_list"));
        response.requestMethod = "POST";
        const MoyaResult<DiscorysModel> result = mapModel<DiscorysModel>(response);
        if (!result.isSuccess())
            run.SkipWithError("the reply did not map");
        else
            expectTemplates(result.model(), run);
    });
}

void sizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Arg(2000)
        ->Arg(20000)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(bench::repetitions(9))
        ->ReportAggregatesOnly(true);
}

BENCHMARK(QJsonDocumentParse)->Apply(sizes);
BENCHMARK(NlohmannParse)->Apply(sizes);
BENCHMARK(DecodeThroughDocument)->Apply(sizes);
BENCHMARK(DecodeFromText)->Apply(sizes);
BENCHMARK(MapReply)->Apply(sizes);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    // Decoding prints diagnostic lines and an empty line per record; keep
    // those out of the report, which goes to the original standard output.
    std::fflush(stdout);
    const int reportFd = dup(STDOUT_FILENO);
    if (!std::freopen("/dev/null", "w", stdout))
        return 1;
    std::ofstream report("/dev/fd/" + std::to_string(reportFd));
    bench::ErrorCounting<MedianRatioReporter> reporter({ "2000", "20000" },
        { { "DecodeThroughDocument", "QJsonDocumentParse" }, { "DecodeThroughDocument", "NlohmannParse" },
            { "DecodeFromText", "QJsonDocumentParse" }, { "DecodeFromText", "NlohmannParse" },
            { "MapReply", "QJsonDocumentParse" }, { "MapReply", "NlohmannParse" } });
    reporter.SetOutputStream(&report);
    reporter.SetErrorStream(&report);
    return bench::runBenchmarks(reporter);
}
