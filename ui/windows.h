#pragma once

// The program's three windows, each at most once: the table frmCPF and the two windows of
// the Help menu. A closed window is destroyed; asking for it again builds it afresh, which
// for the table means a new game (Form_Load runs again).

#include "table/seams.h"
#include "ui/frmcpf.h"
#include "ui/secondarywindows.h"

#include <QObject>
#include <QPointer>

class Windows : public QObject {
    Q_OBJECT
public:
    explicit Windows(Platform& platform, QObject* parent = nullptr);
    ~Windows() override;

    FrmCPF* table() const { return table_; }
    FrmPFrules* rules() const { return rules_; }
    FrmCG* computerGame() const { return computerGame_; }

public slots:
    // Each builds its window when there is none, then shows it and brings it to the front. A
    // Help window opens centred on the table.
    void showTable();
    void showRules();
    void showComputerGame();

signals:
    // A new table window was built (message boxes belong to it from now on).
    void tableBuilt(FrmCPF* table);

private:
    // showTable() for a Help window's BACK TO GAME or Exit: a table built anew opens centred
    // where that window is.
    void showTableFrom(const QWidget* from);

    Platform& platform_;
    QPointer<FrmCPF> table_;
    QPointer<FrmPFrules> rules_;
    QPointer<FrmCG> computerGame_;
};
