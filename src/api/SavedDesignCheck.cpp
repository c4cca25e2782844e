#include "api/SavedDesignCheck.h"

#include "api/APIFactory.h"
#include "core/HttpFetch.h"

#include <QUrl>
#include <memory>

namespace {

bool isWebAddress(const QString& address)
{
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        && !url.host().isEmpty();
}

// Compares the SVG files of the candidates one after another; the first
// match ends the check.
class SvgComparison : public std::enable_shared_from_this<SvgComparison> {
public:
    SvgComparison(QByteArray svg, QStringList addresses, std::function<void(SavedDesignCheck::Outcome)> done)
        : m_svg(std::move(svg))
        , m_addresses(std::move(addresses))
        , m_done(std::move(done))
    {
    }

    void next()
    {
        if (m_addresses.isEmpty()) {
            m_done(m_anyUnreadable ? SavedDesignCheck::Outcome::CheckFailed : SavedDesignCheck::Outcome::NotFound);
            return;
        }
        const QString address = m_addresses.takeFirst();
        if (!isWebAddress(address)) {
            m_anyUnreadable = true;
            next();
            return;
        }
        HttpFetch::get(
            address, ReplyKind::DesignFile, nullptr, [self = shared_from_this()](const HttpFetchResult& result) {
                if (result.ok && result.body == self->m_svg) {
                    self->m_done(SavedDesignCheck::Outcome::Found);
                    return;
                }
                self->m_anyUnreadable = self->m_anyUnreadable || !result.ok;
                self->next();
            });
    }

private:
    QByteArray m_svg;
    QStringList m_addresses;
    std::function<void(SavedDesignCheck::Outcome)> m_done;
    bool m_anyUnreadable = false;
};

} // namespace

void SavedDesignCheck::listDesignIds(std::function<void(std::optional<QSet<QString>>)> done)
{
    auto shared = std::make_shared<std::function<void(std::optional<QSet<QString>>)>>(std::move(done));
    getDesignList(
        [shared](const DesignListModel& list) {
            QSet<QString> ids;
            for (const DesignListContentData& design : list.data.items)
                ids.insert(design.id);
            (*shared)(std::move(ids));
        },
        [shared] { (*shared)(std::nullopt); });
}

void SavedDesignCheck::run(Probe probe, std::function<void(Outcome)> done)
{
    const bool update = probe.kind == QLatin1String("design");
    if (!update && !probe.idsBefore) {
        // Without the list from before, a new design cannot be told from an older one.
        done(Outcome::CheckFailed);
        return;
    }
    auto shared = std::make_shared<Probe>(std::move(probe));
    auto finish = std::make_shared<std::function<void(Outcome)>>(std::move(done));
    getDesignList(
        [shared, finish, update](const DesignListModel& list) {
            QStringList addresses;
            for (const DesignListContentData& design : list.data.items) {
                const bool candidate = update ? design.id == shared->itemId : !shared->idsBefore->contains(design.id);
                if (candidate)
                    addresses << design.svg;
            }
            std::make_shared<SvgComparison>(shared->svg, std::move(addresses), *finish)->next();
        },
        [finish] { (*finish)(Outcome::CheckFailed); });
}
