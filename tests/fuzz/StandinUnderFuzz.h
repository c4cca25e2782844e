#pragma once

// The stand-in server that the stand-in's fuzz programs send their inputs
// to, over loopback as a client would. Its data folder is private and is
// replaced now and then, so that stored designs and the request log stay
// small over millions of inputs.

#include "standin/StandinServer.h"

#include <httplib.h>
#include <memory>
#include <string>

class StandinUnderFuzz {
public:
    static StandinUnderFuzz& shared();

    // Call once per input: gives the server, started afresh every thousand inputs.
    standin::StandinServer& serverForNextInput();
    // A keep-alive client of the current server.
    httplib::Client& client() { return *m_client; }

    // Sends `bytes` as they are on a new connection, closes the sending side
    // and gives everything the server wrote back.
    std::string exchangeRaw(const std::string& bytes) const;

    // The server never answers with its own failure (an exception in a
    // handler), and its API answers JSON.
    static void checkReply(const std::string& path, const httplib::Result& result);
    static void checkRawReply(const std::string& reply);

private:
    StandinUnderFuzz() = default;
    void restart();

    std::unique_ptr<standin::StandinServer> m_server;
    std::unique_ptr<httplib::Client> m_client;
    int m_inputs = 0;
};
