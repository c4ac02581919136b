#pragma once

// Parties told of changes for as long as they want to be. Observing returns a Subscription;
// the party is told until the subscription ends (it is destroyed, or cancelled), and never
// after. Either side may go first: a subscription that outlives what it observes ends
// quietly, and what is observed skips the parties whose subscriptions have ended.

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class Subscription {
public:
    Subscription() = default;
    explicit Subscription(std::shared_ptr<const void> observer) : observer_(std::move(observer)) {}
    Subscription(Subscription&&) noexcept = default;
    Subscription& operator=(Subscription&&) noexcept = default;
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    ~Subscription() = default;

    // Stops telling the party now.
    void cancel() { observer_.reset(); }
    bool active() const { return observer_ != nullptr; }

private:
    std::shared_ptr<const void> observer_;
};

template <class... Args> class Observers {
public:
    using Observer = std::function<void(Args...)>;

    // Tells observer of every change from now on, while the subscription returned lasts.
    [[nodiscard]] Subscription add(Observer observer) {
        if (notifying_ == 0)
            std::erase_if(observers_, [](const auto& held) { return held.expired(); });
        auto held = std::make_shared<const Observer>(std::move(observer));
        observers_.push_back(held);
        return Subscription(std::move(held));
    }

    // Tells every party still subscribed, in the order they subscribed. A party that
    // subscribes meanwhile is told from the next change on; one whose subscription ends
    // meanwhile is not told.
    void notify(Args... args) const {
        ++notifying_;
        const std::size_t count = observers_.size();
        for (std::size_t i = 0; i < count; ++i) {
            if (const std::shared_ptr<const Observer> observer = observers_[i].lock())
                (*observer)(args...);
        }
        --notifying_;
    }

private:
    std::vector<std::weak_ptr<const Observer>> observers_;
    // How deep the notifications run: the list is pruned only while none does, so that the
    // parties keep their places.
    mutable int notifying_ = 0;
};
