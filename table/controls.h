#pragma once

// The controls of the table as the handlers see them: plain objects holding the properties
// the handlers read and write (captions, colours, fonts, values, visibility, enabled state,
// check marks, the die picture). The window draws real widgets from them; the replay driver
// and the tests read them directly.
//
// Every control tells its observers (the window's widget, when there is a window) after each
// change of a property, for as long as their subscriptions last. A click, an arrow click or a
// changed text runs the event handler the table bound to the control.

#include "table/colours.h"
#include "table/observers.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

// The kinds of the windows' widgets. Shapes and lines are only drawn: they hold no control.
enum class Kind { Label, Button, TextBox, PictureBox, UpDown, Shape, Line, Menu };

// A typeface as a handler last named it ("arial"), with its size in points.
struct Font {
    QString name;
    double size = 8.25;
    bool bold = false;

    bool operator==(const Font&) const = default;
};

class Control {
public:
    virtual ~Control() = default;
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    // Reachable by the player: shown and enabled.
    bool reachable() const { return visible_ && enabled_; }

    // Tells observer (the window's widget) of every change from now on, until the
    // subscription ends: the widget keeps it, so that it is told no longer once it is gone.
    [[nodiscard]] Subscription observe(std::function<void()> observer) {
        return observers_.add(std::move(observer));
    }

protected:
    void changed() const { observers_.notify(); }

private:
    bool visible_ = false;
    bool enabled_ = false;
    Observers<> observers_;
};

// An event handler bound to a control; nothing runs while none is bound.
class Event {
public:
    void bind(std::function<void()> handler) { handler_ = std::move(handler); }
    void raise() const {
        if (handler_)
            handler_();
    }

private:
    std::function<void()> handler_;
};

class Label : public Control {
public:
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor backColor() const { return back_; }
    void setBackColor(QColor colour);
    QColor foreColor() const { return fore_; }
    void setForeColor(QColor colour);
    const Font& font() const { return font_; }
    void setFont(const Font& font);
    void setFontName(const QString& name);
    void setFontSize(double points);
    void setFontBold(bool bold);

    Event Click;

private:
    QString caption_;
    QColor back_ = colour::Grey;
    QColor fore_{0, 0, 0};
    Font font_;
};

class Button : public Control {
public:
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);

    Event Click;

private:
    QString caption_;
};

class TextBox : public Control {
public:
    const QString& text() const { return text_; }
    // A new text raises Change at once; the same text raises nothing.
    void setText(const QString& text);

    Event Change;

private:
    QString text_;
};

// The up-down spin control over a whole number. Assigning a new value clamps it to the
// limits, writes it into the buddy text box, and then raises Change inside the assignment;
// assigning the value it already has raises nothing. The arrows move it by its step.
class UpDown : public Control {
public:
    void setRange(int minimum, int maximum, int step);
    void setBuddy(TextBox* buddy) { buddy_ = buddy; }
    int value() const { return value_; }
    void setValue(int value);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int step() const { return step_; }

    // One click on an arrow.
    void stepUp() { setValue(value_ + step_); }
    void stepDown() { setValue(value_ - step_); }

    Event Change;

private:
    TextBox* buddy_ = nullptr;
    int value_ = 0;
    int minimum_ = 0;
    int maximum_ = 100;
    int step_ = 1;
};

class PictureBox : public Control {
public:
    // The picture's file name ("imgdie4.bmp"), or "logo" for the product logo, which the
    // window draws itself; empty while it shows none.
    const QString& pictureName() const { return name_; }
    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture, const QString& name);

private:
    QImage picture_;
    QString name_;
};

// A menu item or a top-level menu. Its check mark belongs to the handlers: a click leaves it
// as it was. An item is reachable when it and the menu that holds it are enabled.
class MenuItem : public Control {
public:
    void setMenu(const MenuItem* menu) { menu_ = menu; }
    // The top-level menu that holds the item; nullptr for a top-level menu.
    const MenuItem* menu() const { return menu_; }
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    bool checked() const { return checked_; }
    void setChecked(bool checked);
    bool itemReachable() const { return enabled() && (menu_ == nullptr || menu_->enabled()); }

    Event Click;

private:
    const MenuItem* menu_ = nullptr;
    QString caption_;
    bool checked_ = false;
};

// Members of a control array, addressed by their own index range (lblodds(2)..lblodds(5)).
template <class C, int First, int Last> class ControlArray {
public:
    using Member = C;
    static constexpr int first = First;
    static constexpr int last = Last;
    C& operator()(int index) { return members_.at(static_cast<std::size_t>(index - First)); }
    const C& operator()(int index) const {
        return members_.at(static_cast<std::size_t>(index - First));
    }
    // The index of a member; nothing for a control that is not one.
    std::optional<int> indexOf(const Control& control) const {
        for (int index = First; index <= Last; ++index) {
            if (&(*this)(index) == &control)
                return index;
        }
        return std::nullopt;
    }

private:
    std::array<C, Last - First + 1> members_;
};
