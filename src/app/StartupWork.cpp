#include "app/StartupWork.h"

#include "api/APIFactory.h"
#include "globals/AppGlobals.h"
#include "globals/ModelGlobals.h"

StartupWork::StartupWork(Hooks hooks, QObject* parent)
    : QObject(parent)
    , m_hooks(std::move(hooks))
{
}

void StartupWork::run()
{
    if (m_hasRun)
        return;
    m_hasRun = true;

    miscGetConfig([](const GetConfigModel& reply) { configModel() = reply; }, [] {}, this);
    if (m_hooks.subscribeToasts)
        m_hooks.subscribeToasts();
    backupv1design([](const SaveLogoModel&) {}, [] {}, this);
    FontUtils::requestRemoteFontList();
    if (m_hooks.registerFonts)
        m_hooks.registerFonts();
    checkUpdate(
        [this](const CheckUpdateModel& reply) {
            const std::optional<UpdatePrompt> prompt = UpdateCheck::promptFor(reply, appVersion());
            if (prompt && m_hooks.presentUpdatePrompt)
                m_hooks.presentUpdatePrompt(*prompt);
        },
        [] {}, this);
}
