// The memorizer tab of the tarot window: one card of the chosen set at a time, its picture
// upright and turned, both meanings and its keywords, with buttons to step through the set.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "courses/tarot/card_picture.h"
#include "courses/tarot/frmLearnTarotMain.h"
#include "courses/tarot/logic/study_card.h"
#include "courses/tarot/modImageDB.h"
#include "courses/tarot/tarot_widgets.h"
#include "shell/course_widgets.h"

using course_widgets::make;
using course_widgets::makeButton;

QWidget* frmLearnTarotMain::buildMemorizeTab()
{
    auto* page = course_widgets::named(new QWidget, QStringLiteral("picMemorize"));
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);

    lblCardNameMemorize = tarot_widgets::makeCardName(QStringLiteral("lblCardNameMemorize"), page);
    picCardMemorize = tarot_widgets::makeCardBox(QStringLiteral("picCardMemorize"), QStringLiteral("Card picture, upright"), page);
    picCardMemorizeReversed = tarot_widgets::makeCardBox(QStringLiteral("picCardMemorizeReversed"),
                                                         QStringLiteral("Card picture, reversed"), page);
    auto* pictures = new QHBoxLayout;
    pictures->setSpacing(8);
    pictures->addWidget(picCardMemorize);
    pictures->addWidget(picCardMemorizeReversed);

    txtNormalMeaning = tarot_widgets::makeReadOnlyBox(QStringLiteral("txtNormalMeaning"), page);
    txtReverseMeaning = tarot_widgets::makeReadOnlyBox(QStringLiteral("txtReverseMeaning"), page);
    txtKeywords = tarot_widgets::makeReadOnlyBox(QStringLiteral("txtKeywords"), page);
    txtKeywords->setFixedHeight(txtKeywords->fontMetrics().lineSpacing() * 3 + 10);
    Label9 = tarot_widgets::makeCaption(QStringLiteral("Label9"), QStringLiteral("Card Meaning :"), txtNormalMeaning, page);
    Label17 = tarot_widgets::makeCaption(QStringLiteral("Label17"), QStringLiteral("Reverse Meaning"), txtReverseMeaning, page);
    Label8 = tarot_widgets::makeCaption(QStringLiteral("Label8"), QStringLiteral("Keywords (same for both)"), txtKeywords, page);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(3);
    for (QWidget* w : std::initializer_list<QWidget*>{Label9, txtNormalMeaning, Label17, txtReverseMeaning, Label8, txtKeywords})
        texts->addWidget(w);

    cmdPrevious = makeButton(QStringLiteral("cmdPrevious"), QStringLiteral("<< Previous"), page, this,
                             &frmLearnTarotMain::cmdPrevious_Click);
    cmdNext = makeButton(QStringLiteral("cmdNext"), QStringLiteral("Next >>"), page, this, &frmLearnTarotMain::cmdNext_Click);
    cmdStartTest = makeButton(QStringLiteral("cmdStartTest"), QStringLiteral("Test Me"), page, this,
                              &frmLearnTarotMain::cmdStartTest_Click);
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
    return page;
}

void frmLearnTarotMain::ShowCard()
{
    tarot::StudyCard card;
    QString problem;
    if (!tarot::ReadStudyCard(db, db.CardRecordset, card, problem)) {
        // Nothing to show: the set is empty or the database failed.
        lblCardNameMemorize->clear();
        picCardMemorize->clear();
        picCardMemorizeReversed->clear();
        for (QPlainTextEdit* box : {txtNormalMeaning, txtReverseMeaning, txtKeywords})
            box->clear();
        return;
    }
    lblCardNameMemorize->setText(card.Name);
    const QImage picture = modImageDB::PictureFromField(db.CardRecordset, QStringLiteral("PictureData"));
    card_picture::ShowPicture(picCardMemorize, picture);
    card_picture::ShowPicture(picCardMemorizeReversed, picture, true);
    picCardMemorize->setAccessibleName(card.Name + QStringLiteral(", upright"));
    picCardMemorizeReversed->setAccessibleName(card.Name + QStringLiteral(", reversed"));
    txtNormalMeaning->setPlainText(card.NormalMeaning);
    txtReverseMeaning->setPlainText(card.ReversedMeaning);
    txtKeywords->setPlainText(card.Keywords);
}

void frmLearnTarotMain::cmdNext_Click()
{
    cmdPrevious->setEnabled(true);
    if (run.MemorizePosition < db.CardRecordset.RecordCount()) {
        ++run.MemorizePosition;
        db.CardRecordset.MoveNext();
        ShowCard();
    } else {
        cmdNext->setEnabled(false);
    }
}

void frmLearnTarotMain::cmdPrevious_Click()
{
    cmdNext->setEnabled(true);
    if (run.MemorizePosition < 2) {
        cmdPrevious->setEnabled(false);
    } else {
        cmdPrevious->setEnabled(true);
        --run.MemorizePosition;
        db.CardRecordset.MovePrevious();
        ShowCard();
    }
}
