#pragma once
// The start-up frame of the tarot settings page: whether the program runs at logon (the
// platform's start-up entry) and whether the tarot window then starts in the tray.
#include <QGroupBox>

class QCheckBox;
class QLabel;
class QRadioButton;

class TarotStartUpFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit TarotStartUpFrame(QWidget* parent = nullptr);

    // Picks the option that matches the start-up entry, and the tray tick.
    void RestoreStartUpOptions();
    // "Start at system tray" as the user left it.
    bool startInTray() const { return m_startInTray; }

private slots:
    void optRun_Click();
    void optDontRun_Click();
    void chkSysTray_Click();

private:
    bool m_startInTray = false;

    QRadioButton* optRun = nullptr;
    QRadioButton* optDontRun = nullptr;
    QCheckBox* chkSysTray = nullptr;
    QLabel* Label14 = nullptr;
};
