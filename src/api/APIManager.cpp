#include "api/APIManager.h"

#include "core/Configs.h"

APIManager APIManager::testApiPara(const QString& key, const QString& /*unused*/)
{
    return APIManager(Case::testApiPara, Parameters { { "key", key.toStdString() } });
}

APIManager APIManager::getNbaInfo(const QString& key)
{
    return APIManager(Case::getNbaInfo, Parameters { { "key", key.toStdString() } });
}

APIManager APIManager::testApi()
{
    return APIManager(Case::testApi, Parameters::object());
}

APIManager APIManager::weather()
{
    return APIManager(Case::weather, Parameters::object());
}

APIManager APIManager::withParameters(Case operation, Parameters parameters)
{
    Q_ASSERT(carriesParameters(operation));
    if (!parameters.is_object())
        parameters = Parameters::object();
    return APIManager(operation, std::move(parameters));
}

bool APIManager::carriesParameters(Case operation)
{
    switch (operation) {
    case Case::testApiPara:
    case Case::getNbaInfo:
    case Case::testApi:
    case Case::weather:
        return false;
    default:
        return true;
    }
}

bool APIManager::changesData(Case operation)
{
    switch (operation) {
    case Case::makeAiMake: // a generation, which may count against the user
    case Case::makeFreeAiGet: // each call hands out the next suggestions
    case Case::userBindUser:
    case Case::delLogo:
    case Case::uploadPic: // hands out an upload slot
    case Case::createPic:
    case Case::backupv1design:
        return true;
    default:
        return false;
    }
}

QUrl APIManager::baseURL() const
{
    return QUrl(m_case == Case::checkUpdate ? Configs::Network::updateBaseURL : Configs::Network::apiBaseURL);
}

QString APIManager::path() const
{
    switch (m_case) {
    case Case::testApiPara:
    case Case::testApiDict:
    case Case::getNbaInfo:
    case Case::testApi:
        return QStringLiteral("nba");
    case Case::weather:
        return QString();
    case Case::designGetDesignList:
        return QStringLiteral("/logo2/Get_design_list");
    case Case::templatesGetDiscorysList:
        return QStringLiteral("/Get_discorys_list");
    case Case::designGetDetailsList:
        return QStringLiteral("/Get_details_list");
    case Case::makeStep1:
        return QStringLiteral("/Step1");
    case Case::makeStep2:
        return QStringLiteral("/Step2");
    case Case::makeStep3:
        return QStringLiteral("/Step3");
    case Case::makeAiMake:
        return QStringLiteral("/logo2/Ai_make");
    case Case::makeFreeAiGet:
        return QStringLiteral("/Free_ai_get");
    case Case::miscGetConfig:
        return QStringLiteral("/logo2/Get_config");
    case Case::userBindUser:
        return QStringLiteral("/Bind_user");
    case Case::delLogo:
        return QStringLiteral("/logo2/Del_logo");
    case Case::resourceFontList:
        return QStringLiteral("/logo2/GetRemoteFonts");
    case Case::resourceShape:
        return QStringLiteral("/logo2/GetShapeType");
    case Case::resourceImages:
        return QStringLiteral("/logo2/GetShape");
    case Case::resourceBg:
        return QStringLiteral("/logo2/GetBackground");
    case Case::getDesignDetail:
        return QStringLiteral("/logo2/Get_design_detail");
    case Case::uploadPic:
        return QStringLiteral("/logo2/Upload_pic");
    case Case::createPic:
        return QStringLiteral("/logo2/Create_pic");
    case Case::backupv1design:
        return QStringLiteral("/logo2/Backup_v1_design");
    case Case::checkUpdate:
        return QStringLiteral("/v1/ty/check_update");
    }
    return QString();
}

QByteArray APIManager::method() const
{
    return (m_case == Case::testApi || m_case == Case::weather) ? QByteArrayLiteral("GET") : QByteArrayLiteral("POST");
}

APIManager::Encoding APIManager::encoding() const
{
    switch (m_case) {
    case Case::testApi:
    case Case::weather:
        return Encoding::plain;
    case Case::testApiPara:
    case Case::getNbaInfo:
        return Encoding::urlEncoded;
    default:
        return Encoding::json;
    }
}

QList<QPair<QByteArray, QByteArray>> APIManager::headers() const
{
    return {
        { QByteArrayLiteral("Content-Type"), QByteArrayLiteral("application/x-www-form-urlencoded") },
        { QByteArrayLiteral("platform"), QByteArrayLiteral("ios") },
    };
}

QUrl APIManager::requestURL() const
{
    const QString component = path();
    QString base = baseURL().toString();
    if (component.isEmpty())
        return QUrl(base);
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    QString tail = component;
    while (tail.startsWith(QLatin1Char('/')))
        tail.remove(0, 1);
    return QUrl(base + QLatin1Char('/') + tail);
}

QByteArray APIManager::body() const
{
    switch (encoding()) {
    case Encoding::plain:
        return {};
    case Encoding::json: {
        const std::string text = m_parameters.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
        return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
    }
    case Encoding::urlEncoded: {
        QByteArray form;
        for (const auto& [key, value] : m_parameters.items()) {
            if (!form.isEmpty())
                form += '&';
            const std::string text = value.is_string() ? value.get<std::string>() : value.dump();
            form += QUrl::toPercentEncoding(QString::fromStdString(key)) + '='
                + QUrl::toPercentEncoding(QString::fromStdString(text));
        }
        return form;
    }
    }
    return {};
}
