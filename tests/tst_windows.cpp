#include "replay/delivery.h"
#include "replay/state.h"
#include "support/tabletest.h"
#include "ui/windows.h"

#include <QApplication>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// The Help windows, the about panel, and how the program's windows come and go.

namespace {

// The program's windows over a scripted die and recorded message boxes.
struct Program {
    ScriptedDie die;
    MemoryPictures pictures;
    RecordingMessages messages;
    Platform platform{die, pictures, messages};
    Windows windows{platform};

    FrmCPF* table() const { return windows.table(); }
    bool act(PlayerAction action, const char* name) {
        return deliver(*windows.table(), action, QString::fromLatin1(name)) == Delivery::Delivered;
    }
    void menu(const char* item) {
        table()->menuItem(QString::fromLatin1(item))->action()->trigger();
    }
};

// A closed window is deleted once control is back in the event loop.
void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

SecondaryWindow* open(Program& program, const QString& which) {
    if (which == u"rules") {
        program.menu("mnurules");
        return program.windows.rules();
    }
    program.menu("mnuCG");
    return program.windows.computerGame();
}

QString buttonOf(const QString& which) {
    return which == u"rules" ? QStringLiteral("cmdBack") : QStringLiteral("Command1");
}

// Runs the event loop as the program does, with steps queued in order; returns exec()'s
// status, or -1 when the program was still running two seconds after the last step.
int runProgram(const std::vector<std::function<void()>>& steps) {
    QObject run; // steps left over when the program ends early die with it
    int delay = 0;
    for (const auto& step : steps)
        QTimer::singleShot(delay += 20, &run, step);
    QTimer::singleShot(delay + 2000, &run, [] { QCoreApplication::exit(-1); });
    return QApplication::exec();
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        settle();
        QVERIFY2(QApplication::topLevelWidgets().isEmpty(), "a window outlived its test");
    }

    // Caption, client area, colours, the labels' texts, the menu bar's one command, the button,
    // the logo, the frame's width (a pixel just inside the outline is black, one just past it is
    // background), the focus cycle, and opening it again brings back the same window.
    void window_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QColor>("back");
        QTest::addColumn<QString>("exit");
        QTest::addColumn<QRect>("button");
        QTest::addColumn<QColor>("buttonBack");
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<int>("pen");
        QTest::addColumn<QStringList>("texts"); // lblrules(i) or Label1(i)
        QTest::newRow("rules")
            << "rules"
            << "PIPFALL RULES" << QSize(776, 537) << QColor(0, 255, 255) << "E&xit"
            << QRect(8, 184, 177, 81) << QColor(128, 128, 255) << QRect(208, 48, 537, 425) << 15
            << QStringList{
                   "PIPFALL is a game of chance played with one die.  It is similar to the pass "
                   "line "
                   "bet of craps.  There is a come-out roll but once the point is established, the "
                   "player has only three chances for the point to roll again.",
                   "After wagers are made, results for Roll # 1 are:  One loses, six wins "
                   "one-to-one "
                   "and it is still Roll # 1.  Otherwise Roll # 1 will determine the point and "
                   "bets "
                   "are locked in.  Results for Roll # 2 are:  One loses, the point wins "
                   "two-to-one.  "
                   "If Roll # 2 results in any number besides one or the point, then the die must "
                   "be "
                   "rolled again (Roll # 3). Results for Roll # 3 are: One loses, the point wins "
                   "one-to-one.  If Roll # 3 results in any number besides one or the point, then "
                   "the "
                   "die must be rolled again (Roll # 4).  This is the last roll in which the "
                   "player "
                   "may win, the point wins two-to-one and any other number loses.  One-roll bets "
                   "can "
                   "be made before any roll."};
        QTest::newRow("computer")
            << "computer"
            << "PIPFALL-On the computer" << QSize(770, 529) << QColor(255, 255, 128) << "E&xit "
            << QRect(8, 192, 169, 73) << QColor(192, 192, 0) << QRect(200, 64, 529, 425) << 11
            << QStringList{
                   "This computer game is easy to play.  Use the up-down buttons to make your "
                   "bets.  "
                   "The minimum PIPFALL bet is five dollars; the maximum is five hundred dollars.  "
                   "The "
                   "minimum one-roll bet is one dollar; the maximum is one hundred dollars. ",
                   "Click the \"Make One-Roll Bet\" button and the list of numbers will appear. "
                   "Once "
                   "you have entered the amount of each one-roll bet, you must click the \"Enter "
                   "Bets\" button to register them.  When registered, the amount of each bet will "
                   "be "
                   "displayed under the appropriate number.",
                   "Under normal circumstances the player's bet will be re-bet when he wins or "
                   "loses.  "
                   "However, if the bankroll is low, the automatic re-bet feature is cancelled.  "
                   "You "
                   "may obtain a new bankroll by clicking the desired amount."};
    }
    void window() {
        QFETCH(QString, which);
        QFETCH(QString, caption);
        QFETCH(QSize, client);
        QFETCH(QColor, back);
        QFETCH(QString, exit);
        QFETCH(QRect, button);
        QFETCH(QColor, buttonBack);
        QFETCH(QRect, frame);
        QFETCH(int, pen);
        QFETCH(QStringList, texts);
        Program program;
        program.windows.showTable();
        SecondaryWindow* window = open(program, which);
        QCOMPARE(window->windowTitle(), caption);
        QWidget* area = window->centralWidget();
        QCOMPARE(area->size(), client);
        QCOMPARE(area->palette().color(QPalette::Window), back);
        for (int i = 0; i < texts.size(); ++i) {
            const QString name = (which == u"rules" ? "lblrules(%1)" : "Label1(%1)");
            auto* label = qobject_cast<Label*>(window->widget(name.arg(i)));
            QVERIFY(label != nullptr);
            QCOMPARE(label->caption(), texts.at(i));
            QCOMPARE(label->fontSpec().name, QStringLiteral("Arial"));
            QCOMPARE(label->fontSpec().size, 12.0);
            QVERIFY(label->fontSpec().bold);
        }
        const QList<QAction*> commands = window->menuBar()->actions();
        QCOMPARE(commands.size(), 1);
        QCOMPARE(commands.first()->text(), exit);
        QVERIFY(commands.first()->menu() == nullptr);

        auto* backButton = qobject_cast<Button*>(window->widget(buttonOf(which)));
        QVERIFY(backButton != nullptr);
        QCOMPARE(backButton->text(), QStringLiteral("BACK TO GAME"));
        QCOMPARE(backButton->geometry(), button);
        QCOMPARE(backButton->backColor(), buttonBack);
        QCOMPARE(backButton->font().pixelSize(), 19); // Arial 14.25 pt at 96 dots per inch
        QVERIFY(backButton->font().bold());
        auto* logo = qobject_cast<PictureBox*>(window->widget(QStringLiteral("pblogo")));
        QCOMPARE(logo->pictureName(), QStringLiteral("logo"));
        QCOMPARE(logo->geometry(), QRect(16, 40, 124, 100));

        const QImage image = area->grab().toImage();
        const auto pixel = [&](int x, int y) { return image.pixelColor(x, y); };
        const int midY = frame.center().y();
        const int midX = frame.center().x();
        QCOMPARE(pixel(frame.left() + pen - 1, midY), QColor(Qt::black));
        QCOMPARE(pixel(frame.left() + pen + 1, midY), back);
        QCOMPARE(pixel(frame.right() - pen + 1, midY), QColor(Qt::black));
        QCOMPARE(pixel(frame.right() - pen - 1, midY), back);
        QCOMPARE(pixel(midX, frame.top() + pen - 1), QColor(Qt::black));
        QCOMPARE(pixel(midX, frame.bottom() - pen - 1), back);
        QCOMPARE(pixel(frame.left() - 2, midY), back);

        // The focus starts on the button; Tab moves between the button and the logo only.
        QCOMPARE(window->focusWidget(), backButton);
        auto nextFocusable = [](QWidget* from) {
            QWidget* next = from->nextInFocusChain();
            while (next->focusPolicy() == Qt::NoFocus || !next->isVisible())
                next = next->nextInFocusChain();
            return next;
        };
        QCOMPARE(nextFocusable(backButton), logo);
        QCOMPARE(nextFocusable(logo), backButton);

        window->showMinimized();
        QCOMPARE(open(program, which), window);
        QVERIFY(window->isVisible() && !window->isMinimized());
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [](QWidget* w) { return qobject_cast<SecondaryWindow*>(w); }),
                 1);
    }

    void aboutTwiceThenOk() {
        TableTest table;
        const auto shown = [&] {
            return QList<bool>({table.w().lblabout->isVisibleTo(table.window.get()),
                                table.w().cmdokabout->isVisibleTo(table.window.get()),
                                table.w().pblogo->isVisibleTo(table.window.get())});
        };
        QVERIFY(table.click(QStringLiteral("mnuabout")) && table.click(QStringLiteral("mnuabout")));
        QCOMPARE(shown(), QList<bool>({true, true, false}));
        QVERIFY(table.click(QStringLiteral("cmdokabout")));
        QCOMPARE(shown(), QList<bool>({false, false, true}));
        QVERIFY(!table.click(QStringLiteral("cmdokabout"))); // a second "O K" is not there
    }

    void bothOpenBesideTheTable() {
        Program program;
        program.windows.showTable();
        const QRect table = program.table()->frameGeometry();
        SecondaryWindow* rules = open(program, QStringLiteral("rules"));
        SecondaryWindow* computer = open(program, QStringLiteral("computer"));
        QVERIFY(program.table()->isVisible() && rules->isVisible() && computer->isVisible());
        QVERIFY(!rules->frameGeometry().contains(table));
        QVERIFY(!computer->frameGeometry().contains(table));
        QVERIFY(computer->frameGeometry().topLeft() != rules->frameGeometry().topLeft());
    }

    // BACK TO GAME or Exit on a Help window: with the table open, it stays as it was; with the
    // table closed (Exit or its close box) the program runs on with the Help window alone, and
    // returning deals a fresh table.
    void goingBack_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("tableClosedBy"); // "", "exit" or "close box"
        QTest::addColumn<bool>("byButton");
        const auto row = [](const char* name, const char* which, const char* closedBy,
                            bool button) {
            QTest::newRow(name) << QString::fromLatin1(which) << QString::fromLatin1(closedBy)
                                << button;
        };
        row("rules, BACK TO GAME", "rules", "", true);
        row("rules, Exit", "rules", "", false);
        row("computer, BACK TO GAME", "computer", "", true);
        row("computer, Exit", "computer", "", false);
        row("Exit, rules BACK TO GAME", "rules", "exit", true);
        row("close box, rules Exit", "rules", "close box", false);
        row("Exit, computer Exit", "computer", "exit", false);
        row("close box, computer BACK TO GAME", "computer", "close box", true);
    }
    void goingBack() {
        QFETCH(QString, which);
        QFETCH(QString, tableClosedBy);
        QFETCH(bool, byButton);
        QVERIFY(QGuiApplication::quitOnLastWindowClosed());
        Program program;
        QSignalSpy built(&program.windows, &Windows::tableBuilt);
        QPointer<FrmCPF> first;
        QPointer<SecondaryWindow> window;
        std::string before;
        QString alone;
        QString after;
        const int status = runProgram({
            [&] {
                program.windows.showTable();
                first = program.table();
                program.act(PlayerAction::Up, "udBet");
                program.act(PlayerAction::Up, "udBet");
                program.die.faces.push_back(4);
                program.act(PlayerAction::Click, "cmdRoll");
                before = stateJson(*first);
                window = open(program, which);
                if (tableClosedBy == u"exit")
                    program.menu("mnuexit");
                else if (tableClosedBy == u"close box")
                    first->close();
            },
            [&] {
                alone = QStringLiteral("%1 %2").arg(first != nullptr).arg(window->isVisible());
                QSignalSpy back(window, &SecondaryWindow::returnToTableRequested);
                if (byButton)
                    QTest::mouseClick(window->widget(buttonOf(which)), Qt::LeftButton);
                else
                    window->mnuexit()->action()->trigger();
                alone += QStringLiteral(" %1").arg(back.size());
            },
            [&] {
                FrmCPF* table = program.table();
                after = QStringLiteral("%1 %2 %3")
                            .arg(table == first)
                            .arg(window != nullptr || program.windows.rules() != nullptr ||
                                 program.windows.computerGame() != nullptr)
                            .arg(table != nullptr && table->isVisible());
                if (table != nullptr) {
                    if (tableClosedBy.isEmpty())
                        after += stateJson(*table) == before ? " same" : " changed";
                    else
                        after += stateJson(*table) == stateJson(*TableTest().window) ? " fresh"
                                                                                     : " not fresh";
                    table->close(); // the last window: the program ends
                }
            },
        });
        const bool closed = !tableClosedBy.isEmpty();
        QCOMPARE(alone, closed ? QStringLiteral("0 1 1") : QStringLiteral("1 1 1"));
        QCOMPARE(after, closed ? QStringLiteral("0 0 1 fresh") : QStringLiteral("1 0 1 same"));
        QCOMPARE(built.size(), closed ? 2 : 1);
        QCOMPARE(status, 0);
    }

    void exitOnTheTableAloneEndsTheProgram() {
        Program program;
        QPointer<FrmCPF> table;
        const int status = runProgram({[&] {
            program.windows.showTable();
            table = program.table();
            program.act(PlayerAction::Up, "udBet");
            program.menu("mnuexit");
        }});
        QCOMPARE(status, 0);
        QVERIFY(table == nullptr);
        QVERIFY(program.messages.shown.isEmpty()); // nothing asked
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
