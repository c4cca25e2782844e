#pragma once

// Every operation of the remote API as one value: which operation and with
// which parameters. It answers where the request goes, with which method,
// headers and body; it holds no state and does no I/O.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>
#include <nlohmann/json.hpp>

class APIManager {
public:
    // Parameters keep the order they were added in, so log lines read like the call.
    using Parameters = nlohmann::ordered_json;

    enum class Case {
        testApiPara,
        testApiDict,
        getNbaInfo,
        designGetDesignList,
        templatesGetDiscorysList,
        designGetDetailsList,
        makeStep1,
        makeStep2,
        makeStep3,
        makeAiMake,
        makeFreeAiGet,
        miscGetConfig,
        userBindUser,
        delLogo,
        resourceFontList,
        resourceShape,
        resourceImages,
        resourceBg,
        getDesignDetail,
        uploadPic,
        createPic,
        backupv1design,
        checkUpdate,
        testApi,
        weather,
    };

    // How the parameters travel.
    enum class Encoding { plain, json, urlEncoded };

    static APIManager testApiPara(const QString& key, const QString& unused);
    static APIManager getNbaInfo(const QString& key);
    static APIManager testApi();
    static APIManager weather();
    // Any case that carries a parameter dictionary.
    static APIManager withParameters(Case operation, Parameters parameters);

    Case operation() const { return m_case; }
    const Parameters& parameters() const { return m_parameters; }

    // The base read from the configured string at each call: the update base
    // for checkUpdate, the main API base for everything else.
    QUrl baseURL() const;
    QString path() const;
    QByteArray method() const;
    Encoding encoding() const;
    QList<QPair<QByteArray, QByteArray>> headers() const;
    QByteArray sampleData() const { return {}; }

    // The base with the path appended as one more path component.
    QUrl requestURL() const;
    // The encoded parameters: compact JSON, a form-encoded string, or nothing.
    QByteArray body() const;

    static bool carriesParameters(Case operation);
    // Whether the operation creates, changes or deletes data on the server,
    // so that sending it twice would do so twice. Every other one only reads.
    static bool changesData(Case operation);

private:
    APIManager(Case operation, Parameters parameters)
        : m_case(operation)
        , m_parameters(std::move(parameters))
    {
    }

    Case m_case;
    Parameters m_parameters;
};
