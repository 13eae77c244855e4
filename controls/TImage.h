#pragma once

#include <QString>
#include <QWidget>

#include <functional>

#include "controls/Picture.h"

// The control of image items: a picture read from a ".BMP" or ".WMF" file. The full path of
// the file is kept in Hint and saved from there. Not stretched, the control takes the
// picture's natural size at ScreenPixelsPerInch() (auto-size = !Stretch); stretched, it keeps
// its size and scales the picture to fill it. Unstretched with a picture, a size given from
// outside gives way to the natural size (at once when shown, else when next shown).
// A file that is missing or unreadable still leaves a working control: its box, path and
// stretch flag stay as given and it draws a placeholder (an outlined box with the file's name),
// so the item is kept and saved unchanged.
// Mouse and drag events are hooked from outside (installEventFilter).
class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    // Sets Hint to path and reads the picture. Returns false (and the reason in error) when
    // the file cannot be read; the control then shows the placeholder.
    bool LoadFromFile(const QString& path, QString* error = nullptr);

    QString Hint() const { return hint_; }
    void setHint(const QString& hint) { hint_ = hint; }
    // The file an item's file name stands for where the control is shown (the design panel
    // fills in a record's fields); by default the name itself.
    void setShownFile(std::function<QString(const QString&)> shownFile) {
        shownFile_ = std::move(shownFile);
    }
    QString ShownFile(const QString& fileName) const {
        return shownFile_ ? shownFile_(fileName) : fileName;
    }

    bool Stretch() const { return stretch_; }
    void setStretch(bool on);
    bool AutoSize() const { return !stretch_; }

    bool HasPicture() const { return !picture_.isNull(); }
    const Picture& picture() const { return picture_; }

    // Re-applies the natural size, e.g. after the pixels per inch were changed.
    void RefreshLayout();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyNaturalSize();
    bool applyingSize_ = false;

    Picture picture_;
    QString hint_;
    std::function<QString(const QString&)> shownFile_;
    bool stretch_ = false;
};
