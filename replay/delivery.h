#pragma once

#include <QString>

class FrmCPF;
class Table;

// The player's actions on the table, delivered only where a player could make them:
// visible, enabled buttons and up-downs, visible labels, menu items whose menu is enabled.
enum class PlayerAction { Click, Up, Down };

enum class Delivery { Delivered, NotDelivered, UnknownName };

// Delivers the action to the control of that name. With a window, the action goes through
// the window's widget as a player's click would (a mouse click on a label or an arrow, a
// button's click, a menu command); without one, straight to the control.
Delivery deliver(Table& table, FrmCPF* window, PlayerAction action, const QString& name);
