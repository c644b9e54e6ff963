#pragma once
// The exit screen: the last window of a run. It stays on top, shows a support message,
// offers the refer-a-friend form and two links, and ends the program when it is left.
#include <QWidget>
#include <array>

#include "platform/forms.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class LinkLabel;

class frmExitScreen : public QWidget, public platform::Form {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmExitScreen";
    frmExitScreen();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void cmdClose_Click();
    void cmdSubmit_Click();
    void lblGoToHome_Click();
    void Check1_Click();

private:
    void txtName_GotFocus();
    void txtEmail_GotFocus();
    void txtFriendName_GotFocus();
    void txtFriendEmail_GotFocus();
    void txtMessage_GotFocus();
    void txtName_LostFocus();
    void txtEmail_LostFocus();
    void txtFriendName_LostFocus();
    void txtFriendEmail_LostFocus();
    void txtMessage_LostFocus();
    // A typed space is refused: KeyAscii becomes 0 and the key is dropped.
    void txtEmail_KeyPress(int& KeyAscii);
    void txtFriendEmail_KeyPress(int& KeyAscii);
    void refuseSpace(QWidget* box, int& KeyAscii);

    void buildControls();
    void buildLayout();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QGroupBox* Frame6 = nullptr;
    QLabel* Label3 = nullptr;
    LinkLabel* lblGoToHome = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtEmail = nullptr;
    QLineEdit* txtFriendName = nullptr;
    QLineEdit* txtFriendEmail = nullptr;
    QPlainTextEdit* txtMessage = nullptr;
    QPushButton* cmdSubmit = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* cmdClose = nullptr;
    QLabel* Picture1 = nullptr;

    // Which got-focus and lost-focus handlers belong to which box.
    struct PlaceholderBox {
        QWidget* box;
        void (frmExitScreen::*gotFocus)();
        void (frmExitScreen::*lostFocus)();
    };
    std::array<PlaceholderBox, 5> placeholderBoxes{};
};
