#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The picture window: a still picture of the Sun and the planets with their
// Italian names, and an OK button. The animation waits while it is open.
class FrmPeta final : public QDialog {
    Q_OBJECT

public:
    explicit FrmPeta(QWidget* owner);
    ~FrmPeta() override;

    void Form_Load();
    void Command1_Click();
    void Form_Unload();
    void Form_Terminate();

    QLabel* ImgSun = nullptr;
    QPushButton* Command1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;
};
