// The tray seam (what the tray's activations mean, the menu with its bold default item, the
// fake that tests put in place) and the save-file dialog, driven for real.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

#include "fake_tray_icon.h"
#include "fixtures.h"
#include "platform/save_file_dialog.h"
#include "platform/tray_icon.h"
#include "test_registry.h"

namespace {

using Event = platform::TrayIcon::Event;

// Plays the user at the dialogs that come up: each step runs on the next modal window shown
// (the same dialog shown again counts anew).
class DialogScript : public QObject {
public:
    using Step = std::function<void(QWidget* modal)>;
    explicit DialogScript(std::vector<Step> steps) : m_steps(std::move(steps)) { qApp->installEventFilter(this); }
    ~DialogScript() override { qApp->removeEventFilter(this); }
    bool finished() const { return m_done == m_steps.size(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && widget && widget->isWindow() && widget->isModal()
            && m_done < m_steps.size()) {
            // Acts once the dialog runs its loop.
            QPointer<QWidget> shown = widget;
            const std::size_t step = m_done++;
            QTimer::singleShot(0, this, [this, shown, step] {
                if (shown)
                    m_steps[step](shown);
            });
        }
        return false;
    }

private:
    std::vector<Step> m_steps;
    std::size_t m_done = 0;
};

DialogScript::Step choose(const QString& path)
{
    return [path](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        dialog->selectFile(path);
        QMetaObject::invokeMethod(static_cast<QDialog*>(dialog), &QDialog::accept, Qt::QueuedConnection);
    };
}

DialogScript::Step cancel()
{
    return [](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        QMetaObject::invokeMethod(static_cast<QDialog*>(dialog), &QDialog::reject, Qt::QueuedConnection);
    };
}

DialogScript::Step answerReplace(QMessageBox::StandardButton answer, QStringList* asked)
{
    return [answer, asked](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        *asked << box->text();
        auto* dialog = qobject_cast<QDialog*>(box->parentWidget());
        box->button(answer)->click();
        // Kept: the dialog stays open, and the user then cancels it.
        if (answer == QMessageBox::No && dialog)
            QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
    };
}

} // namespace

Q_DECLARE_METATYPE(QSystemTrayIcon::ActivationReason)
Q_DECLARE_METATYPE(Event)

class TestTrayAndSaveDialog : public QObject {
    Q_OBJECT

private slots:
    void trayActivationMeaning_data()
    {
        QTest::addColumn<QSystemTrayIcon::ActivationReason>("reason");
        QTest::addColumn<Event>("event");
        QTest::newRow("single left click") << QSystemTrayIcon::Trigger << Event::Clicked;
        QTest::newRow("left double-click") << QSystemTrayIcon::DoubleClick << Event::DoubleClicked;
        QTest::newRow("right button") << QSystemTrayIcon::Context << Event::MenuRequested;
        QTest::newRow("middle click") << QSystemTrayIcon::MiddleClick << Event::None;
        QTest::newRow("unknown") << QSystemTrayIcon::Unknown << Event::None;
    }

    void trayActivationMeaning()
    {
        QFETCH(QSystemTrayIcon::ActivationReason, reason);
        QFETCH(Event, event);
        QCOMPARE(platform::TrayIcon::eventFor(reason), event);
    }

    void fakeTrayStandsInForTheSystemOne()
    {
        {
            FakeTray tray(false);
            QVERIFY(!platform::SystemTrayAvailable());
            std::unique_ptr<platform::TrayIcon> icon = platform::CreateTrayIcon();
            QCOMPARE(tray.made, 1);
            QCOMPARE(static_cast<platform::TrayIcon*>(tray.last.data()), icon.get());
            QSignalSpy clicks(icon.get(), &platform::TrayIcon::clicked);
            QSignalSpy doubles(icon.get(), &platform::TrayIcon::doubleClicked);
            QSignalSpy menus(icon.get(), &platform::TrayIcon::menuRequested);
            tray.last->leftClick();
            tray.last->rightButtonRelease();
            tray.last->leftDoubleClick();
            QCOMPARE(clicks.count(), 1);
            QCOMPARE(menus.count(), 1);
            QCOMPARE(doubles.count(), 1);
            icon->add(QIcon(), QStringLiteral("Recent"));
            QVERIFY(icon->isAdded());
            icon->remove();
            QCOMPARE(tray.last->log, (QStringList{"add Recent", "remove"}));
        }
        // Without the fake the system's tray is asked.
        QCOMPARE(platform::SystemTrayAvailable(), QSystemTrayIcon::isSystemTrayAvailable());
    }

    // Only where a tray host runs (for instance trayer under Xvfb with QT_QPA_PLATFORM=xcb).
    void systemTrayShowsTheIcon()
    {
        if (!platform::SystemTrayAvailable())
            QSKIP("no tray host on this display");
        std::unique_ptr<platform::TrayIcon> icon = platform::CreateTrayIcon();
        QPixmap picture(16, 16);
        picture.fill(Qt::green);
        icon->add(QIcon(picture), QStringLiteral("Recent"));
        QVERIFY(icon->isAdded());
        icon->remove();
        QVERIFY(!icon->isAdded());
    }

    void menuPopsUpWithItsDefaultItemBold()
    {
        QMenu menu;
        QAction* show = menu.addAction(QStringLiteral("Show"));
        QAction* exit = menu.addAction(QStringLiteral("Exit"));
        platform::PopUpMenuAtPointer(&menu, show);
        QVERIFY(menu.isVisible());
        QCOMPARE(menu.defaultAction(), show);
        QVERIFY(show->font().bold());
        QVERIFY(!exit->font().bold());
        menu.hide();
    }

    void saveDialogChoosesTheFile_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("existing");
        QTest::addColumn<int>("replaceAnswer");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("new file") << "result.txt" << "" << 0 << "result.txt";
        QTest::newRow("existing file, replace it") << "result.txt" << "result.txt" << int(QMessageBox::Yes) << "result.txt";
        QTest::newRow("existing file, keep it") << "result.txt" << "result.txt" << int(QMessageBox::No) << "";
        QTest::newRow("cancelled") << "result.txt" << "cancel" << 0 << "";
        // The text-file filter adds its extension to a name typed without one, before the
        // replace question, which then names the file with the extension.
        QTest::newRow("name without extension") << "result" << "" << 0 << "result.txt";
        QTest::newRow("name without extension, replace it") << "result" << "result.txt" << int(QMessageBox::Yes)
                                                            << "result.txt";
        QTest::newRow("name without extension, keep it") << "result" << "result.txt" << int(QMessageBox::No) << "";
        QTest::newRow("another extension stays") << "result.text" << "" << 0 << "result.text";
        // No name: the dialog stays open (the user then cancels).
        QTest::newRow("empty name") << "" << "" << 0 << "";
    }

    void saveDialogChoosesTheFile()
    {
        QFETCH(QString, typed);
        QFETCH(QString, existing);
        QFETCH(int, replaceAnswer);
        QFETCH(QString, chosen);
        TestEnvironment env;
        const QDir folder(env.programFolder());
        const QString path = typed.isEmpty() ? QString() : folder.filePath(typed);
        if (!existing.isEmpty() && existing != QLatin1String("cancel")) {
            QFile file(folder.filePath(existing));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QStringList asked;
        QStringList filters;
        QString firstName = QStringLiteral("unset");
        bool confirms = false;
        auto look = [&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            filters = dialog->nameFilters();
            confirms = dialog->acceptMode() == QFileDialog::AcceptSave
                && !dialog->testOption(QFileDialog::DontConfirmOverwrite);
            if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                firstName = name->text();
        };
        std::vector<DialogScript::Step> steps;
        steps.push_back([&](QWidget* modal) {
            look(modal);
            (existing == QLatin1String("cancel") ? cancel() : choose(path))(modal);
            if (typed.isEmpty())
                cancel()(modal);
        });
        if (replaceAnswer)
            steps.push_back(answerReplace(QMessageBox::StandardButton(replaceAnswer), &asked));
        DialogScript script(std::move(steps));
        const QString result = platform::AskSaveFileName();
        QVERIFY(script.finished());
        QCOMPARE(filters, QStringList{QStringLiteral("Text file (*.txt)")});
        QCOMPARE(firstName, QString());
        QVERIFY(confirms);
        QCOMPARE(asked.size(), replaceAnswer ? 1 : 0);
        if (replaceAnswer)
            QVERIFY2(asked.first().startsWith(existing + QStringLiteral(" already exists")), qPrintable(asked.first()));
        QCOMPARE(result, chosen.isEmpty() ? QString() : folder.filePath(chosen));
    }

    void saveDialogWantsAnExistingFolder()
    {
        TestEnvironment env;
        const QString missing = QDir(env.programFolder()).filePath(QStringLiteral("no/such/folder/result.txt"));
        DialogScript script({choose(missing), cancel()});
        QCOMPARE(platform::AskSaveFileName(), QString());
        QVERIFY(script.finished());
        QCOMPARE(env.messages.size(), std::size_t(1));
        QVERIFY(env.lastPrompt().contains(QLatin1String("Path does not exist.")));
        QCOMPARE(env.messages.front().style, 48);
    }

    void saveHandlerChoosesInTests()
    {
        QStringList asked;
        platform::setSaveFileHandler([&](const QString& filter) {
            asked << filter;
            return QStringLiteral("/chosen/by/test.txt");
        });
        QCOMPARE(platform::AskSaveFileName(), QStringLiteral("/chosen/by/test.txt"));
        platform::setSaveFileHandler({});
        QCOMPARE(asked, QStringList{QStringLiteral("Text file (*.txt)")});
    }
};

ORVANEL_TEST(TestTrayAndSaveDialog)
#include "test_tray_and_save_dialog.moc"
