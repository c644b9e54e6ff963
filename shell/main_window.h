#pragma once
// The main window: banner, course launcher, the black start page with its captions,
// the bottom band, and the File and Help menus. Course windows open in its MDI area.
#include <QFont>
#include <QList>
#include <QMainWindow>
#include <QStringList>
#include <array>

#include "platform/forms.h"

class QMdiArea;
class QPushButton;
class QLabel;
class LinkLabel;

class frmMDI : public QMainWindow, public platform::Form {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmMDI";
    // Window names of the courses, in the order of the course buttons' indices.
    static constexpr std::array<const char*, 4> CourseWindows = {
        "frmLearnAstrologyMain", "frmLearnNumerologyMain", "frmLearnTarotMain", "frmLearnRunesMain"};
    static constexpr const char* RunesMeaningTestWindow = "frmLearnRunesMeaningTest";

    frmMDI();

    // The shell pictures the window shows, for start-up to decode ahead.
    static QStringList PictureNames();
    // The fonts the window shows, the menus' first.
    static QList<QFont> Fonts();

    // The start page; course windows show it again when they unload (through start_page).
    QWidget* picMain = nullptr;
    void setStartPageVisible(bool visible);

protected:
    void Form_Load() override;
    void Form_Unload() override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void cmdSelectOption_Click(int index);
    void lblCaption_Click(int index);
    void lblCaption_MouseMove(int index);
    void picMain_MouseMove();
    void cmdMdiExit_Click();
    void mnuExit_Click();
    void mnuAbout_Click();
    void Picture6_Click();

private:
    void buildBanner(QWidget* parent);
    void buildButtonBand(QWidget* parent);
    void buildStartPage(QWidget* parent);
    void buildBottomBand(QWidget* parent);
    void buildMenus();
    void showPictures();
    void closeCourseWindows();
    void openCourse(int index);

    QWidget* Picture6 = nullptr;
    LinkLabel* lblVelmoraBanner = nullptr;
    QWidget* Picture1 = nullptr;
    QWidget* picButtonContainer = nullptr;
    // The banner picture and the course buttons' pictures, left to right.
    QLabel* bannerPicture = nullptr;
    std::array<QLabel*, 4> buttonPictures{};
    std::array<QPushButton*, 4> cmdSelectOption{};
    std::array<LinkLabel*, 7> lblCaption{};
    QWidget* PicCoBrand = nullptr;
    LinkLabel* Label7 = nullptr;
    QPushButton* cmdMdiExit = nullptr;
    QMdiArea* mdiArea = nullptr;
};
