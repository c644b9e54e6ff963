#pragma once
// The about box: the product's name and version, its description and two links to the
// maker's pages. Shown modal; released again when it closes.
#include <QDialog>

#include "platform/forms.h"

class QFrame;
class QLabel;
class QPushButton;
class LinkLabel;

class frmAbout : public QDialog, public platform::Form {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmAbout";
    frmAbout();

    // Shows the one about box modal over owner (may be null) and returns once it is
    // closed, by "&OK" or the close box; the box is unloaded by then.
    static void ShowModal(QWidget* owner);

private slots:
    void cmdOK_Click();
    void lblCobrand_Click();
    void lblHomePage_Click();

private:
    QLabel* Picture1 = nullptr;
    QLabel* Label2 = nullptr;
    QFrame* Line1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    LinkLabel* lblCobrand = nullptr;
    LinkLabel* lblHomePage = nullptr;
    QPushButton* cmdOK = nullptr;
};
