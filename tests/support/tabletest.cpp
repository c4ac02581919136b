#include "tabletest.h"

#include "oneroll/holders.h"
#include "replay/delivery.h"

std::optional<float> ScriptedDie::next() {
    if (faces.empty()) {
        ranDry = true;
        return std::nullopt;
    }
    const int face = faces.front();
    faces.pop_front();
    ++draws;
    return (static_cast<float>(face) - 0.5f) / 6.0f;
}

QImage MemoryPictures::load(const QString& fileName, QString* error) {
    if (missing.contains(fileName)) {
        *error = QStringLiteral("the file is missing");
        return {};
    }
    loaded << fileName;
    QImage image(39, 39, QImage::Format_RGB888);
    image.fill(Qt::white);
    return image;
}

int RecordingMessages::show(const QString& text) {
    shown << text;
    if (whileShown)
        whileShown(text);
    return 1;
}

void RecordingMessages::showFault(const QString& text) {
    faults << text;
}

TableTest::TableTest() : window(std::make_unique<FrmCPF>(platform)) {}

TableTest::~TableTest() = default;

bool TableTest::click(const QString& name) {
    return deliver(*window, PlayerAction::Click, name) == Delivery::Delivered;
}

bool TableTest::up(const QString& name, int times) {
    bool delivered = true;
    for (int i = 0; i < times; ++i)
        delivered = deliver(*window, PlayerAction::Up, name) == Delivery::Delivered && delivered;
    return delivered;
}

bool TableTest::down(const QString& name, int times) {
    bool delivered = true;
    for (int i = 0; i < times; ++i)
        delivered = deliver(*window, PlayerAction::Down, name) == Delivery::Delivered && delivered;
    return delivered;
}

bool TableTest::roll(int face) {
    die.faces.push_back(face);
    return click(QStringLiteral("cmdRoll"));
}

void TableTest::setBet(int amount) {
    while (w().udBet->value() < amount)
        up(QStringLiteral("udBet"));
    while (w().udBet->value() > amount)
        down(QStringLiteral("udBet"));
}

void TableTest::arrange(Currency bankroll, int bet) {
    {
        // Take the bet off without the change handler, then place it again through it, so
        // that it is charged as a player's would be.
        const QSignalBlocker quiet(w().udBet);
        w().udBet->setValue(0);
    }
    t().Bankroll = bankroll + dollars(bet);
    t().PrevBet = 0;
    w().udBet->setValue(bet);
    w().lblBankroll->setCaption(t().Bankroll.toText());
}

Currency TableTest::playerMoney() {
    Currency money = t().Bankroll + dollars(w().udBet->value());
    for (int i = 1; i <= 6; ++i) {
        Currency stake;
        if (holdsStake(*w().lblOR(i)) && Currency::fromText(w().lblOR(i)->caption(), &stake))
            money += stake;
    }
    return money;
}
