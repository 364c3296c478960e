#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;

namespace orbisco {
class Form1;
}

namespace orbisco::ui {

class Control;
class TextBox;
class Label;
class PictureBox;

// The Qt window of a Form1: it draws the form's controls where the form says and hands what the
// person types, selects and presses back to them. It holds no state of its own beyond the
// widgets: the form stays the one source of truth.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(Form1 &form, QWidget *parent = nullptr);

    // Puts the window at the centre of the screen it is on.
    void centreOnScreen();

private:
    QLineEdit *addTextBox(TextBox &box);
    QLabel *addLabel(Label &label);
    void addResultList();
    void addMap();
    void setTabOrder();
    void place(QWidget *widget, const Control &control, QPoint offset = {});

    Form1 &m_form;
    QListWidget *m_list = nullptr;
    QLabel *m_map = nullptr;
};

} // namespace orbisco::ui
