// The world map: the map picture in a sunken 2-pixel frame. It adds to QLabel that it reports every
// mouse press, of any button, to the window, which hands it to the form as the map's MouseDown.
#pragma once

#include <QLabel>

#include <functional>

namespace orbisco::ui {

class MapWidget : public QLabel
{
public:
    explicit MapWidget(QWidget *parent);

    std::function<void(QMouseEvent *)> onPress;

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

} // namespace orbisco::ui
