#pragma once

// Picture lists, addressed by 1-based position, and the twelve sign pictures
// that the sun-sign programs show.

#include <QSize>
#include <QStringList>

class QLabel;

class ImageList
{
public:
    explicit ImageList(QStringList resources) : m_resources(std::move(resources)) {}

    int count() const { return int(m_resources.size()); }
    // The picture at a position from 1; empty outside the list.
    QString resource(int position) const;
    // Shows the picture at a position on a label, crisp at its pixel ratio;
    // outside the list the label is cleared.
    void show(QLabel *label, int position, const QSize &logicalSize) const;

private:
    QStringList m_resources;
};

// The twelve sign pictures, 200 by 200, in zodiac order (Aries first).
const ImageList &SunSignPictures();
inline constexpr QSize kSignPictureSize{200, 200};
