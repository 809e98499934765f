#pragma once
// The application's resource folder (images, built-in presets, the about document): next to
// the executable in a build tree, else in the install prefix's share/fotino.

#include <QString>

class ResourceFolder {
public:
    static QString path();
    // The path of a file or folder inside it, such as "presets" or "images/margin.png".
    static QString pathForResource(const QString& relativePath);
    // For tests and portable installs: use this folder instead.
    static void setOverride(const QString& folder);
    // The folder a program lying in programFolder uses: the first of the build tree's (beside
    // it, or one level up for the tests) and the install prefix's share/fotino that holds the
    // built-in presets; the prefix's when none does.
    static QString locate(const QString& programFolder);
};
