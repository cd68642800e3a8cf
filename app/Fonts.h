// The faces the windows were drawn with, each followed by its metric twin among the free fonts,
// so that captions keep their widths where the Windows faces are missing.
#pragma once

#include <QFont>
#include <QStringList>

namespace konwpl {

inline QFont FontOf(const QStringList& families, QFont::StyleHint hint, int pixels,
                    bool bold = false) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// "MS Sans Serif": every window's own face.
inline QFont WindowFont(int pixels = 11, bool bold = false) {
    return FontOf({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                   QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
                  QFont::SansSerif, pixels, bold);
}

inline QFont ArialFont(int pixels, bool bold = false) {
    return FontOf({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}, QFont::SansSerif,
                  pixels, bold);
}

// "Lucida Console": the help table is aligned for a fixed pitch.
inline QFont ConsoleFont(int pixels) {
    QFont font = FontOf({QStringLiteral("Lucida Console"), QStringLiteral("DejaVu Sans Mono"),
                         QStringLiteral("Liberation Mono")},
                        QFont::TypeWriter, pixels);
    font.setFixedPitch(true);
    return font;
}

}  // namespace konwpl
