#include "courses/numerology/numerology_course.h"

#include "courses/numerology/frmLearnNumerologyMain.h"

void RegisterNumerologyCourse()
{
    platform::Forms::registerFactory(QString::fromLatin1(frmLearnNumerologyMain::FormName),
                                     [] { return new frmLearnNumerologyMain; });
}
