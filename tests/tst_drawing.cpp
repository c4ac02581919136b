// How the table lays out its texts: captions wrapped into the lines the player sees, blanks as
// the captions set them; and the message box, its text as far from either edge.

#include "table/startup.h"
#include "ui/qtmessagebox.h"
#include "ui/tablelayout.h"
#include "ui/widgets.h"

#include <QLabel>
#include <QMessageBox>
#include <QTest>

class TestDrawing : public QObject {
    Q_OBJECT
private slots:
    void wrapping_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("width"); // 0: just the width of the first line
        QTest::addColumn<QStringList>("lines");
        const auto row = [](const char* name, const QString& caption, int width,
                            const QStringList& lines) {
            QTest::newRow(name) << caption << width << lines;
        };
        // The about panel: runs of blanks push the name and the version onto lines of their
        // own, and the version keeps its double blank.
        row("about panel", startUpRow(ControlId::lblabout).caption,
            tableRow(ControlId::lblabout).geometry[2] / 15,
            {QString(), QStringLiteral("Pipfall"), QStringLiteral("Version  1.1")});
        row("fits on one line", QStringLiteral("Roll  Die"), 255, {QStringLiteral("Roll  Die")});
        row("a double blank inside a line",
            QStringLiteral("One on the come out is a loser.  The amount"), 400,
            {QStringLiteral("One on the come out is a loser.  The amount")});
        row("a break at a double blank drops it",
            QStringLiteral("One on the come out is a loser.  The amount"), 0,
            {QStringLiteral("One on the come out is a loser."), QStringLiteral("The amount")});
        row("never after a hyphen", QStringLiteral("Make One-Roll Bet"), 0,
            {QStringLiteral("Make One-Roll"), QStringLiteral("Bet")});
    }
    void wrapping() {
        QFETCH(QString, caption);
        QFETCH(int, width);
        QFETCH(QStringList, lines);
        const QFontMetrics metrics(drawingFont({QStringLiteral("Arial"), 12, true}));
        if (width == 0)
            width = metrics.horizontalAdvance(lines.first());
        QTEST(wrapCaption(caption, metrics, width), "lines");
    }

    // The box shows no icon, and keeps no room for one: the text stands as far from the left
    // edge as from the right.
    void messageBoxMargins_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("short") << QStringLiteral("Your bet cannot be over your bankroll.");
        QTest::newRow("long")
            << QStringLiteral("Lower your bet. Bankroll insufficient. ").repeated(8);
    }
    void messageBoxMargins() {
        QFETCH(QString, text);
        const std::unique_ptr<QMessageBox> box = QtMessageBox::messageBox(text, nullptr);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label != nullptr);
        QCOMPARE(label->text(), text);
        const QRect r = label->geometry();
        QCOMPARE(r.left(), box->width() - 1 - r.right());
        box->close();
    }
};

QTEST_MAIN(TestDrawing)
#include "tst_drawing.moc"
