#include "ui/platform/KtObject.h"

#include "core/platform/Alerts.h"
#include "core/platform/StringTable.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QWidget>

QString KtObject::localizedString(const QString& key) {
    return StringTable::localizedString(key);
}

void KtObject::localize(QWidget* window, const QString& key) {
    if (window) {
        window->setWindowTitle(localizedString(key));
    }
}

void KtObject::localize(QAbstractButton* button, const QString& key) {
    if (button) {
        button->setText(localizedString(key));
    }
}

void KtObject::localizeHint(QAbstractButton* button, const QString& key) {
    if (button) {
        button->setToolTip(localizedString(key));
    }
}

void KtObject::localize(QLabel* field, const QString& key) {
    if (field) {
        field->setText(localizedString(key));
    }
}

void KtObject::localize(QLineEdit* field, const QString& key) {
    if (field) {
        field->setText(localizedString(key));
    }
}

void KtObject::localize(QGroupBox* box, const QString& key) {
    if (box) {
        box->setTitle(localizedString(key));
    }
}

void KtObject::localize(QMenu* menu, const QString& key) {
    if (menu) {
        menu->setTitle(localizedString(key));
    }
}

void KtObject::localize(QAction* item, const QString& key) {
    if (item) {
        item->setText(localizedString(key));
    }
}

void KtObject::localize(QComboBox* popup, int index, const QString& key) {
    if (popup && index >= 0 && index < popup->count()) {
        popup->setItemText(index, localizedString(key));
    }
}

void KtObject::localize(QTabWidget* tabs, int index, const QString& key) {
    if (tabs && index >= 0 && index < tabs->count()) {
        tabs->setTabText(index, localizedString(key));
    }
}

void KtObject::localize(QTabWidget* tabs, const QString& key, const QString& identifier) {
    if (!tabs) {
        return;
    }
    for (int index = 0; index < tabs->count(); ++index) {
        if (tabs->widget(index)->objectName() == identifier) {
            tabs->setTabText(index, localizedString(key));
            return;
        }
    }
}

void KtObject::localizeColumn(QAbstractItemView* table, int column, const QString& key) {
    if (table && table->model()) {
        table->model()->setHeaderData(column, Qt::Horizontal, localizedString(key),
                                      Qt::DisplayRole);
    }
}

void KtObject::localize(QAbstractItemView* table, const QString& key, const QString& identifier) {
    if (!table || !table->model()) {
        return;
    }
    QAbstractItemModel* model = table->model();
    for (int column = 0; column < model->columnCount(); ++column) {
        if (model->headerData(column, Qt::Horizontal, ColumnIdentifierRole).toString() ==
            identifier) {
            model->setHeaderData(column, Qt::Horizontal, localizedString(key), Qt::DisplayRole);
            return;
        }
    }
}

void KtObject::localizedAlert(const QString& key) {
    Alerts::alert(key);
}

bool KtObject::localizedFBAlert(const QString& messageKey, const QString& titleKey) {
    return Alerts::confirm(messageKey, titleKey);
}
