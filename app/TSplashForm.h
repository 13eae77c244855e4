#pragma once

#include <QDialog>

class QPushButton;

// The splash window: shown borderless and on top while the program starts, and again
// as the modal "&About" box with its "Ok" button visible.
class TSplashForm : public QDialog {
    Q_OBJECT
public:
    explicit TSplashForm(QWidget* parent = nullptr);

    // For "&About": shows the "Ok" button, which closes the box with result OK.
    void ShowOkButton();

    QPushButton* OkButton = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
};
