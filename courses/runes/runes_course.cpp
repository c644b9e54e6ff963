#include "courses/runes/runes_course.h"

#include "courses/runes/frmLearnRunesMain.h"
#include "courses/runes/frmLearnRunesMeaningTest.h"

void RegisterRunesCourse()
{
    platform::Forms::registerFactory(QString::fromLatin1(frmLearnRunesMain::FormName),
                                     [] { return new frmLearnRunesMain; });
    platform::Forms::registerFactory(QString::fromLatin1(frmLearnRunesMeaningTest::FormName),
                                     [] { return new frmLearnRunesMeaningTest; });
}
