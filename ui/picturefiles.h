#pragma once

#include "table/seams.h"

#include <QImage>
#include <QString>

// Reads pictures from the working directory, refusing files that are not readable BMP
// pictures of a sane size. The sharp copy of "imgdie4.bmp" is "imgdie4@2x.png" beside it.
// Given a fallback folder, a picture missing from the working directory is read from there.
class FilePictureLoader final : public PictureLoader {
public:
    FilePictureLoader() = default;
    explicit FilePictureLoader(QString fallbackFolder);
    QImage load(const QString& fileName, QString* error) override;
    QImage loadSharp(const QString& fileName) override;

private:
    // The working directory's file when it is there, else the fallback folder's when that is.
    QString find(const QString& fileName) const;

    QString fallbackFolder_;
};

// The folder the build installs the die pictures in (PIPFALL_DATA_DIR), or an empty string
// for a build that names none.
QString installedPictureFolder();

// The product logo, built into the program, or its copy at twice the resolution for
// high-density screens.
QImage logoPicture(bool sharp);
