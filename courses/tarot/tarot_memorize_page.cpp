#include "courses/tarot/tarot_memorize_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "courses/tarot/card_picture.h"
#include "courses/tarot/logic/study_card.h"
#include "courses/tarot/logic/recordset.h"
#include "courses/tarot/logic/study_run.h"
#include "courses/tarot/tarot_widgets.h"
#include "shell/course_widgets.h"

using course_widgets::makeButton;

TarotMemorizePage::TarotMemorizePage(tarot::StudyRun& study, QWidget* parent) : QWidget(parent), study(study)
{
    setObjectName(QStringLiteral("picMemorize"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);

    lblCardNameMemorize = tarot_widgets::makeCardName(QStringLiteral("lblCardNameMemorize"), this);
    picCardMemorize = tarot_widgets::makeCardBox(QStringLiteral("picCardMemorize"), QStringLiteral("Card picture, upright"), this);
    picCardMemorizeReversed = tarot_widgets::makeCardBox(QStringLiteral("picCardMemorizeReversed"),
                                                         QStringLiteral("Card picture, reversed"), this);
    auto* pictures = new QHBoxLayout;
    pictures->setSpacing(8);
    pictures->addWidget(picCardMemorize);
    pictures->addWidget(picCardMemorizeReversed);

    txtNormalMeaning = tarot_widgets::makeReadOnlyBox(QStringLiteral("txtNormalMeaning"), this);
    txtReverseMeaning = tarot_widgets::makeReadOnlyBox(QStringLiteral("txtReverseMeaning"), this);
    txtKeywords = tarot_widgets::makeReadOnlyBox(QStringLiteral("txtKeywords"), this);
    txtKeywords->setFixedHeight(txtKeywords->fontMetrics().lineSpacing() * 3 + 10);
    Label9 = tarot_widgets::makeCaption(QStringLiteral("Label9"), QStringLiteral("Card Meaning :"), txtNormalMeaning, this);
    Label17 = tarot_widgets::makeCaption(QStringLiteral("Label17"), QStringLiteral("Reverse Meaning"), txtReverseMeaning, this);
    Label8 = tarot_widgets::makeCaption(QStringLiteral("Label8"), QStringLiteral("Keywords (same for both)"), txtKeywords, this);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(3);
    for (QWidget* w : std::initializer_list<QWidget*>{Label9, txtNormalMeaning, Label17, txtReverseMeaning, Label8, txtKeywords})
        texts->addWidget(w);

    cmdPrevious = makeButton(QStringLiteral("cmdPrevious"), QStringLiteral("<< Previous"), this, this,
                             &TarotMemorizePage::cmdPrevious_Click);
    cmdNext = makeButton(QStringLiteral("cmdNext"), QStringLiteral("Next >>"), this, this, &TarotMemorizePage::cmdNext_Click);
    cmdStartTest = makeButton(QStringLiteral("cmdStartTest"), QStringLiteral("Test Me"), this, this,
                              &TarotMemorizePage::cmdStartTest_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPrevious);
    buttons->addWidget(cmdNext);
    buttons->addStretch(1);
    buttons->addWidget(cmdStartTest);

    grid->addWidget(lblCardNameMemorize, 0, 0, 1, 2);
    grid->addLayout(pictures, 1, 0, Qt::AlignTop);
    grid->addLayout(texts, 1, 1);
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);
}

void TarotMemorizePage::ShowCard()
{
    tarot::StudyCard card;
    QString problem;
    if (!study.ReadCard(card, problem)) {
        // Nothing to show: the set is empty or the database failed.
        lblCardNameMemorize->clear();
        picCardMemorize->clear();
        picCardMemorizeReversed->clear();
        for (QPlainTextEdit* box : {txtNormalMeaning, txtReverseMeaning, txtKeywords})
            box->clear();
        return;
    }
    lblCardNameMemorize->setText(card.Name);
    const QByteArray picture = study.cards().Field(QStringLiteral("PictureData")).toByteArray();
    card_picture::ShowStoredPicture(picCardMemorize, picture);
    card_picture::ShowStoredPicture(picCardMemorizeReversed, picture, true);
    picCardMemorize->setAccessibleName(card.Name + QStringLiteral(", upright"));
    picCardMemorizeReversed->setAccessibleName(card.Name + QStringLiteral(", reversed"));
    txtNormalMeaning->setPlainText(card.NormalMeaning);
    txtReverseMeaning->setPlainText(card.ReversedMeaning);
    txtKeywords->setPlainText(card.Keywords);
}

void TarotMemorizePage::setNextEnabled(bool enabled) { cmdNext->setEnabled(enabled); }

void TarotMemorizePage::cmdNext_Click()
{
    cmdPrevious->setEnabled(true);
    if (study.Next())
        ShowCard();
    else
        cmdNext->setEnabled(false);
}

void TarotMemorizePage::cmdPrevious_Click()
{
    cmdNext->setEnabled(true);
    // At the first card "<< Previous" disables itself; otherwise it stays enabled.
    const bool moved = study.Previous();
    cmdPrevious->setEnabled(moved);
    if (moved)
        ShowCard();
}

void TarotMemorizePage::cmdStartTest_Click() { emit testRequested(); }
