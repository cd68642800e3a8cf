// Unit_Help: the help window, a fixed table of the KV720 file types with their record sizes,
// whether KV720 lets the user rename them, and example file names. The same in both editions.
#pragma once

#include <QDialog>

class QFrame;
class QPlainTextEdit;
class QPushButton;

class Tfrm_Pomoc : public QDialog {
    Q_OBJECT

public:
    explicit Tfrm_Pomoc(QWidget* parent = nullptr);

    QPlainTextEdit* mmo_1;
    QFrame* pnl_1;
    QPushButton* btn_1;
};
