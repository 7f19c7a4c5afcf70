#pragma once

#include <QString>

namespace widgets {

// The skin component: a style sheet applied to the whole application at
// once. An empty or missing file name loads nothing and what is applied
// stays; with no file ever loaded the built-in skin is in effect.
class Skin
{
public:
    static Skin &instance();

    // Loads FILE when it exists and can be read, and applies it.
    void setFileName(const QString &file);
    QString fileName() const { return m_fileName; }

    // Applies the built-in skin (start-up, before any file).
    void applyBuiltIn();
    static QString builtInStyleSheet();

    // Reads CaminhoSkin from the user's settings and hands it over.
    void applyStoredSkin();

    // The skins that come with the program, copied into FOLDER when it
    // holds none (a first start); an existing folder with skins of its own
    // is left alone. True when FOLDER then holds the shipped skins or its own.
    static bool installShippedSkins(const QString &folder);
    static QStringList shippedSkinNames();

private:
    void apply(const QString &styleSheet);
    QString m_fileName;
};

inline Skin &skin() { return Skin::instance(); }

} // namespace widgets
