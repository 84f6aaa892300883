// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

class QLabel;

// Shows an SVG resource on a label at the label's own device pixel ratio,
// and again at the new ratio when its window moves to a screen of another
// scale, with the words a screen reader gives for the picture.
void ShowSvg(QLabel *label, const QString &resource, const QSize &logicalSize, const QString &description);

// A picture list: pictures addressed by 1-based position, each with the
// words a screen reader gives for it.
class ImageList
{
public:
    ImageList(QStringList resources, QStringList descriptions)
        : m_resources(std::move(resources)), m_descriptions(std::move(descriptions))
    {
    }

    int count() const { return int(m_resources.size()); }
    // The picture at a position from 1; empty outside the list.
    QString resource(int position) const;
    // What the picture shows ("Gemini", "Sunflower"); empty outside the list.
    QString description(int position) const;
    // Shows the picture at a position on a label, crisp at its pixel ratio,
    // and gives the label the picture's description; outside the list the
    // label is cleared.
    void show(QLabel *label, int position, const QSize &logicalSize) const;

private:
    QStringList m_resources;
    QStringList m_descriptions;
};
