#pragma once

// One cell of the graphics grid: the graphic's thumbnail fitted into 50 × 50
// with rounded corners, or "..." until it has loaded. The thumbnail is
// fetched only once the cell has been in view.

#include "model/ResourceImagesModel.h"

#include <QAbstractButton>

class ImageLoader;

class ImageButtonForGraphicsAdd : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int imageSize = 50;
    static constexpr int inset = 10;
    // A quarter of the 270-wide panel; the image stays centred in it.
    static constexpr int cellWidth = 67;

    ImageButtonForGraphicsAdd(const ResourceImagesModelDatasImages& model, QWidget* parent);

    const ResourceImagesModelDatasImages& model() const { return m_model; }
    // Starts the thumbnail's load once; an invalid URL prints "Invalid URL".
    void loadThumbnail();
    bool hasRequestedThumbnail() const { return m_requested; }
    bool hasThumbnail() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ResourceImagesModelDatasImages m_model;
    QString m_imageUrl;
    ImageLoader* m_loader;
    bool m_requested = false;
};
