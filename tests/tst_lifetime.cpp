// The parts of the windows end in any order. A widget, the screen reader's announcer or a menu
// deleted before the table is told nothing more of it, and what is left plays on; a window
// goes with its table or its controls first. Under the address sanitizer (PIPFALL_SANITIZE),
// a view still told of a change after its end fails here.

#include "replay/replay.h"
#include "table/table.h"
#include "ui/accessibility.h"
#include "ui/frmcpf.h"
#include "ui/secondarywindows.h"
#include "ui/widgets.h"

#include <QMenuBar>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TestLifetime : public QObject {
    Q_OBJECT

private slots:
    // A winning roll, then a new bankroll of 20 dollars: captions, values, enabled flags,
    // check marks and the table's events all change after the part has gone.
    void partGoesFirst_data() {
        QTest::addColumn<QString>("part");
        for (const char* part : {"widgets", "bankroll label", "announcer", "menus"})
            QTest::newRow(part) << QString::fromLatin1(part);
    }
    void partGoesFirst() {
        QFETCH(QString, part);
        ReplayEngine engine([](const std::string&) {});
        QVERIFY2(engine.start(), qPrintable(engine.error()));
        QVERIFY(engine.runLine(u"die 6"_s, 1));
        FrmCPF& window = *engine.window();
        QPointer<QWidget> bankroll = window.widget(ControlId::lblBankroll);
        const QHash<QString, QObject*> parts = {{u"widgets"_s, window.centralWidget()},
                                                {u"bankroll label"_s, bankroll},
                                                {u"announcer"_s, window.announcer()},
                                                {u"menus"_s, window.menuBar()}};
        delete parts.value(part);
        TableControls& w = window.table().controls();
        w.udBet.stepUp();
        w.cmdRoll.Click.raise();
        QCOMPARE(w.picdie.pictureName(), u"imgdie6.bmp"_s);
        QCOMPARE(w.lblBankroll.caption(), u"100"_s); // the bet of 1 charged, and won
        w.mnu20.Click.raise();
        QCoreApplication::processEvents(); // the window settles and the announcer speaks
        QCOMPARE(w.lblBankroll.caption(), u"20"_s);
        // The rest still shows the table.
        const bool widgetsLeft = part != u"widgets";
        QCOMPARE(window.widget(ControlId::cmdRoll) != nullptr, widgetsLeft);
        QCOMPARE(bankroll != nullptr, widgetsLeft && part != u"bankroll label");
        if (part == u"menus")
            QVERIFY(window.action(ControlId::mnu20) == nullptr);
        else
            QVERIFY(window.action(ControlId::mnu20)->isChecked() == w.mnu20.checked());
        if (part != u"announcer" && widgetsLeft)
            QVERIFY(window.announcer()->text().contains(u"New bankroll."_s));
    }

    // A Help window deletes its controls before its widgets (its members go before its
    // children): no view touches what it showed. (The table window, shown with a widget
    // focused, goes whole at the end of every keys row of tst_accessibility.)
    void windowGoesWhole() {
        auto rules = std::make_unique<FrmPFrules>();
        rules->show();
        QVERIFY(rules->widget(u"cmdBack"_s) != nullptr);
        rules.reset();
    }
};

QTEST_MAIN(TestLifetime)
#include "tst_lifetime.moc"
