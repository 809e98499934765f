#pragma once
// Localized strings by key, and the relabelling of controls with them.

#include <QString>

class QAbstractButton;
class QAction;
class QMenu;
class QWidget;

class KtObject {
public:
    // The text for the key in the user's language; the key itself when the table lacks it.
    static QString localizedString(const QString& key);
    // All lookups use the one table of the application; a table name changes nothing.
    static QString localizedString(const QString& key, const QString& table);

    // Window title.
    static void localize(QWidget* window, const QString& key);
    // Button or check box title.
    static void localize(QAbstractButton* button, const QString& key);
    static void localizeHint(QAbstractButton* button, const QString& key);
    static void localize(QMenu* menu, const QString& key);
    static void localize(QAction* item, const QString& key);
};
