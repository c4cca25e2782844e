#pragma once

#include <QWidget>

class CustomSlider;
class EditLogoViewModel;
class QLabel;

// The opacity row of the colour sheet, 0…100 %. It reads the selected
// object's opacity text (the graphic's while a graphic is selected, else the
// text's), writes it back while dragging, and at a drag's end posts the
// opacity read when it loaded (a preview), then the final position.
class OpacityBar : public QWidget {
    Q_OBJECT
public:
    OpacityBar(EditLogoViewModel& model, QWidget* parent);

    // Reads the selected object's opacity again.
    void load();

    double opacity() const { return m_opacity; }
    double opacityDefaultValue() const { return m_opacityDefaultValue; }
    CustomSlider* slider() const { return m_slider; }
    QLabel* valueLabel() const { return m_valueLabel; }

private:
    QString opacityText() const;
    void writeOpacityText(const QString& text);
    void showOpacity(double opacity);

    EditLogoViewModel& m_model;
    double m_opacity = 100;
    double m_opacityDefaultValue = 100;
    QLabel* m_valueLabel = nullptr;
    CustomSlider* m_slider = nullptr;
};
