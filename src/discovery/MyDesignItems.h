#pragma once

#include "core/DesignId.h"
#include "discovery/TapTarget.h"
#include "model/DesignListModel.h"

#include <functional>

class ImageLabel;
class RemoteImage;

// One saved design in the My Design grid: its picture (161 × 161, radius 5),
// the title strip while the pointer is over it, a tick box in the top right
// corner while `deleteMode` is on, and the version badge for "v1" designs.
// A tap on the picture runs `action`; a tap on the tick box picks or unpicks
// the design for deletion: the tile reports it through selectToggled, and
// the page keeps the picked ids.
class MyDesignItems : public TapTarget {
    Q_OBJECT
public:
    MyDesignItems(DesignListContentData discorysModelContentData, bool deleteMode, bool showHoverText, bool isSelect,
        bool isVersionOne, std::function<void()> action, QWidget* parent = nullptr);

    const DesignListContentData& design() const { return m_design; }
    bool deleteMode() const { return m_deleteMode; }
    bool showHoverText() const { return m_showHoverText; }
    bool isSelect() const { return m_isSelect; }
    bool isVersionOne() const { return m_isVersionOne; }

    // The tick box's tap.
    void toggleSelect();
    // The design's id as the delete selection holds it.
    DesignId itemId() const;

    TapTarget* checkbox() const { return m_checkbox; }
    ImageLabel* checkboxImage() const { return m_checkboxImage; }
    ImageLabel* badge() const { return m_badge; }

Q_SIGNALS:
    void selectToggled(bool isSelect);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void setShowHoverText(bool show);
    void setSelect(bool select);

    DesignListContentData m_design;
    bool m_deleteMode;
    bool m_showHoverText;
    bool m_isSelect;
    bool m_isVersionOne;
    std::function<void()> m_action;
    RemoteImage* m_image;
    QWidget* m_caption;
    TapTarget* m_checkbox;
    ImageLabel* m_checkboxImage;
    ImageLabel* m_badge;
};
