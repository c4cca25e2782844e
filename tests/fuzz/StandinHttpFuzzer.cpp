// Raw bytes on a connection to the stand-in: httplib's parsing, then the
// route table and whatever handler the request reaches.

#include "FuzzEnvironment.h"
#include "StandinUnderFuzz.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startFuzzEnvironment();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    StandinUnderFuzz& standin = StandinUnderFuzz::shared();
    standin.serverForNextInput();
    StandinUnderFuzz::checkRawReply(standin.exchangeRaw(std::string(reinterpret_cast<const char*>(data), size)));
    return 0;
}
