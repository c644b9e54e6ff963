#pragma once
// The numerology course state that the wizard sets (learn or test, by significance or by
// interpretation, the subjects chosen, the page or question on screen), and the learn pages:
// their texts and the walk from subject to subject. QtCore only; the course window owns the
// state and shows the pages.
#include <QString>
#include <array>
#include <cstdint>

#include "courses/numerology/logic/modLearnNumerology.h"

namespace modLearnNumerologyRun {

inline constexpr char SelectOptionMessage[] = "Please select an option";
inline constexpr char SelectAtLeastOneMessage[] = "Please select at least one option";
inline constexpr char FirstRecordMessage[] = "You are at the first record";
inline constexpr char LastRecordMessage[] = "You are at the last record";

// What the learn page shows: the subject's name and the text of its box, lines ending in CR LF.
struct LearnPage {
    QString subject;
    QString text;
};

class NumerologyRun {
public:
    // True to learn, false to take a test; set on the start page.
    bool LearnMode = false;
    // True by significance, false by interpretation; set on the options page.
    bool BySignificance = false;
    // On a learn page the subject shown (0..14); in a test the number of the question, from 0.
    std::int16_t CurrentIndex = 0;
    // The subjects ticked on the subject-choice page (slot 15 unused).
    std::array<bool, modLearnNumerology::SubjectSlots> SubjectChosen{};
    // The content the pages and the tests read.
    modLearnNumerology::NumerologyTables Tables;

    // Subject CurrentIndex by significance: "Significance", its text, "Calculation", its text.
    LearnPage ShowSignificancePage();
    // Every value of subject CurrentIndex, each heading followed by its interpretation.
    LearnPage ShowInterpretationPage();

    // The lowest chosen subject, or -1 when none is chosen.
    int LowestChosenSubject() const;

    // Steps to the next or previous subject of the walk: all 15 by significance, the chosen ones
    // by interpretation. False at the end of the walk, where the window shows LastRecordMessage
    // or FirstRecordMessage; CurrentIndex then names the subject that stays on screen.
    bool NextLearnPage();
    bool PreviousLearnPage();

private:
    bool subjectOnScreen() const;
};

} // namespace modLearnNumerologyRun
