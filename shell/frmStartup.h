#pragma once
// The invisible start-up window: its load step is the whole start-up road.
#include <QWidget>

#include "platform/forms.h"

class frmStartup : public QWidget, public platform::Form {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmStartup";
    frmStartup();

protected:
    void Form_Load() override;

private:
    void StartApplication();
};
