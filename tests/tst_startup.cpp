// The table as it opens: its whole observable state against a reviewed record, the widgets
// as built from their rows, the tab order; the up-down's rules; the die's faces and its random
// source; the Currency text form; the die-picture loader on bad files.

#include "replay/state.h"
#include "support/tabletest.h"
#include "table/currency.h"
#include "table/die.h"
#include "ui/widgets.h"
#include "ui/widgettable.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

int pixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

QRgb rgb(QColor colour) {
    return colour.rgb() & 0xFFFFFF;
}

// The focus cycle the Tab key walks, starting from the widget that has the focus.
QStringList tabCycle(QWidget* window) {
    QStringList names;
    QWidget* start = QApplication::focusWidget();
    if (start == nullptr)
        return names;
    names << start->objectName();
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(window, Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (now == nullptr || now == start)
            break;
        names << now->objectName();
    }
    return names;
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
    QString startDir_;

private slots:
    void initTestCase() { startDir_ = QDir::currentPath(); }

    // ---------------------------------------------------------------- the window at start

    // Every caption, colour, font, visibility,, enabled state, menu check mark and the variables
    // Form_Load sets, against tests/golden/startup.json (reviewed by hand, one widget a line).
    void startState() {
        TableTest table;
        const QJsonObject state =
            QJsonDocument::fromJson(QByteArray::fromStdString(stateJson(*table.window))).object();
        QFile file(qEnvironmentVariable("PIPFALL_SOURCE_DIR") + "/tests/golden/startup.json");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject golden = QJsonDocument::fromJson(file.readAll()).object();
        QCOMPARE(state.value(u"vars"), golden.value(u"vars"));
        const QJsonObject widgets = state.value(u"widgets").toObject();
        const QJsonObject expected = golden.value(u"widgets").toObject();
        QCOMPARE(widgets.keys(), expected.keys());
        for (const QString& name : expected.keys())
            QVERIFY2(
                widgets.value(name) == expected.value(name),
                qPrintable(name + ": " + QJsonDocument(widgets.value(name).toObject()).toJson()));
        // Buttons and text boxes: the colour they paint and their font.
        QJsonObject controls;
        for (const NamedWidget& named : table.window->namedWidgets()) {
            if (named.kind != Kind::Button && named.kind != Kind::TextBox)
                continue;
            const QImage painted = named.widget->grab().toImage();
            const QFont font = named.widget->font();
            // A button's face below its top edge; a box inside its sunken frame, beside the text.
            const QPoint at = named.kind == Kind::Button ? QPoint(painted.width() / 2, 3)
                                                         : QPoint(3, painted.height() / 2);
            controls.insert(named.name,
                            QJsonObject{{"back", painted.pixelColor(at).name().toUpper()},
                                        {"font", QStringLiteral("%1 %2 %3")
                                                     .arg(font.families().value(0))
                                                     .arg(font.pixelSize() * 0.75)
                                                     .arg(font.bold() ? "bold" : "regular")}});
        }
        QCOMPARE(controls, golden.value(u"controls").toObject());
        const Table& t = table.t();
        QCOMPARE(QList<int>({t.Idx, t.WholeDollars, t.MsgAnswer, table.die.draws}),
                 QList<int>({0, 0, 0, 0}));
        QVERIFY(table.messages.shown.isEmpty() && table.messages.faults.isEmpty());
    }

    // The builder: each widget in the order, place, kind, colours and fonts of its row.
    void builtFromRows() {
        TableTest table;
        const auto& named = table.window->namedWidgets();
        int next = 0;
        for (const WidgetRow& row : kTableWidgets) {
            if (row.kind == Kind::Shape || row.kind == Kind::Line)
                continue;
            const QString name = QString::fromLatin1(row.name);
            QVERIFY(next < static_cast<int>(named.size()));
            QCOMPARE(named.at(static_cast<size_t>(next++)).name, name);
            QWidget* widget = table.window->widget(name);
            QVERIFY2(widget != nullptr && widget->objectName() == name, row.name);
            const auto& g = row.geometry;
            QCOMPARE(widget->geometry(),
                     QRect(pixels(g[0]), pixels(g[1]), pixels(g[2]), pixels(g[3])));
            // cmdCancelOR is created visible; Form_Load hides it.
            QCOMPARE(!widget->isHidden(), (row.flags & Visible) && name != u"cmdCancelOR");
            QCOMPARE(widget->isEnabled(), bool(row.flags & Enabled));
            const QImage painted = widget->grab().toImage();
            const QRgb back = static_cast<QRgb>(row.back);
            if (row.kind == Kind::Label) {
                QVERIFY(qobject_cast<Label*>(widget) != nullptr);
                // Opaque: the corner is painted in the back colour, or black where the border runs.
                QCOMPARE(painted.pixel(0, 0) & 0xFFFFFF, (row.flags & Border) ? 0u : back);
            } else if (auto* button = qobject_cast<Button*>(widget)) {
                QCOMPARE(rgb(button->backColor()), back);
                QVERIFY(!button->isDefault() && !button->autoDefault());
            } else if (row.kind == Kind::TextBox) {
                QVERIFY(qobject_cast<TextBox*>(widget) != nullptr);
            } else if (row.kind == Kind::PictureBox) {
                QVERIFY(qobject_cast<PictureBox*>(widget) != nullptr);
                QCOMPARE(painted.pixel(0, 0) & 0xFFFFFF, 0u); // the one-pixel border
            } else {
                QVERIFY(qobject_cast<UpDown*>(widget) != nullptr);
            }
        }
        QCOMPARE(next, static_cast<int>(named.size()));
        QCOMPARE(named.size() + table.window->menuItems().size(), 66u);
    }

    // Each menu item sits in its menu, in order, with no shortcut key.
    void menusReachable() {
        TableTest table;
        QStringList bar; // each menu followed by its items
        for (QAction* top : table.window->menuBar()->actions()) {
            bar << top->text();
            for (QAction* action : top->menu()->actions())
                bar << action->text();
        }
        QCOMPARE(bar, (QStringList{"&Options", "&Auto re-bet", "Bet &max", "Bet mi&n", "E&xit",
                                   "&Bankroll", "&20", "&100", "1,00&0", "&5,000", "&Help",
                                   "&Rules", "&Computer Game", "About &Pipfall"}));
        for (const auto& [name, item] : table.window->menuItems()) {
            QVERIFY(item->isReachable() && item->action()->isVisible());
            QVERIFY(item->action()->shortcut().isEmpty());
        }
    }

    // Each up-down's range and step, and its buddy: that box, and no other, follows a change.
    void upDownRanges() {
        for (int i = 0; i <= 6; ++i) {
            TableTest table;
            const QString name =
                i == 0 ? QStringLiteral("udBet") : QStringLiteral("udOneRoll(%1)").arg(i);
            const QString buddy =
                i == 0 ? QStringLiteral("txtBet") : QStringLiteral("txtOneRoll(%1)").arg(i);
            auto* upDown = qobject_cast<UpDown*>(table.window->widget(name));
            QVERIFY(upDown != nullptr);
            const int step = i == 0 ? 5 : 1;
            QCOMPARE(QList<int>({upDown->minimum(), upDown->maximum(), upDown->step()}),
                     QList<int>({0, i == 0 ? 500 : 100, step}));
            upDown->setValue(step);
            for (const NamedWidget& widget : table.window->namedWidgets()) {
                if (widget.kind == Kind::TextBox)
                    QCOMPARE(static_cast<TextBox*>(widget.widget)->text(),
                             widget.name == buddy ? QString::number(step) : QStringLiteral("0"));
            }
        }
    }

    void clientArea() {
        TableTest table;
        table.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(table.window.get()));
        QCOMPARE(table.window->centralWidget()->size(), QSize(792, 554));
        QCOMPARE(table.window->windowTitle(), QStringLiteral("PIPFALL"));
        QCOMPARE(table.window->objectName(), QStringLiteral("frmCPF"));
        QCOMPARE(table.window->centralWidget()->palette().color(QPalette::Window),
                 QColor(0, 0, 255));

        // Nothing moves when the window is resized.
        const QRect bankroll = table.w().lblBankroll->geometry();
        table.window->resize(400, 300);
        QTRY_COMPARE(table.window->size(), QSize(400, 300));
        QCOMPARE(table.w().lblBankroll->geometry(), bankroll);
    }

    void tabOrder_data() {
        QTest::addColumn<QString>("show"); // names, blank-separated
        QTest::addColumn<QString>("disable");
        QTest::addColumn<QString>("cycle");
        QTest::newRow("at start") << ""
                                  << ""
                                  << "udBet cmdRoll cmdOneRoll pblogo";
        QTest::newRow("die shown") << "picdie"
                                   << ""
                                   << "picdie udBet cmdRoll cmdOneRoll pblogo";
        QTest::newRow("one-roll panel open")
            << "udOneRoll(1) udOneRoll(2) udOneRoll(3) udOneRoll(4) udOneRoll(5) udOneRoll(6) "
               "cmdEnterOR cmdCancelOR"
            << ""
            << "udBet cmdRoll cmdOneRoll udOneRoll(1) udOneRoll(2) udOneRoll(3) udOneRoll(4) "
               "udOneRoll(5) cmdEnterOR udOneRoll(6) pblogo cmdCancelOR";
        QTest::newRow("point on: the bet is locked") << ""
                                                     << "udBet"
                                                     << "cmdRoll cmdOneRoll pblogo";
    }

    void tabOrder() {
        QFETCH(QString, show);
        QFETCH(QString, disable);
        QFETCH(QString, cycle);
        TableTest table;
        for (const QString& name : show.split(u' ', Qt::SkipEmptyParts))
            table.window->widget(name)->setVisible(true);
        for (const QString& name : disable.split(u' ', Qt::SkipEmptyParts))
            table.window->widget(name)->setEnabled(false);
        table.window->show();
        QApplication::setActiveWindow(table.window.get());
        QVERIFY(QTest::qWaitForWindowExposed(table.window.get()));
        QTRY_VERIFY(table.window->isActiveWindow());
        // The focus starts on the first widget of the tab order that can take it.
        QTRY_COMPARE(QApplication::focusWidget(), table.window->widget(cycle.section(u' ', 0, 0)));
        QCOMPARE(tabCycle(table.window.get()).join(u' '), cycle);
    }

    // ---------------------------------------------------------------- the up-down

    void upDownRules_data() {
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("action"); // up, down, or set:N
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("changes");
        QTest::newRow("up from 0 by 5") << 500 << 5 << 0 << "up" << 5 << 1;
        QTest::newRow("down by 5") << 500 << 5 << 10 << "down" << 5 << 1;
        QTest::newRow("up stops at 500") << 500 << 5 << 500 << "up" << 500 << 0;
        QTest::newRow("down stops at 0") << 500 << 5 << 0 << "down" << 0 << 0;
        QTest::newRow("498 goes to 500, not past") << 500 << 5 << 498 << "up" << 500 << 1;
        QTest::newRow("3 goes to 0, not below") << 500 << 5 << 3 << "down" << 0 << 1;
        QTest::newRow("one-roll stops at 100") << 100 << 1 << 100 << "up" << 100 << 0;
        QTest::newRow("code sets a new value") << 500 << 5 << 0 << "set:120" << 120 << 1;
        QTest::newRow("same value raises nothing") << 500 << 5 << 45 << "set:45" << 45 << 0;
    }

    void upDownRules() {
        QFETCH(int, maximum);
        QFETCH(int, step);
        QFETCH(int, start);
        QFETCH(QString, action);
        QFETCH(int, value);
        QFETCH(int, changes);
        TextBox buddy;
        UpDown upDown;
        upDown.setRange(0, maximum, step);
        upDown.setBuddy(&buddy);
        upDown.setValue(start);
        buddy.setText(QStringLiteral("untouched"));
        QStringList events;
        connect(&buddy, &TextBox::changed, this, [&] { events << "buddy " + buddy.text(); });
        // A change handler reads the amount from the buddy: it must already be there.
        connect(&upDown, &UpDown::changed, this, [&] { events << "change sees " + buddy.text(); });
        if (action == u"up")
            upDown.stepUp();
        else if (action == u"down")
            upDown.stepDown();
        else
            upDown.setValue(action.mid(4).toInt());
        QCOMPARE(upDown.value(), value);
        const QString shown = QString::number(value);
        QCOMPARE(events,
                 changes ? QStringList({"buddy " + shown, "change sees " + shown}) : QStringList());
    }

    void upDownMouse_data() {
        QTest::addColumn<bool>("upper");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("value");
        QTest::newRow("upper arrow") << true << true << 15;
        QTest::newRow("lower arrow") << false << true << 5;
        QTest::newRow("disabled takes no click") << true << false << 10;
    }

    void upDownMouse() {
        QFETCH(bool, upper);
        QFETCH(bool, enabled);
        QFETCH(int, value);
        TableTest table;
        UpDown* upDown = table.w().udBet;
        upDown->setValue(10);
        upDown->setEnabled(enabled);
        table.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(table.window.get()));
        QSignalSpy changed(upDown, &UpDown::changed);
        const int y = upper ? upDown->height() / 4 : upDown->height() * 3 / 4;
        QTest::mouseClick(upDown, Qt::LeftButton, {}, QPoint(upDown->width() / 2, y));
        QCOMPARE(upDown->value(), value);
        QCOMPARE(table.w().txtBet->text(), QString::number(value));
        QCOMPARE(changed.count(), value == 10 ? 0 : 1);
    }

    // ---------------------------------------------------------------- the die

    void faces_data() {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("face");
        QTest::newRow("0 gives 1") << 0.0f << 1;
        QTest::newRow("just below a sixth") << 0.1666f << 1;
        QTest::newRow("just above a sixth") << 0.1667f << 2;
        QTest::newRow("a half") << 0.5f << 4;
        QTest::newRow("just below five sixths") << 0.8333f << 5;
        QTest::newRow("just above five sixths") << 0.8334f << 6;
        QTest::newRow("largest single below 1 gives 6") << std::nextafter(1.0f, 0.0f) << 6;
    }

    void faces() {
        QFETCH(float, r);
        QFETCH(int, face);
        QCOMPARE(faceFromR(r), face);
        QCOMPARE(dieFileName(face), QStringLiteral("imgdie%1.bmp").arg(face));
    }

    void everyFaceEquallyWide() {
        // Every value the die source can give (k / 2^24): each face takes a sixth of them.
        int counts[8] = {};
        constexpr int kValues = 1 << 24;
        for (int k = 0; k < kValues; ++k)
            ++counts[std::clamp<int>(faceFromR(static_cast<float>(k) / kValues), 0, 7)];
        QCOMPARE(counts[0] + counts[7], 0);
        for (int face = 1; face <= 6; ++face)
            QVERIFY2(std::abs(counts[face] - kValues / 6) <= 8, qPrintable(QString::number(face)));
    }

    void clockDieSpreads() {
        // Rolls made back to back, many within one millisecond, each reseeded from the clock.
        ClockDieSource die;
        constexpr int kRolls = 60000;
        int counts[7] = {};
        int repeats = 0;
        int previous = 0;
        for (int i = 0; i < kRolls; ++i) {
            die.randomize();
            const std::optional<float> r = die.next();
            QVERIFY(r && *r >= 0.0f && *r < 1.0f);
            const int face = faceFromR(*r);
            ++counts[face];
            repeats += face == previous;
            previous = face;
        }
        double chiSquare = 0;
        for (int face = 1; face <= 6; ++face)
            chiSquare += std::pow(counts[face] - kRolls / 6.0, 2) / (kRolls / 6.0);
        // 5 degrees of freedom: above 25 happens by chance once in ten thousand runs.
        QVERIFY2(chiSquare < 25, qPrintable(QStringLiteral("chi-square %1").arg(chiSquare)));
        // The same face twice in a row about one time in six (10,000 of 60,000; sd about 91).
        QVERIFY2(std::abs(repeats - (kRolls - 1) / 6) < 500, qPrintable(QString::number(repeats)));
    }

    // ---------------------------------------------------------------- money

    void currency_data() {
        QTest::addColumn<qint64>("units"); // ten-thousandths of a dollar
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("whole"); // rounded half to even
        QTest::newRow("100") << qint64(1000000) << "100" << 100;
        QTest::newRow("a debt of 8") << qint64(-80000) << "-8" << -8;
        QTest::newRow("0.5") << qint64(5000) << "0.5" << 0;
        QTest::newRow("-0.5") << qint64(-5000) << "-0.5" << 0;
        QTest::newRow("1.5") << qint64(15000) << "1.5" << 2;
        QTest::newRow("-1.5") << qint64(-15000) << "-1.5" << -2;
        QTest::newRow("12.5") << qint64(125000) << "12.5" << 12;
        QTest::newRow("12.5001") << qint64(125001) << "12.5001" << 13;
        QTest::newRow("12.4999") << qint64(124999) << "12.4999" << 12;
        QTest::newRow("zero") << qint64(0) << "0" << 0;
        QTest::newRow("a ten-thousandth") << qint64(1) << "0.0001" << 0;
        QTest::newRow("no thousands separator") << qint64(1000010000) << "100001" << 100001;
        QTest::newRow("trailing zeros go") << qint64(12345600) << "1234.56" << 1235;
    }

    void currency() {
        QFETCH(qint64, units);
        QFETCH(QString, text);
        QFETCH(int, whole);
        QCOMPARE(Currency::fromUnits(units).toText(), text);
        Currency back;
        QVERIFY(Currency::fromText(text, &back));
        QCOMPARE(back.units(), units);
        QCOMPARE(Currency::fromUnits(units).toInt32(), whole);
    }

    // ---------------------------------------------------------------- die pictures

    void pictureLoader_data() {
        QTest::addColumn<QByteArray>("bytes"); // what lies at imgdie1.bmp, or "missing"/"folder"
        QTest::addColumn<QString>("error");    // empty when the picture loads
        QFile file(qEnvironmentVariable("PIPFALL_SOURCE_DIR") + "/assets/imgdie1.bmp");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray real = file.readAll();
        // The BMP info header's width and height, at offsets 18 and 22: 60000 by 60000.
        const QByteArray huge =
            QByteArray(real).replace(18, 8, QByteArray("\x60\xea\0\0\x60\xea\0\0", 8));
        QTest::newRow("the real picture") << real << "";
        QTest::newRow("missing") << QByteArray("missing") << "missing";
        QTest::newRow("empty") << QByteArray() << "not a readable BMP";
        QTest::newRow("garbage") << QByteArray(200, 'Z') << "not a readable BMP";
        QTest::newRow("a folder") << QByteArray("folder") << "not a file";
        QTest::newRow("header claims 60000 by 60000") << huge << "picture";
    }

    void pictureLoader() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("imgdie1.bmp")));
        if (bytes == "folder")
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("imgdie1.bmp")));
        else if (bytes != "missing")
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        QVERIFY(QDir::setCurrent(dir.path()));
        QString got;
        const QImage image = FilePictureLoader().load(QStringLiteral("imgdie1.bmp"), &got);
        QVERIFY(QDir::setCurrent(startDir_));
        QCOMPARE(image.isNull(), !error.isEmpty());
        if (error.isEmpty())
            QCOMPARE(image.size(), QSize(39, 39)); // with its border, picdie stays 615 by 615 twips
        else
            QVERIFY2(got.contains(error), qPrintable(got));
    }

    void checkNamesMissingPicture() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString assets =
            qEnvironmentVariable("PIPFALL_SOURCE_DIR") + QStringLiteral("/assets/");
        for (int face : {1, 2, 4, 5, 6})
            QVERIFY(QFile::copy(assets + dieFileName(face), dir.filePath(dieFileName(face))));
        QVERIFY(QDir::setCurrent(dir.path()));
        FilePictureLoader loader;
        const std::optional<QString> fault = checkDiePictures(loader);
        const QString folder = QDir::toNativeSeparators(QDir::currentPath());
        QVERIFY(QDir::setCurrent(startDir_));
        QVERIFY(fault.has_value());
        QVERIFY2(fault->contains(QStringLiteral("\"imgdie3.bmp\"")), qPrintable(*fault));
        QVERIFY2(fault->contains(folder), qPrintable(*fault));
        QVERIFY(QFile::copy(assets + dieFileName(3), dir.filePath(dieFileName(3))));
        QVERIFY(QDir::setCurrent(dir.path()));
        const bool allThere = !checkDiePictures(loader).has_value();
        QVERIFY(QDir::setCurrent(startDir_));
        QVERIFY(allThere);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
