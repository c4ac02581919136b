// What a screen reader finds on the table: names that follow play, the holders' press action,
// the up-downs' value and arrow keys, what the announcer says after each action, and where
// the keyboard focus goes.

#include "replay/replay.h"
#include "support/moves.h"
#include "support/rows.h"
#include "table/table.h"
#include "ui/accessibility.h"
#include "ui/frmcpf.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The table window after the moves (tests/support/moves.h); failure says why they stopped.
struct Played {
    ReplayEngine engine{[](const std::string&) {}};
    QString failure;
    explicit Played(const QString& moves) {
        if (!engine.start()) {
            failure = engine.error();
            return;
        }
        int n = 0;
        for (const QString& line : linesOf(moves)) {
            if (!playLine(engine, line, ++n)) {
                failure = u"\"%1\" failed: %2"_s.arg(line, engine.error());
                return;
            }
            QCoreApplication::processEvents(); // the window settles after every action
        }
    }
    QAccessibleInterface* reader(const QString& name) {
        return QAccessible::queryAccessibleInterface(engine.window()->widget(name));
    }
    QString bankroll() { return engine.table().controls().lblBankroll.caption(); }
};

// The fewest pixels a focus mark changes to be seen at a glance: the dotted frame of the
// smallest stop, a one-roll spot, changes 32.
constexpr int kClearFocusMark = 32;

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void names_data() { addRows("accessibility/names.txt", {"moves", "widget", "name"}); }
    void names() {
        QFETCH(QString, moves);
        QFETCH(QString, widget);
        Played t(moves);
        QVERIFY2(t.failure.isEmpty(), qPrintable(t.failure));
        QAccessibleInterface* reader = t.reader(widget);
        QString said = reader->text(QAccessible::Name);
        if (QAccessibleTextInterface* text = reader->textInterface())
            said += u" = "_s + text->text(0, text->characterCount());
        QTEST(said, "name");
    }

    // After each action the announcer, a notification, says once what the action did, if
    // anything: the bet set with its up-down, which says the amount itself, is not announced.
    void announcements_data() { addRows("accessibility/announcements.txt", {"", "moves", "said"}); }
    void announcements() {
        QFETCH(QString, moves);
        Played t({});
        QVERIFY2(t.failure.isEmpty(), qPrintable(t.failure));
        QSignalSpy spy(t.engine.window()->announcer(), &Announcer::announced);
        int n = 0;
        for (const QString& line : linesOf(moves)) {
            const int before = static_cast<int>(spy.size());
            QVERIFY2(playLine(t.engine, line, ++n), qPrintable(t.engine.error()));
            QCoreApplication::processEvents();
            QVERIFY(spy.size() <= before + 1); // one announcement at most for each action
        }
        QAccessibleInterface* reader =
            QAccessible::queryAccessibleInterface(t.engine.window()->announcer());
        QCOMPARE(reader->role(), QAccessible::Notification);
        QFETCH(QString, said);
        QCOMPARE(reader->text(QAccessible::Name), said.simplified());
        QCOMPARE(spy.isEmpty() ? QString() : spy.last().first().toString(), said.simplified());
    }

    void keys_data() {
        addRows("accessibility/keys.txt", {"", "moves", "widget", "keys", "bankroll", "focus"});
    }
    void keys() {
        QFETCH(QString, moves);
        QFETCH(QString, widget);
        QFETCH(QString, keys);
        Played t(moves);
        QVERIFY2(t.failure.isEmpty(), qPrintable(t.failure));
        FrmCPF* window = activeWindow(t.engine);
        QVERIFY(window != nullptr);
        window->widget(widget)->setFocus();
        QMenuBar* bar = window->menuBar();
        const QImage plain = bar->grab().toImage();
        QWidget* target = window->widget(widget);
        for (const QString& key : keys.split(u' ')) {
            const QKeyCombination named = QKeySequence::fromString(key)[0];
            if (key == u"press") // pressed through the screen reader's action
                QAccessible::queryAccessibleInterface(target)->actionInterface()->doAction(
                    QAccessibleActionInterface::pressAction());
            else
                QTest::keyClick(target, named.key(), named.keyboardModifiers());
            QCoreApplication::processEvents();
            target = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                       : QApplication::focusWidget();
            QVERIFY2(target != nullptr, "nothing has the keys");
        }
        QTEST(t.bankroll(), "bankroll");
        // An open menu has the keyboard, at its active item; the menu bar, at the title it
        // shows as selected, and it looks as before once it gives the keys back.
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QString focused = target->objectName();
        if (menu != nullptr) {
            focused = menu->objectName() + u": "_s + menu->activeAction()->objectName();
        } else if (target == bar) {
            focused = u"menu bar: "_s + bar->activeAction()->objectName();
            const QRect place = bar->actionGeometry(bar->activeAction());
            QVERIFY2(bar->grab(place).toImage() != plain.copy(place),
                     "the menu bar holds the keys unseen");
        } else {
            QCOMPARE(bar->grab().toImage(), plain);
        }
        QTEST(focused, "focus");
    }

    // Tab goes round every focus stop of the table (tests/accessibility/focus-stops.txt).
    void focusStops_data() { addRows("accessibility/focus-stops.txt", {"", "moves", "stops"}); }
    void focusStops() {
        QFETCH(QString, moves);
        Played t(moves);
        QVERIFY2(t.failure.isEmpty(), qPrintable(t.failure));
        FrmCPF* window = activeWindow(t.engine);
        QVERIFY(window != nullptr);
        QStringList visited;
        QTest::keyClick(window, Qt::Key_Tab);
        for (int n = 0; n < 30; ++n) {
            QCoreApplication::processEvents();
            QWidget* focused = QApplication::focusWidget();
            QVERIFY(focused != nullptr);
            const QString name = focused->objectName();
            if (visited.contains(name))
                break;
            visited << name;
            QVERIFY2(focused->isVisible() && focused->isEnabled(), qPrintable(name));
            const QImage marked = focused->grab().toImage();
            focused->clearFocus();
            const QImage plain = focused->grab().toImage();
            focused->setFocus(Qt::TabFocusReason);
            int changed = 0;
            for (int y = 0; y < marked.height(); ++y)
                for (int x = 0; x < marked.width(); ++x)
                    changed += marked.pixel(x, y) != plain.pixel(x, y);
            qInfo("%s: focus mark changes %d px", qPrintable(name), changed);
            QVERIFY2(changed >= kClearFocusMark,
                     qPrintable(u"%1's focus mark changes only %2 px"_s.arg(name).arg(changed)));
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        // The chain is a circle: compare it from the first stop of the expected order.
        QFETCH(QString, stops);
        const QStringList wanted = stops.split(u' ');
        const qsizetype start = visited.indexOf(wanted.first());
        QVERIFY2(start >= 0, qPrintable(visited.join(u' ')));
        QCOMPARE((visited.mid(start) + visited.mid(0, start)).join(u' '), wanted.join(u' '));
    }

    // The value interface moves the bet one step at a time, through the bet's handler.
    void value() {
        Played t({});
        QVERIFY2(t.failure.isEmpty(), qPrintable(t.failure));
        QAccessibleValueInterface* value = t.reader("udBet")->valueInterface();
        QVERIFY(value != nullptr);
        QCOMPARE(value->maximumValue().toInt(), 500);
        value->setCurrentValue(12); // to the nearest step
        QCOMPARE(value->currentValue().toInt(), 10);
        QCOMPARE(t.bankroll(), u"90"_s);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
