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
};
