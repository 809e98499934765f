#include "core/platform/StringTable.h"

#include <QLocale>
#include <QTranslator>
#include <memory>
#include <vector>

namespace {
struct Tables {
    std::vector<std::unique_ptr<QTranslator>> loaded;
    bool installed = false;
};

Tables& tables() {
    static Tables instance;
    return instance;
}

std::unique_ptr<QTranslator> loadTable(const QString& language) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/i18n/fotino_") + language + QStringLiteral(".qm"))) {
        return nullptr;
    }
    return translator;
}
} // namespace

QStringList StringTable::availableLanguages() {
    return {QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("de")};
}

QString StringTable::install(const QStringList& languages) {
    Tables& t = tables();
    t.loaded.clear();
    t.installed = true;

    if (auto english = loadTable(QStringLiteral("en"))) {
        t.loaded.push_back(std::move(english));
    }
    const QStringList wanted = languages.isEmpty() ? QLocale::system().uiLanguages() : languages;
    for (const QString& entry : wanted) {
        // "fr-CH" and "fr_CH" both choose the French table.
        const QString language =
            entry.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (language == QLatin1String("en") || language == QLatin1String("c")) {
            return QStringLiteral("en");
        }
        if (!availableLanguages().contains(language)) {
            continue;
        }
        if (auto table = loadTable(language)) {
            t.loaded.push_back(std::move(table));
            return language;
        }
    }
    return QStringLiteral("en");
}

QString StringTable::localizedString(const QString& key) {
    if (key.isEmpty()) {
        return key;
    }
    if (!tables().installed) {
        install();
    }
    // The tables are id-based: the key is the message id, as qtTrId looks it up. They are
    // asked directly, the user's language first, so lookups work without an application
    // object too (the command line).
    const QByteArray id = key.toUtf8();
    const auto& loaded = tables().loaded;
    for (auto it = loaded.rbegin(); it != loaded.rend(); ++it) {
        const QString text = (*it)->translate(nullptr, id.constData());
        if (!text.isEmpty()) {
            return text;
        }
    }
    return key;
}
