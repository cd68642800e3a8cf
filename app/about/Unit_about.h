// Unit_about: the About window: the program's title and version, who looks after it, a note on
// how to reach them, and the disclaimer. The same in both editions.
#pragma once

#include <QDialog>

class QKeyEvent;
class QLabel;
class QPushButton;

class Tfrm_about : public QDialog {
    Q_OBJECT

public:
    explicit Tfrm_about(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QPushButton* BitBtn1;

protected:
    void keyPressEvent(QKeyEvent* event) override { FormKeyDown(event); }

private:
    void FormKeyDown(QKeyEvent* event);
};
