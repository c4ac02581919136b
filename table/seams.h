#pragma once

// The few places where the table meets the platform. The game plugs in the real ones;
// tests and the replay driver plug in their own.

#include <QImage>
#include <QString>

#include <optional>

// The die's random source: values r with 0 <= r < 1 in single precision.
class DieSource {
public:
    virtual ~DieSource() = default;
    // Reseeds the source; the table does this before every draw.
    virtual void randomize() = 0;
    // The next value, or nothing when no value can be drawn (a scripted source ran dry).
    virtual std::optional<float> next() = 0;
};

// Loads a picture by its bare file name, relative to the working directory.
class PictureLoader {
public:
    virtual ~PictureLoader() = default;
    // A null image when the file cannot be read as a picture; *error then says why.
    virtual QImage load(const QString& fileName, QString* error) = 0;
    // The same picture drawn at twice the resolution for high-density screens, when there is
    // one; a null image otherwise.
    virtual QImage loadSharp(const QString& /*fileName*/) { return {}; }
};

// Modal message boxes with an OK button, titled "Pipfall".
class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Shows text and returns the button pressed (1 for OK).
    virtual int show(const QString& text) = 0;
    // Tells the player that something outside the game went wrong (an unreadable die picture).
    virtual void showFault(const QString& text) = 0;
};

struct Platform {
    DieSource& die;
    PictureLoader& pictures;
    MessageBox& messages;
};
