#pragma once

#include "model/DetailsListModel.h"

#include <QWidget>

class ImageLogo;
class PromptView;
class SimlarView;

// One design in detail: its picture, title, description and prompt words,
// two similar designs, "Download original image" and "Edit Logo". It loads
// the design `itemId` (a template, or a saved design when
// `fromMyDesignsView`) when it enters the window, and again for the id of
// every LogoDetailViewEventBus::refreshEvent. The opening page owns the id:
// the page reports each new one through itemIdChanged.
class LogoDetailView : public QWidget {
    Q_OBJECT
public:
    explicit LogoDetailView(int itemId, bool fromMyDesignsView = false, DetailsListModelDatas item = {},
        bool isVersionOne = false, QWidget* parent = nullptr);

    int itemId() const { return m_itemId; }
    bool fromMyDesignsView() const { return m_fromMyDesignsView; }
    bool isVersionOne() const { return m_isVersionOne; }
    const DetailsListModelDatas& item() const { return m_item; }
    // The id of the design whose details are shown; "Edit Logo" opens it under this id.
    int shownItemId() const { return m_shownItemId; }

    // Asks for the details of itemId(); only the latest request's reply is shown.
    void loadDetail();
    // Saves the design's picture into Documents/Tessaly/WEBP, then toasts.
    void downloadOriginalImage();
    // Opens the shown design, with its own id, in the editor.
    void openInEditor();
    // Switches to similar design `position` (0 or 1) through the refresh event.
    void selectSimilar(int position);

    ImageLogo* imageLogo() const { return m_image; }
    PromptView* promptView() const { return m_prompt; }
    SimlarView* simlarView() const { return m_similar; }

Q_SIGNALS:
    void itemIdChanged(int itemId);
    // A reply was applied (for whoever waits on the page, such as tests).
    void detailShown();

private:
    void setItemId(int itemId);
    void applyDetail(int itemId, const DetailsListModelDatas& item);

    int m_itemId;
    bool m_fromMyDesignsView;
    bool m_isVersionOne;
    DetailsListModelDatas m_item;
    int m_shownItemId;
    quint64 m_latestRequest = 0;
    ImageLogo* m_image;
    PromptView* m_prompt;
    SimlarView* m_similar;
};
