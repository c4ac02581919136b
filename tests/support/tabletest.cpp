#include "tabletest.h"

#include "replay/delivery.h"

std::optional<float> ScriptedDie::next() {
    if (faces.empty())
        return std::nullopt;
    const int face = faces.front();
    faces.pop_front();
    ++draws;
    return (static_cast<float>(face) - 0.5f) / 6.0f;
}

QImage MemoryPictures::load(const QString& /*fileName*/, QString* /*error*/) {
    QImage image(39, 39, QImage::Format_RGB888);
    image.fill(Qt::white);
    return image;
}

int RecordingMessages::show(const QString& text) {
    shown << text;
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
