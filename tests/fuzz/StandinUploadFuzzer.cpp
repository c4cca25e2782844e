// The design upload: the multipart form the save flow sends, with fuzzed
// fields and a fuzzed gzip member (or fuzzed SVG text, gzipped whole).
// A stored design must be listed and kept byte for byte.

#include "FuzzEnvironment.h"
#include "StandinUnderFuzz.h"
#include "standin/Gzip.h"

#include <algorithm>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

const std::string savePath = "/index.php/logo2/Save_logo_file";
const char* const origins[] = { "template", "design", "ai", "picture", "" };

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startFuzzEnvironment();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    StandinUnderFuzz& standin = StandinUnderFuzz::shared();
    standin::StandinServer& server = standin.serverForNextInput();
    FuzzedDataProvider input(data, size);
    const std::string uuid = input.ConsumeRandomLengthString(24);
    const std::string itemId = input.ConsumeRandomLengthString(24);
    const std::string from = origins[input.ConsumeIntegralInRange<size_t>(0, std::size(origins) - 1)];
    const bool gzipHere = input.ConsumeBool();
    const std::string payload = input.ConsumeRemainingBytesAsString();
    const std::string member = gzipHere ? standin::Gzip::compress(payload) : payload;

    const httplib::MultipartFormDataItems form = { { "uuid", uuid, "", "" }, { "token", "T0K3N", "", "" },
        { "item_id", itemId, "", "" }, { "from", from, "", "" }, { "lang", "English", "", "" },
        { "filename", member, "big_orig.svg.gz", "application/gzip" } };
    const httplib::Result result = standin.client().Post(savePath, form);
    StandinUnderFuzz::checkReply(savePath, result);
    if (result->status != 200)
        return 0;
    const auto reply = nlohmann::json::parse(result->body);
    const auto status = reply.find("status");
    requireThat(status != reply.end() && status->is_number_integer(), "the upload reply carries a status");
    if (*status != 0)
        return 0;
    const std::string stored = reply["data"]["item_id"].get<std::string>();
    const auto ids = server.designIds(uuid);
    requireThat(std::find(ids.begin(), ids.end(), stored) != ids.end(), "a stored design is listed");
    requireThat(server.designSvg(uuid, stored) == standin::Gzip::decompress(member), "the SVG is kept byte for byte");
    return 0;
}
