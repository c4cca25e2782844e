#pragma once

#include <QWidget>

class EditLogoViewModel;
class QHBoxLayout;

// The background bar's picture tiles, one per entry of the catalogue; a
// click puts that picture behind the design. While disabled (no design is
// loaded) the tiles are drawn faintly.
class BackgroundPictureTiles : public QWidget {
    Q_OBJECT
public:
    static constexpr int tileSize = 40;

    BackgroundPictureTiles(EditLogoViewModel& model, QWidget* parent);

    int tileCount() const;

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void rebuild();

    EditLogoViewModel& m_model;
    QWidget* m_row;
    QHBoxLayout* m_rowLayout;
    QWidget* m_dimming;
};
