#pragma once

#include "core/DesignId.h"
#include "model/DetailsListModel.h"

#include <QWidget>

class ImageLogo;
class LoadSvgFailView;
class PromptView;
class SimlarView;

// One design in detail: its picture, title, description and prompt words,
// two similar designs, "Download original image" and "Edit Logo". It loads
// the design `itemId` (a template, or a saved design when
// `fromMyDesignsView`) when it enters the window, and again when the editor
// announces (LogoDetailViewEventBus::refreshEvent) that it saved over that
// design. A failed or refused load shows the failure view, whose Retry asks
// again, over what the page showed before. The
// opening page owns the id: the page reports each new one through itemIdChanged.
class LogoDetailView : public QWidget {
    Q_OBJECT
public:
    explicit LogoDetailView(DesignId itemId, bool fromMyDesignsView = false, DetailsListModelDatas item = {},
        bool isVersionOne = false, QWidget* parent = nullptr);

    DesignId itemId() const { return m_itemId; }
    bool fromMyDesignsView() const { return m_fromMyDesignsView; }
    bool isVersionOne() const { return m_isVersionOne; }
    const DetailsListModelDatas& item() const { return m_item; }
    // The id of the design whose details are shown; "Edit Logo" opens it under this id.
    DesignId shownItemId() const { return m_shownItemId; }
    bool isLoadingSvgFail() const { return m_isLoadingSvgFail; }

    // Asks for the details of itemId(); only the latest request's reply is shown.
    void loadDetail();
    // Switches the page to the design `itemId` and loads it.
    void showItem(DesignId itemId);
    // Saves the design's picture into Documents/Tessaly/WEBP, then toasts.
    void downloadOriginalImage();
    // Opens the shown design, with its own id, in the editor.
    void openInEditor();
    // Switches to similar design `position` (0 or 1).
    void selectSimilar(int position);

    ImageLogo* imageLogo() const { return m_image; }
    PromptView* promptView() const { return m_prompt; }
    SimlarView* simlarView() const { return m_similar; }
    LoadSvgFailView* failView() const { return m_failView; }

Q_SIGNALS:
    void itemIdChanged(DesignId itemId);
    // A reply was applied (for whoever waits on the page, such as tests).
    void detailShown();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOut();
    void subscribe();
    void setItemId(DesignId itemId);
    void applyDetail(DesignId itemId, const DetailsListModelDatas& item);
    // Shows the image, texts and similar designs of m_item.
    void showItemContent();
    void setLoadingSvgFail(bool failed);

    DesignId m_itemId;
    bool m_fromMyDesignsView;
    bool m_isVersionOne;
    DetailsListModelDatas m_item;
    DesignId m_shownItemId;
    bool m_isLoadingSvgFail = false;
    quint64 m_latestRequest = 0;
    ImageLogo* m_image;
    PromptView* m_prompt;
    SimlarView* m_similar;
    // Covers the whole page while a load has failed, the failure view in its middle.
    QWidget* m_failLayer;
    LoadSvgFailView* m_failView;
};
