#pragma once
// Creating the hand-placed controls of the pages: each carries its designed name.
#include <QFont>
#include <QRect>
#include <QWidget>

namespace razoz {

template <class W> W* makeControl(QWidget* parent, const char* name, QRect geometry)
{
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(geometry);
    return w;
}

// The draw texts line their numbers up in a fixed-width font.
inline void useFixedWidthFont(QWidget* w)
{
    QFont mono = w->font();
    mono.setFamily(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    w->setFont(mono);
}

} // namespace razoz
