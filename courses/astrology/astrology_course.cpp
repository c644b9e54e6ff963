#include "courses/astrology/astrology_course.h"

#include "courses/astrology/frmLearnAstrologyMain.h"

void RegisterAstrologyCourse()
{
    platform::Forms::registerFactory(QString::fromLatin1(frmLearnAstrologyMain::FormName),
                                     [] { return new frmLearnAstrologyMain; });
}
