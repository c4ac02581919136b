#pragma once

// The widget kinds the table is made of. Each keeps the properties the game's handlers
// read and write (caption, back colour, font, value, picture) as plain state and draws
// itself from it, so a handler's change is exactly what the player sees.

#include <QAction>
#include <QColor>
#include <QPixmap>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <vector>

// The face of a font as a handler last gave it ("arial") together with its size in points.
struct FontSpec {
    QString name;
    double size = 8.25;
    bool bold = false;
};

// Builds the drawing font for a face name and point size: the face falls back to the
// metric-compatible Liberation faces, and the size is set in pixels at 96 dots per inch so
// that the table looks the same whatever the screen reports.
QFont drawingFont(const FontSpec& wanted);

// An opaque, word-wrapping label that reports clicks.
class Label : public QWidget {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor backColor() const { return back_; }
    void setBackColor(QColor colour);
    void setForeColor(QColor colour);

    const FontSpec& fontSpec() const { return font_; }
    void setFontName(const QString& name);
    void setFontSize(double points);
    void setFontBold(bool bold);
    void setFontSpec(const FontSpec& wanted);

    void setAlignment(Qt::Alignment alignment);
    void setBorder(bool border);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fontChanged();

    QString caption_;
    QColor back_{0, 0, 255};
    QColor fore_{0, 0, 0};
    FontSpec font_;
    Qt::Alignment alignment_ = Qt::AlignHCenter;
    bool border_ = false;
    bool pressed_ = false;
};

// A push button that paints its own background colour with a raised bevel.
class Button : public QPushButton {
    Q_OBJECT
public:
    explicit Button(QWidget* parent = nullptr);
    void setBackColor(QColor colour);
    QColor backColor() const { return back_; }
    void setFontSpec(const FontSpec& wanted);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor back_{192, 192, 192};
};

// A display-only text box (the table's are all disabled): a sunken box with centred text.
class TextBox : public QWidget {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);
    QString text() const { return text_; }
    void setText(const QString& text);
    void setBackColor(QColor colour);
    void setForeColor(QColor colour);
    void setFontSpec(const FontSpec& wanted);

signals:
    void changed();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString text_;
    QColor back_{255, 255, 255};
    QColor fore_{0, 0, 0};
};

// The up-down spin control: a vertical pair of arrows over a whole-number value.
// Every change of the value, by an arrow or by code, first writes the value into the buddy
// text box and then raises changed() at once; assigning the value it already has does
// nothing. The arrows stop at the limits.
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum, int step);
    void setBuddy(TextBox* buddy) { buddy_ = buddy; }
    int value() const { return value_; }
    void setValue(int value);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int step() const { return step_; }

    // One click on an arrow, as the player makes it.
    void stepUp();
    void stepDown();

signals:
    void changed();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Arrow { None, Up, Down };
    void repeat();

    QTimer* repeat_ = nullptr; // holding an arrow down repeats its click
    TextBox* buddy_ = nullptr;
    int value_ = 0;
    int minimum_ = 0;
    int maximum_ = 100;
    int step_ = 1;
    Arrow pressed_ = Arrow::None;
};

// A picture box that shows a bitmap inside a one-pixel border and sizes itself to it. On a
// high-density screen it shows the sharp copy of the picture, when it has one.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    // name is what the box shows ("imgdie4.bmp", "logo"); an empty name means no picture.
    // sharp is the same picture drawn at twice the resolution; it is used only when it is
    // exactly twice as large as picture.
    void setPicture(const QPixmap& picture, const QString& name, const QPixmap& sharp = {});
    QString pictureName() const { return name_; }
    void setBackColor(QColor colour);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap picture_;
    QPixmap sharp_; // twice the resolution, device pixel ratio 2; null when there is none
    QString name_;
    QColor back_{192, 192, 192};
};

// A menu item or top-level menu. Its check mark belongs to the handlers: a click reports
// clicked() and leaves the check mark as it was, for the handler to change.
class MenuItem : public QObject {
    Q_OBJECT
public:
    MenuItem(QAction* action, MenuItem* menu, QObject* parent);
    QAction* action() const { return action_; }
    MenuItem* menu() const { return menu_; }

    QString caption() const { return action_->text(); }
    bool isChecked() const { return action_->isChecked(); }
    void setChecked(bool checked);
    bool isEnabled() const { return action_->isEnabled(); }
    void setEnabled(bool enabled) { action_->setEnabled(enabled); }
    // Whether a player can reach the item: it and the menu that holds it are enabled.
    bool isReachable() const;

signals:
    void clicked();

private:
    QAction* action_;
    MenuItem* menu_;
};

// Members of a control array, addressed by their own index range (lblodds(2)..lblodds(5)).
template <class W> class ControlArray {
public:
    ControlArray() = default;
    ControlArray(int first, std::vector<W*> members)
        : first_(first), members_(std::move(members)) {}
    W* operator()(int index) const { return members_.at(static_cast<std::size_t>(index - first_)); }
    int first() const { return first_; }
    int last() const { return first_ + static_cast<int>(members_.size()) - 1; }

private:
    int first_ = 0;
    std::vector<W*> members_;
};
