#pragma once

#include <QWidget>

// The translucent material behind the main window's sidebar. Desktops here
// offer no behind-window blur, so the material is drawn as its dark tone.
class VisualEffectView : public QWidget {
    Q_OBJECT
public:
    // Raw values of the platform's material and blending-mode enumerations.
    static constexpr int fullScreenUIMaterial = 15;
    static constexpr int withinWindowBlending = 1;

    VisualEffectView(int material, int blendingMode, QWidget* parent = nullptr);

    int material() const { return m_material; }
    int blendingMode() const { return m_blendingMode; }
    void setMaterial(int material);
    void setBlendingMode(int blendingMode);

    // The tone the material is drawn in.
    static QColor materialColor(int material);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_material;
    int m_blendingMode;
};
