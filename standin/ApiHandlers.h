#pragma once

#include "standin/DesignStore.h"
#include "standin/FixtureCatalog.h"
#include "standin/PictureStore.h"
#include "standin/Reply.h"
#include "standin/RouteRequest.h"

#include <atomic>
#include <map>
#include <mutex>
#include <string>

namespace standin {

// The JSON operations of the API, one handler each, answering from the
// fixture catalogue and the users' stored designs and pictures.
class ApiHandlers {
public:
    ApiHandlers(const FixtureCatalog& catalog, DesignStore& designs, PictureStore& pictures, std::string updateVersion);

    Reply discoveryList(const RouteRequest& request) const;
    Reply designList(const RouteRequest& request) const;
    Reply templateDetails(const RouteRequest& request) const;
    Reply designDetails(const RouteRequest& request) const;
    Reply deleteDesign(const RouteRequest& request) const;
    Reply saveLogoFile(const RouteRequest& request) const;

    Reply industries(const RouteRequest& request) const;
    Reply styles(const RouteRequest& request) const;
    Reply symbols(const RouteRequest& request) const;
    Reply aiMake(const RouteRequest& request) const;
    Reply freeAiGet(const RouteRequest& request);

    Reply uploadPic(const RouteRequest& request) const;
    Reply createPic(const RouteRequest& request) const;

    Reply fontList(const RouteRequest& request) const;
    Reply graphicCategories(const RouteRequest& request) const;
    Reply graphics(const RouteRequest& request) const;
    Reply backgrounds(const RouteRequest& request) const;

    Reply config(const RouteRequest& request) const;
    Reply bindUser(const RouteRequest& request) const;
    Reply backupV1Design(const RouteRequest& request) const;
    Reply checkUpdate(const RouteRequest& request) const;
    Reply sample(const RouteRequest& request) const;

private:
    nlohmann::json templateCard(const TemplateInfo& info, const RouteRequest& request) const;
    nlohmann::json templateDetail(const TemplateInfo& info, const RouteRequest& request) const;
    nlohmann::json designCard(const DesignRecord& record, const RouteRequest& request) const;
    nlohmann::json designDetail(const DesignRecord& record, const RouteRequest& request) const;
    nlohmann::json symbolEntry(const Symbol& symbol, int industryId, bool chinese) const;
    nlohmann::json styleEntry(const Style& style, const RouteRequest& request) const;
    DesignTexts textsOf(const DesignRecord& record, bool chinese) const;

    const FixtureCatalog& m_catalog;
    DesignStore& m_designs;
    PictureStore& m_pictures;
    std::string m_updateVersion;
    std::atomic<unsigned> m_freeCalls { 0 };
    // Template pages never change, and the whole catalogue is slow to write out.
    mutable std::mutex m_pageMutex;
    mutable std::map<std::string, std::string> m_pageCache;
};

} // namespace standin
