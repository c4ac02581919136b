#include "replay/delivery.h"
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

QColor pixel(QWidget* client, int x, int y) {
    return client->grab().toImage().pixelColor(x, y);
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        settle();
        QVERIFY2(QApplication::topLevelWidgets().isEmpty(), "a window outlived its test");
    }

    void texts_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("rules 0")
            << "rules"
            << "lblrules(0)"
            << "PIPFALL is a game of chance played with one die.  It is similar to the pass line "
               "bet of craps.  There is a come-out roll but once the point is established, the "
               "player has only three chances for the point to roll again.";
        QTest::newRow("rules 1")
            << "rules"
            << "lblrules(1)"
            << "After wagers are made, results for Roll # 1 are:  One loses, six wins one-to-one "
               "and it is still Roll # 1.  Otherwise Roll # 1 will determine the point and bets "
               "are locked in.  Results for Roll # 2 are:  One loses, the point wins two-to-one.  "
               "If Roll # 2 results in any number besides one or the point, then the die must be "
               "rolled again (Roll # 3). Results for Roll # 3 are: One loses, the point wins "
               "one-to-one.  If Roll # 3 results in any number besides one or the point, then the "
               "die must be rolled again (Roll # 4).  This is the last roll in which the player "
               "may win, the point wins two-to-one and any other number loses.  One-roll bets can "
               "be made before any roll.";
        QTest::newRow("computer 0")
            << "computer"
            << "Label1(0)"
            << "This computer game is easy to play.  Use the up-down buttons to make your bets.  "
               "The minimum PIPFALL bet is five dollars; the maximum is five hundred dollars.  The "
               "minimum one-roll bet is one dollar; the maximum is one hundred dollars. ";
        QTest::newRow("computer 1")
            << "computer"
            << "Label1(1)"
            << "Click the \"Make One-Roll Bet\" button and the list of numbers will appear. Once "
               "you have entered the amount of each one-roll bet, you must click the \"Enter "
               "Bets\" button to register them.  When registered, the amount of each bet will be "
               "displayed under the appropriate number.";
        QTest::newRow("computer 2")
            << "computer"
            << "Label1(2)"
            << "Under normal circumstances the player's bet will be re-bet when he wins or loses.  "
               "However, if the bankroll is low, the automatic re-bet feature is cancelled.  You "
               "may obtain a new bankroll by clicking the desired amount.";
    }
    void texts() {
        QFETCH(QString, which);
        QFETCH(QString, name);
        QFETCH(QString, text);
        Program program;
        program.windows.showTable();
        auto* label = qobject_cast<Label*>(open(program, which)->widget(name));
        QVERIFY(label != nullptr);
        QCOMPARE(label->caption(), text);
        QCOMPARE(label->fontSpec().name, QStringLiteral("Arial"));
        QCOMPARE(label->fontSpec().size, 12.0);
        QVERIFY(label->fontSpec().bold);
    }

    // Caption, client area, colours, the menu bar's one command, the button, the logo and the
    // frame's width (a pixel just inside the outline is black, one just past it is background).
    void layout_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QColor>("back");
        QTest::addColumn<QString>("exit");
        QTest::addColumn<QRect>("button");
        QTest::addColumn<QColor>("buttonBack");
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<int>("pen");
        QTest::newRow("rules") << "rules"
                               << "PIPFALL RULES" << QSize(776, 537) << QColor(0, 255, 255)
                               << "E&xit" << QRect(8, 184, 177, 81) << QColor(128, 128, 255)
                               << QRect(208, 48, 537, 425) << 15;
        QTest::newRow("computer") << "computer"
                                  << "PIPFALL-On the computer" << QSize(770, 529)
                                  << QColor(255, 255, 128) << "E&xit " << QRect(8, 192, 169, 73)
                                  << QColor(192, 192, 0) << QRect(200, 64, 529, 425) << 11;
    }
    void layout() {
        QFETCH(QString, which);
        QFETCH(QString, caption);
        QFETCH(QSize, client);
        QFETCH(QColor, back);
        QFETCH(QString, exit);
        QFETCH(QRect, button);
        QFETCH(QColor, buttonBack);
        QFETCH(QRect, frame);
        QFETCH(int, pen);
        Program program;
        program.windows.showTable();
        SecondaryWindow* window = open(program, which);
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(window->centralWidget()->size(), client);
        QCOMPARE(window->centralWidget()->palette().color(QPalette::Window), back);

        const QList<QAction*> commands = window->menuBar()->actions();
        QCOMPARE(commands.size(), 1);
        QCOMPARE(commands.first()->text(), exit);
        QVERIFY(commands.first()->menu() == nullptr);

        auto* back2 = qobject_cast<Button*>(window->widget(buttonOf(which)));
        QVERIFY(back2 != nullptr);
        QCOMPARE(back2->text(), QStringLiteral("BACK TO GAME"));
        QCOMPARE(back2->geometry(), button);
        QCOMPARE(back2->backColor(), buttonBack);
        QCOMPARE(back2->font().pixelSize(), 19); // Arial 14.25 pt at 96 dots per inch
        QVERIFY(back2->font().bold());

        auto* logo = qobject_cast<PictureBox*>(window->widget(QStringLiteral("pblogo")));
        QCOMPARE(logo->pictureName(), QStringLiteral("logo"));
        QCOMPARE(logo->geometry(), QRect(16, 40, 124, 100));

        QWidget* area = window->centralWidget();
        const int midY = frame.center().y();
        const int midX = frame.center().x();
        QCOMPARE(pixel(area, frame.left() + pen - 1, midY), QColor(Qt::black));
        QCOMPARE(pixel(area, frame.left() + pen + 1, midY), back);
        QCOMPARE(pixel(area, frame.right() - pen + 1, midY), QColor(Qt::black));
        QCOMPARE(pixel(area, frame.right() - pen - 1, midY), back);
        QCOMPARE(pixel(area, midX, frame.top() + pen - 1), QColor(Qt::black));
        QCOMPARE(pixel(area, midX, frame.bottom() - pen - 1), back);
        QCOMPARE(pixel(area, frame.left() - 2, midY), back);
    }

    // The focus starts on the button; Tab moves between the button and the logo only.
    void focus_data() {
        QTest::addColumn<QString>("which");
        QTest::newRow("rules") << "rules";
        QTest::newRow("computer") << "computer";
    }
    void focus() {
        QFETCH(QString, which);
        Program program;
        program.windows.showTable();
        SecondaryWindow* window = open(program, which);
        QWidget* button = window->widget(buttonOf(which));
        QWidget* logo = window->widget(QStringLiteral("pblogo"));
        QCOMPARE(window->focusWidget(), button);
        auto nextFocusable = [](QWidget* from) {
            QWidget* next = from->nextInFocusChain();
            while (next->focusPolicy() == Qt::NoFocus || !next->isVisible())
                next = next->nextInFocusChain();
            return next;
        };
        QCOMPARE(nextFocusable(button), logo);
        QCOMPARE(nextFocusable(logo), button);
    }

    void aboutTwiceThenOk() {
        TableTest table;
        QVERIFY(table.click(QStringLiteral("mnuabout")));
        QVERIFY(table.click(QStringLiteral("mnuabout")));
        QVERIFY(table.w().lblabout->isVisibleTo(table.window.get()));
        QVERIFY(table.w().cmdokabout->isVisibleTo(table.window.get()));
        QVERIFY(!table.w().pblogo->isVisibleTo(table.window.get()));
        QVERIFY(table.click(QStringLiteral("cmdokabout")));
        QVERIFY(!table.w().lblabout->isVisibleTo(table.window.get()));
        QVERIFY(!table.w().cmdokabout->isVisibleTo(table.window.get()));
        QVERIFY(table.w().pblogo->isVisibleTo(table.window.get()));
        // A second "O K" is not there to be clicked.
        QVERIFY(!table.click(QStringLiteral("cmdokabout")));
    }

    void openedTwiceIsOneWindow_data() {
        QTest::addColumn<QString>("which");
        QTest::newRow("rules") << "rules";
        QTest::newRow("computer") << "computer";
    }
    void openedTwiceIsOneWindow() {
        QFETCH(QString, which);
        Program program;
        program.windows.showTable();
        SecondaryWindow* first = open(program, which);
        first->showMinimized();
        SecondaryWindow* second = open(program, which);
        QCOMPARE(second, first);
        QVERIFY(second->isVisible());
        QVERIFY(!second->isMinimized());
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [](QWidget* w) { return qobject_cast<SecondaryWindow*>(w); }),
                 1);
    }

    void bothOpenBesideTheTable() {
        Program program;
        program.windows.showTable();
        QRect table = program.table()->frameGeometry();
        SecondaryWindow* rules = open(program, QStringLiteral("rules"));
        SecondaryWindow* computer = open(program, QStringLiteral("computer"));
        QVERIFY(program.table()->isVisible());
        QVERIFY(rules->isVisible());
        QVERIFY(computer->isVisible());
        QVERIFY(!rules->frameGeometry().contains(table));
        QVERIFY(!computer->frameGeometry().contains(table));
        QVERIFY(computer->frameGeometry().topLeft() != rules->frameGeometry().topLeft());
    }

    // BACK TO GAME and Exit on either window: the running table stays as it was.
    void returnLeavesTheTable_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<bool>("byButton");
        QTest::newRow("rules, BACK TO GAME") << "rules" << true;
        QTest::newRow("rules, Exit") << "rules" << false;
        QTest::newRow("computer, BACK TO GAME") << "computer" << true;
        QTest::newRow("computer, Exit") << "computer" << false;
    }
    void returnLeavesTheTable() {
        QFETCH(QString, which);
        QFETCH(bool, byButton);
        Program program;
        QSignalSpy built(&program.windows, &Windows::tableBuilt);
        program.windows.showTable();
        FrmCPF* table = program.table();
        QVERIFY(program.act(PlayerAction::Up, "udBet"));
        QVERIFY(program.act(PlayerAction::Up, "udBet"));
        program.die.faces.push_back(4);
        QVERIFY(program.act(PlayerAction::Click, "cmdRoll"));
        const QString point = table->widgets().lblpoint->caption();

        SecondaryWindow* window = open(program, which);
        QSignalSpy back(window, &SecondaryWindow::returnToTableRequested);
        if (byButton)
            QTest::mouseClick(window->widget(buttonOf(which)), Qt::LeftButton);
        else
            window->mnuexit()->action()->trigger();
        QCOMPARE(back.size(), 1);
        QVERIFY(!window->isVisible());
        settle();
        QVERIFY(program.windows.rules() == nullptr);
        QVERIFY(program.windows.computerGame() == nullptr);

        QCOMPARE(program.table(), table);
        QCOMPARE(built.size(), 1);
        QVERIFY(table->isVisible());
        QCOMPARE(table->table().Bankroll, dollars(90));
        QCOMPARE(table->widgets().udBet->value(), 10);
        QCOMPARE(table->table().Point, 4);
        QCOMPARE(table->widgets().lblpoint->caption(), point);
        QCOMPARE(table->widgets().lblBankroll->caption(), QStringLiteral("90"));
    }

    // The table closes (Exit or its close box) while a Help window is open: the program keeps
    // running with that window alone, and returning from it deals a fresh table.
    void closedTableComesBackFresh_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<bool>("byExit");
        QTest::addColumn<bool>("byButton");
        QTest::newRow("Exit, rules BACK TO GAME") << "rules" << true << true;
        QTest::newRow("close box, rules Exit") << "rules" << false << false;
        QTest::newRow("Exit, computer Exit") << "computer" << true << false;
        QTest::newRow("close box, computer BACK TO GAME") << "computer" << false << true;
    }
    void closedTableComesBackFresh() {
        QFETCH(QString, which);
        QFETCH(bool, byExit);
        QFETCH(bool, byButton);
        QVERIFY(QGuiApplication::quitOnLastWindowClosed());
        Program program;
        QSignalSpy built(&program.windows, &Windows::tableBuilt);
        QPointer<FrmCPF> first;
        QPointer<SecondaryWindow> window;
        bool alone = false;
        bool fresh = false;
        const int status = runProgram({
            [&] {
                program.windows.showTable();
                first = program.table();
                program.act(PlayerAction::Up, "udBet");
                window = open(program, which);
                if (byExit)
                    program.menu("mnuexit");
                else
                    first->close();
            },
            [&] {
                alone = first == nullptr && window != nullptr && window->isVisible();
                if (byButton)
                    QTest::mouseClick(window->widget(buttonOf(which)), Qt::LeftButton);
                else
                    window->mnuexit()->action()->trigger();
            },
            [&] {
                FrmCPF* table = program.table();
                fresh = table != nullptr && table->isVisible() && window == nullptr &&
                        table->table().Bankroll == dollars(100) &&
                        table->widgets().lblBankroll->caption() == u"100" &&
                        table->widgets().lblpoint->caption() == u"NO POINT" &&
                        table->widgets().udBet->value() == 0;
                if (table != nullptr)
                    table->close(); // the last window: the program ends
            },
        });
        QVERIFY2(alone, "the Help window did not stay alone after the table closed");
        QVERIFY2(fresh, "returning did not bring a fresh table");
        QCOMPARE(built.size(), 2);
        QCOMPARE(status, 0);
    }

    void exitOnTheTableAloneEndsTheProgram() {
        Program program;
        QPointer<FrmCPF> table;
        const int status = runProgram({
            [&] {
                program.windows.showTable();
                table = program.table();
                program.act(PlayerAction::Up, "udBet");
                program.menu("mnuexit");
            },
        });
        QCOMPARE(status, 0);
        QVERIFY(table == nullptr);
        QVERIFY(program.messages.shown.isEmpty()); // nothing asked
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
