#include "courses/tarot/tarot_course.h"

#include "courses/tarot/frmLearnTarotMain.h"

void RegisterTarotCourse()
{
    platform::Forms::registerFactory(QString::fromLatin1(frmLearnTarotMain::FormName), [] { return new frmLearnTarotMain; });
}
