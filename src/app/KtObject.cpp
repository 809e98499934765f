#include "app/KtObject.h"

#include "platform/StringTable.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QWidget>

QString KtObject::localizedString(const QString& key) {
    return StringTable::localizedString(key);
}

QString KtObject::localizedString(const QString& key, const QString& /*table*/) {
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
