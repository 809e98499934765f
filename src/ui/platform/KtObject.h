#pragma once
// Localized strings by key, the relabelling of controls with them, and localized alerts.
// A key the string table lacks shows as the key itself.

#include <QString>
#include <Qt>

class QAbstractButton;
class QAbstractItemView;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTabWidget;
class QWidget;

class KtObject {
public:
    // The header role that holds a table column's identifier ("name", "size", …).
    static constexpr int ColumnIdentifierRole = Qt::UserRole + 100;

    // The text for the key in the user's language; the key itself when the table lacks it.
    static QString localizedString(const QString& key);

    // Window: its title.
    static void localize(QWidget* window, const QString& key);
    // Button or check box: its title; and its tool tip.
    static void localize(QAbstractButton* button, const QString& key);
    static void localizeHint(QAbstractButton* button, const QString& key);
    // Text fields, editable or not: their text.
    static void localize(QLabel* field, const QString& key);
    static void localize(QLineEdit* field, const QString& key);
    // Box: its title.
    static void localize(QGroupBox* box, const QString& key);
    // Menu and menu item: their titles.
    static void localize(QMenu* menu, const QString& key);
    static void localize(QAction* item, const QString& key);
    // An item of a pop-up button.
    static void localize(QComboBox* popup, int index, const QString& key);
    // A tab, by index; and the tab whose page has the identifier (its object name), if any.
    static void localize(QTabWidget* tabs, int index, const QString& key);
    static void localize(QTabWidget* tabs, const QString& key, const QString& identifier);
    // A table column's header, by column; and the column with the identifier, if any.
    static void localizeColumn(QAbstractItemView* table, int column, const QString& key);
    static void localize(QAbstractItemView* table, const QString& key, const QString& identifier);

    // A modal warning with the localized message and one button "OK".
    static void localizedAlert(const QString& key);
    // A modal confirmation with the localized title and message, "OK" and the localized
    // "Cancel"; true only when "OK" was pressed.
    static bool localizedFBAlert(const QString& messageKey, const QString& titleKey);
};
