#pragma once

#include <QString>

class FrmCPF;

// The player's actions on the table window, delivered only where a player could make them:
// visible, enabled buttons and up-downs, visible labels, menu items whose menu is enabled.
enum class PlayerAction { Click, Up, Down };

enum class Delivery { Delivered, NotDelivered, UnknownName };

Delivery deliver(FrmCPF& window, PlayerAction action, const QString& name);
