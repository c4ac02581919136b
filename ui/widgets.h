#pragma once

// The widgets of the windows. Each shows one control of the game (a label, a button, a text
// box, an up-down, a picture box) and draws itself from that control's properties, so that a
// handler's change is exactly what the player sees; clicks and arrow presses go back to the
// control, which runs its handler.

#include "table/controls.h"

#include <QPixmap>
#include <QPushButton>
#include <QRegion>
#include <QTimer>
#include <QWidget>

#include <functional>

class QMenuBar;
class QPainter;

// Each widget takes its control's visibility and enabled state from its first change on; the
// window gives them their start-up state once it has put the widget in place.

// Builds the drawing font for a face name and point size: the face falls back to the
// metric-compatible Liberation faces, and the size is set in pixels at 96 dots per inch so
// that the table looks the same whatever the screen reports.
QFont drawingFont(const Font& wanted);

// The lines of a label's caption, wrapped at word boundaries within width: lines break only
// at blanks, never after a hyphen.
QStringList wrapCaption(const QString& caption, const QFontMetrics& metrics, int width);

// The pixels that painting inks (each at least half covered), painted with draw in the font, in
// black, onto a transparent canvas reaching margin pixels beyond a widget of that size on every
// side, in the widget's coordinates: where a caption's letters fall, whatever clips them.
QRegion inkOf(QSize size, int margin, const QFont& font,
              const std::function<void(QPainter&)>& draw);

// Ends subscription when owner is destroyed, for an observer that works on owner (a menu
// command that shows its menu item).
void endWith(QObject* owner, Subscription subscription);

// Lets the menu bar show where the keyboard is while it holds it: the menu title the keys are
// on is drawn as an open one is, also after Escape has closed its menu and until a second
// Escape (or a click) gives the keys back to the window.
void showKeyboardInMenuBar(QMenuBar* bar);

// An opaque, word-wrapping label. A label that takes the keyboard focus (a one-roll spot
// holding a winner) is clicked with Space or Return, as with the mouse.
class LabelView : public QWidget {
    Q_OBJECT
public:
    LabelView(Label& label, Qt::Alignment alignment, bool border, QWidget* parent);
    const Label& control() const { return label_; }
    Label& control() { return label_; }
    // Lets the label take the focus from the Tab key while when() holds, asked after every
    // change of the label and by updateFocusPolicy(). Space and Return then press it: they
    // run press, or click the label when there is none.
    void setTakesFocus(std::function<bool()> when, std::function<void()> press = {});
    void updateFocusPolicy();

signals:
    // After every change of the label's control.
    void changed();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The tests measure what of a caption shows (tests/support/captionink.h).
    friend class CaptionProbe;

    void sync();
    // Draws the caption lines; clipped to the lines' width, as on the screen, unless clip
    // is false.
    void drawCaption(QPainter& p, bool clip) const;
    // The room in which the caption shows whole: inside the border and, while the label
    // takes the focus, inside its focus frame.
    QRect captionRoom() const;

    Label& label_;
    std::function<bool()> takesFocus_;
    std::function<void()> press_;
    Qt::Alignment alignment_;
    bool border_;
    bool pressed_ = false;
    // What was last shown, to tell a screen reader of real changes only.
    QString caption_;
    QColor back_;
    Font font_;
    Subscription observing_; // last: it ends first
};

// A push button painted in its back colour with a raised bevel. Space, Return and Enter press
// it when it has the focus; no button is a default button.
class ButtonView : public QPushButton {
    Q_OBJECT
public:
    ButtonView(Button& button, QColor back, const Font& font, QWidget* parent);
    Button& control() { return button_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class CaptionProbe;

    void sync();
    // Draws the caption as the button does, but nothing clips it.
    void drawWholeCaption(QPainter& p) const;
    // The room in which the caption shows whole: inside the bevel and inside the focus frame,
    // which no letter may cross.
    QRect captionRoom() const;
    // Where the letters of the caption drawn in textRect fall, whatever clips them.
    QRect letters(const QRect& textRect) const;

    Button& button_;
    QColor back_;
    Subscription observing_;
};

// A display-only text box (the table's are all disabled): a sunken box with centred text.
class TextBoxView : public QWidget {
    Q_OBJECT
public:
    TextBoxView(TextBox& box, QColor back, QColor fore, const Font& font, QWidget* parent);
    const TextBox& control() const { return box_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void sync();

    TextBox& box_;
    QColor back_;
    QColor fore_;
    QString text_;
    Subscription observing_;
};

// The up-down: a vertical pair of arrows. Holding an arrow down repeats its click.
class UpDownView : public QWidget {
    Q_OBJECT
public:
    UpDownView(UpDown& upDown, QWidget* parent);
    UpDown& control() { return upDown_; }
    const UpDown& control() const { return upDown_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Arrow { None, Up, Down };
    void sync();
    void repeat();

    UpDown& upDown_;
    QTimer* repeat_ = nullptr;
    Arrow pressed_ = Arrow::None;
    int value_ = 0;
    Subscription observing_;
};

// A picture box that shows its picture inside a one-pixel border and sizes itself to it. On
// a high-density screen it shows the sharp copy of the picture, when there is one.
class PictureView : public QWidget {
    Q_OBJECT
public:
    // pictureNamed gives the picture of a name when the control holds none (the logo), and
    // when sharp its copy at twice the resolution; or a null image.
    PictureView(PictureBox& picture, QColor back,
                std::function<QImage(const QString& name, bool sharp)> pictureNamed,
                QWidget* parent);
    const PictureBox& control() const { return picture_; }
    // Sizes the box to its picture and border.
    void fitPicture();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void sync();
    void showPicture();

    PictureBox& picture_;
    QColor back_;
    std::function<QImage(const QString&, bool)> pictureNamed_;
    QString name_;   // the picture shown
    QPixmap pixmap_; // the picture, converted when it changes
    QPixmap sharp_;  // twice the resolution, device pixel ratio 2; null when there is none
    bool sharpLoaded_ = false;
    Subscription observing_;
};
